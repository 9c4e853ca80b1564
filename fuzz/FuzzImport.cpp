// The whole import over a fuzzed file: the host's Description block is exactly
// 4,096 bytes, so AddressSanitizer reports any write past it, and the text is
// the one the plain restatement of each step gives (none for a binary format).
#include "FuzzInput.h"
#include "Reference.h"
#include "ReferenceBinaryFormats.h"
#include "ReferenceHtmlText.h"
#include "ReferenceMarkedText.h"
#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "support/FakeFileSource.h"
#include "support/PathCallback.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size < 2) {
        return 0;
    }
    fuzz::SetCodePageFromMode(data[0]);
    // Bit 1 of the mode: the limit flag; bit 2: a .DIZ file; the second byte:
    // the line limit.
    const LineLimit limit{(data[0] & 2) != 0, static_cast<std::int8_t>(data[1])};
    const bool diz = (data[0] & 4) != 0;

    test::PathCallback::Answer("item\\FILE");
    test::FakeFileSource file;
    file.content.assign(reinterpret_cast<const char*>(data + 2), size - 2);

    auto description = std::make_unique<char[]>(DescriptionCapacity);
    description[0] = '\0';
    ImportDescription(diz ? "FILE_ID.DIZ\0" : "README.TXT\0", description.get(),
                      &test::PathCallback::Resolve, file, limit);

    if (file.isOpen) {
        fuzz::Fail("file left open");
    }
    const std::size_t length = strnlen(description.get(), DescriptionCapacity);
    if (length >= DescriptionCapacity) {
        fuzz::Fail("description not terminated within its block");
    }

    const std::string start = file.content.substr(0, ReadLimit);
    if (!reference::IsBinaryFormat(start) && reference::StartsLikeWebPage(start)) {
        return 0; // read as a web page, whose reader has a target of its own
    }
    if (start.starts_with("{\\rtf")) {
        return 0; // a Rich Text document: so is its reader
    }
    std::string read = reference::IsBinaryFormat(start)
                           ? std::string()
                           : reference::DropLoneLeadByte(reference::TextRead(start, diz));
    if (limit.enabled) {
        read = reference::LineLimit(read, limit.lines);
    }
    const std::string expected =
        reference::CutToCapacity(reference::Normalise(read), DescriptionCapacity);
    if (expected != std::string(description.get(), length)) {
        fuzz::Fail("description differs from the reference");
    }
    return 0;
}
