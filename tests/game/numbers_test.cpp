// Rounding, saturation, number formats and fixed-width texts.
#include <gtest/gtest.h>

#include "game/fixed_text.h"
#include "game/numbers.h"

namespace zenthar {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(4.9), 5);
    EXPECT_EQ(Round(2.49999), 2);
}

TEST(Rounding, IntIsFloorNotTruncation) {
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(-0.1), -1);
    EXPECT_EQ(Int(-2.0), -2);
    EXPECT_EQ(Int(0.99999), 0);
}

TEST(Rounding, NonFiniteValuesDoNotEscape) {
    EXPECT_EQ(Round16(1e300), 32767);
    EXPECT_EQ(Round16(-1e300), -32768);
    EXPECT_EQ(Round16(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Saturation, StaysWithinSixteenBits) {
    EXPECT_EQ(Saturate16(32767), 32767);
    EXPECT_EQ(Saturate16(32768), 32767);
    EXPECT_EQ(Saturate16(-32768), -32768);
    EXPECT_EQ(Saturate16(-32769), -32768);
    EXPECT_EQ(Saturate16(1LL << 40), 32767);
    // A product computed wide and stored narrow never wraps round to a negative count.
    Int16 ships = 30000;
    EXPECT_EQ(Saturate16(static_cast<long long>(ships) * 3), 32767);
    EXPECT_EQ(Round16(32767.4), 32767);
    EXPECT_EQ(Round16(-40000.0), -32768);
}

TEST(Formats, HashPatternHidesZero) {
    EXPECT_EQ(FormatHash(0), "");
    EXPECT_EQ(FormatHash(7), "7");
    EXPECT_EQ(FormatHash(12345), "12345");  // all digits, even beyond the pattern's places
    EXPECT_EQ(FormatHash(-3), "-3");
}

TEST(Formats, PlainTwoDigitAndReportForms) {
    EXPECT_EQ(FormatPlain(0), "0");
    EXPECT_EQ(FormatPlain(3), "3");
    EXPECT_EQ(FormatTwoDigits(1), "01");
    EXPECT_EQ(FormatTwoDigits(51), "51");
    EXPECT_EQ(FormatTwoDigits(123), "123");
    EXPECT_EQ(ReportNumber(0), " 0");
    EXPECT_EQ(ReportNumber(4100), " 4100");
    EXPECT_EQ(ReportNumber(-7), "-7");
}

TEST(Formats, LeadingNumberOfTypedText) {
    EXPECT_DOUBLE_EQ(LeadingNumber("12"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("  7 ships"), 7);
    EXPECT_DOUBLE_EQ(LeadingNumber("3.5"), 3.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-4"), -4);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("51x"), 51);
    EXPECT_DOUBLE_EQ(LeadingNumber(std::string(400, '9')), 0);  // not finite: counts as nothing
}

TEST(FixedText, PadsAndCutsToItsWidth) {
    FixedText<40> five("Vorna");
    EXPECT_EQ(five.padded(), "Vorna" + std::string(35, ' '));
    EXPECT_EQ(five.trimmed(), "Vorna");
    FixedText<40> longName(std::string(45, 'x'));
    EXPECT_EQ(longName.padded(), std::string(40, 'x'));
    FixedText<12> icon("mac.ico");
    EXPECT_EQ(icon.padded(), "mac.ico     ");
    EXPECT_EQ(icon.trimmed(), "mac.ico");
}

TEST(FixedText, EmptyCampaignPlanetIsTwoBlanksAndMatchesNoId) {
    FixedText<2> none("");
    EXPECT_EQ(none.padded(), "  ");
    EXPECT_TRUE(none.blank());
    EXPECT_FALSE(none == FixedText<2>("07"));
    EXPECT_FALSE(FixedText<2>("7") == FixedText<2>("07"));
}

TEST(FixedText, DigitOverwriteKeepsTheOthers) {
    FixedText<4> scouted("0300");
    scouted.setChar(0, '1');
    scouted.setChar(9, '2');  // out of range: ignored
    EXPECT_EQ(scouted.padded(), "1300");
}

TEST(Trim, BothEndsAndRightOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(TrimRight("  a  "), "  a");
}

}  // namespace
}  // namespace zenthar
