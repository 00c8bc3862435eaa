// Galaxy generation of the largest galaxy: 50 planets, 4 players, the Advanced Empire. It runs
// once per new game and should stay under 0.2 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/datafiles.h"
#include "game/random.h"
#include "setup/galaxy.h"

namespace zenthar {
namespace {

void BM_GenerateGalaxy(benchmark::State& state) {
    GameState planets;
    ReadPlanetsFile(std::filesystem::path(ZENTHAR_PROGRAM_DIR) / "planets.dat", planets);
    SystemRandom random(4242);
    const HomePlanetTexts homes{
        planets.PlanetList[0].Name.padded(), planets.PlanetList[1].Name.padded(),
        planets.PlanetList[2].Name.padded(), planets.PlanetList[3].Name.padded()};
    GameState st;
    for (auto _ : state) {
        state.PauseTiming();
        st = planets;
        st.PlanetsNum = kMaxPlanets;
        st.PlayesNum = kMaxPlayers;
        st.EmpireSkill = 2;
        state.ResumeTiming();
        const GalaxyOutcome outcome = GenerateGalaxy(st, random, homes);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK(BM_GenerateGalaxy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zenthar
