// Landing the task forces due at a year end, one Ships row at a time, last row first.
#include "turn/arrival.h"

#include <string>

#include "turn/battle.h"
#include "turn/chronicle.h"
#include "turn/lookups.h"

namespace zenthar {
namespace {

std::string AttackerName(const GameState& st, int side) {
    return side >= kEmpire ? std::string("Empire")
                           : st.PlName[static_cast<std::size_t>(side)].trimmed();
}

std::string DefenderName(const GameState& st, const PlanetRecord& planet) {
    for (int k = 0; k < kMaxPlayers; ++k)
        if (planet.digit(k) > 1) return st.PlName[static_cast<std::size_t>(k)].trimmed();
    return "Empire";
}

// The battle window, its landing animations and messages: off with "Skip End Turn Screen", and
// for the rest of the year end once the player closed the window.
bool ScreensShown(const Game& game) {
    return !game.st.SkipEndTurnScreen && !game.display.windowClosed();
}

bool IsEmpire(int side) {
    return side >= kEmpire;
}

// What a side saw of a planet the last time it looked.
void RememberPlanet(PlanetRecord& planet, int slot, Int16 ships, Int16 year) {
    const auto k = static_cast<std::size_t>(slot);
    planet.KnownProd[k] = planet.Production;
    planet.KnownShip[k] = ships;
    planet.KnownHost[k] = planet.Hostility;
    planet.YearScouted[k] = year;
}

// The outcome texts: the window shows the planet's name as it is held (40 characters), the
// report line ends with the name trimmed.
struct Outcome {
    std::string shown;
    std::string reported;
};

Outcome Texts(const std::string& before, const PlanetRecord& planet) {
    return {before + planet.Name.padded(), before + planet.Name.trimmed()};
}

// Shows the outcome in the message window (unless the screens are skipped) and ends the
// report line with it.
void Announce(Game& game, TurnReport& report, const Outcome& outcome) {
    if (ScreensShown(game)) game.display.showMessage(outcome.shown);
    report.endLine(outcome.reported);
}

void Reinforce(Game& game, TurnReport& report, const ArrivingTaskForce& arrival,
               PlanetRecord& planet) {
    GameState& st = game.st;
    const Int16 ships = arrival.tf.NumOfShips;
    game.display.setCounts(FormatPlain(ships), "");
    report.numberField(ships);
    report.emptyField();
    report.emptyField();
    report.emptyField();
    planet.Ships = Saturate16(static_cast<long long>(planet.Ships) + ships);
    if (ScreensShown(game)) {
        game.display.landingAnimation();
        if (!st.SoundsOff) game.display.playSound(Sound::Landing);
    }
    const std::string before =
        IsEmpire(arrival.side) ? FormatPlain(ships) + " Empire ships have reached the planet "
                               : FormatPlain(ships) + " ships of " +
                                     AttackerName(st, arrival.side) + " have reached the planet ";
    Announce(game, report, Texts(before, planet));
}

void Conquer(Game& game, TurnReport& report, const ArrivingTaskForce& arrival, int t,
             Int16 survivors) {
    GameState& st = game.st;
    PlanetRecord& planet = st.planet(t);
    const int side = arrival.side;
    Announce(game, report,
             Texts(IsEmpire(side) ? std::string("The Empire conquered the planet ")
                                  : AttackerName(st, side) + " conquered the planet ",
                   planet));

    if (IsEmpire(side)) {
        if (arrival.tf.EndPl == st.EndPl) st.EndPl = "";
    } else {
        auto& owned = st.Hatest[static_cast<std::size_t>(side)];
        owned = Saturate16(owned + 1LL);
        if (arrival.tf.EndPl == st.StartPl) st.StartPl = "";
    }

    // The production phase of this year end adds the production back, so the conqueror ends
    // the year with exactly the surviving attackers and gets no production from the planet yet.
    planet.Ships = Saturate16(static_cast<long long>(survivors) - planet.Production);

    int previousOwner = kEmpire;
    for (int k = 0; k < kMaxPlayers; ++k) {
        if (planet.digit(k) <= 1) continue;
        previousOwner = k;
        planet.setDigit(k, '1');
        auto& owned = st.Hatest[static_cast<std::size_t>(k)];
        if (owned - 1 >= 0) owned = static_cast<Int16>(owned - 1);
    }
    // The Empire holds a planet by nobody else holding it; only players get a digit.
    if (!IsEmpire(side))
        planet.setDigit(side, t == st.PlHome[static_cast<std::size_t>(side)] ? '3' : '2');

    RememberPlanet(planet, previousOwner, planet.Ships, st.CurrentYear);
}

void Repel(Game& game, TurnReport& report, const ArrivingTaskForce& arrival, PlanetRecord& planet) {
    GameState& st = game.st;
    const int side = arrival.side;
    Announce(game, report,
             Texts(IsEmpire(side) ? std::string("The Empire lost the battle of ")
                                  : AttackerName(st, side) + " lost the battle of ",
                   planet));
    if (!IsEmpire(side)) planet.setDigit(side, '1');
    RememberPlanet(planet, side, planet.Ships, st.CurrentYear);
}

void Attack(Game& game, TurnReport& report, const ArrivingTaskForce& arrival, int t) {
    PlanetRecord& planet = game.st.planet(t);
    const int defender = OwnerOf(game.st, t);
    Int16 attackers = arrival.tf.NumOfShips;
    report.numberField(attackers);
    report.numberField(planet.Ships);
    ResolveBattle(game, attackers, planet.Ships, !IsEmpire(arrival.side));
    report.numberField(attackers);
    report.numberField(planet.Ships);
    // Equal survivors count as a failed attack.
    CountBattle(game.st, arrival.side, defender, attackers > planet.Ships);
    if (attackers > planet.Ships)
        Conquer(game, report, arrival, t, attackers);
    else
        Repel(game, report, arrival, planet);
}

ArrivingTaskForce ReadRow(const Recordset& rs) {
    ArrivingTaskForce a;
    const long long side = rs.Field("PlNum").asInt();
    a.side = side < 0 || side > kEmpire ? -1 : static_cast<int>(side);
    if (a.side >= 0) a.tf.PlNum = FormatPlain(a.side);
    a.tf.TFNum = Saturate16(rs.Field("TFNum").asInt());
    a.tf.StartPl = rs.Field("StartPl").asText();
    a.tf.EndPl = rs.Field("EndPl").asText();
    a.tf.RemTurns = Saturate16(rs.Field("RemTurns").asInt());
    a.tf.NumOfShips = Saturate16(rs.Field("NumOfShips").asInt());
    return a;
}

}  // namespace

int DestinationIndex(const GameState& st, const FixedText<2>& endPl) {
    const char hi = endPl[0], lo = endPl[1];
    if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return -1;
    const int t = (hi - '0') * 10 + (lo - '0') - 1;
    return st.validPlanet(t) && t < kPlanetSlots ? t : -1;
}

bool CanLand(const GameState& st, const ArrivingTaskForce& arrival) {
    return arrival.side >= 0 && arrival.side <= kEmpire &&
           DestinationIndex(st, arrival.tf.EndPl) >= 0;
}

void LandTaskForce(Game& game, TurnReport& report, const ArrivingTaskForce& arrival) {
    GameState& st = game.st;
    TurnDisplay& display = game.display;
    const int t = DestinationIndex(st, arrival.tf.EndPl);
    if (t < 0 || !CanLand(st, arrival)) return;
    PlanetRecord& planet = st.planet(t);

    if (ScreensShown(game)) display.showWindow();
    display.setPlanet(planet.Name.padded());
    const std::string attacker = AttackerName(st, arrival.side);
    display.setAttacker(attacker);
    report.field(attacker);
    report.field(planet.Name.trimmed());
    const std::string defender = DefenderName(st, planet);
    display.setDefender(defender);
    report.field(defender);

    if (OwnerOf(st, t) == arrival.side)
        Reinforce(game, report, arrival, planet);
    else
        Attack(game, report, arrival, t);
    display.hideWindow();
}

void LandTaskForces(Game& game, TurnReport& report) {
    GameState& st = game.st;
    Connection& db = game.FileDta1;
    db.Refresh();
    Recordset& rs = db.rs();
    if (rs.RecordCount() <= 0) return;
    report.header();
    report.endLine();

    // Only equality lands a task force: one whose year has passed (a game saved with skipped
    // years) stays in the table. The last row lands first, so of two fleets at one planet the
    // one stored later fights first and the other meets what it left.
    Connection::Transaction deletes(db);
    Recordset::DeleteBatch landed(rs);
    const int remTurns = rs.FieldIndex("RemTurns");
    for (rs.MoveLast(); !rs.BOF(); rs.MovePrevious()) {
        if (rs.Field(remTurns).asInt() != st.CurrentYear) continue;
        const ArrivingTaskForce arrival = ReadRow(rs);
        if (CanLand(st, arrival)) LandTaskForce(game, report, arrival);
        rs.Delete();
    }
    landed.flush();
    deletes.commit();
    game.view.DrawGalaxyMap();
}

}  // namespace zenthar
