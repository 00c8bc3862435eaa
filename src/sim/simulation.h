// Whole games without a window: a galaxy from a seed (or a saved game), scripted players that
// give their orders through the same rules a player's clicks reach, and year ends with nothing
// shown. The simulator zenthar-sim and the soak test play through here.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "game/random.h"
#include "game/silent.h"
#include "sim/seat_watch.h"
#include "turn/seat.h"

namespace zenthar::sim {

// The scripted players, in the order of kBotNames.
enum class BotKind { Passive, Greedy, Raider };
inline constexpr std::array<std::string_view, 3> kBotNames{"passive", "greedy", "raider"};
std::optional<BotKind> BotNamed(std::string_view word);
std::string_view BotName(BotKind kind);

// Who plays a seat of a simulated game: a scripted player in a seat the game counts as a
// human's, or the game's own computer level (level not Human).
struct SeatChoice {
    BotKind bot = BotKind::Passive;
    SeatKind level = SeatKind::Human;
    static SeatChoice Scripted(BotKind kind) { return {kind, SeatKind::Human}; }
    static SeatChoice Level(SeatKind kind) { return {BotKind::Passive, kind}; }
    friend bool operator==(const SeatChoice&, const SeatChoice&) = default;
};

// The words the simulator's tools take for them: the scripted players' names, then the
// computer levels' (game/levels.h).
std::optional<SeatChoice> SeatChoiceNamed(std::string_view word);
std::string SeatChoiceName(SeatChoice choice);
// Every such word, for the tools' messages: "passive, greedy, ... and hard".
std::string SeatChoiceWords();
// "a, b or c" for last "or".
std::string ListOfWords(const std::vector<std::string_view>& words, std::string_view last);

// Ends every turn without an order.
class PassivePlayer : public SeatPlayer {
  public:
    void PlayTurn(Game&) override {}
};

// Raises production where it can spare the price, then sends each planet's surplus to the
// nearest planet it does not own that the fleet should beat two to one; a surplus too small
// for any of them gathers at the planet nearest to the weakest one. It reads the true
// garrisons: a yardstick for the Empire, not a fair opponent.
class GreedyPlayer : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
    // Ships a planet keeps at home: enough to outlast its rebels and two years of production.
    static int Garrison(const PlanetRecord& planet);
};

// Every year sends small fleets at the planets of the other players that look weakest to it,
// their capitals first, and raises production where it is cheap. It sees only what its side
// is shown (rival::BuildSideView) and remembers the planet each player started on: the test
// that a computer level leaves no planet open to a raid it could have foreseen.
class RaiderPlayer : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;

  private:
    std::array<int, kMaxPlayers> capitals_{-1, -1, -1, -1};
    bool started_ = false;
};

// The scripted players sit in a seat as a computer level does.
std::unique_ptr<SeatPlayer> MakePlayer(BotKind kind);

// A copy of the program folder's data files and template in a fresh temporary folder, so that
// the working file and the report file of one game are its own. Removed with the object.
class ScratchProgramFolder {
  public:
    // Throws StorageError when the folder cannot be made or a file is missing.
    explicit ScratchProgramFolder(const std::filesystem::path& programDir);
    ~ScratchProgramFolder();
    ScratchProgramFolder(const ScratchProgramFolder&) = delete;
    ScratchProgramFolder& operator=(const ScratchProgramFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A started game in a scratch program folder, with nothing shown and every question agreed
// to: the scripted players stand behind their own orders, and carry on once the galaxy is
// theirs.
class HeadlessGame {
  public:
    HeadlessGame(const std::filesystem::path& programDir, unsigned long long seed);
    Game& game() { return game_; }
    const std::filesystem::path& folder() const { return folder_.path(); }

  private:
    class AgreeingDialogs : public UserDialogs {
      public:
        Answer ask(const MessageRequest& r) override;
    };
    ScratchProgramFolder folder_;
    AgreeingDialogs dialogs_;
    SilentDisplay display_;
    SilentView view_;
    SystemRandom random_;
    Game game_;
};

struct SimulationOptions {
    int players = 1;
    int planets = 26;
    int skill = 0;
    int years = 300;
    int length = 0;  // the game's own length in years; 0 until one side holds the galaxy
    BotKind bot = BotKind::Greedy;
    // One choice per player; when given, it sets the players and replaces `players` and `bot`.
    std::vector<SeatChoice> seats;
    unsigned long long seed = 1;
    // Where the data files and the empty game database come from; the game itself runs in a
    // private copy, so parallel runs never share a working file.
    std::filesystem::path programDir;
    std::filesystem::path loadFile;     // empty: a new galaxy
    std::filesystem::path saveInitial;  // empty: not saved
    std::filesystem::path saveFinal;
    std::filesystem::path keepReportsDir;  // empty: reports are not kept
};

struct SideResult {
    std::string name;
    int planets = 0;
    long long ships = 0;  // on the side's planets
    int taskForces = 0;   // in flight
    long long shipsInFlight = 0;
};

struct GameResult {
    unsigned long long seed = 0;
    int winner = -1;         // player 0..3, kEmpire, kSharedWin, or -1 while undecided
    std::string winnerName;  // the player's name, "Empire", "shared" or "none"
    bool onScore = false;    // decided on score when the game's length ran out
    int firstYear = 0;
    int lastYear = 0;
    int yearsPlayed = 0;
    std::vector<SideResult> sides;  // the players in order, then the Empire
    std::vector<CapitalFall> capitalFalls;
    std::vector<int> longestIdle;  // per seat: the most years in a row without an order
};

// A saved game the game itself would refuse to open; what() is the game's own message.
class LoadRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs after every year end, before the game is checked for a winner.
using YearEndHook = std::function<void(Game&)>;

// A new seeded galaxy for options.players (or options.seats) players named "Player 1" on, the
// k-th planet of the list each one's capital, its first turn started as New Game starts it.
void StartSeededGalaxy(Game& game, const SimulationOptions& options);

// Plays one game to its end or for options.years years. Throws StorageError when the program
// folder lacks a file or a save fails (StorageErrorMessage says why), LoadRefused when the
// saved game to start from is refused.
GameResult RunGame(const SimulationOptions& options, const YearEndHook& afterYearEnd = {});

// Who holds what, side by side (the players in order, then the Empire).
std::vector<SideResult> CountSides(Game& game);

}  // namespace zenthar::sim
