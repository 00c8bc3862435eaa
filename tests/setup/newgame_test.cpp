// A new game: the set-up checks in their order, and the game it creates in memory and in the
// working game database (read back through a second connection).
#include <stdexcept>

#include "game/random.h"
#include "setup/newgame.h"
#include "support/galaxy_builder.h"

namespace zenthar {
namespace {

// The set-up dialog's choices as far as they differ from one player, Ann, in a simple Beginner
// game of 26 planets, every row on its own planet of the list and its own symbol.
struct Choices {
    int players = 1;
    std::array<std::string, 4> names{"Ann"};
    std::array<int, 4> homes{0, 1, 2, 3};  // positions in the planet list
    std::array<std::string, 4> symbols{"shipvert.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    int planets = 26;
    int skill = 0;
    int gameType = 1;
    std::optional<std::string> refusal{};  // what CheckNewGame says to them
    std::array<SeatKind, 4> seats{};
    int gameLength = 0;
};

NewGameSettings Settings(const GameState& st, const Choices& c = {}) {
    NewGameSettings s{c.players,  c.names, {},      c.symbols,   c.planets,
                      c.gameType, c.skill, c.seats, c.gameLength};
    for (std::size_t k = 0; k < 4; ++k)
        s.homePlanets[k] = st.PlanetList[static_cast<std::size_t>(c.homes[k])].Name.padded();
    return s;
}

// A Game like TestGame but with a real, seeded random source.
struct SeededGame {
    testing::TempProgramFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::RecordingDisplay display;
    testing::RecordingView view;
    SystemRandom random{42};
    Game game{folder.path(), dialogs, display, view, random};
    SeededGame() { StartUp(game); }
    void create(const Choices& c) { CreateNewGame(game, Settings(game.st, c)); }
};

using Rows = std::vector<std::map<std::string, FieldValue>>;

// Reads a table through a connection of its own, as a saved game would be read. The game holds
// its working file alone, so it lets go meanwhile and binds again as after any command.
Rows ReadTable(Game& game, const std::string& table) {
    game.FileDta1.release();
    Rows out;
    {
        Connection c;
        c.setDatabaseName(game.WorkingFile());
        c.setRecordSource(table);
        c.Refresh();
        const TableDef* def = FindTable(table);
        for (c.rs().MoveFirst(); !c.rs().EOF_(); c.rs().MoveNext()) {
            std::map<std::string, FieldValue> row;
            for (const FieldDef& f : def->fields) row[std::string(f.name)] = c.rs().Field(f.name);
            out.push_back(std::move(row));
        }
    }
    game.FileDta1.rebind(game.WorkingFile(), "Ships");
    return out;
}

TEST(CheckNewGame, MessagesComeInTheirOrder) {
    const char* const kPlayers = "The number of players must be between 1 and 4.";
    const char* const kNames = "Fill in Players' Names, please.";
    const char* const kSameName = "Multiple players can't have the same Name.";
    const char* const kHome = "Multiple players can't have the same Home Planet.";
    const char* const kSymbol = "More players can't have the same Symbol.";
    const char* const kStars = "The number of stars must be between 5 and 50";
    const char* const kSkill = "Choose the Empire Skill Level, please.";
    const std::array<std::string, 4> annBob{"Ann", " Bob "};  // blanks around a name are fine
    const std::array<int, 4> row0Twice{0, 0, 2, 3};
    const std::array<std::string, 4> macTwice{"mac.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    // clang-format off
    const Choices cases[] = {
        {},
        // Every fault at once, then one put right after the other.
        {.players = 2, .names = {"Ann", "   "}, .homes = row0Twice, .symbols = macTwice,
         .planets = 99, .refusal = kNames},
        {.players = 2, .names = {"Ann", " Ann"}, .homes = row0Twice, .symbols = macTwice,
         .planets = 99, .refusal = kSameName},
        {.players = 4, .names = {"Ann", "Bob", "Cy", "Bob" + std::string(40, ' ') + "x"},
         .homes = {0, 1, 2, 3}, .refusal = kSameName},
        {.players = 2, .names = annBob, .homes = row0Twice, .symbols = macTwice, .planets = 99,
         .refusal = kHome},
        {.players = 2, .names = annBob, .symbols = macTwice, .planets = 99, .refusal = kSymbol},
        {.players = 2, .names = annBob, .planets = 99, .skill = 3, .refusal = kStars},
        {.skill = 3, .gameType = 2, .refusal = kSkill},
        {.gameType = 2, .refusal = "Choose the Game Type, please."},
        {.players = 0, .refusal = kPlayers}, {.players = 5, .refusal = kPlayers},
        {.planets = 4, .refusal = kStars}, {.planets = 51, .refusal = kStars},
        {.planets = 5}, {.skill = -1, .refusal = kSkill},
        {.refusal = "Choose who plays each player, please.", .seats = {static_cast<SeatKind>(4)}},
        {.seats = {SeatKind::Hard, SeatKind::Easy, SeatKind::Normal, SeatKind::Human}},
        // Rows of absent players take no part: their homes, symbols and names are nobody's...
        {.homes = {0, 0, 2, 2}, .symbols = macTwice},
        {.players = 3, .names = {"Ann", "Bob", "Cy", "Ann"}, .homes = {0, 1, 2, 2},
         .symbols = {"a", "b", "c", "a"}},
        {.players = 4, .names = {"Ann", "Bob", "Cy", "Di"}, .homes = {0, 1, 2, 2},
         .refusal = kHome},
        {.players = 4, .names = {"Ann", "Bob", "Cy", "Di"}, .symbols = {"a", "b", "c", "a"},
         .refusal = kSymbol},
        {.players = 2, .names = {"Ann", "ann"}},  // letter case tells names apart
        // ... and their home may lie anywhere; a player's home must be within the galaxy.
        {.players = 2, .names = annBob, .homes = {0, 1, 2, 40}, .planets = 5},
        {.players = 2, .names = annBob, .homes = {0, 7, 2, 3}, .planets = 8},
        {.players = 2, .names = annBob, .homes = {0, 7, 2, 3}, .planets = 5, .refusal =
         "The Home Planet of Bob must be one of the first 5 planets of the list, please."},
        {.players = 2, .names = annBob, .homes = {7, 0, 2, 3}, .planets = 5, .refusal =
         "The Home Planet of Ann must be one of the first 5 planets of the list, please."}};
    // clang-format on
    testing::TestGame t;
    for (const Choices& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
        EXPECT_EQ(CheckNewGame(t.st(), Settings(t.st(), c)), c.refusal);
    }
    // A names file shorter than the galaxy: the planets beyond it would have no name or id.
    t.st().PlanetNamesLast = 6;
    EXPECT_EQ(CheckNewGame(t.st(), Settings(t.st(), {.planets = 8})),
              "There are names for only 7 planets: the number of stars must be at most that.");
    EXPECT_EQ(CheckNewGame(t.st(), Settings(t.st(), {.planets = 7})), std::nullopt);
}

TEST(CheckNewGame, SymbolsStepRoundTheCycle) {
    // clang-format off
    const std::pair<const char*, const char*> steps[] = {
        {"shipvert.ico", "mac.ico"}, {"mac.ico     ", "shiporiz.ico"}, {"shiporiz.ico", "flsp.ico"},
        {"flsp.ico", "shipvert.ico"}, {"empire.ico", "empire.ico"}};
    // clang-format on
    for (const auto& [from, to] : steps) EXPECT_EQ(NextSymbol(from), to) << from;
}

// The range itself is checked on the number as CheckNewGame gets it.
TEST(CheckNewGame, NumberOfPlanetsAsTyped) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"26", 26}, {" 12abc", 12}, {"abc", 0},   {"", 0},         {"5.9", 6},  {"49.9", 50},
        {"26.5", 26}, {"4.9", 4},   {"50.5", 51}, {"50.01", 51}, {"99999999999", 1000}, {"-7", -1}};
    // clang-format on
    for (const auto& [typed, n] : cases) EXPECT_EQ(NumberOfPlanetsTyped(typed), n) << typed;
}

// A game length is until conquest (0) or a whole number of years up to a thousand; anything
// else typed is refused at OK, before the running game changes.
TEST(CheckNewGame, GameLengthAsTypedAndItsRange) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"30", 30}, {" 75 ", 75}, {"1", 1}, {"1000", 1000}, {"1001", -1}, {"0", -1}, {"", -1},
        {"-5", -1}, {"7.5", -1}, {"12 years", -1}, {"99999", -1}, {"x", -1}};
    // clang-format on
    for (const auto& [typed, years] : cases) EXPECT_EQ(GameLengthTyped(typed), years) << typed;
    testing::TestGame t;
    const std::string range = "The game length must be a whole number of years from 1 to 1000.";
    for (int length : {-1, 1001})
        EXPECT_EQ(CheckNewGame(t.st(), Settings(t.st(), {.gameLength = length})), range);
    for (int length : {0, 1, 1000})
        EXPECT_EQ(CheckNewGame(t.st(), Settings(t.st(), {.gameLength = length})), std::nullopt);
}

TEST(CreateNewGame, ConfigurationAndPlanetRowsMirrorTheGalaxyBeforeTheEmpireIsDealt) {
    SeededGame g;
    // clang-format off
    const Choices c{.players = 3, .names = {"Ann", "Bob", "Cy"}, .homes = {6, 0, 9, 1},
                    .symbols = {"mac.ico", "shipvert.ico", "shiporiz.ico", "flsp.ico"},
                    .planets = 12, .skill = 1, .gameType = 0,
                    .seats = {SeatKind::Hard, SeatKind::Human, SeatKind::Easy, SeatKind::Normal},
                    .gameLength = 50};
    // clang-format on
    g.create(c);
    const GameState& st = g.game.st;
    // The main window starts the game; the fourth symbol is kept; an Intermidiate capital.
    EXPECT_EQ(std::tuple(st.GameActive, st.PlSymbol[3].padded(), st.planet(6).Production),
              std::tuple(false, "flsp.ico    ", 12));
    // The fourth row's choice is no player's.
    EXPECT_EQ(st.Seats,
              (std::array{SeatKind::Hard, SeatKind::Human, SeatKind::Easy, SeatKind::Human}));

    Rows cfg = ReadTable(g.game, "AppCfg");
    ASSERT_EQ(cfg.size(), 3U);
    for (std::size_t k = 0; k < 3; ++k) {
        // Later rows carry no campaign fields.
        const auto first = [k](FieldValue v) { return k == 0 ? v : FieldValue(); };
        // clang-format off
        const std::pair<const char*, FieldValue> fields[] = {
            {"PlayesNum", 3},         {"PlanetsNum", 12},        {"GameType", 0},
            {"EmpireSkill", 1},       {"CurrentYear", 4100},     {"CurrentPlTurn", 0},
            {"PlName1", c.names[k]},  {"PlHome", c.homes[k]},
            {"PlSymbol", FixedText<12>(c.symbols[k]).padded()},
            {"Hatest", first(0)},     {"StartYear", first(0)},   {"StartPl", first("")},
            {"EndPl", first("")},     {"EmpireOut", FieldValue()},
            {"EndTurnScreen", FieldValue()}, {"SoundsOff", FieldValue()},
            {"Seat", static_cast<int>(c.seats[k])}, {"GameLength", 50}};
        // clang-format on
        for (const auto& [field, value] : fields)
            EXPECT_EQ(cfg.at(k).at(field), value) << field << " of row " << k;
    }

    Rows planets = ReadTable(g.game, "Planets");
    ASSERT_EQ(planets.size(), 12U);
    for (std::size_t i = 0; i < 12; ++i) {
        const PlanetRecord& p = st.PlanetList[i];
        const bool capital = i == 6 || i == 0 || i == 9;
        // The Empire's ships reach the database with the first save.
        // clang-format off
        const std::pair<const char*, FieldValue> fields[] = {
            {"PlanetId", p.PlanetId.padded()}, {"Name", p.Name.padded()}, {"XPos", p.XPos},
            {"YPos", p.YPos}, {"Scouted", p.Scouted.padded()}, {"MaxProd", p.MaxProd},
            {"Production", p.Production}, {"WillProd", -1}, {"Hostility", p.Hostility},
            {"Ico", p.Ico.padded()}, {"Ships", capital ? p.Ships : 0}};
        // clang-format on
        for (const auto& [field, value] : fields)
            EXPECT_EQ(planets.at(i).at(field), value) << field << " of planet " << i;
        for (const char* f : {"KnownShip", "KnownProd", "KnownHost", "YearScouted"})
            for (int k = 1; k <= 5; ++k)
                EXPECT_EQ(planets.at(i).at(f + std::to_string(k)), FieldValue(0));
    }
}

TEST(CreateNewGame, ASecondGameLeavesOnlyItsOwnRowsAndCutsLongNames) {
    SeededGame g;
    g.create({.players = 4, .names = {"Ann", "Bob", "Cy", "Di"}, .planets = 40});
    // Play a little: task forces stored, campaign state set.
    GameState& st = g.game.st;
    st.CurrentPlTurn = 1;
    ASSERT_EQ(LaunchTaskForce(st, st.PlHome[1], 20, 3), LaunchResult::Launched);
    SaveTaskForces(g.game);
    st.Hatest = {3, 4, 5, 6, 7};
    st.StartYear = 4105;
    st.StartPl = "07";
    st.EndPl = "09";
    st.EmpireOut = true;
    st.VictoryAnswer = 6;  // the first game's winner chose to carry on
    ASSERT_EQ(ReadTable(g.game, "Ships").size(), 1U);

    // Its player's name is cut to 40 characters, not bytes: the 40th letter is kept whole
    // although it ends past the 40th byte.
    g.create({.names = {std::string(39, 'x') + "\xC3\xA9\xC3\xA9"}, .planets = 5});
    const std::string cut = std::string(39, 'x') + "\xC3\xA9";
    EXPECT_EQ(
        std::tuple(st.PlName[0].padded(), ReadTable(g.game, "AppCfg").at(0).at("PlName1").asText(),
                   ReadTable(g.game, "Planets").size(), ReadTable(g.game, "Ships").size()),
        std::tuple(cut, cut, 5U, 0U));
    EXPECT_EQ(g.game.FileDta1.recordSource(), "Ships");  // back on the task forces
    // Nothing left of the first game's campaign, players or wider galaxy, and the new game's
    // winner is congratulated.
    EXPECT_EQ(std::tuple(st.TaskForceLast, st.StartYear, st.EmpireOut, st.VictoryAnswer),
              std::tuple(-1, 0, false, 0));
    EXPECT_EQ(st.Hatest, decltype(st.Hatest){});
    EXPECT_TRUE(st.StartPl.blank() && st.EndPl.blank() && st.PlName[1].blank());
    EXPECT_EQ(st.planet(20).XPos, 0);
    for (int k = 0; k < 5; ++k)
        EXPECT_LE(std::stoi(st.ProdOrder[static_cast<std::size_t>(k)].padded()), 5);
}

// Refused settings and a database that cannot be written both leave the running game whole, in
// memory and on disk.
TEST(CreateNewGame, RefusedSettingsOrAFailingDatabaseLeaveTheRunningGame) {
    SeededGame g;
    g.create({});
    const GameState before = g.game.st;
    EXPECT_THROW(
        g.create({.players = 2, .names = {"Ann", "Bob"}, .homes = {0, 30, 2, 3}, .planets = 5}),
        std::invalid_argument);
    // Someone broke the working file: the first planet row of the new game cannot be stored,
    // after the old rows were removed and the new configuration row was written.
    testing::EditWorkingFile(g.game, "ALTER TABLE Planets RENAME COLUMN Ico TO Icon");
    EXPECT_THROW(g.create({.names = {"Bea"}, .planets = 30}), StorageError);

    // Neither game took over, and the removal and the new rows were rolled back.
    EXPECT_EQ(sim::DescribeWholeState(g.game.st), sim::DescribeWholeState(before));
    Rows cfg = ReadTable(g.game, "AppCfg");
    ASSERT_EQ(cfg.size(), 1U);
    EXPECT_EQ(cfg.at(0).at("PlName1").asText(), "Ann");
    g.game.FileDta1.release();
    // Counted by hand: the broken column keeps the game from reading the table by name.
    EXPECT_EQ(testing::QueryText(g.game.WorkingFile(), "SELECT count(*) FROM Planets"), "26");
}

}  // namespace
}  // namespace zenthar
