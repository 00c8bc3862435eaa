// How long a year end takes with nothing shown: 50 planets, 4 players, 1000 task forces in
// flight of which 250 land, with the working game database on disk and in memory (/dev/shm).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>
#include <string>

#include "game/game.h"
#include "game/random.h"
#include "game/silent.h"
#include "turn/endturn.h"
#include "turn/taskforces.h"

namespace zenthar {
namespace {

constexpr int kPlanets = 50;
constexpr int kPlayers = 4;
constexpr int kFleetsPerSide = 200;  // 5 sides: 1000 task forces
constexpr int kLandingPerSide = 50;  // 250 of them land at the year end

class YearEndFixture {
  public:
    explicit YearEndFixture(const std::filesystem::path& base)
        : folder_(base / ("zenthar-bench-" + std::to_string(::getpid()))),
          random_(12345),
          game_(folder_, dialogs_, display_, view_, random_) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "GAMES");
        const std::filesystem::path source(ZENTHAR_PROGRAM_DIR);
        for (const char* name : {"crt.dat", "planets.dat", "backgrnd.dat", "zenthar.mdb"})
            std::filesystem::copy_file(source / name, folder_ / name,
                                       std::filesystem::copy_options::overwrite_existing);
        StartUp(game_);
        BuildGalaxy();
        LaunchFleets();
        // The snapshot every iteration starts from.
        game_.FileDta1.release();
        std::filesystem::copy_file(game_.WorkingFile(), folder_ / "snapshot.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        game_.FileDta1.rebind(game_.WorkingFile(), "Ships");
        st_.CurrentPlTurn = kPlayers - 1;
        ShowTurnStatus(game_, false);
        snapshot_ = std::make_unique<GameState>(game_.st);
    }
    ~YearEndFixture() {
        game_.FileDta1.release();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    void Restore() {
        game_.FileDta1.release();
        std::filesystem::copy_file(folder_ / "snapshot.mdb", game_.WorkingFile(),
                                   std::filesystem::copy_options::overwrite_existing);
        game_.FileDta1.rebind(game_.WorkingFile(), "Ships");
        game_.st = *snapshot_;
    }

    Game& game() { return game_; }

  private:
    void BuildGalaxy() {
        st_.PlayesNum = kPlayers;
        st_.PlanetsNum = kPlanets;
        st_.EmpireSkill = 1;
        st_.CurrentYear = kFirstYear;
        st_.SkipEndTurnScreen = true;
        st_.SoundsOff = true;
        for (int i = 0; i < kPlanets; ++i) {
            PlanetRecord& p = st_.planet(i);
            p.XPos = static_cast<Int16>(1 + (i * 7) % 45);
            p.YPos = static_cast<Int16>(1 + (i * 11) % 45);
            p.Production = static_cast<Int16>(1 + i % 10);
            p.MaxProd = 20;
            p.Hostility = static_cast<Int16>(1 + i % 10);
            p.Ships = static_cast<Int16>(20 + i);
            p.Scouted = "0000";
        }
        for (int k = 0; k < kPlayers; ++k) {
            st_.PlName[static_cast<std::size_t>(k)] = "Player " + std::to_string(k + 1);
            // Each player holds a home planet and four more.
            for (int j = 0; j < 5; ++j) {
                const int i = k * 5 + j;
                st_.planet(i).setDigit(k, j == 0 ? '3' : '2');
                if (j == 0) st_.PlHome[static_cast<std::size_t>(k)] = static_cast<Int16>(i);
            }
            st_.Hatest[static_cast<std::size_t>(k)] = 5;
        }
        BuildProdOrder(st_);
        st_.GameActive = true;
    }

    void LaunchFleets() {
        for (int side = 0; side <= kEmpire; ++side) {
            st_.CurrentPlTurn = static_cast<Int16>(side);
            st_.TaskForceLast = -1;
            for (int n = 0; n < kFleetsPerSide; ++n) {
                TaskForceRecord& tf = st_.TaskForceList[static_cast<std::size_t>(n)];
                const int from = side == kEmpire ? 20 + n % 30 : side * 5 + n % 5;
                const int to = (from + 1 + n * 13) % kPlanets;
                tf.PlNum = FormatPlain(side);
                tf.TFNum = static_cast<Int16>(n);
                tf.StartPl = st_.planet(from).PlanetId;
                tf.EndPl = st_.planet(to).PlanetId;
                tf.RemTurns =
                    static_cast<Int16>(kFirstYear + (n < kLandingPerSide ? 1 : 2 + n % 4));
                tf.NumOfShips = static_cast<Int16>(5 + n % 20);
                st_.TaskForceLast = static_cast<Int16>(n);
            }
            SaveTaskForces(game_);
        }
        st_.TaskForceLast = -1;
    }

    std::filesystem::path folder_;
    SilentDialogs dialogs_;
    SilentDisplay display_;
    SilentView view_;
    SystemRandom random_;
    Game game_;
    GameState& st_ = game_.st;
    std::unique_ptr<GameState> snapshot_;
};

void RunYearEnds(benchmark::State& state, const std::filesystem::path& base) {
    YearEndFixture fixture(base);
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Restore();
        state.ResumeTiming();
        EndTurn(fixture.game());
    }
}

void BM_YearEndOnDisk(benchmark::State& state) {
    RunYearEnds(state, std::filesystem::temp_directory_path());
}

void BM_YearEndInMemory(benchmark::State& state) {
    RunYearEnds(state, "/dev/shm");
}

BENCHMARK(BM_YearEndOnDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearEndInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zenthar
