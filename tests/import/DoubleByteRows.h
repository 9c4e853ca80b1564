#pragma once
// Rows for a double-byte code page whose lead bytes include 0x82 and 0xE0 and
// exclude 0xA0 (Shift-JIS, code page 932). Run against an installed table and
// again against the real code page under Wine.

#include <cstdint>

namespace zandrel::test {

struct NormaliseRow {
    const char* name;
    const char* source;   // spelled, see SpelledBytes.h
    const char* expected; // spelled
};

inline constexpr NormaliseRow DoubleByteNormaliseRows[] = {
    {"trail_byte_then_space_is_cut", "one 0x82 0xA0 SP CR LF two", "one 0x82 0xA0 CR LF two"},
    {"cr_after_lead_is_its_trail", "0x82 CR one", "0x82 CR one"},
    {"lf_after_lead_in_second_range", "0xE0 LF two", "0xE0 LF two"},
    {"lead_last_takes_cr_in_final_trim", "one 0x82", "one 0x82 CR"},
    {"space_as_trail_is_not_white", "one 0x82 SP", "one 0x82 SP"},
    {"tab_as_trail_inside_line", "TAB 0x82 TAB CR LF x", "0x82 TAB CR LF x"},
    {"single_high_byte_before_cr_breaks", "0xA0 CR one", "0xA0 CR LF one"},
    {"lead_then_lf_then_white_line_end", "0x82 LF SP CR LF", "0x82 LF"},
};

struct LineLimitRow {
    const char* name;
    const char* text; // spelled
    std::int32_t lines;
    const char* expected; // spelled
};

inline constexpr LineLimitRow DoubleByteLineLimitRows[] = {
    {"cr_after_lead_does_not_end_a_line", "0x82 CR one CR two", 1, "0x82 CR one CR"},
    {"lf_after_lead_does_not_end_a_line", "0xE0 LF one LF LF two", 2, "0xE0 LF one LF LF"},
    {"lead_before_zero_is_one_character", "one CR LF 0x82", 2, "one CR LF 0x82"},
};

} // namespace zandrel::test
