#pragma once
// One tag of markup, read from its '<': its name, whether it closes an
// element, its attributes one at a time, and where it ends. On bytes (a
// reader's first look) and on UTF-16 code units alike.

#include <cstddef>
#include <string_view>

#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel {

enum class TagRules : unsigned char {
    // As a browser's tokenizer reads a tag: a name, then attributes named by
    // anything but white space, '/', '>' and (past its first character) '=',
    // up to the first '>' outside a quoted value.
    Browser,
    // CommonMark's raw HTML: a name [A-Za-z][A-Za-z0-9-]*; each attribute after
    // white space, named [A-Za-z_:][A-Za-z0-9_.:-]*, its value quoted or one
    // of no white space, '"', '\'', '=', '<', '>' or '`'; a closing tag holds
    // nothing but white space. Any other text there makes it no tag.
    CommonMark,
};

enum class TagEnd : unsigned char {
    Open,     // attributes still to read
    Complete, // its '>' read
    CutOff,   // the text ends first
    NotATag,  // no letter starts the name, or (CommonMark) text the rules refuse
};

template <typename Char> struct TagAttribute {
    std::basic_string_view<Char> name;
    std::basic_string_view<Char> value; // between its quotes, if quoted
    bool hasValue = false;              // an '=' follows the name
    bool quoted = false;
};

template <typename Char, TagRules Rules> class TagScanner {
public:
    using View = std::basic_string_view<Char>;

    // Reads the name of the tag whose '<' is at `at`, before `end`.
    TagScanner(const Char* at, const Char* end) noexcept : end_(end), resume_(at + 1)
    {
        const Char* p = at + 1;
        closing_ = p < end && *p == Char('/');
        p += closing_ ? 1 : 0;
        if (p == end) {
            state_ = TagEnd::CutOff;
            resume_ = end;
            return;
        }
        if (!IsAsciiLetter(*p)) {
            state_ = TagEnd::NotATag;
            return;
        }
        const Char* const name = p;
        for (++p; p < end && IsNamePart(*p); ++p) {
        }
        name_ = View(name, static_cast<std::size_t>(p - name));
        at_ = p;
    }

    [[nodiscard]] View Name() const noexcept { return name_; }
    [[nodiscard]] bool Closing() const noexcept { return closing_; }

    // The next attribute; false once the tag has ended (State() says how).
    bool Next(TagAttribute<Char>& attribute) noexcept
    {
        if (state_ != TagEnd::Open) {
            return false;
        }
        if constexpr (Rules == TagRules::Browser) {
            return NextAsBrowser(attribute);
        } else {
            return NextAsCommonMark(attribute);
        }
    }

    // Reads the attributes left; returns how the tag ends.
    TagEnd Finish() noexcept
    {
        TagAttribute<Char> attribute;
        while (Next(attribute)) {
        }
        return state_;
    }

    [[nodiscard]] TagEnd State() const noexcept { return state_; }
    // Just after its '>'; only once Complete.
    [[nodiscard]] const Char* End() const noexcept { return at_; }
    // Whether a '/' stands just before its '>'; only once Complete.
    [[nodiscard]] bool SelfClosing() const noexcept { return selfClosing_; }
    // Where a search for the next tag carries on once this one has ended: after
    // its '>'; at the name of the attribute whose quoted value the text cut off,
    // as the quote may be a stray; the end; or after the '<' of no tag.
    [[nodiscard]] const Char* ResumeAt() const noexcept { return resume_; }

private:
    static bool IsNamePart(Char c) noexcept
    {
        if constexpr (Rules == TagRules::Browser) {
            return !IsHtmlSpace(c) && c != Char('/') && c != Char('>');
        } else {
            return IsAsciiLetter(c) || IsAsciiDigit(c) || c == Char('-');
        }
    }

    static bool IsAttributeNameStart(Char c) noexcept
    {
        return IsAsciiLetter(c) || c == Char('_') || c == Char(':');
    }

    static bool IsAttributeNamePart(Char c) noexcept
    {
        if constexpr (Rules == TagRules::Browser) {
            return !IsHtmlSpace(c) && c != Char('/') && c != Char('>') && c != Char('=');
        } else {
            return IsAttributeNameStart(c) || IsAsciiDigit(c) || c == Char('.') || c == Char('-');
        }
    }

    static bool IsUnquotedValuePart(Char c) noexcept
    {
        if constexpr (Rules == TagRules::Browser) {
            return !IsHtmlSpace(c) && c != Char('>');
        } else {
            return !IsHtmlSpace(c) && c != Char('"') && c != Char('\'') && c != Char('=') &&
                   c != Char('<') && c != Char('>') && c != Char('`');
        }
    }

    const Char* SkipSpace(const Char* p) const noexcept
    {
        while (p < end_ && IsHtmlSpace(*p)) {
            ++p;
        }
        return p;
    }

    bool Stop(TagEnd how, const Char* after) noexcept
    {
        state_ = how;
        if (how == TagEnd::Complete) {
            at_ = after;
            resume_ = after;
        } else if (how == TagEnd::CutOff) {
            resume_ = end_;
        }
        return false;
    }

    bool NextAsBrowser(TagAttribute<Char>& attribute) noexcept
    {
        const Char* p = at_;
        while (p < end_ && (IsHtmlSpace(*p) || *p == Char('/'))) {
            ++p;
        }
        if (p == end_) {
            return Stop(TagEnd::CutOff, end_);
        }
        if (*p == Char('>')) {
            selfClosing_ = p != at_ && p[-1] == Char('/');
            return Stop(TagEnd::Complete, p + 1);
        }
        const Char* const name = p;
        for (++p; p < end_ && IsAttributeNamePart(*p); ++p) {
        }
        return Value(attribute, name, p);
    }

    bool NextAsCommonMark(TagAttribute<Char>& attribute) noexcept
    {
        const Char* const name = SkipSpace(at_);
        if (name == end_) {
            return Stop(TagEnd::CutOff, end_);
        }
        if (*name == Char('>')) {
            return Stop(TagEnd::Complete, name + 1);
        }
        if (closing_) {
            return Stop(TagEnd::NotATag, nullptr);
        }
        if (*name == Char('/')) {
            if (name + 1 == end_) {
                return Stop(TagEnd::CutOff, end_);
            }
            selfClosing_ = name[1] == Char('>');
            return Stop(selfClosing_ ? TagEnd::Complete : TagEnd::NotATag, name + 2);
        }
        if (name == at_ || !IsAttributeNameStart(*name)) {
            return Stop(TagEnd::NotATag, nullptr); // an attribute needs white space before it
        }
        const Char* p = name + 1;
        while (p < end_ && IsAttributeNamePart(*p)) {
            ++p;
        }
        return Value(attribute, name, p);
    }

    // The attribute named [name, nameEnd), with its "=value" if one follows.
    bool Value(TagAttribute<Char>& attribute, const Char* name, const Char* nameEnd) noexcept
    {
        attribute.name = View(name, static_cast<std::size_t>(nameEnd - name));
        attribute.value = View();
        attribute.hasValue = false;
        attribute.quoted = false;
        const Char* q = SkipSpace(nameEnd);
        if (q == end_ || *q != Char('=')) {
            at_ = nameEnd;
            return true;
        }
        q = SkipSpace(q + 1);
        attribute.hasValue = true;
        if (q < end_ && (*q == Char('"') || *q == Char('\''))) {
            const View rest(q + 1, static_cast<std::size_t>(end_ - q - 1));
            const std::size_t close = rest.find(*q);
            if (close == View::npos) {
                Stop(TagEnd::CutOff, end_);
                resume_ = name;
                return false;
            }
            attribute.value = rest.substr(0, close);
            attribute.quoted = true;
            at_ = q + close + 2;
            return true;
        }
        const Char* const value = q;
        while (q < end_ && IsUnquotedValuePart(*q)) {
            ++q;
        }
        if constexpr (Rules == TagRules::CommonMark) {
            if (q == value) {
                return Stop(q == end_ ? TagEnd::CutOff : TagEnd::NotATag, nullptr);
            }
        }
        attribute.value = View(value, static_cast<std::size_t>(q - value));
        at_ = q;
        return true;
    }

    const Char* const end_;
    const Char* at_ = nullptr; // past what is read: the name, an attribute, the '>'
    const Char* resume_;
    View name_;
    TagEnd state_ = TagEnd::Open;
    bool closing_ = false;
    bool selfClosing_ = false;
};

} // namespace zandrel
