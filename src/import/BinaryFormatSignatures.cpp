#include "import/BinaryFormatSignatures.h"

namespace zandrel {
namespace {

// The bytes that one position of a signature allows, from low to high. An
// empty range (low above high, as a position left out of a row is) ends the
// signature.
struct SignatureByte {
    unsigned char low = 1;
    unsigned char high = 0;
};

constexpr SignatureByte Is(unsigned char byte)
{
    return {byte, byte};
}
constexpr SignatureByte Range(unsigned char low, unsigned char high)
{
    return {low, high};
}
constexpr SignatureByte Any = Range(0x00, 0xFF);
constexpr SignatureByte Digit = Range('0', '9');

constexpr std::size_t SignatureMaximum = 10;

struct BinaryFormatSignature {
    const char* format;
    SignatureByte bytes[SignatureMaximum];
};

// How files of each format begin. Where a format's own signature is short or
// printable, its row goes on into bytes that such files always have and texts
// do not: a control byte where the format keeps a small number, a line end
// after a version.
// clang-format off
constexpr BinaryFormatSignature Signatures[] = {
    // Compression method 8 (deflate), then the flags, whose top three bits are 0.
    {"gzip", {Is(0x1F), Is(0x8B), Is(0x08), Range(0x00, 0x1F)}},
    {"zip", {Is('P'), Is('K'), Is(0x03), Is(0x04)}},
    {"zip", {Is('P'), Is('K'), Is(0x05), Is(0x06)}}, // an empty archive
    {"7-Zip", {Is('7'), Is('z'), Is(0xBC), Is(0xAF), Is(0x27), Is(0x1C)}},
    {"RAR", {Is('R'), Is('a'), Is('r'), Is('!'), Is(0x1A), Is(0x07)}},
    // "BZh", the block size 1 to 9, then the magic of the first block (the
    // digits of pi, "1AY&SY") or of the end of an empty stream.
    {"bzip2", {Is('B'), Is('Z'), Is('h'), Range('1', '9'),
               Is('1'), Is('A'), Is('Y'), Is('&'), Is('S'), Is('Y')}},
    {"bzip2", {Is('B'), Is('Z'), Is('h'), Range('1', '9'),
               Is(0x17), Is(0x72), Is(0x45), Is(0x38), Is(0x50), Is(0x90)}},
    {"xz", {Is(0xFD), Is('7'), Is('z'), Is('X'), Is('Z'), Is(0x00)}},
    {"OLE2 compound file",
     {Is(0xD0), Is(0xCF), Is(0x11), Is(0xE0), Is(0xA1), Is(0xB1), Is(0x1A), Is(0xE1)}},
    // "%PDF-1.4": the version ends the header's line.
    {"PDF", {Is('%'), Is('P'), Is('D'), Is('F'), Is('-'), Digit, Is('.'), Digit,
             Range('\n', '\r')}},
    {"Windows Write", {Range(0x31, 0x32), Is(0xBE), Is(0x00), Is(0x00)}}, // 3.0; 3.1 with objects
    {"Windows Help", {Is('?'), Is('_'), Is(0x03), Is(0x00)}},
    // The byte after "MZ" is the low half of the last page's length and may be
    // a letter ("MZP"); its high half, the length being below 512, is 0 or 1.
    {"MZ executable", {Is('M'), Is('Z'), Any, Range(0x00, 0x01)}},
    {"PNG", {Is(0x89), Is('P'), Is('N'), Is('G'), Is('\r'), Is('\n'), Is(0x1A), Is('\n')}},
    // The width follows, low byte first: below 2,304 pixels its high byte is
    // below TAB.
    {"GIF", {Is('G'), Is('I'), Is('F'), Is('8'), Is('7'), Is('a'), Any, Range(0x00, 0x08)}},
    {"GIF", {Is('G'), Is('I'), Is('F'), Is('8'), Is('9'), Is('a'), Any, Range(0x00, 0x08)}},
    // The start of image, then the first segment's marker.
    {"JPEG", {Is(0xFF), Is(0xD8), Is(0xFF), Range(0xC0, 0xFE)}},
};
// clang-format on

bool Matches(const BinaryFormatSignature& signature, const unsigned char* bytes,
             std::size_t count) noexcept
{
    for (std::size_t at = 0; at < SignatureMaximum; ++at) {
        const SignatureByte allowed = signature.bytes[at];
        if (allowed.low > allowed.high) {
            return true;
        }
        if (at == count || bytes[at] < allowed.low || bytes[at] > allowed.high) {
            return false;
        }
    }
    return true;
}

} // namespace

const char* BinaryFormatAtStart(const char* bytes, std::size_t count) noexcept
{
    const auto* start = reinterpret_cast<const unsigned char*>(bytes);
    for (const BinaryFormatSignature& signature : Signatures) {
        if (Matches(signature, start, count)) {
            return signature.format;
        }
    }
    return nullptr;
}

} // namespace zandrel
