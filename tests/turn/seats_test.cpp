// Computer seats in the hand-over: a computer's turn is played at once through its seat player
// and the turn goes on to the next human; a game without humans plays a year per End Turn; a
// computer out of the game is passed over like a human.
#include "orders/sendships.h"
#include "turn/endturn.h"
#include "turn/seat.h"
#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

// Stands in for a computer level: notes whose turn it played and in which year, and sends one
// ship from its capital to the Empire's planet through the Send Ships order.
class NotingSeat : public SeatPlayer {
  public:
    explicit NotingSeat(std::vector<std::string>& played) : played_(played) {}
    void PlayTurn(Game& game) override {
        GameState& st = game.st;
        played_.push_back(std::to_string(st.CurrentPlTurn) + "@" + std::to_string(st.CurrentYear));
        const int home = st.PlHome[static_cast<std::size_t>(st.CurrentPlTurn)];
        EXPECT_EQ(SendShips(st, home, st.PlayesNum, "1"), std::nullopt);
    }

  private:
    std::vector<std::string>& played_;
};

// SeatPlayers' galaxy for as many players as there are seats, with `turn` to move; the
// computers are noting seats.
struct SeatedGame {
    SeatedGame(const std::vector<SeatKind>& seats, Int16 turn) {
        SeatPlayers(t, static_cast<int>(seats.size()));
        t.st().CurrentPlTurn = turn;
        for (std::size_t k = 0; k < seats.size(); ++k) t.st().Seats[k] = seats[k];
        t.game.computerPlayers = [this](SeatKind) { return std::make_unique<NotingSeat>(played); };
    }
    // Whose turn and which year it is, and the turns the computers played.
    std::tuple<int, int, std::vector<std::string>> after() {
        return {t.st().CurrentPlTurn, t.st().CurrentYear, played};
    }
    TestGame t;
    std::vector<std::string> played;
};

using V = std::vector<std::string>;
constexpr SeatKind H = SeatKind::Human;
constexpr SeatKind E = SeatKind::Easy;
constexpr SeatKind N = SeatKind::Normal;
constexpr SeatKind D = SeatKind::Hard;

TEST(ComputerSeats, TheHandOverPlaysEachComputerAtOnceAndStopsAtTheNextHuman) {
    // The seats; who ends the turn (-1: a new game's first hand-over); whose turn and which year
    // it is then and the turns the computers played; a capital that fell, leaving its player out
    // of the game (-1: none).
    const std::tuple<std::vector<SeatKind>, int, std::tuple<int, int, V>, int> cases[] = {
        {{H, E, H}, 0, {2, 4100, V{"1@4100"}}, -1},
        {{H, N}, 0, {0, 4101, V{"1@4100"}}, -1},   // past the year end
        {{D, H}, -1, {1, 4100, V{"0@4100"}}, -1},  // the first turn is a computer's
        {{H, E, D, N}, 0, {0, 4101, V{"1@4100", "2@4100", "3@4100"}}, -1},
        {{E, H, D}, 1, {1, 4101, V{"2@4100", "0@4101"}}, -1},  // round the year end to the human
        {{H, E, H}, 0, {2, 4100, V{}}, 1},  // a computer out of the game is passed over
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(::testing::Message() << i);
        const auto& [seats, turn, after, lost] = cases[i];
        SeatedGame g(seats, static_cast<Int16>(turn));
        if (lost >= 0) g.t.st().planet(lost).Scouted = "0000";
        EndTurn(g.t.game);
        EXPECT_EQ(g.after(), after);
        // Each order given went through the Send Ships order into its side's stored fleets.
        std::multiset<char> sides, expected;
        for (const std::string& row : ShipsRows(g.t.game))
            if (row[0] != '4') sides.insert(row[0]);
        for (const std::string& played : std::get<2>(after)) expected.insert(played[0]);
        EXPECT_EQ(sides, expected);
        EXPECT_TRUE(g.t.dialogs.asked.empty()) << g.t.dialogs.texts().front();
    }
}

// Without a human the game is there to be watched: the new game waits at the first computer,
// and every End Turn plays the year from there.
TEST(ComputerSeats, AGameOfComputersPlaysOneYearPerEndTurn) {
    SeatedGame g({E, D, N}, -1);
    EndTurn(g.t.game);
    EXPECT_EQ(g.after(), std::tuple(0, 4100, V{}));
    EndTurn(g.t.game);
    EXPECT_EQ(g.after(), std::tuple(0, 4101, V{"0@4100", "1@4100", "2@4100"}));
    EndTurn(g.t.game);
    EXPECT_EQ(g.after(),
              std::tuple(0, 4102, V{"0@4100", "1@4100", "2@4100", "0@4101", "1@4101", "2@4101"}));
}

// Once the last human is out the computers go on as a game to watch.
TEST(ComputerSeats, OutOfTheGameIsOutWhoeverSits) {
    SeatedGame g({H, E}, 0);
    g.t.st().planet(0).Scouted = "0000";  // Ann is out: Bob plays on, a year per End Turn
    EndTurn(g.t.game);
    EXPECT_EQ(g.after(), std::tuple(1, 4101, V{"1@4100"}));
    EndTurn(g.t.game);
    EXPECT_EQ(g.after(), std::tuple(1, 4102, V{"1@4100", "1@4101"}));
}

}  // namespace
}  // namespace zenthar::testing
