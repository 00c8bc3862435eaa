// The main window's costs on a full-HD window with 50 planets: one scroll step of the galaxy map
// (the redraw decision, DrawGalaxyMap, plus the repaint of the window's surface, with the owners'
// marks), a whole repaint at Whole Galaxy, start-up to the question a recovery copy asks, and the
// Ownership Map's placing of its labels. Run with QT_SCALE_FACTOR=2 the same window is a
// 3840 x 2160 screen at twice the scale.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "game/random.h"
#include "game/recovery.h"
#include "reports/OwningMapFrm.h"
#include "reports/StatisticsFrm.h"
#include "reports/turn_summary.h"
#include "setup/galaxy.h"
#include "setup/newgame.h"
#include "turn/endturn.h"
#include "turn/taskforces.h"

namespace {

// A private copy of the program folder: start-up resets the working database in it.
std::filesystem::path MakeProgramFolder(const std::string& name = "map") {
    const std::filesystem::path from(ZENTHAR_PROGRAM_DIR);
    const std::filesystem::path to = std::filesystem::temp_directory_path() /
                                     ("zenthar-bench-" + name + std::to_string(::getpid()));
    std::filesystem::create_directories(to / "GAMES");
    for (const auto& entry : std::filesystem::directory_iterator(from))
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry.path(), to / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    return to;
}

struct Fixture {
    std::filesystem::path folder = MakeProgramFolder();
    std::unique_ptr<zenthar::ui::Zenthar> window;
    QScrollBar* horiz = nullptr;
    zenthar::ui::GalaxyMap* map = nullptr;

    Fixture() {
        window = std::make_unique<zenthar::ui::Zenthar>(folder);
        if (!window->startUp()) std::abort();
        window->show();
        map = window->findChild<zenthar::ui::GalaxyMap*>("GalaxyMap");
        const QSize extra = window->size() - map->size();
        window->resize(QSize(1920, 1080) + extra);
        QApplication::processEvents();

        zenthar::GameState& st = window->game().st;
        const char* icons[] = {"good_pl.ico", "med_pl.ico", "bad_pl.ico"};
        st.PlayesNum = 2;
        st.PlanetsNum = 50;
        st.CurrentYear = 4100;
        st.PlName[0] = "Ann";
        st.PlName[1] = "Bob";
        st.PlSymbol[0] = "shipvert.ico";
        st.PlSymbol[1] = "mac.ico";
        st.PlHome[1] = 1;
        for (int i = 0; i < 50; ++i) {
            zenthar::PlanetRecord& p = st.planet(i);
            p.XPos = static_cast<zenthar::Int16>(1 + (i * 7) % 44);
            p.YPos = static_cast<zenthar::Int16>(1 + (i * 11) % 26);
            p.Ico = icons[i % 3];
            // Ann's capital, Bob's, a few more of each, the Empire's rest.
            p.Scouted = i == 0       ? "3000"
                        : i == 1     ? "0300"
                        : i % 5 == 2 ? "2000"
                        : i % 7 == 3 ? "0200"
                                     : "0000";
            p.Production = 3;
            p.MaxProd = 10;
            p.Ships = 10;
        }
        st.GameActive = true;
        window->ShowLoadedGame();
        horiz = window->findChild<QScrollBar*>("HorizScrl");
        horiz->setValue(0);
        QApplication::processEvents();
    }
    ~Fixture() {
        window->game().st.GameActive = false;
        window.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

// Built in main() once the application exists, and gone before it ends.
Fixture* gFixture = nullptr;
Fixture& TheFixture() {
    return *gFixture;
}

// One step of the horizontal scroll bar and the repaint it causes, as the player sees it: the
// window paints what the moved planets covered before and cover now.
void BM_ScrollStep(benchmark::State& state) {
    Fixture& f = TheFixture();
    int step = 0;
    for (auto _ : state) {
        f.horiz->setValue(step++ % 2);
        QApplication::processEvents();
    }
    state.counters["shown"] = f.map->shownCount();
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

// The worst case: a scroll step followed by a repaint of the whole surface (1920 x 1080).
void BM_ScrollStepRepaint(benchmark::State& state) {
    Fixture& f = TheFixture();
    int step = 0;
    for (auto _ : state) {
        f.horiz->setValue(step++ % 2);
        f.map->repaint();
    }
    state.counters["shown"] = f.map->shownCount();
}
BENCHMARK(BM_ScrollStepRepaint)->Unit(benchmark::kMicrosecond);

// The redraw decision alone: which planets are in view and where.
void BM_DrawGalaxyMap(benchmark::State& state) {
    Fixture& f = TheFixture();
    for (auto _ : state) f.window->DrawGalaxyMap();
}
BENCHMARK(BM_DrawGalaxyMap)->Unit(benchmark::kMicrosecond);

// A repaint of the whole surface with every planet in view marked: the whole galaxy shown.
void BM_WholeGalaxyRepaint(benchmark::State& state) {
    Fixture& f = TheFixture();
    f.window->WholeGalaxyItem_Click();
    for (auto _ : state) f.map->repaint();
    state.counters["shown"] = f.map->shownCount();
    state.counters["dpr"] = f.map->devicePixelRatioF();
    // Back to the scale the other cases measure.
    while (f.map->scale() < 1.0) f.window->ZoomInItem_Click();
    f.horiz->setValue(0);
}
BENCHMARK(BM_WholeGalaxyRepaint)->Unit(benchmark::kMicrosecond);

// A repaint of the whole surface at the default scale.
void BM_FullRepaint(benchmark::State& state) {
    Fixture& f = TheFixture();
    for (auto _ : state) f.map->repaint();
    state.counters["shown"] = f.map->shownCount();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

// The surface alone, rendered into a pixmap: stars, names and images.
void BM_PaintSurface(benchmark::State& state) {
    Fixture& f = TheFixture();
    QPixmap target(f.map->size());
    for (auto _ : state) f.map->render(&target, QPoint(), QRegion(), QWidget::DrawWindowBackground);
}
BENCHMARK(BM_PaintSurface)->Unit(benchmark::kMicrosecond);

// Opening Reports > Statistics, or the Story of the Game, on 300 years of four players and the
// Empire, each year with a report of twenty battles as a game file keeps it: the window built
// from the chronicle (the story's lines read every report), laid out and painted once (at most
// 100 ms).
void OpenOnLongGame(benchmark::State& state, zenthar::ui::StatisticsFrm::Mode mode) {
    Fixture& f = TheFixture();
    zenthar::GameState& st = f.window->game().st;
    const zenthar::GameState before = st;
    st.PlayesNum = 4;
    st.PlName[2] = "Cid";
    st.PlName[3] = "Dee";
    st.CurrentYear = 4400;
    st.Decided = mode == zenthar::ui::StatisticsFrm::Mode::Story ? 0 : -1;
    const std::array<std::string, 5> names{"Ann", "Boris", "Cid", "Dee", "Empire"};
    for (int y = 0; y < 300; ++y) {
        zenthar::HistoryYear year;
        year.year = 4100 + y;
        for (int side : {0, 1, 2, 3, zenthar::kEmpire})
            year.sides.push_back({side, (y + side * 7) % 50, y % 97 + side, 30000 - y * side,
                                  y * 3 % 400, y % 4, side % 3});
        std::string report = "Current Year: \t " + std::to_string(year.year) + "\r\n\r\n" +
                             zenthar::TurnSummaryHeader() + "\r\n\r\n";
        for (int b = 0; b < 20; ++b) {
            const std::string& by = names[static_cast<std::size_t>((y + b) % 5)];
            const std::string planet = st.planet(b % st.PlanetsNum).Name.trimmed();
            report += by + "\t" + planet + "\t" + names[static_cast<std::size_t>(b % 5)] + "\t " +
                      std::to_string(10 + b) + "\t " + std::to_string(y % 30) + "\t 3\t 0\t" + by +
                      " conquered the planet " + planet + "\r\n";
        }
        year.setPackedReport(zenthar::PackReport(report, year.year));
        st.Chronicle.add(std::move(year));
    }
    for (auto _ : state) {
        zenthar::ui::StatisticsFrm frm(f.window->game(), mode, f.window.get());
        frm.show();
        frm.repaint();
    }
    st = before;
}
void BM_OpenStatistics(benchmark::State& state) {
    OpenOnLongGame(state, zenthar::ui::StatisticsFrm::Mode::Statistics);
}
BENCHMARK(BM_OpenStatistics)->Unit(benchmark::kMillisecond);
void BM_OpenStory(benchmark::State& state) {
    OpenOnLongGame(state, zenthar::ui::StatisticsFrm::Mode::Story);
}
BENCHMARK(BM_OpenStory)->Unit(benchmark::kMillisecond);

// The Ownership Map in fleets mode on the largest galaxy a new game makes, a fleet out of every
// planet: placing the fifty names and fifty fleet labels, as one resize of the open map does,
// switching between a small laptop's screen and a full-HD one at twice the scale (the crowded
// sizes).
void BM_OwningMapLabels(benchmark::State& state) {
    Fixture& f = TheFixture();
    zenthar::GameState& st = f.window->game().st;
    const zenthar::GameState before = st;
    st.PlanetsNum = zenthar::kMaxPlanets;
    st.PlayesNum = 4;
    zenthar::HomePlanetTexts homes;
    for (std::size_t k = 0; k < 4; ++k) {
        st.PlSymbol[k] = zenthar::kPlayerSymbols[k];
        homes[k] = st.PlanetList[k].Name.padded();
    }
    zenthar::SystemRandom random(7);
    zenthar::GenerateGalaxy(st, random, homes);
    st.ShowFleetsMode = true;
    st.CurrentPlTurn = 0;
    st.TaskForceLast = -1;
    for (int i = 0; i < st.PlanetsNum; ++i)
        zenthar::LaunchTaskForce(st, i, (i * 7 + 3) % st.PlanetsNum, 9 + i * 37 % 500);
    {
        zenthar::ui::OwningMapFrm map(f.window->game(), f.window.get());
        map.show();
        const QSize sizes[] = {{1366, 768}, {960, 540}};
        int step = 0;
        for (auto _ : state) map.resize(sizes[step++ % 2]);
        state.counters["labels"] =
            static_cast<double>(map.nameBoxes().size() + map.labelBoxes().size());
    }
    st = before;
}
BENCHMARK(BM_OwningMapLabels)->Unit(benchmark::kMicrosecond);

}  // namespace

// The window's start-up as a player waits for it (made, data files read, working file reset,
// shown), without a recovery copy (0) and with one, down to the year and players its question
// names (1): it should cost at most a fifth more.
void BM_StartUpToQuestion(benchmark::State& state) {
    const std::filesystem::path folder = MakeProgramFolder("startup");
    if (state.range(0) != 0) {
        zenthar::ui::Zenthar first(folder);
        if (!first.startUp()) std::abort();
        zenthar::NewGameSettings s;
        s.players = 4;
        s.planets = 50;
        for (std::size_t k = 0; k < 4; ++k) {
            s.names[k] = "Player " + std::to_string(k + 1);
            s.symbols[k] = zenthar::kPlayerSymbols[k];
            s.homePlanets[k] = first.game().st.PlanetList[k].Name.padded();
        }
        zenthar::CreateNewGame(first.game(), s);
        zenthar::StartFirstTurn(first.game());
        zenthar::WriteRecoveryCopy(first.game());
        first.game().st.GameActive = false;
    }
    for (auto _ : state) {
        zenthar::ui::Zenthar window(folder);
        if (!window.startUp()) std::abort();
        window.show();
        QApplication::processEvents();
        if (zenthar::RecoveryCopyExists(window.game()))
            benchmark::DoNotOptimize(zenthar::CheckRecoveryCopy(window.game()));
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_StartUpToQuestion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto fixture = std::make_unique<Fixture>();
    gFixture = fixture.get();
    benchmark::RunSpecifiedBenchmarks();
    gFixture = nullptr;
    fixture.reset();
    benchmark::Shutdown();
    return 0;
}
