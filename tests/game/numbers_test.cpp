// Rounding, saturation, number formats and fixed-width texts.
#include <gtest/gtest.h>

#include "game/fixed_text.h"
#include "game/numbers.h"

namespace zenthar {
namespace {

TEST(Rounding, HalvesToEvenIntIsFloorAndNothingEscapesSixteenBits) {
    const std::pair<double, long long> rounded[] = {{0.5, 0},   {1.5, 2},  {2.5, 2},
                                                    {3.5, 4},   {-0.5, 0}, {-1.5, -2},
                                                    {-2.5, -2}, {4.9, 5},  {2.49999, 2}};
    for (const auto& [x, r] : rounded) EXPECT_EQ(Round(x), r) << x;
    const std::pair<double, long long> floored[] = {{2.9, 2}, {-0.1, -1}, {-2.0, -2}, {0.99999, 0}};
    for (const auto& [x, r] : floored) EXPECT_EQ(Int(x), r) << x;

    const std::pair<double, int> rounded16[] = {{1e300, 32767},
                                                {-1e300, -32768},
                                                {std::numeric_limits<double>::quiet_NaN(), 0},
                                                {32767.4, 32767}};
    for (const auto& [x, r] : rounded16) EXPECT_EQ(Round16(x), r) << x;
    // A product computed wide and stored narrow never wraps round to a negative count.
    const std::pair<long long, int> saturated[] = {{32767, 32767},       {32768, 32767},
                                                   {-32768, -32768},     {-32769, -32768},
                                                   {30000LL * 3, 32767}, {1LL << 40, 32767}};
    for (const auto& [x, r] : saturated) EXPECT_EQ(Saturate16(x), r) << x;
}

TEST(Formats, HashPlainTwoDigitAndReportForms) {
    // FormatHash gives all digits, even beyond the pattern's places.
    EXPECT_EQ(std::tuple(FormatHash(0), FormatHash(12345), FormatHash(-3), FormatPlain(0),
                         FormatTwoDigits(1), FormatTwoDigits(123)),
              std::tuple("", "12345", "-3", "0", "01", "123"));
    EXPECT_EQ(std::tuple(ReportNumber(0), ReportNumber(4100), ReportNumber(-7)),
              std::tuple(" 0", " 4100", "-7"));
}

// Digits with a fraction, no exponent; a number too long to be finite reads as none. Only the
// text given is read, never what follows it in memory.
TEST(Formats, LeadingNumberOfTypedText) {
    const std::pair<std::string, double> cases[] = {
        {"12", 12}, {"  7 ships", 7}, {"3.5", 3.5}, {"-4", -4},     {"abc", 0},
        {"", 0},    {"-", 0},         {"51x", 51},  {"1.5e3", 1.5}, {std::string(400, '9'), 0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    EXPECT_DOUBLE_EQ(LeadingNumber(std::string_view("1234").substr(0, 2)), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber(std::string_view("2.578").substr(0, 3)), 2.5);
}

TEST(FixedText, PadsCutsComparesAndOverwritesDigits) {
    EXPECT_EQ(std::tuple(FixedText<40>("Vorna").padded(), FixedText<40>("Vorna").trimmed(),
                         FixedText<40>(std::string(45, 'x')).padded()),
              std::tuple("Vorna" + std::string(35, ' '), "Vorna", std::string(40, 'x')));
    // Width is counted in characters: a name with accents is padded and cut like any other.
    EXPECT_EQ(FixedText<6>("R\xC3\xA9gis").padded(), "R\xC3\xA9gis ");
    EXPECT_EQ(FixedText<3>("\xC3\xA9\xC3\xA9\xE2\x82\xAC\xC3\xA9").padded(),
              "\xC3\xA9\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf8Length("a\xC3\xA9\xF0\x9F\x9A\x80"), 3u);
    // A stray continuation byte is a character of its own, never swallowed or split.
    EXPECT_EQ(Utf8Length("\x80\x80"), 2u);
    EXPECT_EQ(Utf8Prefix("\x80\xC3\xA9x", 2), "\x80\xC3\xA9");
    // Each lead byte at the edges of its range, before three continuation bytes: it takes the
    // ones it announces and no more; a byte that is no lead stands alone.
    const std::pair<unsigned char, std::size_t> leads[] = {
        {0x7F, 4}, {0xBF, 4}, {0xC0, 3}, {0xDF, 3}, {0xE0, 2},
        {0xEF, 2}, {0xF0, 1}, {0xF7, 1}, {0xF8, 4}, {0xFF, 4}};
    for (const auto& [lead, characters] : leads)
        EXPECT_EQ(Utf8Length(std::string(1, static_cast<char>(lead)) + "\x80\x80\x80"), characters)
            << int{lead};
    EXPECT_EQ(Utf8Length("\xF0\x80x"), 2u);  // fewer follow than announced
    // An empty campaign planet is two blanks and matches no id.
    FixedText<2> none("");
    EXPECT_EQ(std::tuple(none.padded(), none.blank(), none == FixedText<2>("07"),
                         FixedText<2>("7") == FixedText<2>("07")),
              std::tuple("  ", true, false, false));

    FixedText<4> scouted("0300");
    scouted.setChar(0, '1');
    scouted.setChar(9, '2');  // out of range: ignored
    EXPECT_EQ(std::tuple(scouted.padded(), Trim("  a b  "), Trim("    "), TrimRight("  a  ")),
              std::tuple("1300", "a b", "", "  a"));
}

}  // namespace
}  // namespace zenthar
