// The data of one game and of the running program: planets, the current side's task forces,
// players, the Empire's campaign and the tables read from the data files. One GameState is
// handed to everything that plays the game; there are no global variables.
#pragma once

#include <array>
#include <string>

#include "game/fixed_text.h"
#include "game/history.h"
#include "game/numbers.h"

namespace zenthar {

inline constexpr int kPlanetSlots = 51;       // PlanetList 0..50
inline constexpr int kTaskForceSlots = 1001;  // TaskForceList 0..1000
inline constexpr int kMaxPlayers = 4;
inline constexpr int kEmpire = 4;  // side index of the Empire
inline constexpr int kSides = 5;
inline constexpr int kMinPlanets = 5;
inline constexpr int kMaxPlanets = 50;
inline constexpr int kFirstYear = 4100;
// The most years a game's chosen length may be.
inline constexpr int kLongestGame = 1000;
inline constexpr int kBackgroundStars = 300;
inline constexpr int kCrtColumns = 7;
inline constexpr int kCrtRows = 10;

struct PlanetRecord {
    FixedText<2> PlanetId;
    FixedText<40> Name;
    Int16 OnMap = 0;
    Int16 XPos = 0;
    Int16 YPos = 0;
    Int16 Production = 0;
    Int16 MaxProd = 0;
    Int16 WillProd = 0;
    Int16 Hostility = 0;
    Int16 Ships = 0;
    FixedText<12> Ico;
    FixedText<4> Scouted{"0000"};
    // Slot k is what side k (4: the Empire) saw at its last scouting; slot 5 is never used.
    std::array<Int16, 6> KnownShip{};
    std::array<Int16, 6> KnownProd{};
    std::array<Int16, 6> KnownHost{};
    std::array<Int16, 6> YearScouted{};

    // The digit of player slot p (0..3) of Scouted, as a number; a non-digit reads as 0.
    int digit(int player) const;
    void setDigit(int player, char digit) {
        Scouted.setChar(static_cast<std::size_t>(player), digit);
    }
    // First letter of the icon: 'g', 'm' or 'b'.
    char kind() const { return Ico[0]; }
};

struct TaskForceRecord {
    FixedText<1> PlNum;
    Int16 TFNum = 0;
    FixedText<2> StartPl;
    FixedText<2> EndPl;
    Int16 RemTurns = 0;  // year of arrival
    Int16 NumOfShips = 0;
};

// The 1001 task-force slots. A game fills a few hundred at most, so the list remembers the
// highest slot ever handed out for writing: every slot above it is still blank, and assigning
// one list to another copies only what lies below. An End Turn copies the whole game, to put it
// back should the disk fail, and the slots would otherwise be most of that copy.
class TaskForceSlots {
  public:
    using Array = std::array<TaskForceRecord, kTaskForceSlots>;

    TaskForceSlots() = default;
    TaskForceSlots(const TaskForceSlots&) = default;
    TaskForceSlots& operator=(const TaskForceSlots& other);
    ~TaskForceSlots() = default;

    TaskForceRecord& operator[](std::size_t i) {
        touch(i);
        return slots_[i];
    }
    const TaskForceRecord& operator[](std::size_t i) const { return slots_[i]; }
    TaskForceRecord& at(std::size_t i) {
        TaskForceRecord& slot = slots_.at(i);
        touch(i);
        return slot;
    }
    const TaskForceRecord& at(std::size_t i) const { return slots_.at(i); }
    // Writable iterators may reach any slot.
    Array::iterator begin() {
        high_ = kTaskForceSlots - 1;
        return slots_.begin();
    }
    Array::iterator end() {
        high_ = kTaskForceSlots - 1;
        return slots_.end();
    }
    Array::const_iterator begin() const { return slots_.begin(); }
    Array::const_iterator end() const { return slots_.end(); }
    static constexpr std::size_t size() { return kTaskForceSlots; }

  private:
    void touch(std::size_t i) {
        if (static_cast<int>(i) > high_) high_ = static_cast<int>(i);
    }

    Array slots_{};
    int high_ = -1;  // slots above it hold a blank TaskForceRecord
};

// Who gives a player's orders: the person at the screen, or the computer at one of three levels.
enum class SeatKind : int { Human = 0, Easy = 1, Normal = 2, Hard = 3 };

using CrtTableType = std::array<std::array<int, kCrtRows>, kCrtColumns>;

struct BackgroundStar {
    Int16 x = 0;
    Int16 y = 0;
    Int16 colour = 0;
};

// The longest state a random source gives to be kept with the game.
inline constexpr std::size_t kRandomStateWidth = 80;

struct GameState {
    // --- one game -------------------------------------------------------------------------
    std::array<PlanetRecord, kPlanetSlots> PlanetList{};
    TaskForceSlots TaskForceList;
    Int16 TaskForceLast = -1;
    std::array<FixedText<2>, kPlanetSlots> ProdOrder{};

    int PlayesNum = 0;
    int PlanetsNum = 0;
    int GameType = 1;     // 1 simple, 0 advanced
    int EmpireSkill = 0;  // a Skill: 0 Beginner, 1 Intermidiate, 2 Advanced (game/skill.h)
    Int16 CurrentYear = 0;
    Int16 CurrentPlTurn = 0;
    Int16 StartYear = 0;
    FixedText<2> StartPl;
    FixedText<2> EndPl;
    bool EmpireOut = false;

    std::array<FixedText<40>, kSides> PlName{};
    std::array<FixedText<12>, kSides> PlSymbol{};
    std::array<Int16, kSides> PlHome{};
    std::array<Int16, kSides> Hatest{};
    // A game saved before seats existed comes back with every seat human.
    std::array<SeatKind, kMaxPlayers> Seats{};
    // The years the game lasts before the highest score wins; 0 (and every game saved before
    // there was a choice) until one side holds the galaxy.
    Int16 GameLength = 0;
    // The random source's state as the game was last saved (RandomSource::state), so that a
    // year end run again from the file draws what it drew; blank in files from before.
    FixedText<kRandomStateWidth> RandomState;
    // Set while the last player's turn hands over to the year end: a game kept then (the
    // recovery copy) runs that year end as soon as it is resumed.
    bool YearEndDue = false;

    // Every year that ended, as the year end recorded it; saved with the game.
    History Chronicle;
    // The battles of the year end in progress, per side, for the chronicle.
    std::array<int, kSides> BattlesWon{};
    std::array<int, kSides> BattlesLost{};

    // The two menu switches; they are saved with each game.
    bool SkipEndTurnScreen = false;
    bool SoundsOff = false;

    // --- the running program ----------------------------------------------------------------
    bool GameActive = false;
    Int16 SelectedPlanet = 0;
    int PlanetImagesLoaded = 0;
    bool ShowFleetsMode = false;
    int VictoryAnswer = 0;  // 6 once the player chose to carry on after winning
    // The side the game announced as the winner (a player, kEmpire, or kSharedWin when sides
    // tied on score as time ran out), in this run or, for a game opened from a file, before it
    // was saved; -1 while nothing was announced. The story
    // of the game opens by itself once, in the run that decides the game.
    int Decided = -1;
    bool StoryShown = false;
    // True while EndTurn runs: its waits let the window process events, so a second End Turn
    // could otherwise start inside the first.
    bool EndTurnRunning = false;
    int PlanetNamesLast = -1;
    std::string SearchPlanetName;

    CrtTableType CrtTable{};
    std::array<BackgroundStar, kBackgroundStars> BackgroundStars{};

    PlanetRecord& planet(int i) { return PlanetList.at(static_cast<std::size_t>(i)); }
    const PlanetRecord& planet(int i) const { return PlanetList.at(static_cast<std::size_t>(i)); }
    bool validPlanet(int i) const { return i >= 0 && i < PlanetsNum; }
    bool validPlayer(int p) const { return p >= 0 && p < PlayesNum; }
};

// Fills ProdOrder with the planet ids by MaxProd, highest first, list order within a tie.
void BuildProdOrder(GameState& st);

// Forgets the game in progress (planets keep their ids and names from the data file).
void ClearGame(GameState& st);

}  // namespace zenthar
