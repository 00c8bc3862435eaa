// The End Turn Summary window reading real report files: paging, the empty line before the
// rebels, files without a header, missing and short files, commas in names, oversized files.
#include "reports/DispTurnSumFrm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "reports/turn_summary.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::DispTurnSumFrm;
using Row = std::vector<std::string>;

class SummaryTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder.path() / "GAMES" / "turnrep.txt"; }

    void writeLines(const std::vector<std::string>& lines) {
        std::ofstream out(file(), std::ios::binary);
        for (const auto& l : lines) out << l << "\r\n";
    }
    // A year end as the engine writes it: year line, header when ships were in flight, the
    // landing lines, the empty line, the rebel lines.
    void writeReport(int landings, int rebels, bool header = true) {
        std::vector<std::string> lines{"Current Year: \t 4107", ""};
        if (header) lines.insert(lines.end(), {TurnSummaryHeader(), ""});
        for (int i = 0; i < landings; ++i)
            lines.push_back("Ann\tVorn\tEmpire\t " + std::to_string(10 + i) +
                            "\t 4\t 7\t 0\tAnn conquered the planet Vorn #" + std::to_string(i));
        lines.push_back("");
        for (int i = 0; i < rebels; ++i)
            lines.push_back(
                "Rebels\tKessira\tAnn\t 5\t 8\t\t 3\tThe rebels distroyed  5 of your "
                "precious ships");
        writeLines(lines);
    }

    static std::string text(const QLabel* l) { return l->text().toStdString(); }
    static Row row(const DispTurnSumFrm& w, int r) {
        Row cells;
        for (int c = 0; c < DispTurnSumFrm::kColumns; ++c) cells.push_back(text(w.cell(r, c)));
        return cells;
    }
    static bool rowEmpty(const DispTurnSumFrm& w, int r) {
        return row(w, r) == Row(DispTurnSumFrm::kColumns);
    }
    static bool allEmpty(const DispTurnSumFrm& w) {
        for (int r = 0; r < DispTurnSumFrm::kRows; ++r)
            if (!rowEmpty(w, r)) return false;
        return true;
    }

    TempProgramFolder folder;
};

TEST_F(SummaryTest, FifteenRowsMakeOnePageAndNextDoesNothing) {
    writeReport(14, 0);  // 14 landings + the empty line = 15 rows
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary for the year: 4107");
    EXPECT_EQ(row(w, 0), (Row{"Ann", "Vorn", "Empire", " 10", " 4", " 7", " 0",
                              "Ann conquered the planet Vorn #0"}));
    EXPECT_TRUE(rowEmpty(w, 14)) << "the empty line before the rebels is a row of its own";
    EXPECT_EQ(text(w.PagesLbl), " 1");
    const Row lastRow = row(w, 13);
    QTest::mouseClick(w.NextBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), "1");
    EXPECT_EQ(row(w, 13), lastRow);
}

TEST_F(SummaryTest, SixteenRowsPutTheLastRowAloneOnPageTwo) {
    writeReport(14, 1);  // 14 landings, the empty line, one rebel line = 16 rows
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(text(w.PagesLbl), " 2");
    QTest::mouseClick(w.NextBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), " 2");
    EXPECT_EQ(text(w.cell(0, 7)), "The rebels distroyed  5 of your precious ships");
    for (int r = 1; r < DispTurnSumFrm::kRows; ++r) EXPECT_TRUE(rowEmpty(w, r)) << "row " << r;

    QTest::mouseClick(w.NextBtn, Qt::LeftButton);  // no third page
    EXPECT_EQ(text(w.PageLbL), " 2");
    QTest::mouseClick(w.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), " 1");
    EXPECT_EQ(text(w.cell(0, 7)), "Ann conquered the planet Vorn #0");
}

TEST_F(SummaryTest, WithoutAHeaderTheFirstRebelLineIsKeptAlsoWithLineFeedEnds) {
    std::ofstream(file(), std::ios::binary)
        << "Current Year: \t 4123\n\n\nRebels\tVorn\tAnn\t 2\t 5\t\t 3\tdone\nRebels\n";
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary for the year: 4123");
    ASSERT_EQ(w.summary().RowsLast(), 2);
    EXPECT_TRUE(rowEmpty(w, 0));
    EXPECT_EQ(row(w, 1), (Row{"Rebels", "Vorn", "Ann", " 2", " 5", "", " 3", "done"}));
    EXPECT_EQ(text(w.cell(2, 0)), "Rebels");
}

TEST_F(SummaryTest, AMissingFileOrAThreeLineFileShowsAnEmptyTable) {
    {
        DispTurnSumFrm w(file(), nullptr);
        EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary");
        EXPECT_EQ(text(w.PagesLbl), " 0");
        EXPECT_TRUE(allEmpty(w));
    }
    writeReport(0, 0, /*header=*/false);  // a quiet year: exactly three lines
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary for the year: 4107");
    EXPECT_EQ(text(w.PagesLbl), " 0");
    EXPECT_TRUE(allEmpty(w));
}

TEST_F(SummaryTest, ACommaInANameStaysInItsCell) {
    writeLines({"Current Year: \t 4100", "", TurnSummaryHeader(), "",
                "Kirk, the Bold\tNew Vorn, Upper\tEmpire\t 9\t 3\t 6\t 0\t"
                "Kirk, the Bold conquered the planet New Vorn, Upper",
                ""});
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(text(w.cell(0, 0)), "Kirk, the Bold");
    EXPECT_EQ(text(w.cell(0, 1)), "New Vorn, Upper");
    EXPECT_EQ(text(w.cell(0, 7)), "Kirk, the Bold conquered the planet New Vorn, Upper");
}

TEST_F(SummaryTest, ExtraFieldsAndRowsBeyondTheTableAreIgnored) {
    std::vector<std::string> lines{"Current Year: \t 4100", "", TurnSummaryHeader(), ""};
    lines.push_back("a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl");  // twelve fields
    for (int i = 1; i < 1100; ++i) lines.push_back("row " + std::to_string(i));
    writeLines(lines);
    const TurnSummary s = ReadTurnSummary(file());
    ASSERT_EQ(s.rows.size(), static_cast<std::size_t>(kSummaryMaxRows));
    EXPECT_EQ(s.rows[0][7], "h");

    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(text(w.PagesLbl), " 67");  // rows 0..1000, 15 a page
    w.DispRows(67);
    EXPECT_EQ(text(w.cell(10, 0)), "row 1000");
    EXPECT_TRUE(rowEmpty(w, 11));
    w.DispRows(0);  // a page outside the table shows empty rows rather than failing
    EXPECT_TRUE(allEmpty(w));
}

TEST_F(SummaryTest, AHeaderWithoutItsEmptyLineLosesNoRow) {
    writeLines({"Current Year: \t 4123", "", TurnSummaryHeader(),
                "Ann\tVorn\tEmpire\t 9\t 3\t 6\t 0\tAnn conquered the planet Vorn", ""});
    const TurnSummary s = ReadTurnSummary(file());
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.rows[0][0], "Ann");
    EXPECT_EQ(s.rows[1][0], "");
}

}  // namespace
}  // namespace zenthar::testing
