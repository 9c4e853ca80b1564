// NormaliseDescriptionText against its plain restatement, single- and
// double-byte: same result, within the bound, no trailing white space outside
// a double-byte character, and no read past the zero.
#include <cstdio>

#include "FuzzInput.h"
#include "Reference.h"
#include "import/ImportLimits.h"
#include "import/text/NormaliseDescriptionText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size == 0) {
        return 0;
    }
    fuzz::SetCodePageFromMode(data[0]);
    const fuzz::HeapText source = fuzz::CopyAsText(data + 1, size - 1, ReadLimit);

    auto result = std::make_unique<NormalisedBuffer>();
    const std::size_t length = NormaliseDescriptionText(source.bytes.get(), *result);
    const std::string expected =
        reference::Normalise(std::string(source.bytes.get(), source.length));

    if (length != std::strlen(result->data())) {
        fuzz::Fail("returned length differs from the text's length");
    }
    if (length > NormalisedMaximum + (DbcsEnabled ? 1 : 0)) {
        fuzz::Fail("result longer than the bound");
    }
    if (expected != std::string(result->data(), length)) {
        fuzz::Fail("result differs from the reference");
    }
    if (length > 0) {
        // The last character (as StepChar walks) must not start with white space.
        const char* last = result->data();
        for (const char* p = last; *p != '\0'; p = StepChar(p)) {
            last = p;
        }
        if (reference::IsTrailingWhite(*last)) {
            fuzz::Fail("result ends in white space");
        }
        // A white-space byte at the very end can only be a trail byte: the
        // lead byte's own, or the appended CR that a lead byte read last took.
        const bool endsInTrailByte = IsLeadByte(*last) && last + 2 == result->data() + length;
        if (reference::IsTrailingWhite(result->data()[length - 1]) && !endsInTrailByte) {
            fuzz::Fail("result ends in white space outside a double-byte character");
        }
    }
    return 0;
}
