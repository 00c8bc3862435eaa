// Save Game and Open Game on the largest galaxy: 50 planets, 4 players and 1000 task forces,
// either spread over the five sides or all in the current player's list (the most rows a save
// rewrites). Each should stay well under 10 ms. Beside them the copy kept for a restart after a
// crash, and start-up with and without one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "game/random.h"
#include "game/recovery.h"
#include "game/saveload.h"
#include "game/silent.h"
#include "sim/simulation.h"
#include "turn/taskforces.h"

namespace {

using namespace zenthar;

class BenchGame {
  public:
    // sidesWithFleets: how many sides (0..3, then the Empire) share the 1000 task forces.
    explicit BenchGame(int sidesWithFleets) : folder_(ZENTHAR_PROGRAM_DIR) {
        game_ = std::make_unique<Game>(folder_.path(), dialogs_, display_, view_, random_);
        StartUp(*game_);
        build(sidesWithFleets);
    }
    ~BenchGame() { game_->FileDta1.release(); }
    Game& game() { return *game_; }
    std::filesystem::path file(const char* name) const { return folder_.path() / name; }

  private:
    void build(int sidesWithFleets) {
        GameState& st = game_->st;
        st.PlayesNum = 4;
        st.PlanetsNum = 50;
        st.CurrentYear = 4120;
        for (int k = 0; k < 4; ++k) {
            st.PlName[static_cast<std::size_t>(k)] = "Player " + std::to_string(k + 1);
            st.PlSymbol[static_cast<std::size_t>(k)] = "mac.ico";
            st.PlHome[static_cast<std::size_t>(k)] = static_cast<Int16>(k);
        }
        for (int i = 0; i < 50; ++i) {
            PlanetRecord& p = st.planet(i);
            p.XPos = static_cast<Int16>(1 + i % 45);
            p.YPos = static_cast<Int16>(1 + (i * 7) % 45);
            p.MaxProd = static_cast<Int16>(1 + i % 20);
            p.Production = 1;
            p.WillProd = -1;
            p.Hostility = static_cast<Int16>(1 + i % 10);
            p.Ships = 30000;
            p.Ico = "med_pl.ico";
            std::string digits = "1100";
            if (i < 4) digits = std::string("0000").replace(static_cast<std::size_t>(i), 1, "3");
            p.Scouted = digits;
            for (std::size_t k = 0; k < 5; ++k) p.KnownShip[k] = static_cast<Int16>(i * 3);
        }
        const int sides[] = {0, 1, 2, 3, kEmpire};
        for (int s = 0; s < sidesWithFleets; ++s) {
            st.CurrentPlTurn = static_cast<Int16>(sides[s]);
            st.TaskForceLast = -1;
            for (int n = 0; n < 1000 / sidesWithFleets; ++n)
                LaunchTaskForce(st, n % 50, (n % 50 + 1 + n % 49) % 50, 5);
            SaveTaskForces(*game_);
        }
        st.CurrentPlTurn = 0;
        LoadTaskForces(*game_);
        BuildProdOrder(st);
        st.GameActive = true;
    }

    sim::ScratchProgramFolder folder_;
    SilentDialogs dialogs_;
    SilentDisplay display_;
    SilentView view_;
    SystemRandom random_{1};
    std::unique_ptr<Game> game_;
};

void SaveGameBench(benchmark::State& state) {
    BenchGame b(static_cast<int>(state.range(0)));
    for (auto _ : state) SaveGame(b.game(), b.file("bench.mdb"));
    state.counters["task_forces_in_list"] = b.game().st.TaskForceLast + 1;
}

void LoadGameBench(benchmark::State& state) {
    BenchGame b(static_cast<int>(state.range(0)));
    SaveGame(b.game(), b.file("bench.mdb"));
    for (auto _ : state) LoadGame(b.game(), b.file("bench.mdb"));
    state.counters["task_forces_in_list"] = b.game().st.TaskForceLast + 1;
}

// The copy kept after every hand-over, for a restart after a crash (should stay under 2 ms).
void RecoveryCopyBench(benchmark::State& state) {
    BenchGame b(5);
    for (auto _ : state) WriteRecoveryCopy(b.game());
}

// Start-up up to its question: without a recovery copy (0) and with one to check (1), which
// should cost at most a fifth more.
void StartUpBench(benchmark::State& state) {
    BenchGame b(5);
    Game& game = b.game();
    if (state.range(0) != 0) WriteRecoveryCopy(game);
    for (auto _ : state) {
        StartUp(game);
        if (RecoveryCopyExists(game)) benchmark::DoNotOptimize(CheckRecoveryCopy(game));
    }
}

BENCHMARK(SaveGameBench)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadGameBench)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(RecoveryCopyBench)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpBench)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
