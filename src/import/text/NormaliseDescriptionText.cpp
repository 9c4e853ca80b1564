#include "import/text/NormaliseDescriptionText.h"

#include <cstring>
#include <type_traits>

#include "base/CharacterClasses.h"
#include "import/text/ScanStep.h"
#include "import/text/TrimTrailingWhiteSpace.h"

namespace zandrel {
namespace {

// From p, which stands on the first content character of a line, to the line
// end; returns the end of the last content character and leaves p on LF, CR or
// the zero.
template <typename Step> const char* ScanToLineEnd(const char*& p) noexcept
{
    if constexpr (std::is_same_v<Step, ByteStep>) {
        // One byte per character: find the end, then walk back over the white
        // space. The walk stops at the first content byte at the latest.
        const char* const first = p;
        p = ByteStep::ToLineEnd(p);
        const char* contentEnd = p;
        while (contentEnd > first && IsLineWhiteSpace(contentEnd[-1])) {
            --contentEnd;
        }
        return contentEnd;
    } else {
        // Trail bytes must not be classified: remember the end of each content
        // character on the way forward.
        const char* contentEnd = p;
        while (!IsLineEnd(*p)) {
            const char* next = Step::Next(p);
            if (!IsLineWhiteSpace(*p)) {
                contentEnd = next;
            }
            p = next;
        }
        return contentEnd;
    }
}

template <typename Step>
std::size_t Normalise(const char* source, NormalisedBuffer& result) noexcept
{
    char* out = result.data();
    char* const outEnd = result.data() + result.size() - 1; // the last place for the zero
    const char* p = source;
    while (*p != '\0') {
        const char* const lineStart = p;
        while (IsLineWhiteSpace(*p)) {
            p = Step::Next(p);
        }
        const char* from = p;
        const char* to = p;
        if (IsLineEnd(*p)) {
            from = lineStart; // no content: the line stays as it is
        } else {
            to = ScanToLineEnd<Step>(p);
        }
        const auto lineBytes = static_cast<std::size_t>(to - from);
        if (lineBytes + 2 > static_cast<std::size_t>(outEnd - out)) {
            break; // only a source longer than the read limit gets here
        }
        if (lineBytes <= 8) { // short lines: a call would cost more than the copy
            for (std::size_t i = 0; i < lineBytes; ++i) {
                out[i] = from[i];
            }
        } else {
            std::memcpy(out, from, lineBytes);
        }
        out += lineBytes;
        *out++ = '\r';
        *out++ = '\n';
        while (IsLineBreak(*p)) {
            p = Step::Next(p);
        }
    }
    *out = '\0';
    const auto length = static_cast<std::size_t>(out - result.data());
    if constexpr (std::is_same_v<Step, ByteStep>) {
        return TrimTrailingWhiteSpaceSingleByte(result.data(), length);
    } else {
        return TrimTrailingWhiteSpaceDoubleByte(result.data());
    }
}

} // namespace

std::size_t NormaliseDescriptionText(const char* source, NormalisedBuffer& result) noexcept
{
    return DbcsEnabled ? Normalise<CharStep>(source, result) : Normalise<ByteStep>(source, result);
}

} // namespace zandrel
