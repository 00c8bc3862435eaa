// The simulator's pace in game-years per second: four greedy players against the Advanced
// Empire on 50 planets, the working file on disk, each game a new seed. The figure to keep is
// items_per_second; the simulator should reach 5000.
#include <benchmark/benchmark.h>

#include "sim/simulation.h"

namespace zenthar {
namespace {

void BM_SimulatorGameYears(benchmark::State& state) {
    sim::SimulationOptions options;
    options.players = 4;
    options.planets = 50;
    options.skill = 2;
    options.years = 300;
    options.bot = sim::BotKind::Greedy;
    options.programDir = ZENTHAR_PROGRAM_DIR;
    options.seed = 4242;
    long long years = 0;
    for (auto _ : state) {
        const sim::GameResult result = sim::RunGame(options);
        years += result.yearsPlayed;
        ++options.seed;
    }
    state.SetItemsProcessed(years);
}

BENCHMARK(BM_SimulatorGameYears)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace zenthar
