// The End Turn Summary window reading real report files: paging, the empty line before the
// rebels, a missing file and a quiet year. How a report's lines become rows, and how many are
// kept, is turn_summary_test.cpp's.
#include "reports/DispTurnSumFrm.h"

#include "reports/turn_summary.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::DispTurnSumFrm;
using Row = std::vector<std::string>;

class SummaryTest : public ::testing::Test {
  protected:
    fs::path file() const { return folder.path() / "GAMES" / "turnrep.txt"; }
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
    DispTurnSumFrm one(file(), nullptr);
    EXPECT_EQ(one.windowTitle().toStdString(), "End Turn Summary for the year: 4107");
    EXPECT_EQ(row(one, 0), (Row{"Ann", "Vorn", "Empire", " 10", " 4", " 7", " 0",
                                "Ann conquered the planet Vorn #0"}));
    Click(&one, "NextBtn");  // stays on the one page, whose number it now shows unpadded
    EXPECT_EQ(std::tuple(pages(one), page(one).size()), std::tuple("1 |  1", 14u));
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
    w.DispRows(0);  // a page outside the table shows empty rows rather than failing
    EXPECT_TRUE(page(w).empty());
    // Esc closes the window as Close does.
    ShowActive(&w);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

// Lines without a header, with line feeds alone or commas in names are the reader's
// (turn_summary_test.cpp); the window shows only a title and no page without rows.
TEST_F(SummaryTest, WithoutAFileOrInAQuietYearTheWindowShowsNoRows) {
    for (const auto& [lines, title] :
         {std::pair(std::vector<std::string>{}, std::string("End Turn Summary")),
          std::pair(std::vector<std::string>{"Current Year: \t 4107", "", ""},
                    std::string("End Turn Summary for the year: 4107"))}) {
        SCOPED_TRACE(title);
        fs::remove(file());
        if (!lines.empty()) write(lines);
        DispTurnSumFrm w(file(), nullptr);
        EXPECT_EQ(std::tuple(w.windowTitle().toStdString(), page(w).size(), Text(&w, "PagesLbl")),
                  std::tuple(title, 0u, " 0"));
    }
}

}  // namespace
}  // namespace zenthar::testing
