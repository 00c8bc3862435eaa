// zenthar-screenshot: starts the main window on a fixed little galaxy held in memory and writes
// a picture of it, with one of its menus open or one of its windows on top, so every window can
// be looked at without playing to it.
//   zenthar-screenshot OUT.png [VIEW[@MS]] [WIDTHxHEIGHT] [X,Y,W,H: only this part, twice as large]
// VIEW is main, longname, keyboard, empty, whole (the map at Whole Galaxy), tooltip (a planet's
// tooltip), a menu (file, orders, view, reports, tools, options, help) or a window (newgame,
// question, open, save, sendships, pointing (Send Ships opened by a right click on a planet),
// production, battle, landing, summary, prodsum, owning, fleets, fleetlist, find, browser, about,
// helpwin: the game's own help window, owning50 and fleets50: those two maps of a 50-planet
// galaxy as a new game makes it, a fleet out of every planet, statistics, story, handover: the
// screen between two players' turns; curtain-MENU: that screen with one of the menus open, its
// items for the next player's own view greyed), rivals (thirty years against two Hard computer
// seats; rivalstats: their statistics), a game of thirty years against them (timed: twelve years
// in, the scores beside the year; timeup: the last End Turn and the message of the highest score;
// timestory: the story once the thirty years ran out), rivals40 (forty years of a player who
// gives orders against three Hard computer seats; rivals40stats, rivals40owning: their
// statistics and the Ownership Map) or a start-up message (nofolder, resume: the question after
// a crash); MS is how long to wait before taking the picture (the battle runs in real time).
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "game/random.h"
#include "game/recovery.h"
#include "options/HelpFrm.h"
#include "options/map_zoom.h"
#include "orders/production.h"
#include "orders/sendships.h"
#include "setup/galaxy.h"
#include "setup/newgame.h"
#include "turn/endturn.h"
#include "turn/knowledge.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace {

using zenthar::GameState;

struct PlanetSetup {
    int x, y, ships, prod, maxProd, host;
    const char* ico;
    const char* scouted;
};

// Two players: Ann (capital at index 2) owns three more planets and has scouted some; Boris
// has his capital at index 11; the rest belongs to the Empire.
// clang-format off
constexpr PlanetSetup kPlanets[] = {
    {3, 2, 12, 4, 9, 3, "med_pl.ico", "1000"},     {9, 4, 7, 2, 6, 7, "bad_pl.ico", "0000"},
    {7, 8, 45, 10, 20, 0, "good_pl.ico", "3000"},  {12, 6, 18, 5, 12, 4, "good_pl.ico", "2000"},
    {15, 10, 0, 3, 8, 6, "med_pl.ico", "2000"},    {5, 13, 22, 6, 14, 2, "good_pl.ico", "1000"},
    {10, 15, 9, 3, 10, 8, "bad_pl.ico", "0000"},   {18, 3, 14, 4, 11, 5, "med_pl.ico", "1000"},
    {21, 8, 30, 7, 16, 3, "good_pl.ico", "0000"},  {14, 17, 5, 1, 4, 9, "bad_pl.ico", "0000"},
    {24, 13, 11, 3, 9, 6, "med_pl.ico", "2000"},   {27, 5, 40, 10, 20, 0, "good_pl.ico", "0300"},
    {19, 18, 16, 5, 13, 4, "med_pl.ico", "0100"},  {3, 19, 8, 2, 7, 7, "bad_pl.ico", "0000"},
    {29, 17, 21, 6, 15, 5, "good_pl.ico", "0200"}, {31, 10, 6, 2, 5, 10, "bad_pl.ico", "0000"},
    {8, 21, 13, 4, 10, 4, "med_pl.ico", "1000"},   {23, 21, 19, 5, 12, 3, "med_pl.ico", "0000"},
    {34, 3, 10, 3, 8, 6, "good_pl.ico", "0000"},   {36, 14, 27, 8, 18, 2, "good_pl.ico", "0000"},
};
// clang-format on

void BuildGalaxy(GameState& st) {
    st.PlayesNum = 2;
    st.PlanetsNum = static_cast<int>(std::size(kPlanets));
    st.CurrentYear = 4107;
    st.CurrentPlTurn = 0;
    st.PlName[0] = "Ann";
    st.PlName[1] = "Boris";
    st.PlSymbol[0] = "shipvert.ico";
    st.PlSymbol[1] = "mac.ico";
    st.PlHome[0] = 2;
    st.PlHome[1] = 11;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        const PlanetSetup& s = kPlanets[i];
        zenthar::PlanetRecord& p = st.planet(i);
        p.XPos = static_cast<zenthar::Int16>(s.x);
        p.YPos = static_cast<zenthar::Int16>(s.y);
        p.Ships = static_cast<zenthar::Int16>(s.ships);
        p.Production = static_cast<zenthar::Int16>(s.prod);
        p.MaxProd = static_cast<zenthar::Int16>(s.maxProd);
        p.Hostility = static_cast<zenthar::Int16>(s.host);
        p.WillProd = -1;
        p.Ico = s.ico;
        p.Scouted = s.scouted;
        // What Ann saw when she scouted it, a few years ago.
        p.KnownShip[0] = static_cast<zenthar::Int16>(s.ships / 2 + 1);
        p.KnownProd[0] = static_cast<zenthar::Int16>(s.prod);
        p.KnownHost[0] = static_cast<zenthar::Int16>(s.host);
        p.YearScouted[0] = 4104;
    }
    zenthar::BuildProdOrder(st);
    st.GameActive = true;
}

// Ann's fleets: one lands at the coming year end, on an Empire planet or (landing) on one of her
// own; two more are on their way.
void LaunchFleets(zenthar::Game& game, bool landing) {
    GameState& st = game.st;
    st.CurrentPlTurn = 0;
    st.TaskForceLast = -1;
    zenthar::LaunchTaskForce(st, 2, landing ? 3 : 8, 40);
    st.TaskForceList[0].RemTurns = static_cast<zenthar::Int16>(st.CurrentYear + 1);
    zenthar::LaunchTaskForce(st, 3, 1, 10);
    zenthar::LaunchTaskForce(st, 5, 13, 12);
    zenthar::SaveTaskForces(game);
    zenthar::LoadTaskForces(game);
}

// The largest galaxy a new game makes, always the same one, with a fleet of Ann's out of every
// planet: the crowd the Ownership Map has to find room for.
void BuildCrowdedGalaxy(zenthar::Game& game) {
    GameState& st = game.st;
    st.PlanetsNum = zenthar::kMaxPlanets;
    st.PlayesNum = 4;
    st.EmpireSkill = 1;
    st.CurrentYear = 4107;
    st.CurrentPlTurn = 0;
    zenthar::HomePlanetTexts homes;
    for (std::size_t k = 0; k < 4; ++k) {
        st.PlName[k] = k == 0 ? "Ann" : "Player " + std::to_string(k + 1);
        st.PlSymbol[k] = zenthar::kPlayerSymbols[k];
        homes[k] = st.PlanetList[k].Name.padded();
    }
    zenthar::SystemRandom random(7);
    zenthar::GenerateGalaxy(st, random, homes);
    st.TaskForceLast = -1;
    for (int i = 0; i < st.PlanetsNum; ++i)
        zenthar::LaunchTaskForce(st, i, (i * 7 + 3) % st.PlanetsNum, 9 + i * 37 % 500);
    zenthar::SaveTaskForces(game);
    zenthar::LoadTaskForces(game);
    st.GameActive = true;
}

// Forty years of war for the statistics: Ann grows, Boris holds on, the Empire gives way.
void BuildChronicle(GameState& st) {
    st.CurrentYear = 4140;
    for (int y = 0; y < 40; ++y) {
        zenthar::HistoryYear year;
        year.year = 4100 + y;
        const int ann = 1 + y / 3, boris = 1 + (y % 11 < 6 ? y / 8 : y / 10);
        const int empire = std::max(0, 20 - ann - boris);
        year.sides = {{0, ann, ann * 5 + y / 4, 30 + ann * 14 + (y * 7) % 23, 10 + (y * 13) % 40,
                       y % 3, y % 5 == 0 ? 1 : 0},
                      {1, boris, boris * 6, 40 + boris * 9 + (y * 5) % 17, 5 + (y * 3) % 25,
                       y % 4 == 1 ? 1 : 0, y % 3 == 2 ? 1 : 0},
                      {zenthar::kEmpire, empire, empire * 4, 120 + empire * 11 - y, 20 + y % 30,
                       y % 2, y % 3}};
        st.Chronicle.add(std::move(year));
    }
}

// A new game of 26 planets at the Intermediate Empire, `length` years long (0: until one side
// holds the galaxy): Ann at the screen and a Hard computer in every other of `players` seats;
// the year ends quick and silent, every question answered No.
void StartAgainstHardSeats(zenthar::ui::Zenthar& window, const std::array<std::string, 4>& names,
                           int players, int length = 0) {
    zenthar::Game& game = window.game();
    zenthar::NewGameSettings s;
    s.players = players;
    s.planets = 26;
    s.skill = 1;
    s.names = names;
    s.gameLength = length;
    for (std::size_t k = 0; k < 4; ++k) {
        s.seats[k] = k == 0 || static_cast<int>(k) >= players ? zenthar::SeatKind::Human
                                                              : zenthar::SeatKind::Hard;
        s.symbols[k] = zenthar::kPlayerSymbols[k];
        s.homePlanets[k] = game.st.PlanetList[k].Name.padded();
    }
    zenthar::CreateNewGame(game, s);
    zenthar::StartFirstTurn(game);
    game.st.SkipEndTurnScreen = game.st.SoundsOff = true;
    window.ShowLoadedGame();
    window.turnDisplay().setTimeScale(0);
    window.dialogs().setAnswerer(
        [](const zenthar::MessageRequest&) { return zenthar::Answer::No; });
}

// "rivals": thirty years of Ann against two Hard computer seats, every End Turn given through the
// window's command as a player gives it; Ann herself gives no order. The timed views play
// `years` of a game `length` years long.
void PlayAgainstHardRivals(zenthar::ui::Zenthar& window, int years = 30, int length = 0) {
    zenthar::Game& game = window.game();
    StartAgainstHardSeats(window, {"Ann", "Hard One", "Hard Two", ""}, 3, length);
    for (int year = 0; year < years && game.st.GameActive; ++year) window.EndTurnItem_Click();
    window.dialogs().setAnswerer({});
    window.CloseEndTurnSummary();
}

// Ann's orders of one year in "rivals40", from what her side is shown and through the order
// functions the Send Ships and Increase Production windows call: production raised where she
// can spare it, and what a planet holds beyond 12 ships sent at the nearest planet she does
// not own that it should beat two to one (an unknown planet counted as 10 ships).
void PlayAnnsTurn(zenthar::GameState& st) {
    const int me = st.CurrentPlTurn;
    for (int from = 0; from < st.PlanetsNum; ++from) {
        const zenthar::PlanetShown mine = zenthar::PlanetShownTo(st, me, from);
        if (!mine.owned()) continue;
        zenthar::PlanetRecord& p = st.planet(from);
        if (p.Production < 10 && p.Ships >= p.Production + 12) {
            st.SelectedPlanet = static_cast<zenthar::Int16>(from);
            zenthar::IncreaseProduction(st, from);
        }
        const int spare = p.Ships - 12;
        int target = -1;
        for (int t = 0; t < st.PlanetsNum; ++t) {
            const zenthar::PlanetShown shown = zenthar::PlanetShownTo(st, me, t);
            if (shown.owned() || 2 * shown.ships.value_or(10) + 1 > spare) continue;
            if (target == -1 ||
                zenthar::PlanetDistance(st, from, t) < zenthar::PlanetDistance(st, from, target))
                target = t;
        }
        if (target != -1) zenthar::SendShips(st, from, target, std::to_string(spare));
    }
}

// "rivals40": Ann against three Hard computer seats for forty years on 26 planets, every End
// Turn given through the window's command; Ann gives her orders each year.
void PlayAgainstThreeHardRivals(zenthar::ui::Zenthar& window) {
    zenthar::Game& game = window.game();
    StartAgainstHardSeats(window, {"Ann", "Hard One", "Hard Two", "Hard Three"}, 4);
    for (int year = 0; year < 40 && game.st.GameActive; ++year) {
        if (game.st.CurrentPlTurn == 0) PlayAnnsTurn(game.st);
        window.EndTurnItem_Click();
    }
    window.dialogs().setAnswerer({});
    window.CloseEndTurnSummary();
    window.ShowLoadedGame();
}

// The main window with every other visible window drawn over it where it stands on the screen.
QImage Compose(QWidget& window, QMenu* menu) {
    QRect bounds = window.geometry();
    std::vector<QWidget*> others;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &window || !w->isVisible() || qobject_cast<QMenu*>(w) != nullptr) continue;
        others.push_back(w);
        bounds |= w->geometry();
    }
    // Modal windows last: they are on top.
    std::stable_sort(others.begin(), others.end(),
                     [](QWidget* a, QWidget* b) { return !a->isModal() && b->isModal(); });
    // At the screen's device pixel ratio, so the picture shows what a HiDPI screen shows.
    const qreal ratio = window.devicePixelRatioF();
    QImage image(bounds.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(60, 60, 60));
    QPainter p(&image);
    p.drawPixmap(window.geometry().topLeft() - bounds.topLeft(), window.grab());
    if (menu != nullptr && menu->isVisible()) {
        const QPoint origin =
            window.mapToGlobal(QPoint(0, 0)) - window.geometry().topLeft() + bounds.topLeft();
        p.drawPixmap(menu->mapToGlobal(QPoint(0, 0)) - origin, menu->grab());
        if (QMenu* sub = menu->findChild<QMenu*>(); sub != nullptr && sub->isVisible())
            p.drawPixmap(sub->mapToGlobal(QPoint(0, 0)) - origin, sub->grab());
    }
    for (QWidget* w : others) p.drawPixmap(w->geometry().topLeft() - bounds.topLeft(), w->grab());
    return image;
}

using Command = void (zenthar::ui::Zenthar::*)();

struct WindowView {
    const char* name;
    Command command;
    int delayMs;
};

// clang-format off
constexpr WindowView kWindows[] = {
    {"newgame", &zenthar::ui::Zenthar::NewGameItem_Click, 600},
    {"question", &zenthar::ui::Zenthar::NewGameItem_Click, 600},
    {"open", &zenthar::ui::Zenthar::LoadGameItem_Click, 900},
    {"save", &zenthar::ui::Zenthar::SaveGameItem_Click, 900},
    {"sendships", &zenthar::ui::Zenthar::SendItem_Click, 600},
    {"production", &zenthar::ui::Zenthar::IncreaseProdItem_Click, 600},
    {"battle", &zenthar::ui::Zenthar::EndTurnItem_Click, 5600},
    {"landing", &zenthar::ui::Zenthar::EndTurnItem_Click, 2000},
    {"summary", &zenthar::ui::Zenthar::EndTurnItem_Click, 900},
    {"prodsum", &zenthar::ui::Zenthar::ProductionSumItem_Click, 600},
    {"owning", &zenthar::ui::Zenthar::OwningMapItem_Click, 600},
    {"fleets", &zenthar::ui::Zenthar::ShowFleetsItem_Click, 600},
    {"owning50", &zenthar::ui::Zenthar::OwningMapItem_Click, 600},
    {"fleets50", &zenthar::ui::Zenthar::ShowFleetsItem_Click, 600},
    {"fleetlist", &zenthar::ui::Zenthar::FleetsInFlightItem_Click, 600},
    {"pointing", nullptr, 600},
    {"find", &zenthar::ui::Zenthar::SearchItem_Click, 600},
    {"browser", &zenthar::ui::Zenthar::IntBrowserItem_Click, 600},
    {"about", &zenthar::ui::Zenthar::AboutItem_Click, 600},
    {"statistics", &zenthar::ui::Zenthar::StatisticsItem_Click, 900},
    {"story", &zenthar::ui::Zenthar::showStoryOnce, 900},
    {"handover", &zenthar::ui::Zenthar::EndTurnItem_Click, 600},
    {"resume", &zenthar::ui::Zenthar::offerRecoveredGame, 600},
    {"rivalstats", &zenthar::ui::Zenthar::StatisticsItem_Click, 900},
    {"timeup", &zenthar::ui::Zenthar::EndTurnItem_Click, 900},
    {"timestory", &zenthar::ui::Zenthar::showStoryOnce, 900},
    {"rivals40stats", &zenthar::ui::Zenthar::StatisticsItem_Click, 900},
    {"rivals40owning", &zenthar::ui::Zenthar::OwningMapItem_Click, 600},
};
// clang-format on

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [VIEW[@MS]] [WIDTHxHEIGHT] [X,Y,W,H]\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    std::string view = argc > 2 ? argv[2] : "main";
    int delayMs = -1;
    if (std::size_t at = view.find('@'); at != std::string::npos) {
        delayMs = std::atoi(view.c_str() + at + 1);
        view.resize(at);
    }
    // "curtain-reports": the hand-over screen up with the Reports menu open.
    const bool curtain = view.rfind("curtain", 0) == 0;
    if (curtain) view = view.size() > 8 ? view.substr(8) : "main";
    const WindowView* window_view = nullptr;
    for (const WindowView& w : kWindows)
        if (view == w.name) window_view = &w;

    // "nofolder" is the message of a start-up whose per-user folder cannot be made.
    const std::filesystem::path here(QCoreApplication::applicationDirPath().toStdString());
    // Every picture starts at the map's default scale, whatever an earlier one chose.
    std::error_code ignored;
    std::filesystem::remove(here / zenthar::kStateFileName, ignored);
    const std::filesystem::path unmakeable("/proc/zenthar-cannot-be-made");
    // "resume" keeps its recovery copy in a folder of its own, never beside a real game's.
    QTemporaryDir scratch;
    const std::filesystem::path scratchPath(scratch.path().toStdString());
    zenthar::ui::Zenthar window(
        view == "nofolder" ? zenthar::ProgramFolders{here, unmakeable, unmakeable}
        : view == "resume" ? zenthar::ProgramFolders{here, scratchPath, scratchPath}
                           : zenthar::ProgramFolders::InOne(here));
    if (view == "nofolder") {
        QTimer::singleShot(delayMs < 0 ? 600 : delayMs, [&] {
            QWidget* box = QApplication::activeModalWidget();
            const bool saved = box != nullptr && box->grab().save(out);
            if (!saved) std::fprintf(stderr, "no message to take a picture of\n");
            std::fflush(nullptr);
            std::_Exit(saved ? 0 : 1);
        });
    }
    if (!window.startUp()) return 1;
    if (argc > 3) {
        int w = 0, h = 0;
        if (std::sscanf(argv[3], "%dx%d", &w, &h) == 2 && w > 0 && h > 0) window.resize(w, h);
    }
    window.show();
    window.activateWindow();
    // "empty" is the window as the program starts: stars only, no game; so is "newgame", which
    // would otherwise first ask whether to end the running game ("question").
    if (view == "rivals" || view == "rivalstats") {
        PlayAgainstHardRivals(window);
    } else if (view == "timed" || view == "timeup" || view == "timestory") {
        PlayAgainstHardRivals(window, view == "timed" ? 12 : view == "timeup" ? 29 : 30, 30);
        // The story opens by itself at the end; the picture opens it on purpose.
        window.game().st.StoryShown = false;
    } else if (view.rfind("rivals40", 0) == 0) {
        PlayAgainstThreeHardRivals(window);
    } else if (view != "empty" && view != "newgame" && view != "open") {
        zenthar::Game& game = window.game();
        if (view == "owning50" || view == "fleets50")
            BuildCrowdedGalaxy(game);
        else
            BuildGalaxy(game.st);
        const bool yearEnd = view == "battle" || view == "landing" || view == "summary";
        if (yearEnd || view == "fleets" || view == "fleetlist")
            LaunchFleets(game, view == "landing");
        if (yearEnd) {
            // The year ends when the last player ends his turn.
            game.st.CurrentPlTurn = 1;
            zenthar::LoadTaskForces(game);
            game.st.SkipEndTurnScreen = view == "summary";
        }
        // "longname" is the main window on a planet with a name of the full 40 letters.
        if (view == "longname") game.st.planet(3).Name = "Aldebra Prime of the Outer Coreward Rims";
        if (view == "statistics" || view == "story") BuildChronicle(game.st);
        if (view == "story") game.st.Decided = 0;
        // "resume" is the start of the next run after a crash: no game yet, its copy found.
        if (view == "resume") {
            zenthar::WriteRecoveryCopy(game);
            game.st.GameActive = false;
        } else {
            window.ShowLoadedGame();
            window.ShowPlanetInfo(view == "production" ? 2 : 3, false);
        }
        // Ann ends her turn: the curtain comes down for Boris.
        if (curtain) window.EndTurnItem_Click();
    }

    QMenu* menu = nullptr;
    const char* menuName = view == "file"                         ? "FileMenu"
                           : view == "orders"                     ? "OrdersItem"
                           : view == "reports"                    ? "ReportsItem"
                           : view == "view"                       ? "ViewItem"
                           : view == "tools" || view == "options" ? "ToolsItem"
                           : view == "help"                       ? "HelpItem"
                                                                  : nullptr;
    if (delayMs < 0) delayMs = window_view != nullptr ? window_view->delayMs : 400;
    int status = 0;
    auto takePicture = [&] {
        QImage image = Compose(window, menu);
        int x = 0, y = 0, w = 0, h = 0;
        if (argc > 4 && std::sscanf(argv[4], "%d,%d,%d,%d", &x, &y, &w, &h) == 4 && w > 0 &&
            h > 0) {
            const qreal r = image.devicePixelRatio();
            const QRect part(QPointF(x * r, y * r).toPoint(), QSizeF(w * r, h * r).toSize());
            image = image.copy(part).scaled(part.size() * 2);
        }
        if (!image.save(out)) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            status = 1;
        }
        // A command may still be running in its own event loop (a dialog, a battle): the picture
        // is all this program is for, so leave without unwinding it.
        std::fflush(nullptr);
        std::_Exit(status);
    };
    QTimer::singleShot(300, &window, [&] {
        if (window_view != nullptr) {
            QTimer::singleShot(delayMs, &window, takePicture);
            if (window_view->command == nullptr)
                window.SendToPlanet(8);  // a right click on an Empire planet, Ann's selected
            else
                (window.*(window_view->command))();
            // The summary of a skipped year end waits for the next player to lift the curtain.
            if (view == "summary" && window.playerHidden())
                if (QWidget* screen = window.findChild<QWidget*>("HandOverScreen")) {
                    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
                    QApplication::sendEvent(screen, &space);
                }
            return;
        }
        if (menuName != nullptr) {
            menu = window.findChild<QMenu*>(menuName);
            if (menu != nullptr) {
                window.menuBar()->setActiveAction(menu->menuAction());
                if (view == "options")
                    if (QMenu* sub = window.findChild<QMenu*>("OptionsItem"))
                        menu->setActiveAction(sub->menuAction());
            }
        }
        // "helpwin" is the help window the game shows when no browser can show the page.
        if (view == "helpwin") {
            static QPointer<zenthar::ui::HelpFrm> help;
            zenthar::ui::HelpFrm::showHelp(help, here / "help.htm", &window);
        }
        // "keyboard" is the main window after one Tab on the map: the focus mark.
        if (view == "keyboard") {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            if (QWidget* map = window.findChild<QWidget*>("GalaxyMap"))
                QApplication::sendEvent(map, &tab);
        }
        if (view == "whole") window.WholeGalaxyItem_Click();
        if (view == "tooltip") {
            auto* map = window.findChild<zenthar::ui::GalaxyMap*>("GalaxyMap");
            const QPoint at = map->imageRect(8).center();
            QHelpEvent help(QEvent::ToolTip, at, map->mapToGlobal(at));
            QApplication::sendEvent(map, &help);
        }
        QTimer::singleShot(delayMs, &window, takePicture);
    });
    return QApplication::exec();
}
