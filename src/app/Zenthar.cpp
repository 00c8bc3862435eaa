// The main window itself: its controls, start-up, layout in centimetres, the scroll bars, the
// planet panel and the window events. The commands are the table in ZentharCommands.cpp and
// their handlers one file per menu.
#include "app/Zenthar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextLayout>
#include <QThread>
#include <algorithm>

#include "app/GalaxyMap.h"
#include "app/HandOverScreen.h"
#include "app/planet_panel.h"
#include "game/recovery.h"
#include "game/saveload.h"
#include "game/side_totals.h"
#include "game/storage_error.h"
#include "options/map_zoom.h"
#include "rivals/rival.h"
#include "turn/taskforces.h"
#include "ui/units.h"

namespace zenthar::ui {

namespace {

// A folder given (the tests, the screenshot tool) holds everything; otherwise the installed
// layout or the build tree is found from where the executable is.
zenthar::ProgramFolders ResolveProgramFolders(const std::filesystem::path& folder) {
    if (!folder.empty()) return zenthar::ProgramFolders::InOne(folder);
    return zenthar::DecideProgramFolders(
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
        ZENTHAR_DATA_FROM_EXECUTABLE);
}

constexpr QColor kSpaceColour(6, 8, 20);
constexpr QColor kNameColour(200, 208, 224);
constexpr QColor kLineColour(70, 84, 120);

// Where a panel label stands in the window design, in twips.
struct DesignRect {
    double left, top, width, height;
};
// Where a row's left edge goes at start-up: the panel's edge, beside the planet's picture (the
// name), or a little further in (the status).
enum class Edge { Panel, Name, Status };

}  // namespace

struct Zenthar::StatusRow {
    QLabel* Zenthar::*label;
    const char* name;
    const char* caption;
    QColor colour;
    DesignRect design;
    Edge edge;
    // The year stands at the panel's top, above its design place; the rows below the name move
    // down when a long name wraps.
    enum Place { Top, Design, BelowName } place;
    // The score is there only in a game of a chosen length.
    bool onlyWithText;
};

std::span<const Zenthar::StatusRow> Zenthar::statusRows() {
    static const StatusRow rows[] = {
        {&Zenthar::YearLbl_,
         "YearLbl",
         "Year:",
         QColor(0, 255, 0),
         {0, 120, 3495, 255},
         Edge::Panel,
         StatusRow::Top,
         false},
        {&Zenthar::PlTurnLbl_,
         "PlTurnLbl",
         "Player's Turn:",
         QColor(255, 0, 0),
         {0, 480, 3495, 255},
         Edge::Panel,
         StatusRow::Design,
         false},
        {&Zenthar::CurPlNameLbl_,
         "CurPlNameLbl",
         "Planet:",
         QColor(255, 255, 0),
         {1200, 960, 2175, 255},
         Edge::Name,
         StatusRow::Design,
         false},
        {&Zenthar::CurPlStatusLbl_,
         "CurPlStatusLbl",
         "Status:",
         QColor(255, 255, 0),
         {1200, 1320, 2175, 255},
         Edge::Status,
         StatusRow::BelowName,
         false},
        {&Zenthar::CurProdLbl_,
         "CurProdLbl",
         "Production:",
         QColor(0, 255, 255),
         {120, 1680, 2175, 255},
         Edge::Panel,
         StatusRow::BelowName,
         false},
        {&Zenthar::CurShipsLbl_,
         "CurShipsLbl",
         "Ships:",
         QColor(0, 255, 255),
         {120, 2160, 2175, 255},
         Edge::Panel,
         StatusRow::BelowName,
         false},
        {&Zenthar::CurHostLbl_,
         "CurHostLbl",
         "Hostility:",
         QColor(0, 255, 255),
         {120, 2640, 2175, 255},
         Edge::Panel,
         StatusRow::BelowName,
         false},
        {&Zenthar::ScoreLbl_,
         "ScoreLbl",
         "",
         QColor(0, 255, 0),
         {0, 3120, 3495, 765},
         Edge::Panel,
         StatusRow::BelowName,
         true},
    };
    return rows;
}

namespace {

// The kind picture sits beside the name and status rows.
constexpr double kPictureTopTwips = 990;
constexpr int kPictureFrame = 2;
// The owner's symbol must end before the name label starts (0.1 cm after the picture, the
// name at 0.7 cm): it is drawn 0.58 cm wide.
constexpr double kSymbolCm = 0.58;

QLabel* PanelLabel(QWidget* parent, const char* name, const char* caption, const QColor& colour,
                   const QFont& font) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->hide();
    return label;
}

// Breaks a text into the lines that fit a width: between words where it can, anywhere inside a
// word too long for one line (planet names may be 40 letters without a space).
QString WrapToWidth(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width));
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

Zenthar::Zenthar(std::filesystem::path programFolder, QWidget* parent)
    : Zenthar(ResolveProgramFolders(programFolder), parent) {}

Zenthar::Zenthar(const zenthar::ProgramFolders& folders, QWidget* parent)
    : QMainWindow(parent),
      folders_(folders),
      dialogs_(this),
      game_(folders_, dialogs_, display_, *this, random_),
      display_(this, game_.st, folders_.program) {
    game_.computerPlayers = zenthar::MakeComputerPlayer;
    game_.KeepsRecoveryCopy = true;
    setObjectName(QStringLiteral("Zenthar"));
    setWindowTitle(QStringLiteral("Zenthar"));
    const QString appIcon = QString::fromStdString((folders_.program / "zenthar.png").string());
    if (QFile::exists(appIcon)) setWindowIcon(QIcon(appIcon));
    createControls();
    createMenus();
    connectGestures();
    refreshCommands();
}

Zenthar::~Zenthar() = default;

void Zenthar::createControls() {
    map_ = new GalaxyMap(this);
    map_->setObjectName(QStringLiteral("GalaxyMap"));
    // Deep space behind the stars; the names are printed in a pale starlight colour.
    QPalette space = map_->palette();
    space.setColor(QPalette::Window, kSpaceColour);
    space.setColor(QPalette::WindowText, kNameColour);
    map_->setPalette(space);
    map_->setState(&game_.st);
    map_->setProgramFolder(folders_.program);
    setCentralWidget(map_);
    connect(map_, &GalaxyMap::resized, this, &Zenthar::Form_Resize);
    connect(map_, &GalaxyMap::planetFocused, this, [this](int i) {
        const bool zoomed = map_->scale() != kDefaultMapScale;
        if (!map_->imageShown(i) || (zoomed && !fullyInView(i))) scrollToPlanet(i);
    });
    connect(map_, &GalaxyMap::scrollRequested, this, [this](int across, int down) {
        scrollMapTo(HorizScrl_->value() + across, VertScrl_->value() + down);
    });

    Line1_ = new QFrame(map_);
    Line1_->setObjectName(QStringLiteral("Line1"));
    Line1_->setFrameShape(QFrame::NoFrame);
    Line1_->setAutoFillBackground(true);
    QPalette linePal = Line1_->palette();
    linePal.setColor(QPalette::Window, kLineColour);
    Line1_->setPalette(linePal);

    HorizScrl_ = new QScrollBar(Qt::Horizontal, map_);
    HorizScrl_->setObjectName(QStringLiteral("HorizScrl"));
    VertScrl_ = new QScrollBar(Qt::Vertical, map_);
    VertScrl_->setObjectName(QStringLiteral("VertScrl"));
    for (QScrollBar* bar : {HorizScrl_, VertScrl_}) {
        // The bars keep the desktop's own colours, not the map's starlight text colour.
        QPalette desktop = QApplication::palette(bar);
        desktop.setResolveMask(~QPalette::ResolveMask(0));
        bar->setPalette(desktop);
        bar->setRange(0, 45);
        bar->setSingleStep(1);
        bar->setPageStep(5);
        // The map hears of keyboard steps through the bar's value; focus stays on the window.
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(HorizScrl_, &QScrollBar::valueChanged, this, &Zenthar::HorizScrl_Change);
    connect(VertScrl_, &QScrollBar::valueChanged, this, &Zenthar::VertScrl_Change);

    QFont panelFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    panelFont.setStyleHint(QFont::SansSerif);
    panelFont.setPointSizeF(8.25);
    panelFont.setBold(true);
    for (const StatusRow& row : statusRows())
        this->*row.label = PanelLabel(map_, row.name, row.caption, row.colour, panelFont);
    ScoreLbl_->setWordWrap(true);
    ScoreLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScoreLbl_->setToolTip(QString::fromUtf8(kScoreExplained));

    CurPlanetPct_ = new QLabel(map_);
    CurPlanetPct_->setObjectName(QStringLiteral("CurPlanetPct"));
    CurPlanetPct_->setAccessibleName(QStringLiteral("Kind of planet"));
    CurPlanetPct_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CurPlanetPct_->setLineWidth(kPictureFrame);
    CurPlanetPct_->setAlignment(Qt::AlignCenter);
    CurPlanetPct_->setAutoFillBackground(true);
    QPalette pctPal = CurPlanetPct_->palette();
    pctPal.setColor(QPalette::Window, Qt::black);
    pctPal.setColor(QPalette::Light, QColor(120, 132, 170));
    pctPal.setColor(QPalette::Dark, QColor(28, 32, 52));
    CurPlanetPct_->setPalette(pctPal);
    CurPlanetPct_->hide();

    CurPlayerSimPct_ = new QLabel(map_);
    CurPlayerSimPct_->setObjectName(QStringLiteral("CurPlayerSimPct"));
    CurPlayerSimPct_->setAccessibleName(QStringLiteral("Owner's symbol"));
    CurPlayerSimPct_->setAlignment(Qt::AlignCenter);
    CurPlayerSimPct_->hide();

    handOver_ = new HandOverScreen(map_);
    connect(handOver_, &HandOverScreen::dismissed, this, &Zenthar::curtainLifted);
}

// ---- start-up ------------------------------------------------------------------------------

bool Zenthar::startUp() {
    try {
        zenthar::StartUp(game_);
    } catch (const zenthar::FolderError& e) {
        dialogs_.ask(zenthar::MessageRequest{
            "Zenthar cannot make or write the folder where it keeps your games and "
            "settings.\r\r" +
                std::string(e.what()) +
                "\r\rCheck that your home folder can be written, or set XDG_DATA_HOME and "
                "XDG_CONFIG_HOME to folders that can.",
            "Zenthar", zenthar::Buttons::Ok, zenthar::Icon::Critical, zenthar::Answer::Ok});
        return false;
    } catch (const zenthar::StorageError& e) {
        if (e.code() == zenthar::errors::kFileInUse) {
            dialogs_.ask(zenthar::MessageRequest{
                "Zenthar is already running in this folder, and two copies would spoil each "
                "other's game.\r\rSwitch to the Zenthar window that is open, or close it "
                "first.\r\r(" +
                    std::string(e.what()) + ")",
                "Zenthar", zenthar::Buttons::Ok, zenthar::Icon::Critical, zenthar::Answer::Ok});
            return false;
        }
        dialogs_.ask(zenthar::MessageRequest{
            "Zenthar cannot start: a file it needs is missing or cannot be read.\r\r" +
                std::string(e.what()) + "\r\rThe program looks for its files in " +
                folders_.program.string() + ".",
            "Zenthar", zenthar::Buttons::Ok, zenthar::Icon::Critical, zenthar::Answer::Ok});
        return false;
    }
    readMapScale();
    placeWindow();
    layoutAtStartUp();
    map_->starsChanged();
    mainFormState_ = kFormStarted;
    return true;
}

void Zenthar::placeWindow() {
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const ScreenUnits u(screen->logicalDotsPerInch());
    const QRect s = screen->geometry();
    placedSize_ =
        QSize(std::max(1, s.width() - u.twips(500)), std::max(1, s.height() - u.twips(900)));
    move(s.x() + u.twips(5), s.y() + u.twips(500));
    resize(placedSize_);
    // Make the inner area follow at once, so the start-up layout sees the final size.
    if (QLayout* l = layout()) l->activate();
}

void Zenthar::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    exitConfirmed_ = false;
    // The placement is of the whole window, frame included; the frame is known only now.
    if (!placedFrame_ && placedSize_.isValid()) {
        placedFrame_ = true;
        const QSize frame = frameGeometry().size() - size();
        if (frame.width() > 0 || frame.height() > 0) resize(placedSize_ - frame);
    }
}

void Zenthar::layoutAtStartUp() {
    const ScreenUnits u(map_->logicalDpiX());
    layoutScrollBars(true);

    const int picture = GalaxyMap::kImageSize + 2 * kPictureFrame;
    CurPlanetPct_->setGeometry(0, u.twips(kPictureTopTwips), picture, picture);
    const int symbol = std::min(GalaxyMap::kImageSize, static_cast<int>(kSymbolCm * u.pxPerCm()));
    CurPlayerSimPct_->setGeometry(picture + u.px(0.1), CurPlanetPct_->y() + (picture - symbol) / 2,
                                  symbol, symbol);
    const int panelRight = u.px(GalaxyMap::kMapLeftCm);
    const int nameLeft = picture + u.px(0.7);
    for (const StatusRow& row : statusRows()) {
        const int left = row.edge == Edge::Panel  ? 0
                         : row.edge == Edge::Name ? nameLeft
                                                  : nameLeft + u.px(0.2);
        const int top = row.place == StatusRow::Top ? 0 : u.twips(row.design.top);
        const int width = std::max(0, std::min(u.twips(row.design.width), panelRight - left));
        (this->*row.label)->setGeometry(left, top, width, u.twips(row.design.height));
    }
    layoutPlanetName();
}

// The planet's whole name: a name longer than its row wraps onto further lines, and the rows
// below move down by as much, so nothing is cut and nothing covered.
void Zenthar::layoutPlanetName() {
    const ScreenUnits u(map_->logicalDpiX());
    const QString whole = CurPlNameLbl_->accessibleName();
    const QString wrapped = WrapToWidth(whole, CurPlNameLbl_->font(), CurPlNameLbl_->width());
    CurPlNameLbl_->setText(wrapped);
    const int rowHeight = u.twips(255);
    const int lines = static_cast<int>(wrapped.count(QLatin1Char('\n'))) + 1;
    const int nameHeight =
        lines == 1 ? rowHeight : lines * QFontMetrics(CurPlNameLbl_->font()).lineSpacing();
    const int extra = std::max(0, nameHeight - rowHeight);
    CurPlNameLbl_->resize(CurPlNameLbl_->width(), rowHeight + extra);
    for (const StatusRow& row : statusRows()) {
        QLabel* label = this->*row.label;
        if (row.place == StatusRow::BelowName)
            label->move(label->x(), u.twips(row.design.top) + extra);
    }
}

// Line1_ at 5 cm, the vertical bar on the right edge, the horizontal bar on the bottom edge
// from 5.06 cm to half a centimetre before the right edge.
void Zenthar::layoutScrollBars(bool fullHeightVertical) {
    const ScreenUnits u(map_->logicalDpiX());
    const int w = map_->width();
    const int h = map_->height();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, VertScrl_);
    Line1_->setGeometry(u.px(GalaxyMap::kMapLeftCm), 0, 1, h);
    VertScrl_->setGeometry(w - extent, 0, extent, fullHeightVertical ? h : std::max(0, h - extent));
    const int barWidth = static_cast<int>(
        std::lround(std::max(0.0, u.cm(w) - GalaxyMap::kMapLeftCm - 0.5) * u.pxPerCm()));
    HorizScrl_->setGeometry(u.px(5.06), h - extent, barWidth, extent);
    laidOutSize_ = map_->size();
}

void Zenthar::Form_Resize() {
    if (mainFormState_ != kFormActivated) return;
    layoutScrollBars(false);
}

void Zenthar::Form_Activate() {
    const bool first = mainFormState_ == kFormStarted;
    mainFormState_ = kFormActivated;
    // A window manager may have resized the window between start-up and its first activation,
    // when resizing still laid nothing out: catch up so the bars sit on the edges.
    if (first && map_->size() != laidOutSize_) Form_Resize();
}

void Zenthar::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && mainFormState_ != 0)
        Form_Activate();
}

// ---- map and panel -------------------------------------------------------------------------

void Zenthar::HorizScrl_Change() {
    DrawGalaxyMap();
}
void Zenthar::VertScrl_Change() {
    DrawGalaxyMap();
}

void Zenthar::DrawGalaxyMap() {
    map_->DrawGalaxyMap(game_.st, HorizScrl_->value(), VertScrl_->value());
}

bool Zenthar::scrollMapTo(int horizontal, int vertical) {
    const int wasH = HorizScrl_->value(), wasV = VertScrl_->value();
    {
        // One move, one redraw: each bar would redraw the map on its own.
        const QSignalBlocker blockH(HorizScrl_), blockV(VertScrl_);
        VertScrl_->setValue(vertical);
        HorizScrl_->setValue(horizontal);
    }
    if (HorizScrl_->value() == wasH && VertScrl_->value() == wasV) return false;
    DrawGalaxyMap();
    return true;
}

bool Zenthar::scrollToPlanet(int planet) {
    if (planet < 0 || planet >= kPlanetSlots) return false;
    const PlanetRecord& p = game_.st.planet(planet);
    if (map_->scale() != kDefaultMapScale) {
        // Zoomed, the view moves only when the planet is not wholly in it, and then centres it.
        if (fullyInView(planet)) return false;
        const ScreenUnits u(map_->logicalDpiX());
        const MapScroll to = CentreOn(p.XPos, p.YPos, map_->scale(), u.cm(mapView().width()),
                                      u.cm(mapView().height()));
        return scrollMapTo(to.h, to.v);
    }
    return scrollMapTo(HorizScrollFor(p.XPos), p.YPos);
}

void Zenthar::ShowPlanetInfo(int p, bool scroll) {
    if (p < 0 || p >= kPlanetSlots) return;
    GameState& st = game_.st;
    st.SelectedPlanet = static_cast<Int16>(p);
    map_->setFocusedPlanet(p);
    const PlanetPanelText text = PlanetPanelFor(st, p);
    const double dpr = devicePixelRatioF();
    IconCache& icons = panelIcons_;
    icons.setFolder(folders_.program);
    CurPlayerSimPct_->setPixmap(icons.pixmap(text.ownerIcon, CurPlayerSimPct_->width(), dpr));
    CurPlanetPct_->setPixmap(icons.pixmap(text.kindIcon, GalaxyMap::kImageSize, dpr));
    CurPlanetPct_->setAccessibleDescription(QString::fromStdString(text.kindIcon));
    CurPlayerSimPct_->setAccessibleDescription(QString::fromStdString(text.ownerIcon));
    const QString name = QString::fromStdString(Trim(text.name));
    CurPlNameLbl_->setAccessibleName(name);
    CurPlNameLbl_->setToolTip(name);
    layoutPlanetName();
    if (text.kindIcon.empty()) CurPlanetPct_->clear();
    CurProdLbl_->setText(QString::fromStdString(text.production));
    CurShipsLbl_->setText(QString::fromStdString(text.ships));
    CurHostLbl_->setText(QString::fromStdString(text.hostility));
    CurPlStatusLbl_->setText(QString::fromStdString(text.status));
    if (scroll) scrollToPlanet(p);
}

// Drawn once End Turn has passed the turn on, so nothing of the next player shows before the
// curtain can come.
void Zenthar::TurnStatusShown() {
    if (!turnPassing_) drawTurnStatus();
}

void Zenthar::drawTurnStatus() {
    GameState& st = game_.st;
    // Past the last player (the Empire has won) the last status shown stays.
    if (!st.validPlayer(st.CurrentPlTurn)) return;
    const int home = st.PlHome[static_cast<std::size_t>(st.CurrentPlTurn)];
    scrollToPlanet(home);
    PlTurnLbl_->setText(QString::fromStdString(TurnCaption(st)));
    PlTurnLbl_->setToolTip(QString::fromStdString(Trim(TurnCaption(st))));
    YearLbl_->setText(QString::fromStdString(YearCaption(st)));
    ScoreLbl_->setText(QString::fromStdString(ScoreCaption(st)));
    ScoreLbl_->setVisible(YearLbl_->isVisible() && !ScoreLbl_->text().isEmpty());
    ShowPlanetInfo(home, false);
}

void Zenthar::ShowLoadedGame() {
    forgetShownImages();
    // The status scrolls the map to the current player's home.
    zenthar::ShowTurnStatus(game_, true);
    DrawGalaxyMap();
    showGame();
}

void Zenthar::forgetShownImages() {
    GameState& st = game_.st;
    // Every image counts as shown, so the next redraw hides old and new images alike.
    for (int i = 0; i < std::clamp(st.PlanetsNum, 0, kPlanetSlots); ++i) st.planet(i).OnMap = -1;
    map_->refreshIcons();
    panelIcons_.clear();
}

void Zenthar::showGame() {
    liftHandOver();
    rememberPlayerShown();
    syncOptionMarks();
    showPanel(true);
    map_->setFocus(Qt::OtherFocusReason);
    // Whoever shows it says where it came from; until then it has no file of its own.
    noteSaved(QString());
    refreshCommands();
}

void Zenthar::showPanel(bool visible) {
    CurPlanetPct_->setVisible(visible);
    CurPlayerSimPct_->setVisible(visible);
    for (const StatusRow& row : statusRows()) {
        QLabel* label = this->*row.label;
        label->setVisible(visible && (!row.onlyWithText || !label->text().isEmpty()));
    }
}

void Zenthar::System1_Click(int index) {
    ShowPlanetInfo(index, false);
}

void Zenthar::System1_DblClick(int index) {
    // The first click of the double click has already selected the planet.
    if (game_.st.SelectedPlanet != index) ShowPlanetInfo(index, false);
    IncreaseProdItem_Click();
}

}  // namespace zenthar::ui
