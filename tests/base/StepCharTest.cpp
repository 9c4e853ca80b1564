#include <gtest/gtest.h>

#include <cstring>

#include "support/ScopedCodePage.h"

namespace zandrel {
namespace {

struct StepRow {
    const char* name;
    bool dbcs;
    const char* text; // stepped from its first byte
    int expectedAdvance;
};

TEST(StepChar, AdvancesByOneCharacterAndNeverPastTheZero)
{
    const StepRow rows[] = {
        {"terminator_stays", true, "", 0},
        {"ascii_one_byte", true, "ab", 1},
        {"lead_and_trail", true, "\x82\xA0x", 2},
        {"lead_takes_cr_as_trail", true, "\x82\r", 2},
        {"lead_before_zero_is_one_byte", true, "\x82", 1},
        {"lead_in_second_range", true, "\xE0\x40", 2},
        {"byte_between_ranges_is_single", true, "\xA0\x40", 1},
        {"dbcs_off_lead_is_single", false, "\x82\xA0", 1},
    };
    for (const StepRow& row : rows) {
        SCOPED_TRACE(row.name);
        test::ScopedCodePage codePage(row.dbcs, {0x81, 0x9F, 0xE0, 0xFC});
        EXPECT_EQ(StepChar(row.text) - row.text, row.expectedAdvance);
    }
}

TEST(CodePageFacts, RangesEndAtAZeroPairAndReversedPairsAddNothing)
{
    test::ScopedCodePage codePage(true, {0x90, 0x80, 0xA1, 0xA2, 0, 0, 0xC0, 0xC1});
    EXPECT_FALSE(LeadByteSet[0x85]); // high below low
    EXPECT_FALSE(LeadByteSet[0xA0]);
    EXPECT_TRUE(LeadByteSet[0xA1]);
    EXPECT_TRUE(LeadByteSet[0xA2]);
    EXPECT_FALSE(LeadByteSet[0xA3]);
    EXPECT_FALSE(LeadByteSet[0xC0]); // after the terminating pair
}

TEST(CodePageFacts, SingleByteLeavesTheSetEmpty)
{
    test::ScopedCodePage codePage(false, {0x81, 0x9F});
    for (bool lead : LeadByteSet) {
        EXPECT_FALSE(lead);
    }
}

TEST(CodePageFacts, FullRangeUpTo0xFFStops)
{
    // low..high with high 0xFF must not wrap the loop counter.
    test::ScopedCodePage codePage(true, {0xFE, 0xFF});
    EXPECT_TRUE(LeadByteSet[0xFE]);
    EXPECT_TRUE(LeadByteSet[0xFF]);
    EXPECT_FALSE(LeadByteSet[0x00]);
}

} // namespace
} // namespace zandrel
