#include "platform/PlainForms.h"

namespace zandrel {
namespace {

struct PlainForm {
    char16_t character;
    std::string_view plain;
};

// clang-format off
constexpr PlainForm PlainForms[] = {
    {0x00A0, " "},    // no-break space
    {0x00A9, "(C)"},  // ©
    {0x00AE, "(R)"},  // ®
    {0x00C6, "AE"},   // Æ
    {0x00D7, "x"},    // ×
    {0x00D8, "O"},    // Ø
    {0x00DF, "ss"},   // ß
    {0x00E6, "ae"},   // æ
    {0x00F8, "o"},    // ø
    {0x0110, "D"},    // Đ
    {0x0111, "d"},    // đ
    {0x0131, "i"},    // ı
    {0x0141, "L"},    // Ł
    {0x0142, "l"},    // ł
    {0x0152, "OE"},   // Œ
    {0x0153, "oe"},   // œ
    {0x2000, " "},    // en quad
    {0x2001, " "},    // em quad
    {0x2002, " "},    // en space
    {0x2003, " "},    // em space
    {0x2004, " "},    // three-per-em space
    {0x2005, " "},    // four-per-em space
    {0x2006, " "},    // six-per-em space
    {0x2007, " "},    // figure space
    {0x2008, " "},    // punctuation space
    {0x2009, " "},    // thin space
    {0x200A, " "},    // hair space
    {0x2013, "-"},    // –
    {0x2014, "-"},    // —
    {0x2015, "-"},    // ―
    {0x2018, "'"},    // ‘
    {0x2019, "'"},    // ’
    {0x201A, "'"},    // ‚
    {0x201C, "\""},   // “
    {0x201D, "\""},   // ”
    {0x201E, "\""},   // „
    {0x2022, "*"},    // •
    {0x2026, "..."},  // …
    {0x202F, " "},    // narrow no-break space
    {0x205F, " "},    // medium mathematical space
    {0x20AC, "EUR"},  // €
    {0x2122, "(TM)"}, // ™
    {0x2190, "<-"},   // ←
    {0x2192, "->"},   // →
    {0x3000, " "},    // ideographic space
};
// clang-format on

constexpr bool FitsTheirRoom()
{
    for (const PlainForm& row : PlainForms) {
        if (row.plain.empty() || row.plain.size() > PlainFormMaximum) {
            return false;
        }
    }
    return true;
}
static_assert(FitsTheirRoom(), "a plain form is one to PlainFormMaximum bytes");

} // namespace

std::string_view PlainFormOf(char16_t character) noexcept
{
    for (const PlainForm& row : PlainForms) {
        if (row.character == character) {
            return row.plain;
        }
    }
    return {};
}

} // namespace zandrel
