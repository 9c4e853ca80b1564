#pragma once
// How the host picks the files that a plug-in's masks name: Windows wildcards,
// matched case-insensitively against a file name. Free of Windows headers so
// that the native build tests it as well.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel::host {

// What matching needs to know about the ANSI code page: the bytes that start a
// double-byte character, and the upper-case form of every single byte.
struct NameCharset {
    std::array<bool, 256> leadByte{};
    std::array<unsigned char, 256> upper{};

    // Single-byte, with only 'a' to 'z' folded.
    static NameCharset Ascii() noexcept;
};

// True when the file name matches the mask. '*' stands for any run of
// characters (none, dots included), '?' for exactly one character; every other
// character matches itself, single-byte ones regardless of case, double-byte
// ones byte for byte. As on Windows, a name without a dot also matches a mask
// written for an empty extension: "*.*" and "README.*" take "README", "*."
// takes any name without a dot. An empty mask matches nothing.
[[nodiscard]] bool MatchesMask(std::string_view mask, std::string_view name,
                               const NameCharset& charset);

// The masks of one registration: its text split at ';', blanks cut from both
// ends of each mask, empty fields dropped.
[[nodiscard]] std::vector<std::string> SplitMaskText(std::string_view joined);

// The position of the first mask in the list that the name matches.
[[nodiscard]] std::optional<std::size_t> FirstMatchingMask(const std::vector<std::string>& masks,
                                                           std::string_view name,
                                                           const NameCharset& charset);

// Ordinal order of names with case folded by the charset; names that differ
// only in case follow byte order, so a listing is always in one fixed order.
[[nodiscard]] bool NameLessIgnoreCase(std::string_view a, std::string_view b,
                                      const NameCharset& charset);

} // namespace zandrel::host
