// The computer players: they decide from what their side is shown and nothing else, every order
// they give passes the rules a player's orders pass, and a seed replays the same game.
#include "rivals/rival.h"

#include "game/datafiles.h"
#include "game/levels.h"
#include "game/random.h"
#include "game/victory.h"
#include "rivals/rival_odds.h"
#include "sim/state_picture.h"
#include "support/galaxy_builder.h"
#include "turn/endturn.h"
#include "turn/lookups.h"

namespace zenthar::testing {
namespace {

class Agreeing : public UserDialogs {
  public:
    Answer ask(const MessageRequest& r) override {
        return r.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
};

// A generated galaxy whose seats the test plays itself, one computer level per player.
struct SeatedGame {
    SeatedGame(unsigned long long seed, std::vector<SeatKind> seats, int planets, int skill)
        : random(seed),
          game(folder.path(), dialogs, display, view, random),
          kinds(std::move(seats)) {
        StartUp(game);
        // The seats are the test's to play: the game counts every one as human.
        sim::SimulationOptions o;
        o.players = static_cast<int>(kinds.size());
        o.planets = planets;
        o.skill = skill;
        sim::StartSeededGalaxy(game, o);
    }
    // Plays turns until `years` have passed or the game is decided; `check` sees every turn.
    void play(int years, const std::function<void(Game&, SeatPlayer&)>& turn) {
        const int last = game.st.CurrentYear + years;
        while (game.st.CurrentYear < last && Winner(game) == -1) {
            const int p = game.st.CurrentPlTurn;
            if (game.st.validPlayer(p)) {
                const auto player = MakeComputerPlayer(kinds[static_cast<std::size_t>(p)]);
                turn(game, *player);
            }
            EndTurn(game);
        }
    }
    void play(int years) {
        play(years, [](Game& g, SeatPlayer& player) { player.PlayTurn(g); });
    }

    TempProgramFolder folder;
    Agreeing dialogs;
    SilentDisplay display;
    SilentView view;
    SystemRandom random;
    Game game;
    std::vector<SeatKind> kinds;
};

// What one turn ordered: the side's task-force list and its planets afterwards.
std::string OrdersOf(const GameState& st) {
    std::string s;
    for (int k = 0; k <= st.TaskForceLast; ++k) {
        const TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(k)];
        s += tf.StartPl.padded() + ">" + tf.EndPl.padded() + "@" + std::to_string(tf.RemTurns) +
             "x" + std::to_string(tf.NumOfShips) + " ";
    }
    for (int i = 0; i < st.PlanetsNum; ++i)
        if (st.planet(i).digit(st.CurrentPlTurn) >= 2)
            s += std::to_string(i) + ":" + std::to_string(st.planet(i).Ships) + "/" +
                 std::to_string(st.planet(i).Production) + " ";
    return s;
}

// Planets of one owner that `side` does not own: their true numbers are hidden from it.
std::vector<int> HiddenPlanetsOf(const GameState& st, int side, int owner) {
    std::vector<int> hidden;
    for (int i = 0; i < st.PlanetsNum; ++i)
        if (OwnerOf(st, i) == owner && st.planet(i).digit(side) < 2) hidden.push_back(i);
    return hidden;
}

// Each hidden planet of an owner takes the next one's value: the owner's total stays the same.
void RotateHidden(GameState& st, int side, Int16 PlanetRecord::*field) {
    for (int owner = 0; owner < kSides; ++owner) {
        const std::vector<int> h = HiddenPlanetsOf(st, side, owner);
        if (h.size() < 2) continue;
        const Int16 first = st.planet(h.front()).*field;
        for (std::size_t k = 0; k + 1 < h.size(); ++k)
            st.planet(h[k]).*field = st.planet(h[k + 1]).*field;
        st.planet(h.back()).*field = first;
    }
}

// Every task force in the game database, to put back after a tampered replay.
constexpr std::array<const char*, 6> kShipsColumns{"PlNum", "TFNum",    "StartPl",
                                                   "EndPl", "RemTurns", "NumOfShips"};
using FleetRows = std::vector<std::array<FieldValue, kShipsColumns.size()>>;
FleetRows StoredFleets(Game& g) {
    FleetRows rows;
    g.FileDta1.Refresh();
    Recordset& rs = g.FileDta1.rs();
    if (rs.RecordCount() == 0) return rows;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        rows.emplace_back();
        for (std::size_t c = 0; c < kShipsColumns.size(); ++c)
            rows.back()[c] = rs.Field(rs.FieldIndex(kShipsColumns[c]));
    }
    return rows;
}
void PutBackFleets(Game& g, const FleetRows& rows) {
    if (StoredFleets(g) == rows) return;
    Recordset& rs = g.FileDta1.rs();
    while (rs.RecordCount() > 0) {
        rs.MoveFirst();
        rs.Delete();
    }
    for (const auto& row : rows) {
        rs.AddNew();
        for (std::size_t c = 0; c < kShipsColumns.size(); ++c)
            rs.SetField(rs.FieldIndex(kShipsColumns[c]), row[c]);
        rs.Update();
    }
    g.FileDta1.Refresh();
}

// Walks the other sides' task forces in the game database (the side's own are in the list).
void ForOtherFleets(Game& g, int side, const std::function<void(Recordset&)>& change) {
    g.FileDta1.Refresh();
    Recordset& rs = g.FileDta1.rs();
    if (rs.RecordCount() == 0) return;
    const int plNum = rs.FieldIndex("PlNum");
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        if (rs.Field(plNum).asInt() != side) change(rs);
}

// Changes to what the side is not shown; the per-side totals stay as they were.
using Tamper = std::function<void(SeatedGame&, int side)>;
const std::vector<std::pair<std::string, Tamper>>& Tampers() {
    static const std::vector<std::pair<std::string, Tamper>> tampers{
        {"ships passed round the hidden planets of each owner",
         [](SeatedGame& g, int side) { RotateHidden(g.game.st, side, &PlanetRecord::Ships); }},
        {"production passed round the hidden planets of each owner",
         [](SeatedGame& g, int side) { RotateHidden(g.game.st, side, &PlanetRecord::Production); }},
        {"hidden hostility, limits and purchases",
         [](SeatedGame& g, int side) {
             for (int owner = 0; owner < kSides; ++owner)
                 for (const int i : HiddenPlanetsOf(g.game.st, side, owner)) {
                     PlanetRecord& p = g.game.st.planet(i);
                     p.Hostility = static_cast<Int16>(11 - p.Hostility);
                     p.MaxProd = 20;
                     p.WillProd = 0;
                 }
         }},
        {"what the other sides scouted",
         [](SeatedGame& g, int side) {
             for (int i = 0; i < g.game.st.PlanetsNum; ++i)
                 for (std::size_t s = 0; s < kSides; ++s)
                     if (static_cast<int>(s) != side) {
                         g.game.st.planet(i).KnownShip[s] = 999;
                         g.game.st.planet(i).YearScouted[s] = 1;
                     }
         }},
        {"the Empire's plans",
         [](SeatedGame& g, int) {
             g.game.st.StartPl = g.game.st.planet(0).PlanetId;
             g.game.st.EndPl = g.game.st.planet(1).PlanetId;
             g.game.st.StartYear = static_cast<Int16>(g.game.st.CurrentYear + 3);
             g.game.st.Hatest.fill(9);
             g.game.st.EmpireOut = !g.game.st.EmpireOut;
         }},
        {"the other sides' task forces resized",
         [](SeatedGame& g, int side) {
             ForOtherFleets(g.game, side, [](Recordset& rs) {
                 rs.Edit();
                 rs.SetField(rs.FieldIndex("NumOfShips"), 1LL);
                 rs.Update();
             });
         }},
        {"the other sides' task forces sent elsewhere",
         [](SeatedGame& g, int side) {
             const std::string first = g.game.st.planet(0).PlanetId.padded();
             const std::string second = g.game.st.planet(1).PlanetId.padded();
             ForOtherFleets(g.game, side, [&](Recordset& rs) {
                 const int endPl = rs.FieldIndex("EndPl");
                 rs.Edit();
                 rs.SetField(endPl, rs.Field(endPl).asText() == first ? second : first);
                 rs.Update();
             });
         }},
        {"the other sides' task forces removed",
         [](SeatedGame& g, int side) {
             ForOtherFleets(g.game, side, [](Recordset& rs) { rs.Delete(); });
         }},
        {"the other sides' own figures in the chronicle",
         [](SeatedGame& g, int side) {
             History kept;
             for (std::size_t i = 0; i < g.game.st.Chronicle.size(); ++i) {
                 HistoryYear year = g.game.st.Chronicle[i];
                 for (SideYear& s : year.sides)
                     if (s.side != side) s.shipsInFlight = s.battlesWon = s.battlesLost = 7;
                 kept.add(std::move(year));
             }
             g.game.st.Chronicle = kept;
         }},
        {"the random source advanced",
         [](SeatedGame& g, int) {
             for (int k = 0; k < 7; ++k) g.random.next();
         }},
        {"the random source reseeded",
         [](SeatedGame& g, int) { g.random = SystemRandom(0x5eed + g.game.st.CurrentYear); }},
    };
    return tampers;
}

// A side's orders follow from what it is shown alone: the same turn played again after any
// change to what it is not shown (hidden garrisons, other sides' fleets, their scouting, the
// Empire's plans, the game's random source) gives the very same orders.
TEST(Rival, OrdersDependOnlyOnWhatTheSideIsShown) {
    int compared = 0;
    for (unsigned long long seed = 1; seed <= 6; ++seed) {
        SeatedGame g(seed, {SeatKind::Easy, SeatKind::Normal, SeatKind::Hard},
                     20 + static_cast<int>(seed) * 4, static_cast<int>(seed % 3));
        g.play(static_cast<int>(seed) * 6);
        // Every seat of one year, each on its own turn.
        for (const int year = g.game.st.CurrentYear;
             g.game.st.CurrentYear == year && Winner(g.game) == -1; EndTurn(g.game)) {
            const int side = g.game.st.CurrentPlTurn;
            if (!g.game.st.validPlayer(side)) break;
            const SeatKind kind = g.kinds[static_cast<std::size_t>(side)];
            const GameState before = g.game.st;
            const SystemRandom dice = g.random;
            const FleetRows fleets = StoredFleets(g.game);
            MakeComputerPlayer(kind)->PlayTurn(g.game);
            const std::string expected = OrdersOf(g.game.st);
            for (const auto& [what, tamper] : Tampers()) {
                g.game.st = before;
                g.random = dice;
                tamper(g, side);
                MakeComputerPlayer(kind)->PlayTurn(g.game);
                EXPECT_EQ(OrdersOf(g.game.st), expected) << what << ", seed " << seed;
                PutBackFleets(g.game, fleets);
                ++compared;
            }
            g.game.st = before;
            g.random = dice;
            MakeComputerPlayer(kind)->PlayTurn(g.game);
        }
    }
    EXPECT_GE(compared, 100);  // most seeds reach a year with every seat still in play
}

// Every order a computer gives is one a player could give: from a planet the side owns, no
// more ships than it holds, production raised once a year by one at its price, the list never
// past its last slot; nothing else in the galaxy changes.
TEST(Rival, EveryOrderPassesThePlayersRulesOverManyYears) {
    const struct {
        std::vector<SeatKind> seats;
        int planets;
        int skill;
    } cases[] = {
        {{SeatKind::Hard}, 26, 2},
        {{SeatKind::Easy, SeatKind::Normal}, 12, 0},
        {{SeatKind::Hard, SeatKind::Hard, SeatKind::Normal, SeatKind::Easy}, 50, 1},
    };
    int turns = 0, orders = 0;
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        SeatedGame g(100 + c, cases[c].seats, cases[c].planets, cases[c].skill);
        g.play(120, [&](Game& game, SeatPlayer& player) {
            const GameState before = game.st;
            const int me = before.CurrentPlTurn;
            player.PlayTurn(game);
            const GameState& after = game.st;
            ++turns;
            ASSERT_LE(after.TaskForceLast, kTaskForceSlots - 1);
            ASSERT_GE(after.TaskForceLast, before.TaskForceLast);
            std::vector<long long> sent(kPlanetSlots, 0);
            for (int k = before.TaskForceLast + 1; k <= after.TaskForceLast; ++k) {
                const TaskForceRecord& tf = after.TaskForceList[static_cast<std::size_t>(k)];
                const int from = FindPlanetIndex(after, tf.StartPl.padded());
                const int to = FindPlanetIndex(after, tf.EndPl.padded());
                ASSERT_TRUE(from >= 0 && to >= 0 && from != to) << OrdersOf(after);
                EXPECT_GE(before.planet(from).digit(me), 2) << "sent from a planet not owned";
                EXPECT_GE(tf.NumOfShips, 1);
                EXPECT_EQ(tf.RemTurns, ArrivalYear(before, from, to));
                sent[static_cast<std::size_t>(from)] += tf.NumOfShips;
                ++orders;
            }
            for (int i = 0; i < after.PlanetsNum; ++i) {
                const PlanetRecord &was = before.planet(i), &now = after.planet(i);
                const int raised = now.Production - was.Production;
                const long long price = raised == 1 ? was.Production : 0;
                EXPECT_TRUE(raised == 0 || (raised == 1 && was.digit(me) >= 2 &&
                                            was.WillProd == -1 && was.Production < was.MaxProd))
                    << "planet " << i << " raised by " << raised;
                EXPECT_EQ(now.Ships, was.Ships - sent[static_cast<std::size_t>(i)] - price)
                    << "planet " << i;
                EXPECT_GE(now.Ships, 0) << "planet " << i;
                EXPECT_EQ(now.Scouted.padded(), was.Scouted.padded());
            }
        });
    }
    EXPECT_GT(orders, turns);  // the players did play
}

TEST(Rival, ASeedReplaysTheSameGame) {
    const std::vector<SeatKind> seats{SeatKind::Hard, SeatKind::Easy, SeatKind::Normal};
    std::string first;
    for (int run = 0; run < 2; ++run) {
        SeatedGame g(77, seats, 30, 1);
        g.play(40);
        const std::string picture = sim::DescribeWholeState(g.game.st);
        if (run == 0)
            first = picture;
        else
            EXPECT_EQ(picture, first);
    }
}

// Hard keeps three quarters of another player's garrison at home while that garrison is within a
// strike's reach, six years, and strikes with those ships once it is farther; Easy keeps no such
// reserve, and Normal three quarters of the garrison it sees, though Bob has more ships far off.
// Ann's home holds 150 ships, an Empire planet of 45 lies next to it, and Bob's capital lies six
// or seven years away. Taking the planet asks more than the 90 ships Normal can spare against 80
// of Bob's and no more than the 105 it can spare against 60, whether or not Cid is in the war.
TEST(Rival, HardKeepsAReserveOnlyWhereAnotherPlayerCanStrike) {
    const struct {
        SeatKind level;
        int bobX;
        int bobShips;
        bool cid;  // a third player far off
        bool strikes;
    } cases[] = {
        {SeatKind::Hard, 22, 150, false, false},  {SeatKind::Hard, 24, 150, false, true},
        {SeatKind::Easy, 22, 150, false, true},   {SeatKind::Normal, 22, 150, false, false},
        {SeatKind::Normal, 22, 60, false, true},  {SeatKind::Normal, 22, 60, true, true},
        {SeatKind::Normal, 22, 80, false, false},
    };
    for (const auto& c : cases) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob", "Cid"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(150).production(5, 5).hostility(0)
            .planet(1, 12, 10).ships(45).production(1, 5)
            .planet(2, c.bobX, 10).owner(1).home().ships(c.bobShips).production(5, 5).hostility(0)
            .planet(3, 44, 44).owner(1).ships(300).production(5, 5).hostility(0)
            .planet(4, 44, 1).owner(2).home().ships(c.cid ? 10 : 0).production(c.cid ? 5 : 0, 5)
            .build();
        // clang-format on
        // Without Cid his planet is the Empire's, bare: its totals stay those of its planet of 45.
        if (!c.cid) t.st().planet(4).Scouted = "1000";
        SeenBy(t.st().planet(2), 0, c.bobShips, 5, t.st().CurrentYear);
        SeenBy(t.st().planet(4), 0, c.cid ? 10 : 0, c.cid ? 5 : 0, t.st().CurrentYear);
        MakeComputerPlayer(c.level)->PlayTurn(t.game);
        SCOPED_TRACE(&c - cases);  // the case's place in the table
        EXPECT_EQ(ShipsSent(t.st(), 0, 1, 2) > 0, c.strikes);
        if (!c.strikes) {
            EXPECT_GE(t.st().planet(0).Ships, 112);
        }
    }
}

// Ships on their way earn nothing: Ann's capital of 30 ships can take the Empire's planet of
// 10 ships next door, or its planet of one ship twenty years away at a quarter of the cost.
// Every level strikes next door first, and Hard, which cannot afford both, strikes only there.
TEST(Rival, AStrikeThatPaysSoonerComesFirst) {
    for (const ComputerLevel& level : kComputerLevels) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(30).production(5, 5).hostility(0)
            .planet(1, 12, 10).ships(10).production(0, 5)
            .planet(2, 10, 30).ships(1).production(0, 5)
            .build();
        // clang-format on
        SeenBy(t.st().planet(1), 0, 10, 0, t.st().CurrentYear);
        SeenBy(t.st().planet(2), 0, 1, 0, t.st().CurrentYear);
        MakeComputerPlayer(level.kind)->PlayTurn(t.game);
        ASSERT_GE(t.st().TaskForceLast, 0) << level.word;
        EXPECT_EQ(t.st().TaskForceList[0].EndPl.padded(), t.st().planet(1).PlanetId.padded())
            << level.word;
        if (level.kind == SeatKind::Hard) {
            EXPECT_EQ(t.st().TaskForceLast, 0);
        }
    }
}

// The forecasts read the game's own table: three to one and better costs the attackers
// nothing, six to one and worse for them is hopeless, even odds go either way, and the ships
// asked for grow with the defence and the odds wanted.
TEST(Rival, ForecastsFollowTheCombatResultsTable) {
    CrtTableType crt{};
    ReadCrtFile(std::filesystem::path(ZENTHAR_PROGRAM_DIR) / "crt.dat", crt);
    const struct {
        int a, d;
        double minChance, maxChance;
        double minLeft;
    } cases[] = {
        {30, 10, 1.0, 1.0, 30}, {60, 10, 1.0, 1.0, 60}, {5, 0, 1.0, 1.0, 5}, {10, 60, 0.0, 0.0, 0},
        {20, 10, 0.9, 1.0, 15}, {10, 10, 0.1, 0.9, 1},  {1, 1, 0.1, 0.9, 0},
    };
    for (const auto& c : cases) {
        const rival::BattleForecast f = rival::ForecastBattle(crt, c.a, c.d);
        EXPECT_GE(f.winChance, c.minChance) << c.a << " against " << c.d;
        EXPECT_LE(f.winChance, c.maxChance) << c.a << " against " << c.d;
        EXPECT_GE(f.attackersLeft, c.minLeft) << c.a << " against " << c.d;
    }
    // A battle won leaves at least one attacker, however rare the win; one never won, none.
    for (int d = 1; d <= 20; ++d)
        for (int a = 1; a <= 3 * d; ++a) {
            const rival::BattleForecast f = rival::ForecastBattle(crt, a, d);
            EXPECT_EQ(f.winChance > 0, f.attackersLeft >= 1) << a << " against " << d;
            EXPECT_LE(f.attackersLeft, a) << a << " against " << d;
        }
    int previous = 0;
    for (const int d : {1, 5, 20, 60}) {
        const int sure = rival::ShipsToTake(crt, d, 0.95, 1);
        EXPECT_GT(sure, previous);
        EXPECT_LE(sure, 3 * d + 1);
        EXPECT_LE(rival::ShipsToTake(crt, d, 0.5, 1), sure);
        EXPECT_GE(rival::ShipsToTake(crt, d, 0.95, 4 * d), 4 * d);
        previous = sure;
    }
    // The fewest that do: what is asked takes the planet by the table, one ship fewer would not.
    for (int d = 1; d <= 12; ++d)
        for (const double chance : {0.5, 0.95}) {
            const int a = rival::ShipsToTake(crt, d, chance, 1);
            auto takes = [&](int n) {
                const rival::BattleForecast f = rival::ForecastBattle(crt, n, d);
                return f.winChance >= chance && f.attackersLeft >= 1;
            };
            EXPECT_TRUE(takes(a)) << a << " against " << d;
            if (a > d) {
                EXPECT_FALSE(takes(a - 1)) << a - 1 << " against " << d;
            }
        }
    // What a seat remembers from turn to turn answers as the table does, after another chance
    // or another table was asked about too; by the other table the attackers always lose half.
    CrtTableType hopeless{};
    for (auto& column : hopeless) column.fill(-50);
    rival::TakeCache cache;
    for (const double chance : {0.95, 0.5})
        for (const CrtTableType* table : {&crt, &hopeless, &crt})
            for (const int d : {1, 7, 40})
                EXPECT_EQ(cache.shipsToTake(*table, d, chance),
                          rival::ShipsToTake(*table, d, chance, 1))
                    << d << " at " << chance << (table == &crt ? "" : " by the other table");
}

// The table is played forward for garrisons up to 64 ships; a larger one asks ships in
// proportion. Ann sees 127 ships on the Empire's last planet, which builds none: Hard fears 128,
// twice the table's reach, and sends twice what 64 ask and the one ship that keeps the planet.
// While Bob still holds a planet, far off, the fleet is sized for the odds of a contested
// galaxy, where waiting for better ones hands the planet to him; Cid and Dee are out.
TEST(Rival, AGarrisonBeyondTheTableAsksShipsInProportion) {
    for (const bool bobInTheWar : {false, true}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob", "Cid", "Dee"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(1000).production(10, 10).hostility(0)
            .planet(1, 14, 10).ships(127).production(0, 10).hostility(0)
            .planet(2, 44, 44).owner(1).home().ships(5).production(1, 10).hostility(0)
            .build();
        // clang-format on
        if (!bobInTheWar) t.st().planet(2).Scouted = "1000";
        SeenBy(t.st().planet(1), 0, 127, 0, t.st().CurrentYear);
        SeenBy(t.st().planet(2), 0, 5, 1, t.st().CurrentYear);
        MakeComputerPlayer(SeatKind::Hard)->PlayTurn(t.game);
        const rival::Style hard = rival::StyleOf(SeatKind::Hard);
        const double chance = bobInTheWar ? hard.contestedChance : hard.chance;
        EXPECT_EQ(ShipsSent(t.st(), 0, 1), 2 * rival::ShipsToTake(t.st().CrtTable, 64, chance, 1) +
                                               rival::MostRebels(0, t.st().EmpireSkill) + 1)
            << bobInTheWar;
    }
}

// A planet never scouted is guessed from its side's totals, and feared a fifth above the guess
// and two ships more. The Empire's 20 ships sit on the planet next to Ann, unseen; she saw its
// other planet, far off, hold 30.
TEST(Rival, AnUnseenPlanetIsFearedAboveTheGuess) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"}).skill(1)
        .planet(0, 10, 10).owner(0).home().ships(300).production(10, 10).hostility(0)
        .planet(1, 13, 10).ships(20).production(0, 10).hostility(0)
        .planet(2, 44, 44).ships(30).production(0, 10).hostility(0)
        .build();
    // clang-format on
    SeenBy(t.st().planet(2), 0, 30, 0, t.st().CurrentYear);
    const rival::SideView v = rival::BuildSideView(t.game);
    const int arrival = v.year + v.travel(0, 1);
    const int feared = v.expectedDefence(1, arrival) * 6 / 5 + 2;
    MakeComputerPlayer(SeatKind::Hard)->PlayTurn(t.game);
    EXPECT_EQ(
        ShipsSent(t.st(), 0, 1, 2),
        rival::ShipsToTake(t.st().CrtTable, feared, rival::StyleOf(SeatKind::Hard).chance, 1) +
            rival::MostRebels(6, v.skill) - v.planet(1).production + 1);
}

// In the last year of a game of five, Ann's only rival lies beyond any flight that could land
// in time: no level sends a ship, not even a scout to look again, and the capital keeps all.
TEST(Rival, InTheLastYearASeatWithNothingInReachKeepsItsShips) {
    for (const ComputerLevel& level : kComputerLevels) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(kFirstYear + 4)
            .planet(0, 5, 5).owner(0).home().ships(150).production(30, 30).hostility(0)
            .planet(1, 40, 40).owner(1).home().ships(20).production(5, 10).hostility(0)
            .build();
        // clang-format on
        t.st().GameLength = 5;
        MakeComputerPlayer(level.kind)->PlayTurn(t.game);
        const int sent = t.st().TaskForceLast + 1;
        EXPECT_EQ(std::pair(sent, t.st().planet(0).Ships + 0), std::pair(0, 150)) << level.word;
    }
}

// Every level knows the clock of a game of chosen length. In the last year Ann's capital
// (150 ships, production 15) has the Empire's planets one year and ten years away: a fleet to
// the far one would land after the last year end, so none is sent, while the near one is still
// struck; a raise at 15 ships no longer pays in score. Until conquest, or with 36 years left
// of a game of 40, both are struck and Hard raises.
TEST(Rival, InTheLastYearNoFleetIsSentThatCannotLandInTime) {
    for (const ComputerLevel& level : kComputerLevels)
        for (const int length : {0, 5, 40}) {
            TestGame t;
            // clang-format off
            GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(kFirstYear + 4)
                .planet(0, 5, 5).owner(0).home().ships(150).production(15, 30).hostility(0)
                .planet(1, 5, 7).ships(2).production(3, 10)
                .planet(2, 5, 25).ships(5).production(8, 10)
                .planet(3, 40, 40).owner(1).home().ships(20).production(5, 10).hostility(0)
                .build();
            // clang-format on
            t.st().GameLength = static_cast<Int16>(length);
            MakeComputerPlayer(level.kind)->PlayTurn(t.game);
            const std::string name =
                std::string(level.word) + " at length " + std::to_string(length);
            int late = 0, near = 0;
            for (int k = 0; k <= t.st().TaskForceLast; ++k) {
                const TaskForceRecord& tf = t.st().TaskForceList[static_cast<std::size_t>(k)];
                if (!LandsInTime(5, tf.RemTurns)) ++late;
                if (tf.EndPl.padded() == t.st().planet(1).PlanetId.padded()) ++near;
            }
            EXPECT_EQ(late > 0, length != 5) << name;
            EXPECT_GE(near, 1) << name;
            if (level.kind == SeatKind::Hard) {
                EXPECT_EQ(t.st().planet(0).Production, length == 5 ? 15 : 16) << name;
            }
        }
}

}  // namespace
}  // namespace zenthar::testing
