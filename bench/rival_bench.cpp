// The Hard computer player's pace: one turn on 50 planets with a full list of 1000 task forces
// in flight (the figure to keep is the time per turn; it should stay under 20 ms), and whole
// games of four Hard seats on 50 planets in game-years per second (at least 1000).
#include <benchmark/benchmark.h>

#include "sim/simulation.h"
#include "turn/seat.h"

namespace zenthar {
namespace {

sim::SimulationOptions Galaxy(int players) {
    sim::SimulationOptions o;
    o.players = players;
    o.planets = 50;
    o.skill = 2;
    return o;
}

void BM_HardTurnWithAThousandTaskForces(benchmark::State& state) {
    sim::HeadlessGame headless(ZENTHAR_PROGRAM_DIR, 4242);
    Game& game = headless.game();
    sim::StartSeededGalaxy(game, Galaxy(1));
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
    const auto hard = MakeComputerPlayer(SeatKind::Hard);
    for (auto _ : state) {
        state.PauseTiming();
        st = start;
        state.ResumeTiming();
        hard->PlayTurn(game);
    }
}

void BM_FourHardSeatsGameYears(benchmark::State& state) {
    sim::SimulationOptions o = Galaxy(4);
    o.seats.assign(4, sim::SeatChoice::Hard);
    o.programDir = ZENTHAR_PROGRAM_DIR;
    o.seed = 7000;
    long long years = 0;
    for (auto _ : state) {
        years += sim::RunGame(o).yearsPlayed;
        ++o.seed;
    }
    state.SetItemsProcessed(years);
}

BENCHMARK(BM_HardTurnWithAThousandTaskForces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourHardSeatsGameYears)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zenthar
