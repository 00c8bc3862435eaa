// Builds tiny galaxies for tests in a few lines:
//   GalaxyBuilder(game).players({"Ann", "Bob"})
//       .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
//       .planet(1, 9, 5).ships(4)
//       .build();
// Planets not given an owner belong to the Empire. build() sets PlanetsNum, PlayesNum, the
// year, ProdOrder and GameActive and empties the task-force list in memory; the Ships table
// and CurrentPlTurn are left as they are (a fresh TestGame starts with both empty and 0).
// Being in every test, it also brings what most tests use: GoogleTest, the standard library's
// common parts, the task-force orders, the database and its errors, and the save-file tools.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/silent.h"
#include "game/sqlite.h"
#include "game/storage_error.h"
#include "rivals/rival.h"
#include "sim/simulation.h"
#include "support/fakes.h"
#include "support/savegame_tools.h"
#include "support/storage_errors.h"
#include "turn/taskforces.h"

namespace zenthar::testing {

// A private program folder in a temporary directory with the real data files and template,
// removed again when the test ends.
class TempProgramFolder : public sim::ScratchProgramFolder {
  public:
    TempProgramFolder() : ScratchProgramFolder(ZENTHAR_PROGRAM_DIR) {}
};

// A Game in a temporary program folder, started up (data files read, working database reset),
// with scripted/recording interfaces a test can reach; a test whose window acts during a command
// gives a view of its own.
template <class View = RecordingView>
struct TestGameWith {
    TestGameWith() {
        game.computerPlayers = MakeComputerPlayer;
        StartUp(game);
    }
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    RecordingDisplay display;
    View view;
    ScriptedRandom random;
    Game game{folder.path(), dialogs, display, view, random};
    GameState& st() { return game.st; }
    // The program ends: it lets go of its working file and of its folder, where another run of
    // the program may then start.
    void endRun() {
        game.FileDta1.release();
        game.Lock.release();
    }
};
using TestGame = TestGameWith<>;

// A whole file as it is on disk (empty when it cannot be read).
std::string ReadText(const fs::path& file);

// Runs SQL on the game's working file through a connection of its own, as another program
// would; the game lets go of the file meanwhile and is back on the Ships table afterwards.
inline void EditWorkingFile(Game& game, const std::string& sql) {
    game.FileDta1.release();
    sqlite::Database(game.WorkingFile(), sqlite::Database::Mode::ReadWrite).exec(sql);
    game.FileDta1.rebind(game.WorkingFile(), "Ships");
}

// A seeded simulated game on the real data files: `players` scripted players on `planets`
// planets for at most `years` years, against the Empire at `skill`.
sim::SimulationOptions SeededGame(int players, int planets, int years, unsigned long long seed,
                                  int skill = 0);

// Side `side` scouted planet p in `year` and saw `ships` ships and production `production`.
inline void SeenBy(PlanetRecord& p, int side, int ships, int production, int year) {
    p.setDigit(side, '1');
    p.KnownShip.at(static_cast<std::size_t>(side)) = static_cast<Int16>(ships);
    p.KnownProd.at(static_cast<std::size_t>(side)) = static_cast<Int16>(production);
    p.YearScouted.at(static_cast<std::size_t>(side)) = static_cast<Int16>(year);
}

// Ships of the side's task forces in the list from planet `from` to planet `to` (-1: any), of
// those of at least `fleet` ships (2 leaves out scouts).
inline int ShipsSent(const GameState& st, int from, int to, int fleet = 1) {
    int ships = 0;
    for (int k = 0; k <= st.TaskForceLast; ++k) {
        const TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(k)];
        if ((from < 0 || tf.StartPl == st.planet(from).PlanetId) &&
            (to < 0 || tf.EndPl == st.planet(to).PlanetId) && tf.NumOfShips >= fleet)
            ships += tf.NumOfShips;
    }
    return ships;
}

// A year ended with these figures of the sides, added to the chronicle as the year end adds it.
inline void AddYear(GameState& st, int year, std::vector<SideYear> sides) {
    HistoryYear ended;
    ended.year = year;
    ended.sides = std::move(sides);
    st.Chronicle.add(std::move(ended));
}

class GalaxyBuilder {
  public:
    explicit GalaxyBuilder(Game& game) : game_(game) {}
    GalaxyBuilder& players(std::vector<std::string> names);
    GalaxyBuilder& skill(int s) { return set(game_.st.EmpireSkill, s); }
    GalaxyBuilder& year(int y) { return set(game_.st.CurrentYear, y); }
    // Adds planet i (must be the next index) at (x, y): Empire-owned, production 1, MaxProd 10,
    // hostility 5, no ships, a medium icon.
    GalaxyBuilder& planet(int i, int x, int y);
    GalaxyBuilder& owner(int player);  // digit "2" for that player
    GalaxyBuilder& home();             // the last planet becomes the owner's capital
    GalaxyBuilder& ships(int n) { return set(last().Ships, n); }
    GalaxyBuilder& production(int prod, int maxProd) {
        return set(last().Production, prod).set(last().MaxProd, maxProd);
    }
    GalaxyBuilder& hostility(int h) { return set(last().Hostility, h); }
    GalaxyBuilder& scouted(const std::string& digits) { return set(last().Scouted, digits); }
    GalaxyBuilder& icon(const std::string& ico) { return set(last().Ico, ico); }
    GalaxyBuilder& currentPlayer(int p) { return set(game_.st.CurrentPlTurn, p); }
    void build();

  private:
    template <class Field, class Value>
    GalaxyBuilder& set(Field& field, const Value& value) {
        if constexpr (std::is_same_v<Field, Int16>)
            field = static_cast<Int16>(value);
        else
            field = value;
        return *this;
    }
    PlanetRecord& last() { return game_.st.planet(count_ - 1); }
    Game& game_;
    int count_ = 0;
    int lastOwner_ = -1;
};

}  // namespace zenthar::testing
