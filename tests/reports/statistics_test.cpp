// The statistics' chart lines and CSV: every side's public figures, a player's private figures
// for that player alone, everything in the story of a finished game.
#include "reports/statistics.h"

#include "game/victory.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using namespace std::string_literals;

// Ann, "Bo, the Bold" and the Empire over three years, the last with these scores.
GameState ThreeYears(std::array<int, 3> last = {}) {
    GameState st;
    st.PlayesNum = 2;
    st.PlName[0] = "Ann";
    st.PlName[1] = "Bo, the \"Bold\"";
    st.CurrentYear = 4103;
    for (int y = 0; y < 3; ++y)
        AddYear(st, 4100 + y,
                {{0, 1 + y, 10 + y, 20 + y, 30 + y, 40 + y, 50 + y, y == 2 ? last[0] : 0},
                 {1, 2, 11, 21, 31, 41, 51, y == 2 ? last[1] : 0},
                 {kEmpire, 9 - y, 12, 22, 32, 42, 52, y == 2 ? last[2] : 0}});
    return st;
}

TEST(Statistics, PublicFiguresForEverySidePrivateOnesForTheViewerAlone) {
    const GameState st = ThreeYears();
    // The figure, who looks at the chart, and the sides it has a line for.
    const std::tuple<const char*, int, std::vector<int>> cases[] = {
        {"Planets", 0, {0, 1, kEmpire}}, {"Ships", -1, {0, 1, kEmpire}},
        {"ShipsInFlight", 1, {1}},       {"BattlesWon", 0, {0}},
        {"BattlesLost", -1, {}},         {"BattlesLost", kEveryone, {0, 1, kEmpire}}};
    for (const auto& [column, viewer, sides] : cases) {
        const Figure figure = FindFigure(column);
        ASSERT_NE(figure, nullptr) << column;
        SCOPED_TRACE(::testing::Message() << FigureName(figure) << " viewer " << viewer);
        std::vector<int> lined;
        for (const ChartLine& line : ChartLines(st, figure, viewer)) {
            lined.push_back(line.side);
            ASSERT_EQ(line.points.size(), 3u);
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_EQ(line.points[i],
                          std::pair(4100 + static_cast<int>(i),
                                    FigureValue(*st.Chronicle[i].find(line.side), figure)));
        }
        EXPECT_EQ(lined, sides);
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
              "Battles Won,Battles Lost,Score");
    EXPECT_EQ(lines[1], "4100,0,\"Ann\",1,10,20,,,,0");
    EXPECT_EQ(lines[2], "4100,1,\"Bo, the \"\"Bold\"\"\",2,11,21,31,41,51,0");
    EXPECT_EQ(lines[9], "4102,4,\"Empire\",7,12,22,,,,0");
    EXPECT_EQ(HistoryCsv(st, kEveryone).find(",,"), std::string::npos)
        << "the story's export holds every figure";
}

// The story of a game that ran out of time names the winner on score, or those who shared the
// highest score, and says how the game ended; a conquest is told as before, and so is a game
// still going on.
TEST(Statistics, TheStorySaysHowTheGameEndedAndAfterHowManyYears) {
    GameState st = ThreeYears();  // scores 0 for every side in every year
    st.GameLength = 3;            // the years 4100 to 4102
    const auto scores = [&](int ann, int bo, int empire) {
        st.Chronicle = ThreeYears({ann, bo, empire}).Chronicle;
        st.Decided = LastWinner(st.Chronicle, st.PlayesNum, st.GameLength);
        return std::pair(OutcomeText(st), EndingText(st));
    };
    const std::string ranOut = "It ended on score: the game's 3 years had run out.";
    EXPECT_EQ(scores(30, 20, 10), std::pair("Ann won on score after 3 years of war."s, ranOut));
    EXPECT_EQ(scores(10, 20, 30),
              std::pair("The Empire won on score after 3 years of war."s, ranOut));
    EXPECT_EQ(
        scores(30, 20, 30),
        std::pair("Ann and the Empire shared the highest score after 3 years of war."s, ranOut));
    EXPECT_EQ(st.Decided, kSharedWin);
    EXPECT_EQ(
        scores(30, 30, 30).first,
        "Ann, Bo, the \"Bold\" and the Empire shared the highest score after 3 years of war.");

    // A conquest in the last year is a conquest; a game until conquest never ends on score.
    st.Chronicle = ThreeYears().Chronicle;
    HistoryYear conquered = st.Chronicle.back();
    conquered.year = 4103;
    conquered.sides = {{0, 12, 30, 300}, {1, 0, 0, 0}, {kEmpire, 0, 0, 0}};
    st.Chronicle.add(std::move(conquered));
    st.CurrentYear = 4104;
    st.GameLength = 4;
    st.Decided = LastWinner(st.Chronicle, st.PlayesNum, st.GameLength);
    EXPECT_EQ(
        std::pair(OutcomeText(st), EndingText(st)),
        std::pair("Ann conquered the galaxy after 4 years of war."s, "It ended by conquest."s));
    st.GameLength = 0;
    st.Decided = -1;
    EXPECT_EQ(std::pair(LastWinner(ThreeYears().Chronicle, 2, 0), EndingText(st)),
              std::pair(-1, ""s));

    // The outcome names the winner and the years, one year as one.
    st = ThreeYears();
    st.Decided = 1;
    EXPECT_EQ(OutcomeText(st), "Bo, the \"Bold\" conquered the galaxy after 3 years of war.");
    st.Decided = kEmpire;
    st.CurrentYear = 4101;
    EXPECT_EQ(OutcomeText(st), "The Empire has won after 1 year of war.");
    st.Decided = -1;
    st.CurrentYear = 4100;  // before the first year end, and a clock set wrong
    EXPECT_EQ(OutcomeText(st), "The war goes on after 0 years of war.");
    st.CurrentYear = 4000;
    EXPECT_EQ(OutcomeText(st), "The war goes on after 0 years of war.");
}

}  // namespace
}  // namespace zenthar::testing
