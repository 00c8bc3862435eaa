// Drawing and clicking the galaxy map.
#include "app/GalaxyMap.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

#include "app/MapMarks.h"
#include "ui/side_colours.h"

namespace zenthar::ui {

namespace {

// No side: the marks show only what every player sees.
constexpr int kNobody = -1;

// The 16 colours a star's colour number picks from.
constexpr std::array<QRgb, 16> kStarPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

}  // namespace

GalaxyMap::GalaxyMap(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted from the star layer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches the map; there the arrow keys scroll and Tab walks the planets.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Galaxy map"));
}

bool GalaxyMap::hasPlanets() const {
    return st_ != nullptr && st_->GameActive && st_->PlanetsNum > 0;
}

int GalaxyMap::nextPlanet(int from, bool forward) const {
    if (!hasPlanets()) return -1;
    const int count = std::clamp(st_->PlanetsNum, 0, kPlanetSlots);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    auto place = [this](int i) {
        const PlanetRecord& p = st_->planet(i);
        return std::tuple(p.YPos, p.XPos, i);
    };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return place(a) < place(b); });
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end()) return forward ? order.front() : order.back();
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const std::ptrdiff_t k = ((at - order.begin()) + (forward ? 1 : -1) + n) % n;
    return order[static_cast<std::size_t>(k)];
}

void GalaxyMap::setFocusedPlanet(int i) {
    if (i == focused_) return;
    updateFocusMark();
    focused_ = i;
    const bool known = st_ != nullptr && i >= 0 && i < kPlanetSlots;
    setAccessibleDescription(known ? QString::fromStdString(st_->planet(i).Name.trimmed())
                                   : QString());
    updateFocusMark();
}

// A ring round the image and its name, clear of both, kept inside the map.
QRect GalaxyMap::focusMarkRect() const {
    for (const Item& item : items_)
        if (item.index == focused_)
            return itemArea(item).adjusted(-3, -3, 3, 2).intersected(rect().adjusted(1, 1, -1, -1));
    return {};
}

void GalaxyMap::updateFocusMark() {
    if (const QRect r = focusMarkRect(); !r.isEmpty()) update(r.adjusted(-2, -2, 2, 2));
}

bool GalaxyMap::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = imageAt(help->pos());
        const QString tip = privateShown() ? toolTipShown(help->pos()) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this, imageRect(i));
        return true;
    }
    // Tab and Shift+Tab walk the planets instead of leaving the map.
    if (event->type() == QEvent::KeyPress && hasPlanets()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        const bool backtab = key->key() == Qt::Key_Backtab ||
                             (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if ((tab || backtab) && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const int start = focused_ >= 0 ? focused_ : st_->SelectedPlanet;
            const int next = nextPlanet(start, tab);
            setFocusedPlanet(next);
            emit planetFocused(next);
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void GalaxyMap::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (focused_ < 0 && hasPlanets() && st_->validPlanet(st_->SelectedPlanet))
        setFocusedPlanet(st_->SelectedPlanet);
    updateFocusMark();
}

void GalaxyMap::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateFocusMark();
}

void GalaxyMap::setState(const GameState* st) {
    st_ = st;
    starsChanged();
}

void GalaxyMap::starsChanged() {
    starsDirty_ = true;
    update();
}

void GalaxyMap::refreshIcons() {
    icons_.clear();
    marks_.clear();
    for (Item& item : items_)
        item.pixmap = icons_.pixmap(item.ico, kImageSize, devicePixelRatioF());
    update();
}

double GalaxyMap::pxPerCm() const {
    return logicalDpiX() / 2.54;
}

double GalaxyMap::widthCm() const {
    return width() / pxPerCm();
}

long long GalaxyMap::heightCm() const {
    return Round(height() / pxPerCm());
}

void GalaxyMap::DrawGalaxyMap(GameState& st, int hv, int vv) {
    if (!st.GameActive) return;
    const int count = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    for (int i = 0; i < count; ++i)
        if (st.planet(i).OnMap) st.planet(i).OnMap = 0;
    // Only what the old and the new planets cover needs painting again; the stars in between
    // are the same at every scroll position.
    QRegion dirty;
    for (const Item& item : items_) dirty += paintedArea(item);
    dirty += focusMarkRect().adjusted(-2, -2, 2, 2);
    items_.clear();

    const double w = widthCm();
    const long long h = heightCm();
    const double dpr = devicePixelRatioF();
    for (int i = 0; i < count; ++i) {
        PlanetRecord& planet = st.planet(i);
        const int dx = planet.XPos - hv;
        const int dy = planet.YPos - vv;
        if (!(dx >= 0 && dx * scale_ < w - kMapLeftCm && dy >= 0 && dy * scale_ < h)) continue;
        Item item;
        item.index = i;
        item.image = imageRectAt(planet.XPos, planet.YPos, hv, vv);
        item.namePos = QPoint(item.image.left(), item.image.top() + kImageSize);
        item.ico = planet.Ico.padded();
        item.pixmap = icons_.pixmap(item.ico, kImageSize, dpr);
        item.nameKey = planet.Name.padded();
        item.name = nameText(item.nameKey);
        // Marked as the player whose turn it is may see it: the owner, and whether it is his;
        // with nobody's view shown, only the owner.
        item.mark = MarkOf(st, privateShown() ? st.CurrentPlTurn : kNobody, i);
        item.markPicture = markPicture(st, item.mark, dpr);
        dirty += paintedArea(item);
        items_.push_back(std::move(item));
        planet.OnMap = -1;
    }
    dirty += focusMarkRect().adjusted(-2, -2, 2, 2);
    update(dirty);
}

void GalaxyMap::setScale(double scale) {
    scale_ = scale > 0 ? scale : 1.0;
}

QRect GalaxyMap::imageRectAt(int x, int y, int hv, int vv) const {
    const double cm = pxPerCm();
    return QRect(static_cast<int>(std::lround((kMapLeftCm + (x - hv) * scale_) * cm)),
                 static_cast<int>(std::lround((y - vv) * scale_ * cm)), kImageSize, kImageSize);
}

std::optional<zenthar::PlanetMark> GalaxyMap::markOf(int i) const {
    for (const Item& item : items_)
        if (item.index == i) return item.mark;
    return std::nullopt;
}

namespace {

// A command of the window as the start hint names it: its caption without the mnemonic, and
// its key. The action is the menu's own, so a changed key is named as it is.
QString CommandWithKey(const QWidget* window, const char* name, const QString& fallback) {
    const QAction* action = window ? window->findChild<QAction*>(name) : nullptr;
    if (action == nullptr) return fallback;
    QString caption = action->text();
    caption.remove(QLatin1Char('&'));
    const QString key = action->shortcut().toString(QKeySequence::NativeText);
    return key.isEmpty() ? caption : caption + " (" + key + ")";
}

}  // namespace

QString GalaxyMap::toolTipShown(QPoint pos) const {
    const QString tip = toolTipAt(pos);
    const std::optional<zenthar::PlanetMark> mark = markOf(imageAt(pos));
    if (tip.isEmpty() || !mark) return tip;
    // The owner's line opens with a patch of the owner's colour, as on the planet's badge.
    QStringList lines = tip.split('\n');
    for (QString& line : lines) {
        line = line.toHtmlEscaped();
        if (line.startsWith(QStringLiteral("Owner:")))
            line = QStringLiteral("<span style=\"color:%1\">&#9632;</span> ")
                       .arg(SideColour(mark->owner).name()) +
                   line;
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + lines.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

QStringList GalaxyMap::startHint() const {
    if (hasPlanets()) return {};
    return {QStringLiteral("No game in play."),
            CommandWithKey(window(), "NewGameItem", "New Game") +
                QStringLiteral(" in the File menu starts one;"),
            CommandWithKey(window(), "LoadGameItem", "Open Game") +
                QStringLiteral(" goes on with a saved game.")};
}

QRect GalaxyMap::startHintRect() const {
    const QStringList lines = startHint();
    if (lines.isEmpty()) return {};
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const QSize box(widest + 2 * metrics.height(),
                    static_cast<int>(lines.size() + 1) * metrics.lineSpacing());
    // The panel takes the left of the window: the hint centres in what is left of it.
    const int left = std::min(width() / 2, static_cast<int>(std::lround(kMapLeftCm * pxPerCm())));
    const QRect map = rect().adjusted(left, 0, 0, 0);
    return QRect(map.center() - QPoint(box.width() / 2, box.height() / 2), box);
}

QString GalaxyMap::toolTipAt(QPoint pos) const {
    const int i = imageAt(pos);
    if (i < 0 || !hasPlanets()) return {};
    return QString::fromStdString(PlanetTip(*st_, i));
}

// Marks come in a handful of kinds (owner, his own, his capital): each is drawn once, and a
// repaint only copies it.
const QPixmap& GalaxyMap::markPicture(const GameState& st, const zenthar::PlanetMark& mark,
                                      double dpr) {
    const std::string symbol = mark.owner == kEmpire
                                   ? std::string("empire.ico")
                                   : st.PlSymbol[static_cast<std::size_t>(mark.owner)].trimmed();
    const MarkKey key{mark.owner, mark.mine, mark.capital, symbol, dpr};
    auto it = marks_.find(key);
    if (it != marks_.end()) return it->second;
    const int side = kImageSize + 2 * kMarkReach;
    QPixmap picture(QSize(side, side) * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        PaintMark(p, QRect(kMarkReach, kMarkReach, kImageSize, kImageSize), mark,
                  icons_.pixmap(symbol, kBadgeSymbolSize, dpr));
    }
    return marks_.emplace(key, std::move(picture)).first->second;
}

QRect GalaxyMap::itemArea(const Item& item) {
    const QSizeF text = item.name.size();
    return item.image.united(
        QRect(item.namePos, QSize(static_cast<int>(std::ceil(text.width())) + 1,
                                  static_cast<int>(std::ceil(text.height())) + 1)));
}

QRect GalaxyMap::paintedArea(const Item& item) {
    const int reach = kMarkReach + 2;
    return itemArea(item).united(item.image.adjusted(-reach, -reach, reach, reach));
}

QStaticText GalaxyMap::nameText(const std::string& name) {
    auto it = names_.find(name);
    if (it == names_.end()) {
        QStaticText text(QString::fromStdString(TrimRight(name)));
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), font());
        it = names_.emplace(name, std::move(text)).first;
    }
    return it->second;
}

const QPixmap& GalaxyMap::starLayer() {
    const double dpr = devicePixelRatioF();
    const QSize deviceSize = size() * dpr;
    if (!starsDirty_ && starLayer_.size() == deviceSize && starLayer_.devicePixelRatio() == dpr)
        return starLayer_;
    starLayer_ = QPixmap(deviceSize.expandedTo(QSize(1, 1)));
    starLayer_.setDevicePixelRatio(dpr);
    starLayer_.fill(palette().color(QPalette::Window));
    if (st_ != nullptr) {
        QPainter p(&starLayer_);
        for (const BackgroundStar& star : st_->BackgroundStars) {
            const int c = star.colour;
            if (c < 0 || c >= static_cast<int>(kStarPalette.size())) continue;
            p.fillRect(QRect(star.x, star.y, 1, 1),
                       QColor(kStarPalette[static_cast<std::size_t>(c)]));
        }
    }
    starsDirty_ = false;
    return starLayer_;
}

void GalaxyMap::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRegion& exposed = event->region();
    const QPixmap& stars = starLayer();
    const double dpr = stars.devicePixelRatio();
    for (const QRect& r : exposed)
        p.drawPixmap(r, stars, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));

    // An empty galaxy says how to begin, in the names' own face and colour.
    if (const QRect hint = startHintRect(); !hint.isEmpty() && exposed.intersects(hint)) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(hint, Qt::AlignCenter, startHint().join('\n'));
    }

    // Names are printed on the surface, the images stand above everything printed.
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    for (const Item& item : items_) {
        const QSize textSize = item.name.size().toSize();
        if (exposed.intersects(QRect(item.namePos, textSize)))
            p.drawStaticText(item.namePos, item.name);
    }
    for (const Item& item : items_)
        if (!item.pixmap.isNull() && exposed.intersects(item.image))
            p.drawPixmap(item.image.topLeft(), item.pixmap);
    for (const Item& item : items_)
        if (exposed.intersects(
                item.image.adjusted(-kMarkReach, -kMarkReach, kMarkReach, kMarkReach)))
            p.drawPixmap(item.image.topLeft() - QPoint(kMarkReach, kMarkReach), item.markPicture);
    p.setRenderHint(QPainter::Antialiasing, false);

    if (dragging_) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(SideColour(st_ != nullptr ? st_->CurrentPlTurn : kEmpire), 2, Qt::DashLine));
        p.drawLine(QRectF(imageRect(dragFrom_)).center(), QPointF(dragTo_));
    }

    if (const QRect mark = focusMarkRect(); hasFocus() && !mark.isEmpty()) {
        QPen pen(palette().color(QPalette::Highlight).lighter(150), 2, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
}

QRect GalaxyMap::imageRect(int i) const {
    for (const Item& item : items_)
        if (item.index == i) return item.image;
    return {};
}

int GalaxyMap::imageAt(QPoint pos) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if (it->image.contains(pos)) return it->index;
    return -1;
}

bool GalaxyMap::canSendFrom(int i) const {
    return hasPlanets() && i >= 0 && i == st_->SelectedPlanet && privateShown() &&
           MarkOf(*st_, st_->CurrentPlTurn, i).mine;
}

QRect GalaxyMap::dragLineRect() const {
    if (!dragging_) return {};
    return QRect(imageRect(dragFrom_).center(), dragTo_).normalized().adjusted(-3, -3, 3, 3);
}

void GalaxyMap::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    pressedImage_ = event->button() == Qt::LeftButton ? imageAt(pos) : -1;
    // A drag may start from the selected planet when it is the player's own.
    dragFrom_ = canSendFrom(pressedImage_) ? pressedImage_ : -1;
    pressPos_ = pos;
    if (event->button() == Qt::RightButton && hasPlanets()) {
        if (const int i = imageAt(pos); i >= 0) {
            event->accept();
            emit sendRequested(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void GalaxyMap::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (dragFrom_ >= 0 && (event->buttons() & Qt::LeftButton) &&
        (dragging_ || (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance())) {
        update(dragLineRect());
        dragging_ = true;
        dragTo_ = pos;
        update(dragLineRect());
    }
    QWidget::mouseMoveEvent(event);
}

void GalaxyMap::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_) {
        // A drag ends on a planet: ships are to go there. Anywhere else it ends without a word.
        update(dragLineRect());
        dragging_ = false;
        const int from = dragFrom_;
        dragFrom_ = -1;
        pressedImage_ = -1;
        const int to = imageAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && to >= 0 && to != from) emit sendRequested(to);
        event->accept();
        return;
    }
    dragFrom_ = -1;
    // A click is a press and a release on the same image.
    const int pressed = pressedImage_;
    pressedImage_ = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 &&
        imageAt(event->position().toPoint()) == pressed)
        emit System1_Click(pressed);
    QWidget::mouseReleaseEvent(event);
}

void GalaxyMap::mouseDoubleClickEvent(QMouseEvent* event) {
    const int i = event->button() == Qt::LeftButton ? imageAt(event->position().toPoint()) : -1;
    pressedImage_ = -1;
    if (i >= 0) emit System1_DblClick(i);
    QWidget::mouseDoubleClickEvent(event);
}

void GalaxyMap::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl and the wheel zoom about the pointer, a notch a step.
        zoomRemainder_ += event->angleDelta().y();
        const int steps = zoomRemainder_ / 120;
        zoomRemainder_ -= steps * 120;
        if (steps != 0) emit zoomRequested(steps, event->position().toPoint());
        event->accept();
        return;
    }
    // One notch (120) scrolls one map unit; Shift or a sideways wheel scrolls across.
    QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier) delta = QPoint(delta.y(), delta.x());
    const bool across = delta.x() != 0 && delta.y() == 0;
    wheelRemainder_ += across ? delta.x() : delta.y();
    const int steps = -wheelRemainder_ / 120;
    wheelRemainder_ += steps * 120;
    if (steps != 0) emit scrollRequested(across ? steps : 0, across ? 0 : steps);
    event->accept();
}

void GalaxyMap::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            emit scrollRequested(-1, 0);
            break;
        case Qt::Key_Right:
            emit scrollRequested(1, 0);
            break;
        case Qt::Key_Up:
            emit scrollRequested(0, -1);
            break;
        case Qt::Key_Down:
            emit scrollRequested(0, 1);
            break;
        case Qt::Key_PageUp:
            emit scrollRequested(0, -5);
            break;
        case Qt::Key_PageDown:
            emit scrollRequested(0, 5);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // The keyboard's click on the planet it is on.
            if (focused_ < 0 || !hasPlanets() || focused_ >= st_->PlanetsNum) {
                QWidget::keyPressEvent(event);
                return;
            }
            emit System1_Click(focused_);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void GalaxyMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

void GalaxyMap::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) starsChanged();
    if (event->type() == QEvent::FontChange) {
        names_.clear();
        for (Item& item : items_) item.name = nameText(item.nameKey);
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace zenthar::ui
