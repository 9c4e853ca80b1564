#include "import/readers/rst/RestInline.h"

#include <cstdint>
#include <cstring>

#include "import/readers/rst/RestCharacters.h"
#include "import/readers/rst/RestLines.h"
#include "import/readers/rst/RestSubstitutions.h"
#include "import/readers/shared/UnitScan.h"

namespace zandrel {
namespace {

using namespace rst;

constexpr std::size_t LongestFootnoteLabel = 64;

// The end-strings searched for. Whether a unit ends markup of a kind depends
// only on the units around it, so the first end found from a position answers
// every later start before it: each kind's search moves forward only.
enum EndKind { Literal, Strong, Emphasis, Interpreted, Substitution, EndKinds };

// A simple reference name being read ("name_"): whether its start may start
// markup, and whether a separator ('-', '.', '_', '+', ':') was read last.
enum class Name { None, Valid, ValidSeparator, Invalid, InvalidSeparator };

constexpr bool IsNameSeparator(char16_t c) noexcept
{
    return c == u'-' || c == u'.' || c == u'_' || c == u'+' || c == u':';
}

// The first units of the start-strings: most units are none, and are copied
// without a look at what stands before them.
constexpr bool MayStartMarkup(char16_t c) noexcept
{
    switch (c) {
    case u'*':
    case u'`':
    case u'_':
    case u':':
    case u'|':
    case u'[':
        return true;
    default:
        return false;
    }
}

// What a unit does to a reference name being read, in a run of units that
// start no markup and escape nothing: a name's letter or digit, a separator
// or another unit, each after which a start-string may stand or not.
enum RunClass : unsigned char { Word, OpenerSeparator, Separator, Opener, Other, Stop };
static_assert(Word < Separator && OpenerSeparator < Separator && Separator < Opener &&
                  Opener < Other,
              "the classes of a name come first");

// Name's values, None split by what stood before: a start-string may follow
// (NoneAfterOpener) or not (NoneAfterOther).
enum RunName : unsigned char {
    NoneAfterOpener,
    ValidName,
    ValidNameSeparator,
    InvalidName,
    InvalidNameSeparator,
    NoneAfterOther,
};
static_assert(static_cast<unsigned>(Name::None) == NoneAfterOpener &&
                  static_cast<unsigned>(Name::Valid) == ValidName &&
                  static_cast<unsigned>(Name::ValidSeparator) == ValidNameSeparator &&
                  static_cast<unsigned>(Name::Invalid) == InvalidName &&
                  static_cast<unsigned>(Name::InvalidSeparator) == InvalidNameSeparator,
              "a run's name is a Name but for NoneAfterOther");

constexpr RunClass RunClassOf(char16_t c) noexcept
{
    if (c == u'\\' || MayStartMarkup(c)) {
        return Stop;
    }
    if (IsWordUnit(c)) {
        return Word;
    }
    if (IsNameSeparator(c)) {
        return MayPrecedeStart(c) ? OpenerSeparator : Separator;
    }
    return MayPrecedeStart(c) ? Opener : Other;
}

struct RunClassTable {
    RunClass of[256];
};

constexpr RunClassTable MakeRunClasses() noexcept
{
    RunClassTable table{};
    for (unsigned u = 0; u < 256; ++u) {
        table.of[u] = RunClassOf(static_cast<char16_t>(u));
    }
    return table;
}

constexpr RunClassTable RunClasses = MakeRunClasses();

// The name after a unit of each class (the columns), as Follow reads it.
// clang-format off
constexpr RunName NextName[6][5] = {
    // Word         OpenerSeparator     Separator             Opener           Other
    {ValidName,   NoneAfterOpener,    NoneAfterOther,       NoneAfterOpener, NoneAfterOther}, // NoneAfterOpener
    {ValidName,   ValidNameSeparator, ValidNameSeparator,   NoneAfterOpener, NoneAfterOther}, // ValidName
    {ValidName,   NoneAfterOpener,    NoneAfterOther,       NoneAfterOpener, NoneAfterOther}, // ValidNameSeparator
    {InvalidName, InvalidNameSeparator, InvalidNameSeparator, NoneAfterOpener, NoneAfterOther}, // InvalidName
    {InvalidName, NoneAfterOpener,    NoneAfterOther,       NoneAfterOpener, NoneAfterOther}, // InvalidNameSeparator
    {InvalidName, NoneAfterOpener,    NoneAfterOther,       NoneAfterOpener, NoneAfterOther}, // NoneAfterOther
};
// clang-format on

// NextName's columns, each in one word a nibble per row: the next name is a
// shift away from the last, not a load that waits for it.
struct PackedNames {
    std::uint32_t after[5];
};

constexpr PackedNames PackNextNames() noexcept
{
    PackedNames packed{};
    for (unsigned k = 0; k < 5; ++k) {
        for (unsigned name = 0; name < 6; ++name) {
            packed.after[k] |= static_cast<std::uint32_t>(NextName[name][k]) << (4 * name);
        }
    }
    return packed;
}

constexpr PackedNames PackedNextNames = PackNextNames();

class InlineReader {
public:
    InlineReader(char16_t* text, std::size_t units, std::size_t room,
                 const RestSubstitutions* substitutions) noexcept
        : text_(text), units_(units), capacity_(units + room), substitutions_(substitutions)
    {
        ForgetEnds();
    }

    std::size_t Read() noexcept
    {
        std::size_t i = 0;
        char16_t before = u'\n'; // the unit before i as written, the start counting as a break
        while (i < units_) {
            i = CopyRun(i, before);
            if (i == units_) {
                break;
            }
            const char16_t c = text_[i];
            if (c == u'\\') {
                i = Escape(i, before);
                continue;
            }
            if (MayStartMarkup(c) && MayPrecedeStart(before)) {
                if (const std::size_t past = Markup(i, before); past != 0) {
                    i = past;
                    before = endUnit_;
                    name_ = Name::None;
                    continue;
                }
            }
            if (c == u'_' && name_ == Name::Valid) {
                const std::size_t underscores = At(i + 1) == u'_' ? 2 : 1;
                const char16_t after = At(i + underscores);
                if (after != u'_' && MayFollowEnd(after)) {
                    i += underscores; // "name_" and "name__" show the name
                    before = u'_';
                    name_ = Name::None;
                    continue;
                }
            }
            Follow(c, before);
            text_[out_++] = c;
            before = c;
            ++i;
        }
        return out_;
    }

private:
    [[nodiscard]] char16_t At(std::size_t at) const noexcept { return at < units_ ? text_[at] : u'\n'; }

    void ForgetEnds() noexcept
    {
        for (std::size_t k = 0; k < EndKinds; ++k) {
            searchedFrom_[k] = static_cast<std::size_t>(-1);
            found_[k] = 0;
        }
    }

    // Moves the units from `i` on up to one that may start markup or escape,
    // as the loop in Read would copy them one by one. Returns where that one
    // stands.
    std::size_t CopyRun(std::size_t i, char16_t& before) noexcept
    {
        const std::size_t start = i;
        while (i < units_ && !StopsRun(text_[i])) {
            ++i;
        }
        if (i == start) {
            return i;
        }
        // A unit neither of a name nor a separator sets the name's state
        // whatever came before it: only the units after the last such one
        // are followed.
        std::size_t from = i;
        while (from > start && ClassAt(from - 1) <= Separator) {
            --from;
        }
        unsigned name = 0;
        if (from > start) {
            name = ClassAt(from - 1) == Opener ? NoneAfterOpener : NoneAfterOther;
        } else {
            name = static_cast<unsigned>(name_);
            if (name_ == Name::None && !MayPrecedeStart(before)) {
                name = NoneAfterOther;
            }
        }
        for (; from < i; ++from) {
            name = (PackedNextNames.after[ClassAt(from)] >> (4 * name)) & 0xF;
        }
        if (out_ != start) { // nothing was taken out before the run: it stands
            std::memmove(text_ + out_, text_ + start, (i - start) * sizeof(char16_t));
        }
        out_ += i - start;
        before = text_[out_ - 1];
        name_ = name == NoneAfterOther ? Name::None : static_cast<Name>(name);
        return i;
    }

    static bool StopsRun(char16_t c) noexcept { return c < 256 && RunClasses.of[c] == Stop; }

    [[nodiscard]] RunClass ClassAt(std::size_t i) const noexcept
    {
        const char16_t c = text_[i];
        return c < 256 ? RunClasses.of[c] : RunClassOf(c);
    }

    // The reference name state after `c`, which follows `before`.
    void Follow(char16_t c, char16_t before) noexcept
    {
        if ((IsAsciiLetter(c) || IsAsciiDigit(c)) &&
            (name_ == Name::Valid || name_ == Name::Invalid)) {
            return; // a name goes on: the common case
        }
        if (IsWordUnit(c)) {
            if (name_ == Name::None) {
                name_ = MayPrecedeStart(before) ? Name::Valid : Name::Invalid;
            } else if (name_ == Name::ValidSeparator) {
                name_ = Name::Valid;
            } else if (name_ == Name::InvalidSeparator) {
                name_ = Name::Invalid;
            }
        } else if (IsNameSeparator(c) && name_ == Name::Valid) {
            name_ = Name::ValidSeparator;
        } else if (IsNameSeparator(c) && name_ == Name::Invalid) {
            name_ = Name::InvalidSeparator;
        } else {
            name_ = Name::None;
        }
    }

    // A backslash: the character after it shows as itself, white space after
    // it shows nothing; a break after it stays. Returns where reading goes on.
    std::size_t Escape(std::size_t i, char16_t& before) noexcept
    {
        if (i + 1 == units_) {
            return i + 1; // it escapes nothing
        }
        const char16_t e = text_[i + 1];
        if (e == u'\n') {
            return i + 1;
        }
        name_ = IsWordUnit(e) ? Name::Invalid : Name::None;
        before = e;
        if (!IsWhiteSpace(e)) {
            text_[out_++] = e;
        }
        return i + 2;
    }

    // Whether the end-string unit at `at` is escaped: an odd run of
    // backslashes before it, after `floor`.
    [[nodiscard]] bool Escaped(std::size_t at, std::size_t floor) const noexcept
    {
        std::size_t run = 0;
        while (at > floor && text_[at - 1] == u'\\') {
            --at;
            ++run;
        }
        return run % 2 == 1;
    }

    // The units that follow the end-string of interpreted text at `at` before
    // the end suffix: "_", "__" or ":role:"; None where no suffix fits.
    [[nodiscard]] std::size_t InterpretedSuffix(std::size_t at) const noexcept
    {
        constexpr std::size_t None = static_cast<std::size_t>(-1);
        if (MayFollowEnd(At(at)) && At(at) != u':') {
            return 0;
        }
        if (At(at) == u'_') {
            const std::size_t length = At(at + 1) == u'_' ? 2 : 1;
            return MayFollowEnd(At(at + length)) ? length : None;
        }
        if (At(at) == u':') {
            const char16_t* const name = text_ + at + 1;
            const char16_t* const nameEnd = SimpleNameEnd(name, text_ + units_);
            const std::size_t close = static_cast<std::size_t>(nameEnd - text_);
            if (nameEnd > name && At(close) == u':' && MayFollowEnd(At(close + 1))) {
                return close + 1 - at;
            }
            return MayFollowEnd(At(at + 1)) ? 0 : None; // "`text`: more"
        }
        return None;
    }

    // Whether an end-string of `kind` stands at `at`.
    [[nodiscard]] bool EndsAt(EndKind kind, std::size_t at, std::size_t floor) const noexcept
    {
        if (IsWhiteSpace(text_[at - 1])) {
            return false;
        }
        switch (kind) {
        case Literal:
            return text_[at] == u'`' && At(at + 1) == u'`' && MayFollowEnd(At(at + 2));
        case Strong:
            return text_[at] == u'*' && At(at + 1) == u'*' && !Escaped(at, floor) &&
                   MayFollowEnd(At(at + 2));
        case Emphasis:
            return text_[at] == u'*' && !Escaped(at, floor) && MayFollowEnd(At(at + 1));
        case Interpreted:
            return text_[at] == u'`' && !Escaped(at, floor) &&
                   InterpretedSuffix(at + 1) != static_cast<std::size_t>(-1);
        case Substitution:
            if (text_[at] != u'|' || Escaped(at, floor)) {
                return false;
            }
            {
                const std::size_t length = At(at + 1) == u'_' ? (At(at + 2) == u'_' ? 2 : 1) : 0;
                return MayFollowEnd(At(at + 1 + length));
            }
        default:
            return false;
        }
    }

    // The first end-string of `kind` from `from` on, units_ where there is none.
    std::size_t FindEnd(EndKind kind, std::size_t from, std::size_t floor) noexcept
    {
        if (searchedFrom_[kind] <= from && found_[kind] >= from) {
            return found_[kind];
        }
        // Each kind's end-string starts with one unit: the search goes from
        // one of them to the next.
        constexpr char16_t EndUnits[EndKinds] = {u'`', u'*', u'*', u'`', u'|'};
        std::size_t at = from;
        for (;; ++at) {
            at = static_cast<std::size_t>(FindUnit(text_ + at, text_ + units_, EndUnits[kind]) - text_);
            if (at >= units_ || EndsAt(kind, at, floor)) {
                break;
            }
        }
        searchedFrom_[kind] = from;
        found_[kind] = at;
        return at;
    }

    // Whether the start-string [i, i + length) may start markup: white space
    // may not follow it, nor the closer of an opener before it.
    [[nodiscard]] bool Starts(std::size_t i, std::size_t length, char16_t before) const noexcept
    {
        const char16_t after = At(i + length);
        if (i + length >= units_ || IsWhiteSpace(after)) {
            return false;
        }
        const char16_t closer = CloserOf(before);
        return closer == 0 || after != closer;
    }

    // The markup that starts at `i`, written as the text it shows; where
    // reading goes on past it, 0 where none starts there.
    std::size_t Markup(std::size_t i, char16_t before) noexcept
    {
        const char16_t c = text_[i];
        const char16_t next = At(i + 1);
        if (c == u'`' && next == u'`') {
            return Enclosed(i, 2, Literal, before);
        }
        if (c == u'*' && next == u'*') {
            return Enclosed(i, 2, Strong, before);
        }
        if (c == u'*') {
            return Enclosed(i, 1, Emphasis, before);
        }
        if (c == u'`') {
            return InterpretedText(i, 1, before, false);
        }
        if (c == u'_' && next == u'`') {
            return InterpretedText(i, 2, before, false);
        }
        if (c == u':') {
            const char16_t* const name = text_ + i + 1;
            const std::size_t close = static_cast<std::size_t>(SimpleNameEnd(name, text_ + units_) - text_);
            if (close > i + 1 && At(close) == u':' && At(close + 1) == u'`' &&
                At(close + 2) != u'`') {
                return InterpretedText(i, close + 2 - i, before, true);
            }
            return 0;
        }
        if (c == u'|') {
            return SubstitutionReference(i, before);
        }
        if (c == u'[') {
            return FootnoteReference(i);
        }
        return 0;
    }

    // Writes [from, to) with its escapes read.
    void WriteUnescaped(std::size_t from, std::size_t to) noexcept
    {
        while (from < to) {
            if (text_[from] == u'\\' && from + 1 < to) {
                const char16_t e = text_[from + 1];
                if (e != u'\n' && !IsWhiteSpace(e)) {
                    text_[out_++] = e;
                }
                from += e == u'\n' ? 1 : 2;
                continue;
            }
            text_[out_++] = text_[from++];
        }
    }

    // Strong, emphasis and literals: the text between the strings.
    std::size_t Enclosed(std::size_t i, std::size_t length, EndKind kind, char16_t before) noexcept
    {
        if (!Starts(i, length, before)) {
            return 0;
        }
        const std::size_t end = FindEnd(kind, i + length + 1, i + length);
        if (end >= units_) {
            return 0;
        }
        if (kind == Literal) {
            for (std::size_t k = i + length; k < end; ++k) {
                text_[out_++] = text_[k];
            }
        } else {
            WriteUnescaped(i + length, end);
        }
        endUnit_ = text_[end + length - 1];
        return end + length;
    }

    // Interpreted text, a role's or a phrase reference: "`text`", ":role:`text`",
    // "`text`:role:", "`words <url>`_", "_`target`". A role's or a reference's
    // embedded target goes: its words show, or the target where none stand.
    std::size_t InterpretedText(std::size_t i, std::size_t length, char16_t before,
                                bool role) noexcept
    {
        if (!Starts(i, length, before)) {
            return 0;
        }
        const std::size_t end = FindEnd(Interpreted, i + length + 1, i + length);
        if (end >= units_) {
            return 0;
        }
        const std::size_t suffix = InterpretedSuffix(end + 1);
        const bool target = role || suffix > 0;
        std::size_t from = i + length;
        std::size_t to = end;
        if (target && text_[to - 1] == u'>') {
            std::size_t open = to - 1;
            while (open > from && text_[open] != u'<') {
                --open;
            }
            if (text_[open] == u'<' && (open == from || IsWhiteSpace(text_[open - 1]))) {
                std::size_t words = open;
                while (words > from && IsWhiteSpace(text_[words - 1])) {
                    --words;
                }
                if (words == from) {
                    from = open + 1;
                    to -= 1;
                } else {
                    to = words;
                }
            }
        }
        WriteUnescaped(from, to);
        const std::size_t past = end + 1 + suffix;
        endUnit_ = text_[past - 1];
        return past;
    }

    // "|name|", "|name|_": the text of the name's replace definition, as much
    // of it as the room holds; nothing where there is none.
    std::size_t SubstitutionReference(std::size_t i, char16_t before) noexcept
    {
        if (!Starts(i, 1, before)) {
            return 0;
        }
        const std::size_t end = FindEnd(Substitution, i + 2, i + 1);
        if (end >= units_) {
            return 0;
        }
        std::size_t past = end + 1;
        past += At(past) == u'_' ? (At(past + 1) == u'_' ? 2 : 1) : 0;
        endUnit_ = text_[past - 1];
        const char16_t* text = nullptr;
        std::size_t length = 0;
        if (substitutions_ == nullptr ||
            !substitutions_->Find(text_ + i + 1, end - i - 1, text, length)) {
            return past;
        }
        const std::size_t room = past - out_ + (capacity_ - units_);
        if (length > room) {
            length = room;
            length -= (length > 0 && (text[length - 1] & 0xFC00) == 0xD800) ? 1 : 0;
        }
        if (out_ + length > past) {
            const std::size_t shift = out_ + length - past; // the rest moves up into the room
            for (std::size_t k = units_; k > past; --k) {
                text_[k - 1 + shift] = text_[k - 1];
            }
            units_ += shift;
            past += shift;
            ForgetEnds();
        }
        for (std::size_t k = 0; k < length; ++k) {
            text_[out_++] = text[k];
        }
        return past;
    }

    // "[1]_", "[#]_", "[#note]_", "[*]_", "[CIT2002]_": the label in brackets.
    std::size_t FootnoteReference(std::size_t i) noexcept
    {
        std::size_t close = i + 1;
        while (close < units_ && close - i <= LongestFootnoteLabel && text_[close] != u']') {
            ++close;
        }
        if (close >= units_ || text_[close] != u']' || At(close + 1) != u'_' ||
            !MayFollowEnd(At(close + 2)) || !IsFootnoteLabel(text_ + i + 1, text_ + close)) {
            return 0;
        }
        for (std::size_t k = i; k <= close; ++k) {
            text_[out_++] = text_[k];
        }
        endUnit_ = u'_';
        return close + 2;
    }

    char16_t* text_;
    std::size_t units_;
    std::size_t capacity_;
    const RestSubstitutions* substitutions_;
    std::size_t out_ = 0;
    Name name_ = Name::None;
    char16_t endUnit_ = 0; // the last unit of the markup read last
    std::size_t searchedFrom_[EndKinds];
    std::size_t found_[EndKinds];
};

} // namespace

std::size_t RestInlineToText(char16_t* text, std::size_t units, std::size_t room,
                             const RestSubstitutions* substitutions) noexcept
{
    InlineReader reader(text, units, room, substitutions);
    return reader.Read();
}

} // namespace zandrel
