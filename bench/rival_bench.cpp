// The Hard computer player's pace: one turn on 50 planets with a full list of 1000 task forces
// in flight, every turn of whole four-Hard games on 50 planets played again from the position
// it found (the 99th percentile of the CPU time per turn should stay under 20 ms), and whole
// games of four Hard seats on 50 planets in game-years per second (at least 1000).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "rivals/rival.h"
#include "sim/simulation.h"
#include "turn/endturn.h"

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

// Plays a whole game of four Hard seats and keeps the position every Hard turn started from.
class PositionRecorder : public SeatPlayer {
  public:
    explicit PositionRecorder(std::vector<GameState>& positions) : positions_(positions) {}
    void PlayTurn(Game& game) override {
        positions_.push_back(game.st);
        MakeComputerPlayer(SeatKind::Hard)->PlayTurn(game);
    }

  private:
    std::vector<GameState>& positions_;
};

std::vector<GameState> RecordedPositions(unsigned long long seed) {
    std::vector<GameState> positions;
    sim::HeadlessGame headless(ZENTHAR_PROGRAM_DIR, seed);
    Game& game = headless.game();
    game.computerPlayers = [&positions](SeatKind) {
        return std::make_unique<PositionRecorder>(positions);
    };
    sim::SimulationOptions o = Galaxy(4);
    o.seats.assign(4, sim::SeatChoice::Level(SeatKind::Hard));
    sim::StartSeededGalaxy(game, o);
    const int first = game.st.CurrentYear;
    // Without a human seat every End Turn plays a whole year.
    while (Winner(game) == -1 && game.st.CurrentYear - first < 300) EndTurn(game);
    return positions;
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Every turn of two recorded games, each timed on its own: the counters give the 99th
// percentile and the slowest turn in CPU milliseconds.
void BM_HardTurnOverRecordedGames(benchmark::State& state) {
    std::vector<GameState> positions = RecordedPositions(9100);
    const std::vector<GameState> second = RecordedPositions(9101);
    positions.insert(positions.end(), second.begin(), second.end());
    sim::HeadlessGame headless(ZENTHAR_PROGRAM_DIR, 1);
    Game& game = headless.game();
    const auto hard = MakeComputerPlayer(SeatKind::Hard);
    std::vector<double> ms;
    for (auto _ : state) {
        ms.clear();
        for (const GameState& position : positions) {
            state.PauseTiming();
            game.st = position;
            state.ResumeTiming();
            const double start = ThreadCpuMs();
            hard->PlayTurn(game);
            ms.push_back(ThreadCpuMs() - start);
        }
    }
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    state.counters["turns"] = static_cast<double>(ms.size());
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["max_ms"] = ms.back();
}

void BM_FourHardSeatsGameYears(benchmark::State& state) {
    sim::SimulationOptions o = Galaxy(4);
    o.seats.assign(4, sim::SeatChoice::Level(SeatKind::Hard));
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
BENCHMARK(BM_HardTurnOverRecordedGames)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FourHardSeatsGameYears)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zenthar
