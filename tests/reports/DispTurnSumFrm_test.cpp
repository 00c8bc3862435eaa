// The End Turn Summary window reading real report files: paging, the empty line before the
// rebels, files without a header, missing and short files, commas in names, oversized files.
#include "reports/DispTurnSumFrm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "support/galaxy_builder.h"
#include "turn/turnreport.h"

namespace zenthar::testing {
namespace {

using ui::DispTurnSumFrm;

class SummaryTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder.path() / "GAMES" / "turnrep.txt"; }

    // A year end as the engine writes it: year line, header when ships were in flight, one
    // landing line per entry of `landings`, the empty line, one rebel line per entry.
    void writeReport(int landings, int rebels, bool header = true) {
        TurnReport report(file());
        report.yearLine(4107);
        report.endLine();
        if (header) {
            report.header();
            report.endLine();
        }
        for (int i = 0; i < landings; ++i) {
            report.field("Ann");
            report.field("Vorn");
            report.field("Empire");
            report.numberField(10 + i);
            report.numberField(4);
            report.numberField(7);
            report.numberField(0);
            report.endLine("Ann conquered the planet Vorn #" + std::to_string(i));
        }
        report.endLine();
        for (int i = 0; i < rebels; ++i) {
            report.field("Rebels");
            report.field("Kessira");
            report.field("Ann");
            report.numberField(5);
            report.numberField(8);
            report.emptyField();
            report.numberField(3);
            report.endLine("The rebels distroyed  5 of your precious ships");
        }
    }

    void writeLines(const std::vector<std::string>& lines) {
        std::ofstream out(file(), std::ios::binary);
        for (const auto& l : lines) out << l << "\r\n";
    }

    static std::string text(const QLabel* l) { return l->text().toStdString(); }
    static std::vector<std::string> row(const DispTurnSumFrm& w, int r) {
        std::vector<std::string> cells;
        for (int c = 0; c < DispTurnSumFrm::kColumns; ++c) cells.push_back(text(w.cell(r, c)));
        return cells;
    }
    static bool rowEmpty(const DispTurnSumFrm& w, int r) {
        for (const auto& c : row(w, r))
            if (!c.empty()) return false;
        return true;
    }

    TempProgramFolder folder;
};

TEST_F(SummaryTest, CaptionCarriesTheYearAndTheCellsTheFields) {
    writeReport(1, 0);
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary for the year: 4107");
    EXPECT_EQ(row(w, 0), (std::vector<std::string>{"Ann", "Vorn", "Empire", " 10", " 4", " 7", " 0",
                                                   "Ann conquered the planet Vorn #0"}));
    // The empty line before the rebel lines is a row of its own.
    EXPECT_TRUE(rowEmpty(w, 1));
    EXPECT_EQ(w.summary().RowsLast(), 1);
    EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(SummaryTest, FifteenRowsMakeOnePageAndNextDoesNothing) {
    writeReport(14, 0);  // 14 landings + the empty line = 15 rows
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(w.summary().RowsLast(), 14);
    EXPECT_EQ(text(w.PagesLbl), " 1");
    EXPECT_EQ(text(w.PageLbL), "1");
    const auto lastRow = row(w, 13);
    QTest::mouseClick(w.NextBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), "1");
    EXPECT_EQ(row(w, 13), lastRow);
    QTest::mouseClick(w.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), "1");
}

TEST_F(SummaryTest, SixteenRowsPutTheLastRowAloneOnPageTwo) {
    writeReport(14, 1);  // 14 landings, the empty line, one rebel line = 16 rows
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(w.summary().RowsLast(), 15);
    EXPECT_EQ(text(w.PagesLbl), " 2");
    EXPECT_TRUE(rowEmpty(w, 14));  // the empty line before the rebels, last row of page 1

    QTest::mouseClick(w.NextBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), " 2");
    EXPECT_EQ(text(w.cell(0, 0)), "Rebels");
    EXPECT_EQ(text(w.cell(0, 7)), "The rebels distroyed  5 of your precious ships");
    for (int r = 1; r < DispTurnSumFrm::kRows; ++r) EXPECT_TRUE(rowEmpty(w, r)) << "row " << r;

    QTest::mouseClick(w.NextBtn, Qt::LeftButton);  // no third page
    EXPECT_EQ(text(w.PageLbL), " 2");
    QTest::mouseClick(w.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(text(w.PageLbL), " 1");
    EXPECT_EQ(text(w.cell(0, 7)), "Ann conquered the planet Vorn #0");
}

TEST_F(SummaryTest, WithoutAHeaderTheFirstRebelLineIsKept) {
    writeReport(0, 2, /*header=*/false);
    DispTurnSumFrm w(file(), nullptr);
    ASSERT_EQ(w.summary().RowsLast(), 2);
    EXPECT_TRUE(rowEmpty(w, 0));
    EXPECT_EQ(text(w.cell(1, 0)), "Rebels");
    EXPECT_EQ(text(w.cell(2, 0)), "Rebels");
    EXPECT_EQ(text(w.cell(1, 6)), " 3");
    EXPECT_EQ(text(w.cell(1, 5)), "");
}

TEST_F(SummaryTest, AMissingFileOrAThreeLineFileShowsAnEmptyTable) {
    {
        DispTurnSumFrm w(file(), nullptr);
        EXPECT_FALSE(w.summary().fileFound);
        EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary");
        EXPECT_EQ(text(w.PagesLbl), " 0");
        for (int r = 0; r < DispTurnSumFrm::kRows; ++r) EXPECT_TRUE(rowEmpty(w, r));
        QTest::mouseClick(w.NextBtn, Qt::LeftButton);
        EXPECT_EQ(text(w.PageLbL), "1");
    }
    writeReport(0, 0, /*header=*/false);  // a quiet year: exactly three lines
    DispTurnSumFrm w(file(), nullptr);
    EXPECT_TRUE(w.summary().fileFound);
    EXPECT_EQ(w.windowTitle().toStdString(), "End Turn Summary for the year: 4107");
    EXPECT_EQ(w.summary().RowsLast(), -1);
    EXPECT_EQ(text(w.PagesLbl), " 0");
    for (int r = 0; r < DispTurnSumFrm::kRows; ++r) EXPECT_TRUE(rowEmpty(w, r));
}

TEST_F(SummaryTest, ACommaInANameStaysInItsCell) {
    writeLines({"Current Year: \t 4100", "", TurnSummaryHeader(), "",
                "Kirk, the Bold\tNew Vorn, Upper\tEmpire\t 9\t 3\t 6\t 0\t"
                "Kirk, the Bold conquered the planet New Vorn, Upper",
                ""});
    DispTurnSumFrm w(file(), nullptr);
    ASSERT_EQ(w.summary().RowsLast(), 1);
    EXPECT_EQ(text(w.cell(0, 0)), "Kirk, the Bold");
    EXPECT_EQ(text(w.cell(0, 1)), "New Vorn, Upper");
    EXPECT_EQ(text(w.cell(0, 7)), "Kirk, the Bold conquered the planet New Vorn, Upper");
    EXPECT_TRUE(rowEmpty(w, 1));
}

TEST_F(SummaryTest, ExtraFieldsAndRowsBeyondTheTableAreIgnored) {
    std::vector<std::string> lines{"Current Year: \t 4100", "", TurnSummaryHeader(), ""};
    lines.push_back("a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl");  // twelve fields
    for (int i = 1; i < 1100; ++i) lines.push_back("row " + std::to_string(i));
    writeLines(lines);

    const TurnSummary s = ReadTurnSummary(file());
    ASSERT_EQ(s.rows.size(), static_cast<std::size_t>(kSummaryMaxRows));
    EXPECT_EQ(s.rows[0][7], "h");
    EXPECT_EQ(s.rows[0][8], "i");
    EXPECT_EQ(s.rows[1000][0], "row 1000");
    EXPECT_EQ(s.pages(), 67);  // rows 0..1000, 15 a page

    DispTurnSumFrm w(file(), nullptr);
    EXPECT_EQ(text(w.PagesLbl), " 67");
    w.DispRows(67);
    EXPECT_EQ(text(w.cell(10, 0)), "row 1000");
    EXPECT_TRUE(rowEmpty(w, 11));
    // A page outside the table shows empty rows rather than failing.
    w.DispRows(0);
    for (int r = 0; r < DispTurnSumFrm::kRows; ++r) EXPECT_TRUE(rowEmpty(w, r));
}

TEST(TurnSummaryFile, LinesEndingInLineFeedOnlyReadTheSame) {
    TempProgramFolder folder;
    const auto file = folder.path() / "report.txt";
    {
        std::ofstream out(file, std::ios::binary);
        out << "Current Year: \t 4123\n\n\nRebels\tVorn\tAnn\t 2\t 5\t\t 3\tdone\n";
    }
    const TurnSummary s = ReadTurnSummary(file);
    EXPECT_EQ(s.year(), "4123");
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.rows[1][0], "Rebels");
    EXPECT_EQ(s.rows[1][7], "done");
}

TEST(TurnSummaryFile, AHeaderWithoutItsEmptyLineLosesNoRow) {
    TempProgramFolder folder;
    const auto file = folder.path() / "report.txt";
    {
        std::ofstream out(file, std::ios::binary);
        out << "Current Year: \t 4123\r\n\r\n"
            << TurnSummaryHeader() << "\r\n"
            << "Ann\tVorn\tEmpire\t 9\t 3\t 6\t 0\tAnn conquered the planet Vorn\r\n\r\n";
    }
    const TurnSummary s = ReadTurnSummary(file);
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.rows[0][0], "Ann");
    EXPECT_EQ(s.rows[1][0], "");
}

}  // namespace
}  // namespace zenthar::testing
