// Reading a year end's report back into the rows of the End Turn Summary: the year, the preamble
// skipped only when it is there, the pages, and the bounds on fields and rows.
#include "reports/turn_summary.h"

#include <unistd.h>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// The first cell of each row, enough to see which lines became rows.
std::vector<std::string> FirstCells(const TurnSummary& s) {
    std::vector<std::string> cells;
    for (const SummaryRow& row : s.rows) cells.push_back(row[0]);
    return cells;
}

TEST(TurnSummaryTest, ThePreambleIsSkippedOnlyWhenPresentAndShortTextsGiveNoRows) {
    const std::string header = TurnSummaryHeader();
    // The text, the year read off its first line and the first cells of its rows.
    using Case = std::tuple<std::string, std::string, std::vector<std::string>>;
    const Case cases[] = {
        {"", "", {}},
        {"Current Year: \t 4107\r\n\r\n\r\n", "4107", {}},  // three lines: a quiet year
        {"Current Year: \t 4107\n\nA\tx\nB\n", "4107", {"A", "B"}},
        {"Current Year: \t 4107\r\n\r\n" + header + "\r\n\r\nA\r\n", "4107", {"A"}},
        {"Current Year: \t 4107\n\n" + header + "\nA\nB\n", "4107", {"A", "B"}},
        {"Current Year: \t 4107\n\n\nRebels\n", "4107", {"", "Rebels"}},
        {"4107\n\n\n\n", "4107", {"", ""}},  // a first line of exactly four characters
        {"107", "107", {}},
        {"X4107", "4107", {}}};
    for (const auto& [text, year, cells] : cases) {
        const TurnSummary s = ParseTurnSummary(text);
        EXPECT_EQ(std::tuple(s.fileFound, s.year(), FirstCells(s)), std::tuple(true, year, cells))
            << text;
    }
}

TEST(TurnSummaryTest, RowsSplitAtTabsIntoNineFieldsAndCarriageReturnsAreDropped) {
    const TurnSummary s = ParseTurnSummary(
        "Y 4100\r\n\r\na\tb\tc\td\te\tf\tg\th\ti\tj\tk\r\nKirk, the Bold\t\tEmpire\r\n\r\n");
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0], (SummaryRow{"a", "b", "c", "d", "e", "f", "g", "h", "i"}));
    EXPECT_EQ(s.rows[1], (SummaryRow{"Kirk, the Bold", "", "Empire", "", "", "", "", "", ""}));
    EXPECT_EQ(s.rows[2], SummaryRow{});
}

TEST(TurnSummaryTest, PagesHoldFifteenRowsAndRowsBeyondTheMostKeptAreDropped) {
    for (const bool header : {false, true}) {
        for (const int lines : {0, 1, 14, 15, 16, 30, 31, kSummaryMaxRows, 1100}) {
            std::string text = "Current Year: \t 4100\n\n";
            if (header) text += TurnSummaryHeader() + "\n\n";
            for (int i = 0; i < lines; ++i) text += "row " + std::to_string(i) + "\n";
            const TurnSummary s = ParseTurnSummary(text);
            // A text of fewer than four lines holds no rows.
            const int kept = (header ? 4 : 2) + lines < 4 ? 0 : std::min(lines, kSummaryMaxRows);
            ASSERT_EQ(s.RowsLast(), kept - 1) << lines << ' ' << header;
            EXPECT_EQ(s.pages(), (kept + kSummaryRowsPerPage - 1) / kSummaryRowsPerPage) << lines;
            EXPECT_TRUE(kept == 0 || s.rows.back()[0] == "row " + std::to_string(kept - 1))
                << lines;
        }
    }
}

TEST(TurnSummaryTest, AFileIsReadWholeAndAMissingOneIsNotFound) {
    const fs::path file =
        fs::temp_directory_path() / ("turn_summary_" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << "Current Year: \t 4107\r\n\r\nA\r\nB\r\n";
    const TurnSummary read = ReadTurnSummary(file);
    fs::remove(file);
    const TurnSummary missing = ReadTurnSummary(file);
    EXPECT_EQ(std::tuple(read.fileFound, read.year(), FirstCells(read)),
              std::tuple(true, "4107", std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(std::tuple(missing.fileFound, missing.firstLine, missing.rows.size()),
              std::tuple(false, "", 0u));
}

}  // namespace
}  // namespace zenthar::testing
