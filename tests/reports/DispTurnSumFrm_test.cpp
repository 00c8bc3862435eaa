// The End Turn Summary window reading real report files: paging, the empty line before the
// rebels, files without a header, missing and short files, commas in names, oversized files.
#include "reports/DispTurnSumFrm.h"

#include <fstream>

#include "reports/turn_summary.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::DispTurnSumFrm;
using Row = std::vector<std::string>;

class SummaryTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder.path() / "GAMES" / "turnrep.txt"; }
    void write(const std::vector<std::string>& lines, const char* end = "\r\n") {
        std::ofstream out(file(), std::ios::binary);
        for (const auto& l : lines) out << l << end;
    }
    static Row row(const DispTurnSumFrm& w, int r) {
        Row cells;
        for (const char* column : {"AttackerLbl", "PlanetLbl", "DefenderLbl", "AttShipsLbl",
                                   "DefShipsLbl", "RemAttShipsLbl", "RemDefShipsLbl", "ResultLbl"})
            cells.push_back(Text(&w, QString("%1_%2").arg(column).arg(r)));
        return cells;
    }
    // The page shown and the number of pages, as the two labels read.
    static std::string pages(const DispTurnSumFrm& w) { return Texts(&w, {"PageLbL", "PagesLbl"}); }
    // The rows of the page shown, empty ones left out at the end.
    static std::vector<Row> page(const DispTurnSumFrm& w) {
        std::vector<Row> rows;
        for (int r = 0; r < DispTurnSumFrm::kRows; ++r) rows.push_back(row(w, r));
        while (!rows.empty() && rows.back() == Row(DispTurnSumFrm::kColumns)) rows.pop_back();
        return rows;
    }
    TempProgramFolder folder;
};

TEST_F(SummaryTest, FifteenRowsMakeAPageAndNextAndPreviousStopAtTheEnds) {
    // A year end as the engine writes it: year line, header, 14 landings and the empty line
    // before the rebels, which is a row of its own: 15 rows.
    std::vector<std::string> lines{"Current Year: \t 4107", "", TurnSummaryHeader(), ""};
    for (int i = 0; i < 14; ++i)
        lines.push_back("Ann\tVorn\tEmpire\t " + std::to_string(10 + i) +
                        "\t 4\t 7\t 0\tAnn conquered the planet Vorn #" + std::to_string(i));
    lines.push_back("");
    write(lines);
    {
        DispTurnSumFrm w(file(), nullptr);
        EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary for the year: 4107");
        EXPECT_EQ(row(w, 0), (Row{"Ann", "Vorn", "Empire", " 10", " 4", " 7", " 0",
                                  "Ann conquered the planet Vorn #0"}));
        Click(&w, "NextBtn");  // stays on the one page, whose number it now shows unpadded
        EXPECT_EQ(std::tuple(pages(w), page(w).size()), std::tuple("1 |  1", 14u));
    }
    lines.push_back("Rebels\tKessira\tAnn\t 5\t 8\t\t 3\tThe rebels distroyed  5 of your ships");
    write(lines);  // 16 rows
    DispTurnSumFrm w(file(), nullptr);
    for (const char* button : {"NextBtn", "NextBtn"}) Click(&w, button);  // no third page
    EXPECT_EQ(pages(w), " 2 |  2");
    EXPECT_EQ(page(w), (std::vector<Row>{{"Rebels", "Kessira", "Ann", " 5", " 8", "", " 3",
                                          "The rebels distroyed  5 of your ships"}}));
    Click(&w, "PrevBtn");
    EXPECT_EQ(std::tuple(pages(w), row(w, 0)[7]),
              std::tuple(" 1 |  2", "Ann conquered the planet Vorn #0"));
}

TEST_F(SummaryTest, OddFilesShowWhatTheyHoldAndNothingMore) {
    const std::string year = "End Turn Summary for the year: ";
    // What is tried, the lines of the file (none: no file) and how they end, the title and the
    // rows shown.
    using Case = std::tuple<const char*, std::vector<std::string>, const char*, std::string,
                            std::vector<Row>>;
    // clang-format off
    const Case cases[] = {
        {"no file", {}, "\r\n", "End Turn Summary", {}},
        {"a quiet year", {"Current Year: \t 4107", "", ""}, "\r\n", year + "4107", {}},
        {"no header, line feeds", {"Current Year: \t 4123", "", "", "Rebels\tVorn\tAnn\t 2\t 5\t\t 3\tdone", "Rebels"}, "\n", year + "4123",
         {Row(8), {"Rebels", "Vorn", "Ann", " 2", " 5", "", " 3", "done"}, {"Rebels", "", "", "", "", "", "", ""}}},
        {"a header without its empty line", {"Current Year: \t 4123", "", TurnSummaryHeader(), "Ann\tVorn\tEmpire\t 9\t 3\t 6\t 0\tAnn conquered the planet Vorn", ""}, "\r\n", year + "4123",
         {{"Ann", "Vorn", "Empire", " 9", " 3", " 6", " 0", "Ann conquered the planet Vorn"}}},
        {"commas in names", {"Current Year: \t 4100", "", TurnSummaryHeader(), "", "Kirk, the Bold\tNew Vorn, Upper\tEmpire\t 9\t 3\t 6\t 0\tKirk, the Bold won", ""}, "\r\n", year + "4100",
         {{"Kirk, the Bold", "New Vorn, Upper", "Empire", " 9", " 3", " 6", " 0", "Kirk, the Bold won"}}},
    };
    // clang-format on
    for (const auto& [what, lines, end, title, rows] : cases) {
        SCOPED_TRACE(what);
        std::filesystem::remove(file());
        if (!lines.empty()) write(lines, end);
        DispTurnSumFrm w(file(), nullptr);
        EXPECT_EQ(std::tuple(w.windowTitle().toStdString(), page(w), Text(&w, "PagesLbl")),
                  std::tuple(title, rows, rows.empty() ? " 0" : " 1"));
    }
}

TEST_F(SummaryTest, ExtraFieldsAndRowsBeyondTheTableAreIgnored) {
    std::vector<std::string> lines{"Current Year: \t 4100", "", TurnSummaryHeader(), "",
                                   "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl"};  // twelve fields
    for (int i = 1; i < 1100; ++i) lines.push_back("row " + std::to_string(i));
    write(lines);
    DispTurnSumFrm w(file(), nullptr);
    // Rows 0..1000 (the most a summary holds), 15 a page.
    ASSERT_EQ(w.summary().rows.size(), static_cast<std::size_t>(kSummaryMaxRows));
    EXPECT_EQ(std::tuple(row(w, 0), Text(&w, "PagesLbl")),
              std::tuple(Row{"a", "b", "c", "d", "e", "f", "g", "h"}, " 67"));
    w.DispRows(67);
    EXPECT_EQ(std::tuple(page(w).size(), row(w, 10)[0]), std::tuple(11u, "row 1000"));
    w.DispRows(0);  // a page outside the table shows empty rows rather than failing
    EXPECT_TRUE(page(w).empty());
}

TEST_F(SummaryTest, EscClosesTheWindowAsCloseDoes) {
    write({"Current Year: \t 4107"});
    DispTurnSumFrm w(file(), nullptr);
    ShowActive(&w);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace zenthar::testing
