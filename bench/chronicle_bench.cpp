// The chronicle's costs: recording a year at the year end, and saving and opening a game whose
// chronicle holds 300 years of four players and the Empire with every year's report, taken
// from a seeded simulated game (recording must stay within 10 us; the history may add at most
// 256 KiB to the saved file, save and open stay within 1.5 ms and 4 ms).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/saveload.h"
#include "sim/simulation.h"
#include "turn/chronicle.h"

namespace {

using namespace zenthar;

// A seeded game of four players on 50 planets against the Advanced Empire.
sim::SimulationOptions FourPlayers(int years, unsigned long long seed) {
    sim::SimulationOptions o;
    o.players = 4;
    o.planets = 50;
    o.skill = 2;
    o.years = years;
    o.seed = seed;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    return o;
}

// The 300-year chronicle of a four-player game on 50 planets, played once.
const History& ThreeHundredYears() {
    static const History chronicle = [] {
        const sim::SimulationOptions o = FourPlayers(300, 4242);
        History kept;
        sim::RunGame(o, [&](Game& game) { kept = game.st.Chronicle; });
        return kept;
    }();
    return chronicle;
}

// A game of 50 planets and four players forty years on, its task forces in flight.
class ChronicleGame {
  public:
    ChronicleGame() : headless_(ZENTHAR_PROGRAM_DIR, 7) {
        sim::SimulationOptions o = FourPlayers(40, 99);
        o.saveFinal = file("start.mdb");
        sim::RunGame(o);
        LoadGame(game(), file("start.mdb"));
    }
    Game& game() { return headless_.game(); }
    std::filesystem::path file(const char* name) const { return headless_.folder() / name; }

  private:
    sim::HeadlessGame headless_;
};

// The chronicle's last year is the one before the game's.
void WithChronicle(Game& game) {
    game.st.Chronicle = ThreeHundredYears();
    game.st.CurrentYear = static_cast<Int16>(game.st.Chronicle.back().year + 1);
}

void RecordYearBench(benchmark::State& state) {
    ChronicleGame g;
    Game& game = g.game();
    const History& years = ThreeHundredYears();
    std::string report;
    years[years.size() / 2].report(report);
    game.Report.begin();
    game.Report.append(report);
    game.Report.finish();
    game.Report.keep();
    game.st.Chronicle = years;
    for (auto _ : state) {
        RecordYear(game);
        if (game.st.Chronicle.size() > 400) {
            state.PauseTiming();
            game.st.Chronicle = years;
            state.ResumeTiming();
        }
    }
    state.counters["report_bytes"] = static_cast<double>(game.Report.text()->size());
}

// range(0): 1 with the 300-year chronicle, 0 without.
void SaveWithChronicleBench(benchmark::State& state) {
    ChronicleGame g;
    Game& game = g.game();
    if (state.range(0)) WithChronicle(game);
    for (auto _ : state) SaveGame(game, g.file("bench.mdb"));
    state.counters["file_KiB"] =
        static_cast<double>(std::filesystem::file_size(g.file("bench.mdb"))) / 1024.0;
}

void OpenWithChronicleBench(benchmark::State& state) {
    ChronicleGame g;
    Game& game = g.game();
    if (state.range(0)) WithChronicle(game);
    SaveGame(game, g.file("bench.mdb"));
    for (auto _ : state) LoadGame(game, g.file("bench.mdb"));
    state.counters["years"] = static_cast<double>(game.st.Chronicle.size());
}

BENCHMARK(RecordYearBench)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveWithChronicleBench)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWithChronicleBench)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
