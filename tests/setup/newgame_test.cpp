// A new game: the set-up checks in their order, and the game it creates in memory and in the
// working game database (read back through a second connection).
#include <gtest/gtest.h>

#include <stdexcept>

#include "game/random.h"
#include "game/sqlite.h"
#include "game/storage_error.h"
#include "setup/galaxy.h"
#include "setup/newgame.h"
#include "support/galaxy_builder.h"
#include "turn/taskforces.h"

namespace zenthar {
namespace {

// A Game like TestGame but with a real, seeded random source.
struct SeededGame {
    testing::TempProgramFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::RecordingDisplay display;
    testing::RecordingView view;
    SystemRandom random{42};
    Game game{folder.path(), dialogs, display, view, random};
    SeededGame() { StartUp(game); }
};

NewGameSettings Defaults(const GameState& st) {
    NewGameSettings s;
    s.players = 1;
    s.names = {"Ann", "", "", ""};
    for (std::size_t k = 0; k < 4; ++k) s.homePlanets[k] = st.PlanetList[k].Name.padded();
    s.symbols = {"shipvert.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    s.planets = 26;
    s.gameType = 1;
    s.skill = 0;
    return s;
}

struct Rows {
    std::vector<std::map<std::string, FieldValue>> rows;
    const FieldValue& at(std::size_t row, const std::string& field) const {
        return rows.at(row).at(field);
    }
};

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
            out.rows.push_back(std::move(row));
        }
    }
    game.FileDta1.rebind(game.WorkingFile(), "Ships");
    return out;
}

TEST(CheckNewGame, MessagesComeInTheirOrder) {
    testing::TestGame t;
    const GameState& st = t.st();
    NewGameSettings s = Defaults(st);
    EXPECT_EQ(CheckNewGame(st, s), std::nullopt);

    // Every fault at once: the names come first.
    NewGameSettings bad = s;
    bad.players = 2;
    bad.names = {"Ann", "   ", "", ""};
    bad.homePlanets[3] = bad.homePlanets[0];
    bad.symbols[0] = "mac.ico";
    bad.planets = 99;
    EXPECT_EQ(CheckNewGame(st, bad), "Fill in Players' Names, please.");
    bad.names[1] = " Bob ";  // blanks around a name are fine
    EXPECT_EQ(CheckNewGame(st, bad), "Multiple players can't have the same Home Planet.");
    bad.homePlanets[3] = st.PlanetList[3].Name.padded();
    EXPECT_EQ(CheckNewGame(st, bad), "More players can't have the same Symbol.");
    bad.symbols[0] = "shipvert.ico";
    for (int planets : {99, 4, 51, 0, -5}) {
        bad.planets = planets;
        EXPECT_EQ(CheckNewGame(st, bad), "The number of stars must be between 5 and 50");
    }
    for (int planets : {5, 50, 26}) {
        bad.planets = planets;
        EXPECT_EQ(CheckNewGame(st, bad), std::nullopt) << planets;
    }
}

// Rows of absent players still count for homes and symbols, but their home may lie anywhere.
TEST(CheckNewGame, AbsentPlayersRowsAndHomesBeyondTheGalaxy) {
    testing::TestGame t;
    NewGameSettings s = Defaults(t.st());
    s.homePlanets[3] = s.homePlanets[2];
    EXPECT_EQ(CheckNewGame(t.st(), s), "Multiple players can't have the same Home Planet.");
    s = Defaults(t.st());
    s.symbols[0] = "mac.ico";  // row 0 stepped once onto row 1's symbol
    EXPECT_EQ(CheckNewGame(t.st(), s), "More players can't have the same Symbol.");

    s = Defaults(t.st());
    s.players = 2;
    s.names = {"Ann", "Bob", "", ""};
    s.planets = 5;
    s.homePlanets[1] = t.st().PlanetList[7].Name.padded();  // the 8th name, beyond 5 planets
    EXPECT_EQ(CheckNewGame(t.st(), s),
              "The Home Planet of Bob must be one of the first 5 planets of the list, please.");
    s.planets = 8;
    EXPECT_EQ(CheckNewGame(t.st(), s), std::nullopt);
    s.planets = 5;
    std::swap(s.homePlanets[0], s.homePlanets[1]);
    EXPECT_EQ(CheckNewGame(t.st(), s),
              "The Home Planet of Ann must be one of the first 5 planets of the list, please.");
    s.homePlanets[0] = t.st().PlanetList[0].Name.padded();
    s.homePlanets[1] = t.st().PlanetList[1].Name.padded();
    s.homePlanets[3] = t.st().PlanetList[40].Name.padded();
    EXPECT_EQ(CheckNewGame(t.st(), s), std::nullopt);

    // A names file shorter than the galaxy: the planets beyond it would have no name or id.
    t.st().PlanetNamesLast = 6;
    s.planets = 8;
    EXPECT_EQ(CheckNewGame(t.st(), s),
              "There are names for only 7 planets: the number of stars must be at most that.");
    s.planets = 7;
    EXPECT_EQ(CheckNewGame(t.st(), s), std::nullopt);
}

TEST(CheckNewGame, SymbolsStepRoundTheCycle) {
    const std::pair<const char*, const char*> steps[] = {{"shipvert.ico", "mac.ico"},
                                                         {"mac.ico     ", "shiporiz.ico"},
                                                         {"shiporiz.ico", "flsp.ico"},
                                                         {"flsp.ico", "shipvert.ico"},
                                                         {"empire.ico", "empire.ico"}};
    for (const auto& [from, to] : steps) EXPECT_EQ(NextSymbol(from), to) << from;
}

TEST(CheckNewGame, NumberOfPlanetsAsTyped) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"26", 26}, {" 12abc", 12}, {"abc", 0},   {"", 0},         {"5.9", 6},
        {"26.5", 26}, {"4.9", 4},   {"50.5", 51}, {"99999999999", 1000}, {"-7", -1}};
    // clang-format on
    for (const auto& [typed, n] : cases) EXPECT_EQ(NumberOfPlanetsTyped(typed), n) << typed;
    for (const char* typed : {"4", "4.9", "51", "50.5", "50.01", "0", "abc", "-7", "99999999999"})
        EXPECT_EQ(CheckNumberOfPlanets(NumberOfPlanetsTyped(typed)),
                  "The number of stars must be between 5 and 50")
            << typed;
    for (const char* typed : {"5", "50", "26", "49.9"})
        EXPECT_EQ(CheckNumberOfPlanets(NumberOfPlanetsTyped(typed)), std::nullopt) << typed;
}

TEST(CreateNewGame, OnePlayerWritesOneConfigurationRow) {
    SeededGame g;
    NewGameSettings s = Defaults(g.game.st);
    s.homePlanets[0] = g.game.st.PlanetList[6].Name.padded();
    s.homePlanets[1] = g.game.st.PlanetList[1].Name.padded();
    s.symbols = {"mac.ico", "shipvert.ico", "shiporiz.ico", "flsp.ico"};
    s.skill = 1;
    s.gameType = 0;
    CreateNewGame(g.game, s);
    const GameState& st = g.game.st;

    Rows cfg = ReadTable(g.game, "AppCfg");
    ASSERT_EQ(cfg.rows.size(), 1U);
    // clang-format off
    const std::pair<const char*, FieldValue> fields[] = {
        {"PlayesNum", 1},       {"PlanetsNum", 26},      {"GameType", 0},   {"EmpireSkill", 1},
        {"CurrentYear", 4100},  {"CurrentPlTurn", 0},    {"PlName1", "Ann"},
        {"PlSymbol", "mac.ico     "}, {"PlHome", 6},     {"Hatest", 0},     {"StartYear", 0},
        {"StartPl", ""},        {"EndPl", ""},           {"EmpireOut", FieldValue()},
        {"EndTurnScreen", FieldValue()}, {"SoundsOff", FieldValue()}};
    // clang-format on
    for (const auto& [field, value] : fields) EXPECT_EQ(cfg.at(0, field), value) << field;

    EXPECT_EQ(st.EmpireSkill, 1);
    EXPECT_EQ(st.PlSymbol[1].padded(), "shipvert.ico");
    EXPECT_EQ(st.planet(6).Production, 12);
    EXPECT_FALSE(st.GameActive);  // the main window starts the game
}

TEST(CreateNewGame, PlanetRowsMirrorTheGalaxyBeforeTheEmpireIsDealt) {
    SeededGame g;
    NewGameSettings s = Defaults(g.game.st);
    s.players = 3;
    s.names = {"Ann", "Bob", "Cy", ""};
    s.homePlanets = {g.game.st.PlanetList[2].Name.padded(), g.game.st.PlanetList[0].Name.padded(),
                     g.game.st.PlanetList[9].Name.padded(), g.game.st.PlanetList[1].Name.padded()};
    s.planets = 12;
    CreateNewGame(g.game, s);
    const GameState& st = g.game.st;

    Rows cfg = ReadTable(g.game, "AppCfg");
    ASSERT_EQ(cfg.rows.size(), 3U);
    const std::array<std::string, 3> names{"Ann", "Bob", "Cy"};
    const std::array<std::string, 3> symbols{"shipvert.ico", "mac.ico     ", "shiporiz.ico"};
    const std::array<int, 3> homes{2, 0, 9};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(cfg.at(k, "PlName1").asText(), names[k]);
        EXPECT_EQ(cfg.at(k, "PlSymbol").asText(), symbols[k]);
        EXPECT_EQ(cfg.at(k, "PlHome").asInt(), homes[k]);
        EXPECT_EQ(cfg.at(k, "PlanetsNum").asInt(), 12);
    }
    // Later rows carry no campaign fields.
    for (std::size_t k = 1; k < 3; ++k)
        for (const char* f : {"Hatest", "StartYear", "StartPl", "EndPl"})
            EXPECT_TRUE(cfg.at(k, f).isNull()) << f << " of row " << k;

    Rows planets = ReadTable(g.game, "Planets");
    ASSERT_EQ(planets.rows.size(), 12U);
    for (std::size_t i = 0; i < 12; ++i) {
        const PlanetRecord& p = st.PlanetList[i];
        const bool capital = i == 2 || i == 0 || i == 9;
        // The Empire's ships reach the database with the first save.
        // clang-format off
        const std::pair<const char*, FieldValue> fields[] = {
            {"PlanetId", p.PlanetId.padded()}, {"Name", p.Name.padded()}, {"XPos", p.XPos},
            {"YPos", p.YPos}, {"Scouted", p.Scouted.padded()}, {"MaxProd", p.MaxProd},
            {"Production", p.Production}, {"WillProd", -1}, {"Hostility", p.Hostility},
            {"Ico", p.Ico.padded()}, {"Ships", capital ? p.Ships : 0}};
        // clang-format on
        for (const auto& [field, value] : fields)
            EXPECT_EQ(planets.at(i, field), value) << field << " of planet " << i;
        EXPECT_GT(p.Ships, 0);
        for (const char* f : {"KnownShip", "KnownProd", "KnownHost", "YearScouted"})
            for (int k = 1; k <= 5; ++k)
                EXPECT_EQ(planets.at(i, f + std::to_string(k)), FieldValue(0));
    }
    EXPECT_EQ(st.planet(9).Scouted.padded(), "0030");
}

TEST(CreateNewGame, SecondGameLeavesOnlyItsOwnRows) {
    SeededGame g;
    NewGameSettings first = Defaults(g.game.st);
    first.players = 4;
    first.names = {"Ann", "Bob", "Cy", "Di"};
    first.planets = 40;
    CreateNewGame(g.game, first);
    // Play a little: task forces stored, campaign state set.
    GameState& st = g.game.st;
    st.GameActive = true;
    st.CurrentPlTurn = 1;
    ASSERT_EQ(LaunchTaskForce(st, st.PlHome[1], 20, 3), LaunchResult::Launched);
    SaveTaskForces(g.game);
    st.Hatest = {3, 4, 5, 6, 7};
    st.StartYear = 4105;
    st.StartPl = "07";
    st.EndPl = "09";
    st.EmpireOut = true;
    st.VictoryAnswer = 6;  // the first game's winner chose to carry on
    ASSERT_EQ(ReadTable(g.game, "Ships").rows.size(), 1U);

    NewGameSettings second = Defaults(g.game.st);
    second.names = {"Zed", "", "", ""};
    second.planets = 5;
    CreateNewGame(g.game, second);

    EXPECT_EQ(ReadTable(g.game, "AppCfg").at(0, "PlName1").asText(), "Zed");
    EXPECT_EQ(ReadTable(g.game, "Planets").rows.size(), 5U);
    EXPECT_EQ(ReadTable(g.game, "Ships").rows.size(), 0U);
    EXPECT_EQ(st.TaskForceLast, -1);
    for (Int16 h : st.Hatest) EXPECT_EQ(h, 0);
    EXPECT_EQ(st.StartYear, 0);
    EXPECT_TRUE(st.StartPl.blank());
    EXPECT_TRUE(st.EndPl.blank());
    EXPECT_FALSE(st.EmpireOut);
    EXPECT_EQ(st.VictoryAnswer, 0) << "the new game's winner is congratulated";
    EXPECT_TRUE(st.PlName[1].blank());
    EXPECT_EQ(st.planet(20).XPos, 0);  // nothing left of the earlier, wider galaxy
    EXPECT_EQ(g.game.FileDta1.recordSource(), "Ships");  // back on the task forces
    // The ranking belongs to the new galaxy.
    for (int k = 0; k < 5; ++k)
        EXPECT_LE(std::stoi(st.ProdOrder[static_cast<std::size_t>(k)].padded()), 5);
}

TEST(CreateNewGame, LongNamesAreCutToForty) {
    SeededGame g;
    NewGameSettings s = Defaults(g.game.st);
    s.names[0] = std::string(45, 'x');
    CreateNewGame(g.game, s);
    EXPECT_EQ(g.game.st.PlName[0].padded(), std::string(40, 'x'));
    EXPECT_EQ(ReadTable(g.game, "AppCfg").at(0, "PlName1").asText(), std::string(40, 'x'));
    // The cut counts characters: 40 accented letters are kept whole, the 41st goes.
    std::string accents;
    for (int i = 0; i < 41; ++i) accents += "\xC3\xA9";
    s.names[0] = accents;
    CreateNewGame(g.game, s);
    EXPECT_EQ(g.game.st.PlName[0].padded(), accents.substr(0, 80));
    EXPECT_EQ(ReadTable(g.game, "AppCfg").at(0, "PlName1").asText(), accents.substr(0, 80));
}

TEST(CreateNewGame, RefusedSettingsChangeNothing) {
    SeededGame g;
    CreateNewGame(g.game, Defaults(g.game.st));
    const GameState before = g.game.st;
    NewGameSettings s = Defaults(g.game.st);
    s.players = 2;
    s.names = {"Ann", "Bob", "", ""};
    s.planets = 5;
    s.homePlanets[1] = g.game.st.PlanetList[30].Name.padded();
    EXPECT_THROW(CreateNewGame(g.game, s), std::invalid_argument);
    EXPECT_EQ(g.game.st.PlayesNum, before.PlayesNum);
    EXPECT_EQ(g.game.st.planet(3).XPos, before.planet(3).XPos);
    EXPECT_EQ(ReadTable(g.game, "Planets").rows.size(), 26U);
}

TEST(CreateNewGame, AFailingDatabaseLeavesTheRunningGame) {
    SeededGame g;
    NewGameSettings s = Defaults(g.game.st);
    CreateNewGame(g.game, s);
    const GameState before = g.game.st;
    // Someone broke the working file: the first planet row of the new game cannot be stored,
    // after the old rows were removed and the new configuration row was written.
    g.game.FileDta1.release();
    {
        sqlite::Database other(g.game.WorkingFile(), sqlite::Database::Mode::ReadWrite);
        other.exec("ALTER TABLE Planets RENAME COLUMN Ico TO Icon");
    }
    g.game.FileDta1.rebind(g.game.WorkingFile(), "Ships");
    s.planets = 30;
    s.names[0] = "Bea";
    EXPECT_THROW(CreateNewGame(g.game, s), StorageError);
    EXPECT_EQ(g.game.st.PlanetsNum, 26);
    for (int i = 0; i < 26; ++i) EXPECT_EQ(g.game.st.planet(i).Ships, before.planet(i).Ships);
    // The removal and the new rows were rolled back: the old game's rows are all there.
    Rows cfg = ReadTable(g.game, "AppCfg");
    ASSERT_EQ(cfg.rows.size(), 1U);
    EXPECT_EQ(cfg.at(0, "PlName1").asText(), "Ann");
    g.game.FileDta1.release();
    {
        // Counted by hand: the broken column keeps the game from reading the table by name.
        sqlite::Database file(g.game.WorkingFile(), sqlite::Database::Mode::ReadOnly);
        sqlite::Statement count(file.get(), "SELECT count(*) FROM Planets");
        ASSERT_TRUE(count.step());
        EXPECT_EQ(count.columnInt(0), 26);
    }
    EXPECT_EQ(g.game.st.PlName[0].trimmed(), "Ann");
}

}  // namespace
}  // namespace zenthar
