// The Statistics window on real year ends: a line per side in the side's colour, the private
// figures of the player whose turn it is and nobody else's, fresh figures after a year end, the
// story's every figure, the export; and the End Turn Summary stepping back through the years.
#include "reports/StatisticsFrm.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <cmath>

#include "reports/DispTurnSumFrm.h"
#include "support/widgets.h"
#include "turn/endturn.h"
#include "ui/side_colours.h"

namespace zenthar::testing {
namespace {

using ui::StatisticsFrm;

// One point of a line as " year:value" (appended: GCC 12 falsely reports -Wrestrict on a sum).
std::string Point(int year, long long value) {
    std::string text(" ");
    return text.append(std::to_string(year)).append(":").append(std::to_string(value));
}

// Per line: name, colour and the figure each year.
std::vector<std::string> Lines(const StatisticsFrm& w) {
    std::vector<std::string> lines;
    for (QAbstractSeries* s : w.chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        std::string text =
            line->name().toStdString() + " " + line->pen().color().name().toStdString();
        for (const QPointF& p : line->points())
            text += Point(static_cast<int>(p.x()), static_cast<int>(p.y()));
        lines.push_back(text);
    }
    return lines;
}

std::vector<std::string> Figures(StatisticsFrm& w) {
    std::vector<std::string> names;
    auto* figures = FindChild<QComboBox>(&w, "FigureCmb");
    for (int i = 0; i < figures->count(); ++i) names.push_back(figures->itemText(i).toStdString());
    return names;
}

void Choose(StatisticsFrm& w, const char* figure) {
    auto* figures = FindChild<QComboBox>(&w, "FigureCmb");
    figures->setCurrentIndex(figures->findText(figure));
}

class StatisticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.random.setFallback(0.99);  // no rebels
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"})
            .planet(0, 2, 2).owner(0).home().ships(30).production(4, 20)
            .planet(1, 30, 30).owner(1).home().ships(20).production(3, 20)
            .planet(2, 5, 5).ships(2).production(2, 5).build();
        // clang-format on
    }
    // Ann sends `ships` to the Empire's planet, then both end their turns.
    void year(int ships) {
        ShowTurnStatus(t.game, false);
        ASSERT_TRUE(ships == 0 || LaunchTaskForce(t.st(), 0, 2, ships) == LaunchResult::Launched);
        EndTurn(t.game);
        EndTurn(t.game);
    }
    TestGame t;
};

// The lines the chronicle gives for these sides, as Lines() reads them off the chart.
std::vector<std::string> Expected(const GameState& st, Figure figure, std::vector<int> sides) {
    std::vector<std::string> lines;
    for (int side : sides) {
        std::string text = SideName(st, side) + " " + ui::SideColour(side).name().toStdString();
        for (std::size_t i = 0; i < st.Chronicle.size(); ++i)
            text += Point(st.Chronicle[i].year, FigureValue(*st.Chronicle[i].find(side), figure));
        lines.push_back(text);
    }
    return lines;
}

TEST_F(StatisticsTest, EverySideHasALineAndOnlyThePlayerOnTurnSeesHisPrivateFigures) {
    year(6);  // 4100: six ships leave for the Empire's planet, two years away
    year(0);  // 4101: they land and fight
    ASSERT_EQ(t.st().CurrentPlTurn, 0);
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    EXPECT_EQ(Figures(w), (std::vector<std::string>{"Planets Owned", "Total Production",
                                                    "Ships on Planets", "Ships in Flight",
                                                    "Battles Won", "Battles Lost", "Score"}));
    const SideYear& ann = *t.st().Chronicle[1].find(0);
    EXPECT_EQ(t.st().Chronicle[0].find(0)->shipsInFlight, 6);
    EXPECT_GE(ann.battlesWon + ann.battlesLost, 1) << "the fleet fought at the Empire's planet";
    // clang-format off
    const struct { const char* figure; std::vector<int> sides; } cases[] = {
        {"Planets Owned", {0, 1, kEmpire}}, {"Total Production", {0, 1, kEmpire}},
        {"Ships on Planets", {0, 1, kEmpire}}, {"Ships in Flight", {0}},
        {"Battles Won", {0}}, {"Battles Lost", {0}}, {"Score", {0, 1, kEmpire}}};
    // clang-format on
    for (const auto& c : cases) {
        Choose(w, c.figure);
        const Figure figure = &kHistoryColumns.at(
            static_cast<std::size_t>(FindChild<QComboBox>(&w, "FigureCmb")->currentData().toInt()));
        EXPECT_EQ(Lines(w), Expected(t.st(), figure, c.sides)) << c.figure;
    }
    EXPECT_FALSE(FindChild<QPushButton>(&w, "StoryBtn")->isEnabled());

    // Bob's turn: his own figures, never Ann's; a year later the window shows the new year.
    EndTurn(t.game);
    StatisticsFrm bob(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    Choose(bob, "Battles Lost");
    EXPECT_EQ(Lines(bob), Expected(t.st(), FindFigure("BattlesLost"), {1}));
    EndTurn(t.game);
    StatisticsFrm later(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    EXPECT_EQ(Lines(later), Expected(t.st(), FindFigure("Planets"), {0, 1, kEmpire}));
    EXPECT_NE(Lines(later).front().find(" 4102:"), std::string::npos);
}

TEST_F(StatisticsTest, TheStoryShowsEveryFigureOfEverySideAndTheExportWritesThem) {
    year(6);
    year(0);
    t.st().Decided = 0;
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Story, nullptr);
    EXPECT_EQ(std::tuple(Text(&w, "OutcomeLbl"), Text(&w, "EndingLbl"), Figures(w).size()),
              std::tuple("Ann conquered the galaxy after 2 years of war.", "It ended by conquest.",
                         zenthar::Figures().size()));
    Choose(w, "Ships in Flight");
    EXPECT_EQ(Lines(w), Expected(t.st(), FindFigure("ShipsInFlight"), {0, 1, kEmpire}));

    const fs::path csv = t.folder.path() / "war.csv";
    w.setFileChooser([&] { return QString::fromStdString(csv.string()); });
    Click(&w, "ExportBtn");
    EXPECT_EQ(ReadText(csv), HistoryCsv(t.st(), kEveryone));
    // A file that cannot be written is told with the storage layer's reason (which leaves any
    // file there whole: storage_test.cpp), and nothing else happens.
    const fs::path nowhere = t.folder.path() / "no/such.csv";
    w.setFileChooser([&] { return QString::fromStdString(nowhere.string()); });
    Click(&w, "ExportBtn");
    ASSERT_FALSE(t.dialogs.asked.empty());
    EXPECT_EQ(t.dialogs.asked.back().text, "The statistics could not be written to " +
                                               nowhere.string() +
                                               ".\r\rERROR 76: That path doesn't exist.");
}

// ---- charts that read ----------------------------------------------------------------------
// A sentence before the first year end, whole-number ticks with the year axis ending at the last
// year on record, sides hidden and shown from the legend (and kept so from figure to figure), and
// the Empire on its own scale when it dwarfs the players.

class StatisticsChartsTest : public StatisticsTest {
  protected:
    // Years from kFirstYear on: Ann's, Bob's and the Empire's ships.
    void years(int count, int empireShips) {
        for (int y = 0; y < count; ++y)
            AddYear(t.st(), kFirstYear + y,
                    {{0, 1, 5, 100 + y, 0, 0, 0},
                     {1, 1, 4, 150 + 2 * y, 0, 0, 0},
                     {kEmpire, 1, 3, empireShips + y, 0, 0, 0}});
    }
    static QLineSeries* line(StatisticsFrm& w, const char* name) {
        for (QAbstractSeries* s : w.chart()->series())
            if (s->name() == name) return qobject_cast<QLineSeries*>(s);
        return nullptr;
    }
    static QValueAxis* axis(QAbstractSeries* s, Qt::Orientation o) {
        for (QAbstractAxis* a : s->attachedAxes())
            if (a->orientation() == o) return qobject_cast<QValueAxis*>(a);
        return nullptr;
    }
    static void clickLegend(StatisticsFrm& w, const char* name) {
        const QList<QLegendMarker*> markers = w.chart()->legend()->markers(line(w, name));
        ASSERT_EQ(markers.size(), 1);
        emit markers.front()->clicked();
        QApplication::processEvents();
    }
};

TEST_F(StatisticsChartsTest, BeforeTheFirstYearEndASentenceStandsInForTheChart) {
    for (const bool yearEnded : {false, true}) {
        if (yearEnded) years(1, 40);
        StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
        w.show();
        EXPECT_EQ(FindChild<QLabel>(&w, "NoYearsLbl")->isVisible(), !yearEnded);
        EXPECT_EQ(FindChild<QWidget>(&w, "ChartView")->isVisible(), yearEnded);
    }
}

TEST_F(StatisticsChartsTest, ASideHiddenFromTheLegendStaysHiddenUntilClickedAgain) {
    years(5, 40);
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    w.show();
    Choose(w, "Ships on Planets");
    clickLegend(w, "Bob");
    // Its entry stays in the legend, to be clicked back.
    const auto struck = [&w](const char* name) {
        const QList<QLegendMarker*> m = w.chart()->legend()->markers(line(w, name));
        return m.size() == 1 && m.front()->font().strikeOut();
    };
    EXPECT_EQ(std::tuple(w.sideShown(1), line(w, "Bob")->count(), line(w, "Ann")->count(),
                         struck("Bob"), struck("Ann")),
              std::tuple(false, 0, 5, true, false));
    // Hidden, it no longer stretches the axis: Bob's 158 ships are off the scale of Ann's 104.
    EXPECT_LT(axis(line(w, "Ann"), Qt::Vertical)->max(), 150);
    for (const char* figure : {"Planets Owned", "Ships in Flight", "Ships on Planets"}) {
        Choose(w, figure);
        EXPECT_TRUE(!line(w, "Bob") || line(w, "Bob")->count() == 0) << figure;
    }
    clickLegend(w, "Bob");
    EXPECT_EQ(std::tuple(w.sideShown(1), line(w, "Bob")->count(), struck("Bob")),
              std::tuple(true, 5, false));
}

// Where the ticks fall for any range, and when the Empire is apart, is chart_axes_test.cpp's;
// here the window lays its axes out that way.
TEST_F(StatisticsChartsTest, TicksAreWholeNumbersAndAnEmpireThatDwarfsThePlayersHasItsOwnScale) {
    years(120, 1714);  // Bob's 388 ships at most, the Empire's 1833
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    Choose(w, "Ships on Planets");
    for (QAbstractAxis* a : w.chart()->axes()) {
        auto* v = qobject_cast<QValueAxis*>(a);
        ASSERT_NE(v, nullptr);
        const std::string title = v->titleText().toStdString();
        EXPECT_EQ(v->tickType(), QValueAxis::TicksDynamic) << title;
        EXPECT_GE(v->tickInterval(), 1) << title;
        for (const double x : {v->tickInterval(), v->tickAnchor(), v->min()})
            EXPECT_EQ(x, std::round(x)) << title;
    }
    QValueAxis* yearsAxis = axis(line(w, "Ann"), Qt::Horizontal);
    ASSERT_NE(yearsAxis, nullptr);
    EXPECT_EQ(yearsAxis->max(), t.st().Chronicle.back().year);
    QValueAxis* players = axis(line(w, "Ann"), Qt::Vertical);
    QValueAxis* empire = axis(line(w, "Empire"), Qt::Vertical);
    ASSERT_TRUE(players && empire);
    EXPECT_EQ(
        std::tuple(axis(line(w, "Bob"), Qt::Vertical), empire == players, empire->titleText()),
        std::tuple(players, false, "Empire"));
    // The players' lines fill their chart instead of lying flat under the Empire's.
    EXPECT_LT(players->max(), 2 * 388);
    EXPECT_GE(empire->max(), 1833);
    // Close together, every side shares one scale.
    Choose(w, "Planets Owned");
    EXPECT_EQ(axis(line(w, "Empire"), Qt::Vertical), axis(line(w, "Ann"), Qt::Vertical));
}

// Each year's summary as the window showed it that year: title and every page.
std::string Picture(ui::DispTurnSumFrm& w) {
    std::string picture = w.windowTitle().toStdString() + "\n";
    std::string shown;
    for (int page = 0; page < 80 && shown != Text(&w, "PageLbL"); ++page) {
        shown = Text(&w, "PageLbL");
        for (int r = 0; r < ui::DispTurnSumFrm::kRows; ++r)
            for (const char* c : {"AttackerLbl", "PlanetLbl", "DefenderLbl", "AttShipsLbl",
                                  "DefShipsLbl", "RemAttShipsLbl", "RemDefShipsLbl", "ResultLbl"})
                picture += Text(&w, QString("%1_%2").arg(c).arg(r)) + "|";
        picture += "\n";
        Click(&w, "NextBtn");
    }
    return picture;
}

TEST(SummaryYears, EarlierYearsShowExactlyAsTheyShowedThatYear) {
    sim::SimulationOptions o = SeededGame(2, 26, 12, 21);
    std::vector<std::string> shown;
    sim::RunGame(o, [&](Game& game) {
        ui::DispTurnSumFrm plain(game.ReportPath(), nullptr);
        ui::DispTurnSumFrm withYears(game.ReportPath(), game.st.Chronicle, nullptr);
        shown.push_back(Picture(plain));
        // The last year reads as it always did.
        ASSERT_EQ(Picture(withYears), shown.back());
        if (shown.size() < 12) return;
        ui::DispTurnSumFrm w(game.ReportPath(), game.st.Chronicle, nullptr);
        auto* years = FindChild<QComboBox>(&w, "YearCmb");
        EXPECT_EQ(std::tuple(years->count(), years->currentText().toStdString()),
                  std::tuple(12, std::to_string(game.st.CurrentYear - 1)));
        for (int y = 11; y-- > 0;) {
            Click(&w, "PrevYearBtn");
            EXPECT_EQ(Picture(w), shown[static_cast<std::size_t>(y)]) << "year " << 4100 + y;
        }
        Click(&w, "PrevYearBtn");  // nothing before the first year
        EXPECT_EQ(Picture(w), shown.front());
        years->setCurrentIndex(11);
        emit years->activated(11);
        EXPECT_EQ(Picture(w), shown.back());
    });
    EXPECT_EQ(shown.size(), 12u);
}

TEST(SummaryYears, AReportThatNoLongerUnpacksIsToldAndTheOtherYearsStillShow) {
    History chronicle;
    for (int y : {4100, 4101}) {
        HistoryYear year;
        year.year = y;
        year.sides = {SideYear{kEmpire}};
        std::string packed =
            PackReport("Current Year: \t " + std::to_string(y) + "\r\n\r\n" + TurnSummaryHeader() +
                           "\r\n\r\nEmpire\tVega\tAnn\t 3\t 0\t 1\t 0\tThe Empire lost\r\n",
                       y);
        if (y == 4100) ++packed[5];  // a length its text does not have
        year.setPackedReport(packed);
        chronicle.add(std::move(year));
    }
    ui::DispTurnSumFrm w("no-such-report.txt", chronicle, nullptr);
    std::vector<std::string> shown;
    for (int step = 0; step < 2; ++step) {
        Click(&w, "PrevYearBtn");
        shown.push_back(w.windowTitle().toStdString() + " [" + Text(&w, "AttackerLbl_0") + "]");
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "End Turn Summary for the year: 4101 [Empire]",
                         "End Turn Summary for the year: 4100 (its report could not be read) []"}));
}

}  // namespace
}  // namespace zenthar::testing
