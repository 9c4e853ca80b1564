#include "import/readers/rst/RestDirectives.h"

#include <string_view>

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct DirectiveRow {
    std::string_view name; // in small letters
    RestDirectiveKind kind;
};

// Directives of docutils and the Sphinx ones that README files use.
constexpr DirectiveRow Directives[] = {
    {"image"sv, RestDirectiveKind::ShowsNothing},
    {"raw"sv, RestDirectiveKind::ShowsNothing},
    {"contents"sv, RestDirectiveKind::ShowsNothing},
    {"include"sv, RestDirectiveKind::ShowsNothing},
    {"meta"sv, RestDirectiveKind::ShowsNothing},
    {"toctree"sv, RestDirectiveKind::ShowsNothing},
    {"highlight"sv, RestDirectiveKind::ShowsNothing},
    {"role"sv, RestDirectiveKind::ShowsNothing},
    {"default-role"sv, RestDirectiveKind::ShowsNothing},
    {"sectnum"sv, RestDirectiveKind::ShowsNothing},
    {"section-numbering"sv, RestDirectiveKind::ShowsNothing},
    {"target-notes"sv, RestDirectiveKind::ShowsNothing},
    {"title"sv, RestDirectiveKind::ShowsNothing},
    {"literalinclude"sv, RestDirectiveKind::ShowsNothing},
    {"code"sv, RestDirectiveKind::Literal},
    {"code-block"sv, RestDirectiveKind::Literal},
    {"sourcecode"sv, RestDirectiveKind::Literal},
    {"parsed-literal"sv, RestDirectiveKind::Literal},
    {"math"sv, RestDirectiveKind::Literal},
    {"note"sv, RestDirectiveKind::Admonition},
    {"warning"sv, RestDirectiveKind::Admonition},
    {"tip"sv, RestDirectiveKind::Admonition},
    {"important"sv, RestDirectiveKind::Admonition},
    {"caution"sv, RestDirectiveKind::Admonition},
    {"attention"sv, RestDirectiveKind::Admonition},
    {"danger"sv, RestDirectiveKind::Admonition},
    {"error"sv, RestDirectiveKind::Admonition},
    {"hint"sv, RestDirectiveKind::Admonition},
    {"seealso"sv, RestDirectiveKind::Admonition},
    {"admonition"sv, RestDirectiveKind::Titled},
    {"topic"sv, RestDirectiveKind::Titled},
    {"sidebar"sv, RestDirectiveKind::Titled},
    {"rubric"sv, RestDirectiveKind::Titled},
    {"table"sv, RestDirectiveKind::Titled},
    {"figure"sv, RestDirectiveKind::Figure},
};

char16_t Small(char16_t c) noexcept
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool NameIs(const char16_t* name, std::size_t length, std::string_view row) noexcept
{
    if (length != row.size()) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (Small(name[i]) != static_cast<char16_t>(row[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

RestDirectiveKind RestDirectiveKindOf(const char16_t* name, std::size_t length) noexcept
{
    for (const DirectiveRow& row : Directives) {
        if (NameIs(name, length, row.name)) {
            return row.kind;
        }
    }
    return RestDirectiveKind::Content;
}

} // namespace zandrel
