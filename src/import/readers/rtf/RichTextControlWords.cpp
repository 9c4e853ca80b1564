#include "import/readers/rtf/RichTextControlWords.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace zandrel {
namespace {

// Names are held in the rows themselves, with zeros after them: no pointers.
struct ControlWordRow {
    char name[ControlNameCapacity + 1];
    ControlAction action;
    char16_t value;
};

using enum ControlAction;

// Every control word that is not mere formatting, in byte order for the
// search. The destinations that show nothing are those a word processor keeps
// out of the page: tables of fonts, colours, styles, lists and revisions, the
// document's information, pictures and objects, headers, footers, footnotes,
// a field's instruction, index and contents entries, and the file name of a
// picture that a Cocoa document attaches.
// clang-format off
constexpr ControlWordRow ControlWords[] = {
    {"NeXTGraphic", SkipGroup, 0},
    {"aftnsep", SkipGroup, 0},
    {"aftnsepc", SkipGroup, 0},
    {"annotation", SkipGroup, 0},
    {"ansi", DocumentCodePage, 1252},
    {"ansicpg", DocumentCodePage, 0},
    {"bin", Binary, 0},
    {"bullet", Character, 0x2022},
    {"cell", Character, u'\t'},
    {"colorschememapping", SkipGroup, 0},
    {"colortbl", SkipGroup, 0},
    {"column", LineEnd, 0},
    {"cpg", FontCodePage, 0},
    {"datastore", SkipGroup, 0},
    {"deff", DefaultFont, 0},
    {"emdash", Character, 0x2014},
    {"emspace", Character, 0x2003},
    {"endash", Character, 0x2013},
    {"enspace", Character, 0x2002},
    {"f", Font, 0},
    {"fcharset", FontCharset, 0},
    {"filetbl", SkipGroup, 0},
    {"fldinst", SkipGroup, 0},
    {"fonttbl", FontTable, 0},
    {"footer", SkipGroup, 0},
    {"footerf", SkipGroup, 0},
    {"footerl", SkipGroup, 0},
    {"footerr", SkipGroup, 0},
    {"footnote", SkipGroup, 0},
    {"ftncn", SkipGroup, 0},
    {"ftnsep", SkipGroup, 0},
    {"ftnsepc", SkipGroup, 0},
    {"generator", SkipGroup, 0},
    {"header", SkipGroup, 0},
    {"headerf", SkipGroup, 0},
    {"headerl", SkipGroup, 0},
    {"headerr", SkipGroup, 0},
    {"info", SkipGroup, 0},
    {"latentstyles", SkipGroup, 0},
    {"ldblquote", Character, 0x201C},
    {"line", LineEnd, 0},
    {"listoverridetable", SkipGroup, 0},
    {"listtable", SkipGroup, 0},
    {"lquote", Character, 0x2018},
    {"mac", DocumentCodePage, 10000},
    {"nestcell", Character, u'\t'},
    {"nestrow", LineEnd, 0},
    {"nonesttables", SkipGroup, 0},
    {"nonshppict", SkipGroup, 0},
    {"object", SkipGroup, 0},
    {"page", LineEnd, 0},
    {"par", LineEnd, 0},
    {"pc", DocumentCodePage, 437},
    {"pca", DocumentCodePage, 850},
    {"pict", SkipGroup, 0},
    {"plain", Plain, 0},
    {"pn", SkipGroup, 0},
    {"qmspace", Character, 0x2005},
    {"rdblquote", Character, 0x201D},
    {"revtbl", SkipGroup, 0},
    {"row", LineEnd, 0},
    {"rquote", Character, 0x2019},
    {"rsidtbl", SkipGroup, 0},
    {"sect", LineEnd, 0},
    {"shp", SkipGroup, 0},
    {"stylesheet", SkipGroup, 0},
    {"tab", Character, u'\t'},
    {"tc", SkipGroup, 0},
    {"template", SkipGroup, 0},
    {"themedata", SkipGroup, 0},
    {"txe", SkipGroup, 0},
    {"u", Unicode, 0},
    {"uc", UnicodeSkip, 0},
    {"v", Hidden, 0},
    {"xe", SkipGroup, 0},
    {"xmlnstbl", SkipGroup, 0},
};
// clang-format on

constexpr bool NamesInOrder() noexcept
{
    return std::is_sorted(std::begin(ControlWords), std::end(ControlWords),
                          [](const ControlWordRow& a, const ControlWordRow& b) {
                              return std::string_view(a.name) < std::string_view(b.name);
                          });
}
static_assert(NamesInOrder(), "the search needs the names in byte order");

// Where the rows of each first letter begin, from 'A' to 'z', and end (the
// next letter's begin): the search looks only there.
constexpr unsigned char FirstLetter = 'A';
constexpr std::size_t LetterCount = 'z' - 'A' + 2;
constexpr auto LetterStarts = [] {
    std::array<unsigned char, LetterCount> starts{};
    std::size_t row = 0;
    for (std::size_t letter = 0; letter < LetterCount; ++letter) {
        while (row < std::size(ControlWords) &&
               static_cast<unsigned char>(ControlWords[row].name[0]) < FirstLetter + letter) {
            ++row;
        }
        starts[letter] = static_cast<unsigned char>(row);
    }
    return starts;
}();

} // namespace

ControlWord FindControlWord(std::string_view name) noexcept
{
    const std::size_t letter = name.empty() ? 0 : static_cast<unsigned char>(name[0]) - FirstLetter;
    if (name.size() > ControlNameCapacity || letter + 1 >= LetterCount) {
        return {ControlAction::None, 0};
    }
    // The first letters match; names are short, so compared here byte by byte.
    for (std::size_t i = LetterStarts[letter]; i < LetterStarts[letter + 1]; ++i) {
        const ControlWordRow& row = ControlWords[i];
        std::size_t at = 1;
        while (at < name.size() && row.name[at] == name[at]) {
            ++at;
        }
        if (at == name.size() && row.name[at] == '\0') {
            return {row.action, row.value};
        }
    }
    return {ControlAction::None, 0};
}

} // namespace zandrel
