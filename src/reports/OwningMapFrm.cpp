// The Ownership Map window.
#include "reports/OwningMapFrm.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "turn/lookups.h"
#include "ui/side_colours.h"
#include "ui/units.h"

namespace zenthar::ui {

OwningMapFrm::OwningMapFrm(zenthar::Game& game, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), game_(game) {
    setObjectName("OwningMapFrm");
    setWindowTitle("Owning Map");
    setModal(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    QFont mono("Courier New");
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(9);
    setFont(mono);
    setFocusPolicy(Qt::StrongFocus);
    Form_Load();
}

void OwningMapFrm::Form_Load() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area);
    dpi_ = logicalDpiX();

    const GameState& st = game_.st;
    const int planets = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    for (int i = 0; i < planets; ++i) {
        auto* symbol = new QLabel(this);
        symbol->setObjectName(QString("PlayerSimPct_%1").arg(i));
        symbol->setFixedSize(kSymbolPixels, kSymbolPixels);
        const int owner = OwnerOf(st, i);
        const std::string file = owner == kEmpire
                                     ? std::string("empire.ico")
                                     : st.PlSymbol[static_cast<std::size_t>(owner)].trimmed();
        symbol->setPixmap(IconAt(game_.ProgramFolder / file, kSymbolPixels, devicePixelRatioF()));
        symbol->setToolTip(QString::fromStdString(st.planet(i).Name.trimmed()));
        symbol->setCursor(Qt::PointingHandCursor);
        MakeKeyboardPicture(symbol, QString::fromStdString(st.planet(i).Name.trimmed()));
        symbol->installEventFilter(this);
        PlayerSimPct_.push_back(symbol);
    }
    placeSymbols();
}

void OwningMapFrm::placeSymbols() {
    const double symbolCm = PixelsToCm(kSymbolPixels, dpi_);
    metrics_ = MakeOwningMapMetrics(PixelsToCm(width(), dpi_), PixelsToCm(height(), dpi_), symbolCm,
                                    symbolCm);
    const GameState& st = game_.st;
    for (std::size_t i = 0; i < PlayerSimPct_.size(); ++i) {
        const PlanetRecord& planet = st.planet(static_cast<int>(i));
        const QPointF at = toPixels(SymbolPosition(metrics_, planet.XPos, planet.YPos));
        PlayerSimPct_[i]->move(at.toPoint());
        PlayerSimPct_[i]->show();
    }
    placeLabels();
}

QFont OwningMapFrm::labelFont() const {
    QFont small = font();
    small.setPointSize(8);
    small.setBold(true);
    return small;
}

// Names and labels are measured here and placed by the core, clear of the edges and of each
// other.
void OwningMapFrm::placeLabels() {
    const GameState& st = game_.st;
    const double w = PixelsToCm(width(), dpi_), h = PixelsToCm(height(), dpi_);
    const QFontMetricsF names(font());
    symbols_ = SymbolBoxes(st, metrics_);
    std::vector<CmPoint> sizes;
    for (std::size_t i = 0; i < symbols_.size(); ++i) {
        const QString name = QString::fromStdString(st.planet(static_cast<int>(i)).Name.trimmed());
        sizes.push_back({PixelsToCm(std::ceil(names.horizontalAdvance(name)) + 1, dpi_),
                         PixelsToCm(std::ceil(names.height()), dpi_)});
    }
    names_ = PlaceNames(symbols_, sizes, w, h);
    labels_.clear();
    if (!st.ShowFleetsMode) return;
    const QFontMetricsF small(labelFont());
    const std::vector<FleetDrawing> drawn = fleets();
    std::vector<CmPoint> labelSizes;
    for (const FleetDrawing& f : drawn)
        labelSizes.push_back(
            {PixelsToCm(std::ceil(small.horizontalAdvance(QString::fromStdString(f.text))) + 2,
                        dpi_),
             PixelsToCm(std::ceil(small.height()), dpi_)});
    std::vector<CmRect> taken = symbols_;
    taken.insert(taken.end(), names_.begin(), names_.end());
    labels_ = PlaceFleetLabels(drawn, labelSizes, taken, w, h);
}

void OwningMapFrm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeSymbols();
}

QPointF OwningMapFrm::toPixels(const zenthar::CmPoint& p) const {
    return {CmToPixels(p.x, dpi_), CmToPixels(p.y, dpi_)};
}

std::vector<zenthar::FleetDrawing> OwningMapFrm::fleets() const {
    std::vector<FleetDrawing> out;
    const GameState& st = game_.st;
    const int last = std::min<int>(st.TaskForceLast, kTaskForceSlots - 1);
    for (int k = 0; k <= last; ++k)
        if (auto f = FleetGeometry(st, metrics_, st.TaskForceList[static_cast<std::size_t>(k)]))
            out.push_back(*f);
    return out;
}

QRect OwningMapFrm::ownerRing(int planet) const {
    if (planet < 0 || planet >= static_cast<int>(PlayerSimPct_.size())) return {};
    return PlayerSimPct_[static_cast<std::size_t>(planet)]->geometry().adjusted(-3, -3, 2, 2);
}

void OwningMapFrm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const GameState& st = game_.st;
    const QFontMetricsF names(font());
    // A ring in the owner's colour round each symbol, so the symbols of two sides that look
    // alike are still told apart, and the colour matches the main map's marks.
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < PlayerSimPct_.size(); ++i) {
        p.setPen(QPen(SideColour(OwnerOf(st, static_cast<int>(i))), 2));
        p.drawEllipse(ownerRing(static_cast<int>(i)));
    }
    p.setPen(textColour_);
    // A name the crowd pushed away from its symbol hangs from it by a thin line.
    for (std::size_t i = 0; i < symbols_.size() && i < names_.size(); ++i)
        if (const auto l = NameLeader(symbols_[i], names_[i]))
            p.drawLine(toPixels(l->from), toPixels(l->to));
    for (std::size_t i = 0; i < PlayerSimPct_.size() && i < names_.size(); ++i) {
        const QPointF at = toPixels({names_[i].x, names_[i].y});
        p.drawText(at + QPointF(0, names.ascent()),
                   QString::fromStdString(st.planet(static_cast<int>(i)).Name.trimmed()));
    }
    if (!st.ShowFleetsMode) return;

    p.setRenderHint(QPainter::Antialiasing);
    const QFont small = labelFont();
    const QFontMetricsF smallMetrics(small);
    const double radius = CmToPixels(kFleetDotRadius, dpi_);
    const std::vector<FleetDrawing> drawn = fleets();
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        const FleetDrawing& f = drawn[k];
        textColour_ = QColor(0, 255, 0);
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.drawLine(toPixels(f.lineFrom), toPixels(f.lineTo));
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(toPixels(f.dot), radius, radius);
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(labelColour(), 1));
    for (std::size_t k = 0; k < drawn.size() && k < labels_.size(); ++k)
        if (const auto l = FleetLeader(drawn[k], labels_[k]))
            p.drawLine(toPixels(l->from), toPixels(l->to));
    // The labels over every line, each on its own patch of black so no line runs through it.
    p.setFont(small);
    for (std::size_t k = 0; k < drawn.size() && k < labels_.size(); ++k) {
        const CmRect& box = labels_[k];
        const QRectF r(toPixels({box.x, box.y}), toPixels({box.x + box.w, box.y + box.h}));
        p.fillRect(r, Qt::black);
        // The fleets are the player's own: their labels are framed in his colour.
        p.setPen(QPen(SideColour(st.CurrentPlTurn), 1));
        p.drawRect(r.adjusted(-1, -1, 0, 0));
        p.setPen(labelColour());
        p.drawText(r.topLeft() + QPointF(1, smallMetrics.ascent()),
                   QString::fromStdString(drawn[k].text));
    }
    p.setFont(font());
    // The text colour stays green: a later repaint prints the names in green.
    if (!drawn.empty()) textColour_ = QColor(0, 255, 0);
}

void OwningMapFrm::PlayerSimPct_Click(int index) {
    if (closing_) return;
    closing_ = true;
    game_.st.SelectedPlanet = static_cast<Int16>(index);
    accept();
}

void OwningMapFrm::closeKeepingSelection() {
    if (closing_) return;
    closing_ = true;
    QDialog::reject();
    game_.view.DrawGalaxyMap();
}

void OwningMapFrm::Form_Click() {
    closeKeepingSelection();
}

void OwningMapFrm::reject() {
    closeKeepingSelection();
}

void OwningMapFrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        closeKeepingSelection();
    else
        event->accept();  // other keys change nothing
}

// A click is a press and a release on the same place; acting on the release keeps the release
// from falling through to the main window's map once this window is gone.
void OwningMapFrm::mousePressEvent(QMouseEvent* event) {
    pressedOn_ = this;
    event->accept();
}

void OwningMapFrm::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (pressedOn_ == this && event->button() == Qt::LeftButton) Form_Click();
    pressedOn_ = nullptr;
}

bool OwningMapFrm::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        pressedOn_ = label;
        return true;
    }
    if (IsKeyClick(event)) {
        for (std::size_t i = 0; i < PlayerSimPct_.size(); ++i)
            if (PlayerSimPct_[i] == label) PlayerSimPct_Click(static_cast<int>(i));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool inside = label->rect().contains(mouse->position().toPoint());
        if (pressedOn_ == label && inside && mouse->button() == Qt::LeftButton) {
            for (std::size_t i = 0; i < PlayerSimPct_.size(); ++i)
                if (PlayerSimPct_[i] == label) PlayerSimPct_Click(static_cast<int>(i));
        }
        pressedOn_ = nullptr;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zenthar::ui
