// The galaxy map's tooltip: what the player knows of a planet and the forecast from his
// selected planet, computed each time the pointer rests on a planet. It should stay far under
// 0.1 ms so hovering never stutters.
#include <benchmark/benchmark.h>

#include "reports/map_marks.h"

namespace zenthar {
namespace {

GameState FiftyPlanets() {
    GameState st;
    st.PlayesNum = 2;
    st.PlanetsNum = kMaxPlanets;
    st.CurrentYear = 4100;
    st.CurrentPlTurn = 0;
    st.PlName[0] = "Ann";
    st.PlName[1] = "Bob";
    for (int i = 0; i < kMaxPlanets; ++i) {
        PlanetRecord& p = st.planet(i);
        p.Name = std::string("Planet of the Outer Rim ").append(std::to_string(i));
        p.PlanetId = std::string(i < 9 ? "0" : "").append(std::to_string(i + 1));
        p.XPos = static_cast<Int16>(1 + (i * 7) % 44);
        p.YPos = static_cast<Int16>(1 + (i * 11) % 44);
        p.Ico = "good_pl.ico";
        p.Scouted = i == 0 ? "3000" : i % 3 == 0 ? "1000" : i % 3 == 1 ? "0200" : "0000";
        p.Ships = 10;
        p.Production = 3;
    }
    st.SelectedPlanet = 0;
    st.GameActive = true;
    return st;
}

void BM_PlanetTip(benchmark::State& state) {
    const GameState st = FiftyPlanets();
    int p = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanetTip(st, p));
        p = (p + 1) % kMaxPlanets;
    }
}
BENCHMARK(BM_PlanetTip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zenthar
