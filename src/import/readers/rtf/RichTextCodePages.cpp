#include "import/readers/rtf/RichTextCodePages.h"

namespace zandrel {
namespace {

struct CharsetRow {
    unsigned char charset;
    unsigned short codePage;
};

// The character sets of Windows fonts (ANSI_CHARSET, SHIFTJIS_CHARSET, ...)
// and the code page each writes in; Mac and OEM ones as word processors read
// them.
// clang-format off
constexpr CharsetRow Charsets[] = {
    {0, 1252},            // ANSI
    {2, SymbolCodePage},  // symbol
    {77, 10000},          // Mac Roman
    {128, 932},           // Shift_JIS
    {129, 949},           // Hangul
    {134, 936},           // GB2312
    {136, 950},           // Big5
    {161, 1253},          // Greek
    {162, 1254},          // Turkish
    {163, 1258},          // Vietnamese
    {177, 1255},          // Hebrew
    {178, 1256},          // Arabic
    {186, 1257},          // Baltic
    {204, 1251},          // Cyrillic
    {222, 874},           // Thai
    {238, 1250},          // Central European
    {254, 437},           // PC 437
    {255, 850},           // OEM
};
// clang-format on

} // namespace

unsigned CodePageOfCharset(long charset) noexcept
{
    for (const CharsetRow& row : Charsets) {
        if (row.charset == charset) {
            return row.codePage;
        }
    }
    return 0;
}

bool IsDoubleByteCodePage(unsigned codePage) noexcept
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

bool IsLeadByte(unsigned codePage, unsigned char byte) noexcept
{
    if (codePage == 932) {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }
    return IsDoubleByteCodePage(codePage) && byte >= 0x81 && byte <= 0xFE;
}

char16_t SymbolCharacter(unsigned char byte) noexcept
{
    return byte == 0xB7 ? char16_t{0x2022} : byte == 0xA7 ? char16_t{0x25AA} : char16_t{0};
}

} // namespace zandrel
