// zenthar-screenshot: starts the main window on a fixed little galaxy held in memory and writes
// a picture of it, optionally with one of its menus open, so the window can be looked at.
//   zenthar-screenshot OUT.png [main|empty|file|orders|reports|tools|options|help] [WIDTHxHEIGHT]
//                      [X,Y,W,H: only this part, twice as large]
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"

namespace {

using zenthar::GameState;

struct PlanetSpec {
    int x, y, ships, prod, maxProd, host;
    const char* ico;
    const char* scouted;
};

// Two players: Ann (capital at index 2) owns three more planets and has scouted some; Boris
// has his capital at index 11; the rest belongs to the Empire.
constexpr PlanetSpec kPlanets[] = {
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
        const PlanetSpec& s = kPlanets[i];
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

QImage Compose(QWidget& window, QMenu* menu) {
    QImage image = window.grab().toImage();
    if (menu != nullptr && menu->isVisible()) {
        QPainter p(&image);
        const QPoint at = menu->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, 0));
        p.drawPixmap(at, menu->grab());
        if (QMenu* sub = menu->findChild<QMenu*>(); sub != nullptr && sub->isVisible())
            p.drawPixmap(sub->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, 0)),
                         sub->grab());
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s OUT.png [main|empty|file|orders|reports|tools|options|help] "
                     "[WIDTHxHEIGHT]\n",
                     argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const std::string view = argc > 2 ? argv[2] : "main";
    zenthar::ui::Zenthar window;
    if (!window.startUp()) return 1;
    if (argc > 3) {
        int w = 0, h = 0;
        if (std::sscanf(argv[3], "%dx%d", &w, &h) == 2 && w > 0 && h > 0) window.resize(w, h);
    }
    window.show();
    window.activateWindow();
    // "empty" is the window as the program starts: stars only, no game.
    if (view != "empty") {
        BuildGalaxy(window.game().st);
        window.ShowLoadedGame();
        window.ShowPlanetInfo(3, false);
    }

    QMenu* menu = nullptr;
    const char* menuName = view == "file"                         ? "FileMenu"
                           : view == "orders"                     ? "OrdersItem"
                           : view == "reports"                    ? "ReportsItem"
                           : view == "tools" || view == "options" ? "ToolsItem"
                           : view == "help"                       ? "HelpItem"
                                                                  : nullptr;
    int status = 0;
    QTimer::singleShot(300, &window, [&] {
        if (menuName != nullptr) {
            menu = window.findChild<QMenu*>(menuName);
            if (menu != nullptr) {
                window.menuBar()->setActiveAction(menu->menuAction());
                if (view == "options")
                    if (QMenu* sub = window.findChild<QMenu*>("OptionsItem"))
                        menu->setActiveAction(sub->menuAction());
            }
        }
        QTimer::singleShot(400, &window, [&] {
            QImage image = Compose(window, menu);
            int x = 0, y = 0, w = 0, h = 0;
            if (argc > 4 && std::sscanf(argv[4], "%d,%d,%d,%d", &x, &y, &w, &h) == 4 && w > 0 &&
                h > 0)
                image = image.copy(x, y, w, h).scaled(w * 2, h * 2);
            if (!image.save(out)) {
                std::fprintf(stderr, "cannot write %s\n", argv[1]);
                status = 1;
            }
            QApplication::exit(status);
        });
    });
    const int rc = QApplication::exec();
    // The window must not ask about the running game on its way out.
    window.game().st.GameActive = false;
    return rc;
}
