// Charts that read: a sentence before the first year end, whole-number ticks with the year
// axis ending at the last year on record, sides hidden and shown from the legend (and kept so
// from figure to figure), and the Empire on its own scale when it dwarfs the players.
#include <QChart>
#include <QComboBox>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

#include "reports/StatisticsFrm.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::StatisticsFrm;

class StatisticsChartsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"})
            .planet(0, 2, 2).owner(0).home().ships(30)
            .planet(1, 30, 30).owner(1).home().ships(20)
            .planet(2, 5, 5).ships(2)
            .build();
        // clang-format on
    }
    // Years from kFirstYear on: Ann's, Bob's and the Empire's ships.
    void years(int count, int empireShips) {
        for (int y = 0; y < count; ++y) {
            HistoryYear year;
            year.year = kFirstYear + y;
            year.sides = {{0, 1, 5, 100 + y, 0, 0, 0},
                          {1, 1, 4, 150 + 2 * y, 0, 0, 0},
                          {kEmpire, 1, 3, empireShips + y, 0, 0, 0}};
            t.st().Chronicle.add(std::move(year));
        }
    }
    static void choose(StatisticsFrm& w, const char* figure) {
        auto* figures = FindChild<QComboBox>(&w, "FigureCmb");
        figures->setCurrentIndex(figures->findText(figure));
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
    TestGame t;
};

TEST_F(StatisticsChartsTest, BeforeTheFirstYearEndASentenceStandsInForTheChart) {
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    w.show();
    EXPECT_TRUE(FindChild<QLabel>(&w, "NoYearsLbl")->isVisible());
    EXPECT_FALSE(FindChild<QWidget>(&w, "ChartView")->isVisible());
    years(1, 40);
    StatisticsFrm later(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    later.show();
    EXPECT_FALSE(FindChild<QLabel>(&later, "NoYearsLbl")->isVisible());
    EXPECT_TRUE(FindChild<QWidget>(&later, "ChartView")->isVisible());
}

TEST_F(StatisticsChartsTest, ASideHiddenFromTheLegendStaysHiddenUntilClickedAgain) {
    years(5, 40);
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    w.show();
    choose(w, "Ships on Planets");
    clickLegend(w, "Bob");
    EXPECT_FALSE(w.sideShown(1));
    EXPECT_EQ(line(w, "Bob")->count(), 0);
    EXPECT_EQ(line(w, "Ann")->count(), 5);
    // Its entry stays in the legend, to be clicked back.
    const auto struck = [&w](const char* name) {
        const QList<QLegendMarker*> m = w.chart()->legend()->markers(line(w, name));
        return m.size() == 1 && m.front()->font().strikeOut();
    };
    EXPECT_TRUE(struck("Bob"));
    EXPECT_FALSE(struck("Ann"));
    // Hidden, it no longer stretches the axis: Bob's 158 ships are off the scale of Ann's 104.
    EXPECT_LT(axis(line(w, "Ann"), Qt::Vertical)->max(), 150);
    for (const char* figure : {"Planets Owned", "Ships in Flight", "Ships on Planets"}) {
        choose(w, figure);
        if (line(w, "Bob")) {
            EXPECT_EQ(line(w, "Bob")->count(), 0) << figure;
        }
    }
    clickLegend(w, "Bob");
    EXPECT_TRUE(w.sideShown(1));
    EXPECT_EQ(line(w, "Bob")->count(), 5);
    EXPECT_FALSE(struck("Bob"));
}

// Where the ticks fall for any range, and when the Empire is apart, is chart_axes_test.cpp's;
// here the window lays its axes out that way.
TEST_F(StatisticsChartsTest, TicksAreWholeNumbersAndAnEmpireThatDwarfsThePlayersHasItsOwnScale) {
    years(120, 1714);  // Bob's 388 ships at most, the Empire's 1833
    StatisticsFrm w(t.game, StatisticsFrm::Mode::Statistics, nullptr);
    choose(w, "Ships on Planets");
    for (QAbstractAxis* a : w.chart()->axes()) {
        auto* v = qobject_cast<QValueAxis*>(a);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(std::tuple(v->tickType(), v->tickInterval() >= 1,
                             v->tickInterval() == std::round(v->tickInterval()),
                             v->tickAnchor() == std::round(v->tickAnchor()),
                             v->min() == std::round(v->min())),
                  std::tuple(QValueAxis::TicksDynamic, true, true, true, true))
            << v->titleText().toStdString();
    }
    QValueAxis* yearsAxis = axis(line(w, "Ann"), Qt::Horizontal);
    ASSERT_NE(yearsAxis, nullptr);
    EXPECT_EQ(yearsAxis->max(), t.st().Chronicle.back().year);
    QValueAxis* players = axis(line(w, "Ann"), Qt::Vertical);
    QValueAxis* empire = axis(line(w, "Empire"), Qt::Vertical);
    ASSERT_TRUE(players && empire);
    EXPECT_EQ(axis(line(w, "Bob"), Qt::Vertical), players);
    EXPECT_NE(empire, players);
    // The players' lines fill their chart instead of lying flat under the Empire's.
    EXPECT_LT(players->max(), 2 * 388);
    EXPECT_GE(empire->max(), 1833);
    EXPECT_EQ(empire->titleText(), "Empire");
    // Close together, every side shares one scale.
    choose(w, "Planets Owned");
    EXPECT_EQ(axis(line(w, "Empire"), Qt::Vertical), axis(line(w, "Ann"), Qt::Vertical));
}

}  // namespace
}  // namespace zenthar::testing
