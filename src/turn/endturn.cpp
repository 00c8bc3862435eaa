// The spine of the game: ending a turn, the year end phase by phase, the victory test and the
// hand-over to the next player still in the game.
#include "turn/endturn.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/recovery.h"
#include "game/saveload.h"
#include "game/side_totals.h"
#include "game/storage_error.h"
#include "game/victory.h"
#include "turn/arrival.h"
#include "turn/chronicle.h"
#include "turn/empire.h"
#include "turn/lookups.h"
#include "turn/rebels.h"
#include "turn/seat.h"
#include "turn/taskforces.h"
#include "turn/turnreport.h"

namespace zenthar {
namespace {

constexpr int kCarryOn = static_cast<int>(Answer::Yes);

// Holds EndTurnRunning for one call, and lets go of it however the call ends.
class RunningFlag {
  public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

  private:
    bool& flag_;
};

// The planets in play, never more than PlanetList has slots, whatever a loaded game claims.
int PlanetCount(const GameState& st) {
    return std::clamp(st.PlanetsNum, 0, kPlanetSlots);
}

bool OwnsAnyPlanet(const GameState& st, int side) {
    for (int i = 0; i < PlanetCount(st); ++i)
        if (OwnerOf(st, i) == side) return true;
    return false;
}

// Which sides have at least one task force in the Ships table.
std::array<bool, kSides> SidesInFlight(Game& game) {
    std::array<bool, kSides> inFlight{};
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    if (rs.RecordCount() <= 0) return inFlight;
    const int plNum = rs.FieldIndex("PlNum");
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        const long long side = rs.Field(plNum).asInt();
        if (side >= 0 && side < kSides) inFlight[static_cast<std::size_t>(side)] = true;
    }
    return inFlight;
}

bool AnyPlayerInGame(Game& game) {
    const std::array<bool, kSides> inFlight = SidesInFlight(game);
    for (int p = 0; p < game.st.PlayesNum; ++p)
        if (inFlight[static_cast<std::size_t>(p)] || OwnsAnyPlanet(game.st, p)) return true;
    return false;
}

// Gives the turn to CurrentPlTurn or the first player after it who still has a task force in
// flight or a planet; false when it runs past the last player.
bool PassTurnOn(Game& game) {
    GameState& st = game.st;
    if (st.CurrentPlTurn < 0) st.CurrentPlTurn = 0;
    for (; st.CurrentPlTurn < st.PlayesNum;
         st.CurrentPlTurn = static_cast<Int16>(st.CurrentPlTurn + 1)) {
        ShowTurnStatus(game, true);
        if (st.TaskForceLast >= 0 || OwnsAnyPlanet(st, st.CurrentPlTurn)) return true;
    }
    return false;
}

// ---- computer seats ------------------------------------------------------------------------

bool ComputerHasTurn(const GameState& st) {
    return st.validPlayer(st.CurrentPlTurn) &&
           st.Seats.at(static_cast<std::size_t>(st.CurrentPlTurn)) != SeatKind::Human;
}

bool IsHuman(const GameState& st, int p) {
    return st.Seats[static_cast<std::size_t>(p)] == SeatKind::Human;
}

// The human seats that still hold a planet or have a task force in flight. A game of computer
// seats alone, as the simulator plays, never reads the Ships table for it.
std::array<bool, kMaxPlayers> HumansInGame(Game& game) {
    std::array<bool, kMaxPlayers> in{};
    const int players = std::clamp<int>(game.st.PlayesNum, 0, kMaxPlayers);
    bool anyHuman = false;
    for (int p = 0; p < players; ++p) anyHuman = anyHuman || IsHuman(game.st, p);
    if (!anyHuman) return in;
    const std::array<bool, kSides> inFlight = SidesInFlight(game);
    for (int p = 0; p < players; ++p)
        in[static_cast<std::size_t>(p)] =
            IsHuman(game.st, p) &&
            (inFlight[static_cast<std::size_t>(p)] || OwnsAnyPlanet(game.st, p));
    return in;
}

// While a human seat is still in the game the computers play their turns at once, between the
// humans' turns. Without one the game is there to be watched, a year at every End Turn.
bool HumanInGame(Game& game) {
    const std::array<bool, kMaxPlayers> in = HumansInGame(game);
    return std::find(in.begin(), in.end(), true) != in.end();
}

// The computer of the seat that holds the turn gives its orders through the order functions.
void PlayComputerTurn(Game& game) {
    const SeatKind kind = game.st.Seats.at(static_cast<std::size_t>(game.st.CurrentPlTurn));
    if (!game.computerPlayers) return;  // nobody plays the seat: it gives no orders
    const std::unique_ptr<SeatPlayer> player = game.computerPlayers(kind);
    if (player) player->PlayTurn(game);
}

// ---- the phases of a year end, in their order ------------------------------------------------

void BeginYearEnd(Game& game) {
    game.display.beginYearEnd(game.st.SkipEndTurnScreen);
}

void PlayEmpireTurn(Game& game) {
    GameState& st = game.st;
    st.CurrentPlTurn = kEmpire;
    st.CurrentYear = Saturate16(st.CurrentYear + 1LL);
    EmpireTurn(game);
}

void StartReport(const GameState& st, TurnReport& report) {
    report.yearLine(st.CurrentYear - 1LL);
    report.endLine();
}

void Produce(GameState& st) {
    for (int i = 0; i < PlanetCount(st); ++i) {
        PlanetRecord& planet = st.planet(i);
        planet.Ships = Saturate16(static_cast<long long>(planet.Ships) + planet.Production);
        planet.WillProd = -1;
    }
}

// A report that cannot be written costs the report, never the year: the History keeps it, and
// the player hears of it once until a report can be written again.
void FinishReport(Game& game, TurnReport& report) {
    if (report.close() || !game.Report.faultIsNew()) return;
    game.Report.faultTold();
    game.dialogs.inform("The turn report could not be written to " + game.ReportPath().string() +
                        ". " + game.Report.fault() +
                        "\r\rThe game goes on, and the year's report is kept in its History.");
}

// The turn passes over a player who is out without a word, so the year that puts a person at
// the screen out of the game says so; when only computer seats are left, it also says how the
// game goes on. When nobody is left, the Empire's victory tells it all.
void TellPlayersOut(Game& game, const std::array<bool, kMaxPlayers>& inBefore) {
    const std::array<bool, kMaxPlayers> in = HumansInGame(game);
    if (in == inBefore || !AnyPlayerInGame(game)) return;
    const bool humanLeft = std::find(in.begin(), in.end(), true) != in.end();
    for (std::size_t p = 0; p < kMaxPlayers; ++p) {
        if (!inBefore[p] || in[p]) continue;
        std::string text = game.st.PlName[p].trimmed() +
                           " has no planet and no task force left and is out of the game.";
        if (!humanLeft)
            text += "\r\rThe computer players play on: every End Turn plays one more year.";
        game.dialogs.inform(text);
    }
}

void ShowSummaryIfSkipped(Game& game) {
    if (!game.st.SkipEndTurnScreen && !game.display.windowClosed()) return;
    game.view.ShowEndTurnSummary();
    game.Report.shown();
}

// An undone End Turn: the previous report is back in place and nothing shows the undone year.
void TakeReportBack(Game& game) {
    if (game.Report.undo()) game.view.CloseEndTurnSummary();
}

// The copy a crash resumes from, taken as the last player's turn hands over to the year end: a
// resumed game runs this year end itself, with the same dice, so a crash never re-rolls it.
void KeepCopyForYearEnd(Game& game) {
    if (!game.KeepsRecoveryCopy) return;
    GameState& st = game.st;
    // The turn rests past the last player, as a saved game can hold it.
    st.CurrentPlTurn = static_cast<Int16>(std::clamp(st.PlayesNum, 0, kMaxPlayers));
    st.YearEndDue = true;
    try {
        WriteRecoveryCopy(game);
    } catch (const StorageError& e) {
        game.RecoveryCopyFault = StorageErrorMessage(e);
    }
    st.YearEndDue = false;
}

// Who has won; by conquest alone when `scoreCounts` is false.
int Winner(Game& game, bool scoreCounts) {
    const GameState& st = game.st;
    const int players = std::clamp<int>(st.PlayesNum, 0, kMaxPlayers);
    std::array<bool, kSides> holds{};
    for (int i = 0; i < PlanetCount(st); ++i) {
        const int owner = OwnerOf(st, i);
        if (owner >= 0 && owner < kSides) holds[static_cast<std::size_t>(owner)] = true;
    }
    TimeOut time;
    if (scoreCounts && TimeRanOut(st)) {
        time.up = true;
        const std::array<OwnerTotals, kSides> totals = ComputeProductionTotals(st);
        for (std::size_t k = 0; k < kSides; ++k) time.scores[k] = Score(totals[k]);
    }
    // The usual year: the Empire and a player both hold planets, and no fleet can change that;
    // the Ships table is read only when it might.
    for (int p = 0; p < players && holds[kEmpire]; ++p)
        if (holds[static_cast<std::size_t>(p)]) return WinnerOf(players, holds, {}, time);
    return WinnerOf(players, holds, SidesInFlight(game), time);
}

// Once the player chose to carry on, the box is not shown again.
void VictoryTest(Game& game) {
    GameState& st = game.st;
    if (st.VictoryAnswer == kCarryOn) return;
    const int winner = Winner(game, false);
    if (winner < 0 || winner == kEmpire) return;
    const Answer answer = game.dialogs.ask(MessageRequest{
        CongratulationsText(st, winner), "Zenthar", Buttons::YesNo, Icon::None, Answer::Yes});
    st.VictoryAnswer = static_cast<int>(answer);
    st.Decided = winner;
}

// The year end of a game's last year: unless a conquest decided the game this year (its own
// message tells it), the highest score wins and the game is over.
void TimeOutTest(Game& game) {
    GameState& st = game.st;
    if (!TimeRanOut(st) || Winner(game, false) >= 0) return;
    st.Decided = Winner(game, true);
    game.dialogs.inform(TimeUpText(st));
}

}  // namespace

int Winner(Game& game) {
    return Winner(game, true);
}

void StartFirstTurn(Game& game) {
    game.st.GameActive = true;
    game.st.CurrentPlTurn = -1;
    EndTurn(game);
}

std::string TimeUpText(const GameState& st) {
    const int years = st.GameLength;
    const std::string over = "The " + std::to_string(years) +
                             (years == 1 ? " year is over." : " years are over.") + "\r\r";
    if (st.Chronicle.empty()) return over;
    const HistoryYear& last = st.Chronicle.back();
    const std::vector<int> leaders = ScoreLeaders(last);
    if (leaders.empty()) return over;
    const std::string score = std::to_string(last.find(leaders.front())->score);
    return over + SidesText(st, leaders) +
           (leaders.size() == 1 ? " wins with the highest score, " : " share the highest score, ") +
           score + ".";
}

std::string CongratulationsText(const GameState& st, int winner) {
    const std::string& name = st.PlName.at(static_cast<std::size_t>(winner)).padded();
    return "Congratulations \r\r" + name +
           "\r\rYou conquered the galaxy!\r\rDo you want to continue?";
}

void RunYearEnd(Game& game) {
    GameState& st = game.st;
    const std::array<bool, kMaxPlayers> humansIn = HumansInGame(game);
    KeepCopyForYearEnd(game);
    BeginYearEnd(game);
    PlayEmpireTurn(game);
    TurnReport report(game.Report);
    StartReport(st, report);
    st.BattlesWon = {};
    st.BattlesLost = {};
    st.CurrentPlTurn = 0;
    LandTaskForces(game, report);
    Produce(st);
    RiseRebels(game, report);
    FinishReport(game, report);
    // Recorded before the summary opens, so the summary's years include the one just ended.
    RecordYear(game);
    TellPlayersOut(game, humansIn);
    ShowSummaryIfSkipped(game);
    VictoryTest(game);
    TimeOutTest(game);
    st.CurrentPlTurn = 0;
}

void ResumeYearEnd(Game& game) {
    if (game.st.GameActive && game.st.YearEndDue) EndTurn(game);
}

void HandTurnOver(Game& game) {
    if (PassTurnOn(game)) return;
    // A game whose time ran out is over, whoever is still in it.
    if (TimeRanOut(game.st)) return;
    // The players after the one who ended the turn are all out, but an earlier one may still
    // be in the game: then their year is over too, and the turn goes round again. Only when
    // nobody is left has the Empire won.
    if (AnyPlayerInGame(game)) {
        RunYearEnd(game);
        if (PassTurnOn(game)) return;
    }
    // CurrentPlTurn stays past the last player; the next End Turn runs another year end.
    game.st.Decided = kEmpire;
    game.dialogs.inform(kEmpireHasWon);
}

void EndPlayersTurn(Game& game) {
    GameState& st = game.st;
    // After the Empire has won (or at a new game's -1) there is no player whose list to store.
    if (st.validPlayer(st.CurrentPlTurn)) SaveTaskForces(game);
    st.CurrentPlTurn = Saturate16(st.CurrentPlTurn + 1LL);
    if (st.CurrentPlTurn > st.PlayesNum - 1) RunYearEnd(game);
    HandTurnOver(game);
}

void EndTurn(Game& game) {
    GameState& st = game.st;
    if (st.EndTurnRunning) return;
    if (!st.GameActive || st.PlayesNum < 1 || st.PlayesNum > kMaxPlayers) return;
    // A game whose time ran out has no more turns.
    if (TimeRanOut(st)) return;
    RunningFlag running(st.EndTurnRunning);
    // A failing disk rolls the database back to the turn's start; the game in memory goes back
    // with it, so the two never disagree and the game can still be saved elsewhere.
    GameState& before = *game.TurnStart;
    before = st;
    try {
        // One commit for the player's orders, the Empire's fleets and the landings: the pages
        // the year end touches go to the file once.
        Connection::Transaction writes(game.FileDta1);

        // A computer seat still holding the turn (a game to watch) plays it now.
        const bool playerEnds = st.validPlayer(st.CurrentPlTurn);
        const Int16 year = st.CurrentYear;
        if (ComputerHasTurn(st)) PlayComputerTurn(game);
        EndPlayersTurn(game);
        // The computers the turn comes to play theirs and hand on, until a human has the turn;
        // a game without humans stops at the first computer after the year end.
        while (ComputerHasTurn(st) && !TimeRanOut(st)) {
            if (!HumanInGame(game) && (st.CurrentYear != year || !playerEnds)) break;
            PlayComputerTurn(game);
            EndPlayersTurn(game);
        }
        writes.commit();
    } catch (const StorageError&) {
        st = before;
        TakeReportBack(game);
        throw;
    }
    game.Report.keep();
}

}  // namespace zenthar
