// The Hard computer player's pace: one turn on 50 planets with a full list of 1000 task forces
// in flight (the figure to keep is the time per turn; it should stay under 20 ms), and whole
// games of four Hard seats on 50 planets in game-years per second (at least 1000).
#include <benchmark/benchmark.h>

#include "setup/newgame.h"
#include "sim/simulation.h"
#include "turn/endturn.h"
#include "turn/lookups.h"
#include "turn/rival.h"

namespace zenthar {
namespace {

void NewGalaxy(Game& game, int players, int planets) {
    NewGameSettings s;
    s.players = players;
    s.planets = planets;
    s.skill = 2;
    s.symbols = {"shipvert.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    for (std::size_t k = 0; k < 4; ++k) {
        s.names[k] = "Rival " + std::to_string(k + 1);
        s.homePlanets[k] = game.st.PlanetList[k].Name.padded();
    }
    CreateNewGame(game, s);
    StartFirstTurn(game);
}

void BM_HardTurnWithAThousandTaskForces(benchmark::State& state) {
    sim::HeadlessGame headless(ZENTHAR_PROGRAM_DIR, 4242);
    Game& game = headless.game();
    NewGalaxy(game, 1, 50);
    GameState& st = game.st;
    // Half the galaxy is the player's, with 1000 fleets on their way between its planets and
    // the other half still to take.
    for (int i = 0; i < st.PlanetsNum; i += 2) {
        st.planet(i).setDigit(0, i == st.PlHome[0] ? '3' : '2');
        st.planet(i).Ships = 400;
    }
    for (int k = 0; k < kTaskForceSlots - 1; ++k) {
        TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(k)];
        tf.PlNum = "0";
        tf.TFNum = static_cast<Int16>(k);
        tf.StartPl = st.planet(k % st.PlanetsNum).PlanetId;
        tf.EndPl = st.planet((k * 2) % st.PlanetsNum).PlanetId;  // reinforcements
        tf.RemTurns = static_cast<Int16>(st.CurrentYear + 1 + k % 20);
        tf.NumOfShips = static_cast<Int16>(5 + k % 40);
    }
    st.TaskForceLast = kTaskForceSlots - 2;
    const GameState start = st;
    HardRival hard;
    for (auto _ : state) {
        state.PauseTiming();
        st = start;
        state.ResumeTiming();
        hard.PlayTurn(game);
    }
}

void BM_FourHardSeatsGameYears(benchmark::State& state) {
    long long years = 0;
    unsigned long long seed = 7000;
    for (auto _ : state) {
        sim::HeadlessGame headless(ZENTHAR_PROGRAM_DIR, seed++);
        Game& game = headless.game();
        NewGalaxy(game, 4, 50);
        const int first = game.st.CurrentYear;
        HardRival hard;
        while (game.st.CurrentYear - first < 300 && Winner(game) == -1) {
            if (game.st.validPlayer(game.st.CurrentPlTurn)) hard.PlayTurn(game);
            EndTurn(game);
        }
        years += game.st.CurrentYear - first;
    }
    state.SetItemsProcessed(years);
}

BENCHMARK(BM_HardTurnWithAThousandTaskForces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourHardSeatsGameYears)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zenthar
