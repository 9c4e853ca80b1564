#pragma once

#include <cstddef>

namespace zandrel {

class RestSubstitutions;

// The text that the inline reStructuredText markup of one block shows (a
// paragraph's lines joined by LF, a title, a table row), in place; returns its
// length. Markup is recognised by docutils' inline markup recognition rules:
// strong, emphasis, literals, interpreted text and roles, hyperlink, footnote
// and citation references and substitution references lose their markers;
// escapes show the escaped character. Line breaks stay. A substitution's
// replacement may be longer than its reference: up to `room` units past
// `units` may then be written. `substitutions` may be null: references then
// show nothing.
std::size_t RestInlineToText(char16_t* text, std::size_t units, std::size_t room,
                             const RestSubstitutions* substitutions) noexcept;

} // namespace zandrel
