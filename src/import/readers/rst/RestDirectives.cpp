#include "import/readers/rst/RestDirectives.h"

#include <string_view>

#include "import/readers/shared/SortedTable.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct DirectiveRow {
    std::string_view name; // in small letters
    RestDirectiveKind kind;
};

// Directives of docutils and the Sphinx ones that README files use.
constexpr DirectiveRow Directives[] = {
    {"admonition"sv, RestDirectiveKind::Titled},
    {"attention"sv, RestDirectiveKind::Admonition},
    {"caution"sv, RestDirectiveKind::Admonition},
    {"code"sv, RestDirectiveKind::Literal},
    {"code-block"sv, RestDirectiveKind::Literal},
    {"contents"sv, RestDirectiveKind::ShowsNothing},
    {"danger"sv, RestDirectiveKind::Admonition},
    {"default-role"sv, RestDirectiveKind::ShowsNothing},
    {"error"sv, RestDirectiveKind::Admonition},
    {"figure"sv, RestDirectiveKind::Figure},
    {"highlight"sv, RestDirectiveKind::ShowsNothing},
    {"hint"sv, RestDirectiveKind::Admonition},
    {"image"sv, RestDirectiveKind::ShowsNothing},
    {"important"sv, RestDirectiveKind::Admonition},
    {"include"sv, RestDirectiveKind::ShowsNothing},
    {"literalinclude"sv, RestDirectiveKind::ShowsNothing},
    {"math"sv, RestDirectiveKind::Literal},
    {"meta"sv, RestDirectiveKind::ShowsNothing},
    {"note"sv, RestDirectiveKind::Admonition},
    {"parsed-literal"sv, RestDirectiveKind::Literal},
    {"raw"sv, RestDirectiveKind::ShowsNothing},
    {"role"sv, RestDirectiveKind::ShowsNothing},
    {"rubric"sv, RestDirectiveKind::Titled},
    {"section-numbering"sv, RestDirectiveKind::ShowsNothing},
    {"sectnum"sv, RestDirectiveKind::ShowsNothing},
    {"seealso"sv, RestDirectiveKind::Admonition},
    {"sidebar"sv, RestDirectiveKind::Titled},
    {"sourcecode"sv, RestDirectiveKind::Literal},
    {"table"sv, RestDirectiveKind::Titled},
    {"target-notes"sv, RestDirectiveKind::ShowsNothing},
    {"tip"sv, RestDirectiveKind::Admonition},
    {"title"sv, RestDirectiveKind::ShowsNothing},
    {"toctree"sv, RestDirectiveKind::ShowsNothing},
    {"topic"sv, RestDirectiveKind::Titled},
    {"warning"sv, RestDirectiveKind::Admonition},
};

static_assert(InByteOrder(Directives), "the search needs the names in byte order");

} // namespace

RestDirectiveKind RestDirectiveKindOf(const char16_t* name, std::size_t length) noexcept
{
    const DirectiveRow* const row =
        FindNameInAnyCase<LongestName(Directives)>(Directives, std::u16string_view(name, length));
    return row != nullptr ? row->kind : RestDirectiveKind::Content;
}

} // namespace zandrel
