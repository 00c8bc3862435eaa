// The battle report window: layout, the skip buttons and the drawing of the laser.
#include "reports/TurnRepFrm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "ui/units.h"

namespace zenthar::ui {

namespace {

void styleText(QLabel* label, const QColor& colour, int pointSize, bool bold) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
}

}  // namespace

TurnRepFrm::TurnRepFrm(TurnDisplay& flags, const std::filesystem::path& programFolder,
                       QWidget* owner)
    : QWidget(owner, Qt::Window), flags_(flags) {
    setWindowTitle("Turn Report");
    setObjectName("TurnRepFrm");

    Image1_ = picture("Image1", programFolder / "image1.png");
    Image1_->setAccessibleName("The planet");
    ShipBlownUpImg_ = picture("ShipBlownUpImg", programFolder / "blownup.png");
    SkimmerImg_ = picture("SkimmerImg", programFolder / "skimmer.png");
    TrackerImg_ = picture("TrackerImg", programFolder / "tracker.png");
    ShipBlownUpImg_->hide();
    SkimmerImg_->hide();
    TrackerImg_->hide();

    auto label = [this](const char* name, Qt::Alignment align) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    AttLbl_ = label("AttLbl", Qt::AlignLeft);
    AttShipsLbl_ = label("AttShipsLbl", Qt::AlignLeft);
    DefLbl_ = label("DefLbl", Qt::AlignRight);
    DefShipsLbl_ = label("DefShipsLbl", Qt::AlignRight);
    PlanetLbl_ = label("PlanetLbl", Qt::AlignHCenter);
    styleText(AttLbl_, QColor(255, 150, 100), 16, true);
    styleText(AttShipsLbl_, QColor(255, 214, 190), 30, true);
    styleText(DefLbl_, QColor(120, 205, 255), 16, true);
    styleText(DefShipsLbl_, QColor(200, 235, 255), 30, true);
    styleText(PlanetLbl_, QColor(255, 230, 120), 20, true);

    SkipBtn_ = new QPushButton("Skip Battle", this);
    SkipBtn_->setObjectName("SkipBtn");
    SkipAllBtn_ = new QPushButton("Skip All", this);
    SkipAllBtn_->setObjectName("SkipAllBtn");
    for (QPushButton* b : {SkipBtn_, SkipAllBtn_}) b->setFocusPolicy(Qt::TabFocus);
    connect(SkipBtn_, &QPushButton::clicked, this, &TurnRepFrm::SkipBtn_Click);
    connect(SkipAllBtn_, &QPushButton::clicked, this, &TurnRepFrm::SkipAllBtn_Click);

    Form_Load();
}

QLabel* TurnRepFrm::picture(const char* name, const std::filesystem::path& file) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A missing picture leaves an empty place of the usual size; the battle still runs.
    const QPixmap base(QString::fromStdString(file.string()));
    pictures_.push_back({l, file, base.isNull() ? QSize(96, 64) : base.size()});
    showPicture(pictures_.back(), 1.0);
    return l;
}

void TurnRepFrm::showPicture(const Picture& picture, double scale) {
    const QSize size = (QSizeF(picture.size) * scale).toSize();
    QPixmap pixmap = PictureAt(picture.file, size, devicePixelRatioF());
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
    }
    picture.label->setPixmap(pixmap);
    picture.label->setFixedSize(size);
}

// The pictures grow with the window so the duel fills a large screen.
void TurnRepFrm::scalePictures() {
    const double scale = std::clamp(height() / 560.0, 1.0, 2.0);
    if (std::abs(scale - pictureScale_) < 0.01) return;
    pictureScale_ = scale;
    for (const Picture& picture : pictures_) showPicture(picture, scale);
}

int TurnRepFrm::twips(double t) const {
    return TwipsToPixels(t, logicalDpiX());
}

void TurnRepFrm::Form_Load() {
    flags_.resumeRounds();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    move(area.x() + twips(5), area.y() + twips(500));
    resize(std::max(320, area.width() - twips(500)), std::max(240, area.height() - twips(900)));
    layoutControls();
    SkipBtn_->setVisible(true);
}

void TurnRepFrm::layoutControls() {
    const int w = width();
    const int h = height();
    const int margin = twips(240);

    const int nameW = std::max(120, w / 4);
    const int nameH = AttLbl_->sizeHint().height() + 4;
    const int countH = AttShipsLbl_->sizeHint().height() + 4;
    AttLbl_->setGeometry(margin, margin, nameW, nameH);
    AttShipsLbl_->setGeometry(margin, margin + nameH, nameW, countH);
    DefLbl_->setGeometry(w - margin - nameW, margin, nameW, nameH);
    DefShipsLbl_->setGeometry(w - margin - nameW, margin + nameH, nameW, countH);
    const int planetW = std::max(120, w * 36 / 100);
    PlanetLbl_->setGeometry((w - planetW) / 2, margin, planetW,
                            PlanetLbl_->sizeHint().height() + 4);

    const int buttonW = std::max(SkipAllBtn_->sizeHint().width(), 120);
    const int buttonH = std::max(SkipBtn_->sizeHint().height(), 28);
    const int buttonTop = h - twips(50) - buttonH;
    SkipBtn_->setGeometry(w / 2 - 8 - buttonW, buttonTop, buttonW, buttonH);
    SkipAllBtn_->setGeometry(w / 2 + 8, buttonTop, buttonW, buttonH);

    // Nothing moves under a ship that is on its way in or under a battle being shown.
    if (TrackerImg_->isVisible() || SkimmerImg_->isVisible() || ShipBlownUpImg_->isVisible())
        return;
    scalePictures();

    // The duel sits in the middle of the window with the planet of the picture below it. The
    // landing run ends 2200 twips right of and 1200 twips below the ship's place, so the place
    // is chosen for the ship to touch down on that planet.
    const int imageTop = std::min(buttonTop - 12 - Image1_->height(), h * 60 / 100);
    Image1_->move((w - Image1_->width()) / 2, imageTop);
    const QPoint touchDown((w - TrackerImg_->width()) / 2,
                           imageTop - TrackerImg_->height() * 3 / 4);
    const QPoint trackerPlace(std::max(0, touchDown.x() - twips(2200)),
                              std::max(0, touchDown.y() - twips(1200)));
    TrackerImg_->move(trackerPlace);
    SkimmerImg_->move(std::max(0, w - trackerPlace.x() - SkimmerImg_->width()), trackerPlace.y());
    ShipBlownUpImg_->move(
        (w - ShipBlownUpImg_->width()) / 2,
        trackerPlace.y() - (ShipBlownUpImg_->height() - SkimmerImg_->height()) / 2);
}

void TurnRepFrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void TurnRepFrm::SkipBtn_Click() {
    flags_.skipBattle();
}

void TurnRepFrm::SkipAllBtn_Click() {
    flags_.skipAll();
}

void TurnRepFrm::closeEvent(QCloseEvent* event) {
    flags_.closedByPlayer();
    QWidget::closeEvent(event);
}

void TurnRepFrm::setPlanet(const QString& name) {
    PlanetLbl_->setText(name);
}

void TurnRepFrm::setAttacker(const QString& name) {
    AttLbl_->setText(name);
}

void TurnRepFrm::setDefender(const QString& name) {
    DefLbl_->setText(name);
}

void TurnRepFrm::setCounts(const QString& attackers, const QString& defenders) {
    AttShipsLbl_->setText(attackers);
    DefShipsLbl_->setText(defenders);
}

QLabel* TurnRepFrm::ship(Ship which) const {
    switch (which) {
        case Ship::Tracker:
            return TrackerImg_;
        case Ship::Skimmer:
            return SkimmerImg_;
        case Ship::BlownUp:
            return ShipBlownUpImg_;
    }
    return TrackerImg_;
}

QPoint TurnRepFrm::shipPlace(Ship which) const {
    return ship(which)->pos();
}

void TurnRepFrm::moveShip(Ship which, QPoint place) {
    ship(which)->move(place);
}

void TurnRepFrm::showShip(Ship which, bool shown) {
    ship(which)->setVisible(shown);
}

void TurnRepFrm::raiseShip(Ship which) {
    ship(which)->raise();
}

void TurnRepFrm::drawLaser(const Laser& laser) {
    laser_ = laser;
    laserShown_ = true;
    update();
}

void TurnRepFrm::eraseLaser() {
    if (!laserShown_) return;
    laserShown_ = false;
    update();
}

void TurnRepFrm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(2, 3, 12));
    sky.setColorAt(1, QColor(10, 16, 44));
    p.fillRect(rect(), sky);

    // A fixed star field: the same stars at every repaint.
    unsigned seed = 1977;
    for (int i = 0; i < 160; ++i) {
        seed = seed * 1103515245U + 12345U;
        const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(std::max(1, width())));
        seed = seed * 1103515245U + 12345U;
        const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(std::max(1, height())));
        const int shade = 110 + static_cast<int>((seed >> 4) % 140);
        p.setPen(QColor(shade, shade, std::min(255, shade + 30)));
        p.drawPoint(x, y);
    }

    // Panels behind the two sides' names and counts.
    p.setRenderHint(QPainter::Antialiasing);
    const int pad = twips(90);
    auto panel = [&](const QRect& area, const QColor& tint) {
        QColor fill = tint;
        fill.setAlpha(38);
        QColor edge = tint;
        edge.setAlpha(120);
        p.setPen(QPen(edge, 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(area.adjusted(-pad, -pad / 2, pad, pad / 2)), 8, 8);
    };
    panel(AttLbl_->geometry().united(AttShipsLbl_->geometry()), QColor(255, 140, 90));
    panel(DefLbl_->geometry().united(DefShipsLbl_->geometry()), QColor(110, 200, 255));
    p.setBrush(Qt::NoBrush);

    if (!laserShown_) return;
    QColor glow = laser_.colour;
    glow.setAlpha(70);
    p.setPen(QPen(glow, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(laser_.from, laser_.to);
    p.setPen(QPen(laser_.colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(laser_.from, laser_.to);
    // The muzzle flash marks who fires.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(laser_.from, 4, 4);
}

}  // namespace zenthar::ui
