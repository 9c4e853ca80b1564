#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "setup/IntegerParse.h"

namespace zandrel {
namespace {

struct ParseRow {
    const char* text;
    std::optional<std::int32_t> value; // nullopt: no number
};

const ParseRow parseRows[] = {
    // What fits in the three typed characters.
    {"5", 5},
    {"120", 120},
    {"-5", -5},
    {"+7", 7},
    {"$FF", 255},
    {"x1F", 31},
    {"X1f", 31},
    {"0x1", 1},
    {"0X1", 1},
    {" 12", 12},
    {"0", 0},
    {"-0", 0},
    {"007", 7},
    // Decimal range of a signed 32-bit integer.
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999", std::nullopt},
    // Hexadecimal: eight significant digits, taken as a two's-complement pattern.
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"0x7fffffff", 2147483647},
    {"$000000001", 1},
    {"$100000000", std::nullopt},
    // Not numbers.
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"$", std::nullopt},
    {"x", std::nullopt},
    {"0x", std::nullopt},
    {"12 ", std::nullopt},
    {"1a", std::nullopt},
    {"abc", std::nullopt},
    {"-$1", std::nullopt},
    {"+x1", std::nullopt},
    {"$G", std::nullopt},
    {"--1", std::nullopt},
    {"\t12", std::nullopt}, // only the space is skipped
    {"1.5", std::nullopt},
};

TEST(IntegerParseTest, TextsAsTypedInTheLineCountEdit)
{
    for (const ParseRow& row : parseRows) {
        EXPECT_EQ(ParseInteger(row.text), row.value) << "text \"" << row.text << "\"";
    }
}

TEST(IntegerParseTest, FormatIsPlainDecimal)
{
    EXPECT_EQ(FormatInteger(20), "20");
    EXPECT_EQ(FormatInteger(1000), "1000");
    EXPECT_EQ(FormatInteger(-5), "-5");
    EXPECT_EQ(FormatInteger(INT32_MIN), "-2147483648");
}

} // namespace
} // namespace zandrel
