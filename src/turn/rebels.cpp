// The rebel step of a year end, one planet at a time.
#include "turn/rebels.h"

#include <algorithm>
#include <string>

#include "game/skill.h"
#include "turn/lookups.h"

namespace zenthar {
namespace {

bool Rises(Game& game) {
    const int chance = RisingChance(game.st.EmpireSkill);
    if (chance == 0) return false;
    return Int(game.random.next() * 100 + 1) <= chance;
}

int RebelOwner(const PlanetRecord& planet) {
    for (int k = 0; k < kMaxPlayers; ++k)
        if (planet.digit(k) > 1) return k;
    return kEmpire;
}

// One ship per round, as many rounds as there are rebels, never more than the planet holds.
Int16 Fight(Game& game, int rebels, Int16 defenders) {
    TurnDisplay& display = game.display;
    for (int round = 1; round <= rebels && defenders > 0; ++round) {
        if (display.roundsShown()) {
            display.rebelRound(round, defenders);
            if (!game.st.SoundsOff) display.playSound(Sound::Explosion);
        }
        --defenders;
    }
    return defenders;
}

// Every player holding the planet keeps it as scouted, with no ships seen on it.
void HandBackToEmpire(GameState& st, PlanetRecord& planet) {
    for (int k = 0; k < kMaxPlayers; ++k) {
        if (planet.digit(k) <= 1) continue;
        const auto slot = static_cast<std::size_t>(k);
        planet.setDigit(k, '1');
        planet.KnownProd[slot] = planet.Production;
        planet.KnownShip[slot] = 0;
        planet.KnownHost[slot] = planet.Hostility;
        planet.YearScouted[slot] = st.CurrentYear;
        if (st.Hatest[slot] - 1 >= 0) st.Hatest[slot] = static_cast<Int16>(st.Hatest[slot] - 1);
    }
}

}  // namespace

int RisingChance(int empireSkill) {
    const SkillRules* rules = RulesOfSkill(empireSkill);
    return rules ? rules->risingChance : 0;
}

int RebelCount(int empireSkill, int hostility, double u) {
    const SkillRules* rules = RulesOfSkill(empireSkill);
    if (!rules) return 0;
    return static_cast<int>(Saturate16(Int(hostility * rules->rebelStrength * u + 1)));
}

void RebelStep(Game& game, TurnReport& report, int i) {
    GameState& st = game.st;
    TurnDisplay& display = game.display;
    PlanetRecord& planet = st.planet(i);
    if (planet.Hostility <= 0 || OwnerOf(st, i) == kEmpire) return;
    if (!Rises(game)) return;

    // A rising is always put on the window, even with the end turn screens skipped; only a
    // window the player closed stays closed.
    if (!display.windowClosed()) display.showWindow();
    const std::string owner = st.PlName[static_cast<std::size_t>(RebelOwner(planet))].trimmed();
    display.setDefender(owner);
    display.setPlanet(planet.Name.padded());
    display.setAttacker("Rebels");
    report.field("Rebels");
    report.field(planet.Name.trimmed());
    report.field(owner);

    const int rebels = RebelCount(st.EmpireSkill, planet.Hostility, game.random.next());
    report.numberField(rebels);
    report.numberField(planet.Ships);
    planet.Ships = Fight(game, rebels, planet.Ships);
    report.emptyField();
    report.numberField(planet.Ships);

    std::string outcome;
    if (planet.Ships <= 0) {
        HandBackToEmpire(st, planet);
        outcome = "The rebels took over and handled the planet back to the Empire";
    } else {
        outcome = "The rebels distroyed " + ReportNumber(rebels) + " of your precious ships";
    }
    if (display.messagesShown()) display.showMessage(outcome);
    report.endLine(outcome);
    display.resumeRounds();
}

void RiseRebels(Game& game, TurnReport& report) {
    game.display.beginRebelPhase();
    report.endLine();
    // Never more than the list has slots, whatever a loaded game claims.
    const int planets = std::min(game.st.PlanetsNum, kPlanetSlots);
    for (int i = 0; i < planets; ++i) RebelStep(game, report, i);
    game.display.endRebelPhase();
    game.display.hideWindow();
}

}  // namespace zenthar
