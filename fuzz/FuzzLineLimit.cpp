// ApplyLineLimit against its plain restatement: a prefix of the text, cut in
// place, never reading past the zero.
#include "FuzzInput.h"
#include "Reference.h"
#include "import/text/ApplyLineLimit.h"
#include "import/ImportLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size < 2) {
        return 0;
    }
    fuzz::SetCodePageFromMode(data[0]);
    // A signed byte for the limit keeps the interesting values (<= 0, small) dense.
    const auto lines = static_cast<std::int32_t>(static_cast<std::int8_t>(data[1]));
    fuzz::HeapText text = fuzz::CopyAsText(data + 2, size - 2, ReadLimit);
    const std::string original(text.bytes.get(), text.length);

    ApplyLineLimit(text.bytes.get(), lines);
    const std::string kept(text.bytes.get());
    if (kept != reference::LineLimit(original, lines)) {
        fuzz::Fail("kept text differs from the reference");
    }
    if (original.compare(0, kept.size(), kept) != 0) {
        fuzz::Fail("kept text is not a prefix");
    }
    return 0;
}
