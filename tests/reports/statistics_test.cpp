// The statistics' chart lines and CSV: every side's public figures, a player's private figures
// for that player alone, everything in the story of a finished game.
#include "reports/statistics.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/victory.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// Ann, "Bo, the Bold" and the Empire over three years.
GameState ThreeYears() {
    GameState st;
    st.PlayesNum = 2;
    st.PlName[0] = "Ann";
    st.PlName[1] = "Bo, the \"Bold\"";
    st.CurrentYear = 4103;
    for (int y = 0; y < 3; ++y) {
        HistoryYear year;
        year.year = 4100 + y;
        year.sides = {{0, 1 + y, 10 + y, 20 + y, 30 + y, 40 + y, 50 + y},
                      {1, 2, 11, 21, 31, 41, 51},
                      {kEmpire, 9 - y, 12, 22, 32, 42, 52}};
        st.Chronicle.add(std::move(year));
    }
    return st;
}

TEST(Statistics, PublicFiguresForEverySidePrivateOnesForTheViewerAlone) {
    const GameState st = ThreeYears();
    const struct {
        const char* column;
        int viewer;
        std::vector<int> sides;
    } cases[] = {
        {"Planets", 0, {0, 1, kEmpire}}, {"Ships", -1, {0, 1, kEmpire}},
        {"ShipsInFlight", 1, {1}},       {"BattlesWon", 0, {0}},
        {"BattlesLost", -1, {}},         {"BattlesLost", kEveryone, {0, 1, kEmpire}},
    };
    for (const auto& c : cases) {
        const Figure figure = FindFigure(c.column);
        ASSERT_NE(figure, nullptr) << c.column;
        SCOPED_TRACE(::testing::Message() << FigureName(figure) << " viewer " << c.viewer);
        std::vector<int> sides;
        for (const ChartLine& line : ChartLines(st, figure, c.viewer)) {
            sides.push_back(line.side);
            ASSERT_EQ(line.points.size(), 3u);
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_EQ(line.points[i],
                          std::pair(4100 + static_cast<int>(i),
                                    FigureValue(*st.Chronicle[i].find(line.side), figure)));
        }
        EXPECT_EQ(sides, c.sides);
    }
    const auto lines = ChartLines(st, FindFigure("Planets"), 0);
    EXPECT_EQ(std::tuple(lines[0].name, lines[1].name, lines[2].name, lines[0].points[2].second,
                         lines[2].points[2].second),
              std::tuple("Ann", "Bo, the \"Bold\"", "Empire", 3, 7));
}

TEST(Statistics, TheCsvHasAHeaderAndOneRowPerYearAndSideWithNumbersWhereTheyBelong) {
    const GameState st = ThreeYears();
    std::istringstream csv(HistoryCsv(st, 1));
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(csv, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 1u + 3 * 3);
    EXPECT_EQ(lines[0],
              "Year,Side,Name,Planets Owned,Total Production,Ships on Planets,Ships in Flight,"
              "Battles Won,Battles Lost");
    EXPECT_EQ(lines[1], "4100,0,\"Ann\",1,10,20,,,");
    EXPECT_EQ(lines[2], "4100,1,\"Bo, the \"\"Bold\"\"\",2,11,21,31,41,51");
    EXPECT_EQ(lines[9], "4102,4,\"Empire\",7,12,22,,,");
    EXPECT_EQ(HistoryCsv(st, kEveryone).find(",,"), std::string::npos)
        << "the story's export holds every figure";
}

TEST(Statistics, TheOutcomeNamesTheWinnerAndTheYears) {
    GameState st = ThreeYears();
    st.Decided = 1;
    EXPECT_EQ(OutcomeText(st), "Bo, the \"Bold\" conquered the galaxy after 3 years of war.");
    st.Decided = kEmpire;
    st.CurrentYear = 4101;
    EXPECT_EQ(OutcomeText(st), "The Empire has won after 1 year of war.");
}

}  // namespace
}  // namespace zenthar::testing
