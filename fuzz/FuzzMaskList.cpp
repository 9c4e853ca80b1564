// DecodeMaskList on any text, then the round trip through EncodeMaskList: the
// list comes back unchanged, except that a list of two or more items loses a
// final empty item. Under a double-byte code page an item that ends in a lone
// lead byte cannot come back (the lead byte pairs with the byte the encoder
// writes after it), so the round trip is checked only for whole characters.
#include "FuzzInput.h"
#include "settings/MaskListEncoding.h"

namespace {

bool EndsInLoneLeadByte(const std::string& item)
{
    const char* p = item.c_str();
    while (*p != '\0') {
        const char* next = zandrel::StepChar(p);
        if (*next == '\0' && zandrel::IsLeadByte(*p) && next == p + 1) {
            return true;
        }
        p = next;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size == 0) {
        return 0;
    }
    fuzz::SetCodePageFromMode(data[0]);
    const fuzz::HeapText text = fuzz::CopyAsText(data + 1, size - 1, 1 << 16);

    TStringList list;
    DecodeMaskList(text.bytes.get(), list);
    for (const std::string& item : list) {
        if (item.find('\0') != std::string::npos) {
            fuzz::Fail("decoded item holds a zero byte");
        }
        if (EndsInLoneLeadByte(item)) {
            return 0;
        }
    }

    const std::string encoded = EncodeMaskList(list);
    const fuzz::HeapText again = fuzz::CopyAsText(
        reinterpret_cast<const std::uint8_t*>(encoded.data()), encoded.size(), encoded.size());
    if (again.length != encoded.size()) {
        fuzz::Fail("encoded text holds a zero byte");
    }
    TStringList decoded;
    DecodeMaskList(again.bytes.get(), decoded);

    TStringList expected;
    const std::size_t keep =
        list.Count() >= 2 && list[list.Count() - 1].empty() ? list.Count() - 1 : list.Count();
    for (std::size_t i = 0; i < keep; ++i) {
        expected.Add(list[i]);
    }
    if (!(decoded == expected)) {
        fuzz::Fail("round trip changed the list");
    }
    return 0;
}
