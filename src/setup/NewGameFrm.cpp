// The New Game dialog. Its layout keeps the game's original twips positions, converted for the
// screen it is shown on; the rules it applies live in setup/newgame.
#include "setup/NewGameFrm.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "game/levels.h"
#include "game/skill.h"
#include "game/storage_error.h"
#include "ui/units.h"

namespace zenthar::ui {
namespace {

constexpr int kClientWidth = 7950;  // twips
constexpr int kClientHeight = 5820;
constexpr int kRowPitch = 480;
// The player rows are a little wider than the old ones: the home-planet lists are wide enough
// for the longest planet name, and the symbols move right to make room.
constexpr int kNameWidth = 1980;
constexpr int kHomeLeft = 2460;
constexpr int kHomeWidth = 2040;
constexpr int kSymbolLeft = 4620;
// Who plays the row, after its symbol.
constexpr int kSeatLeft = 5160;
constexpr int kSeatWidth = 2580;
// The game lengths offered: until one side holds the galaxy (the game as it always was), a
// few evenings' worth of years, or a number typed in the field beside the list.
constexpr std::array<int, 4> kLengthYears{30, 50, 100, 150};
constexpr int kUntilConquest = 0;
constexpr int kTypedLength = 1 + static_cast<int>(kLengthYears.size());
QString FromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// In the order of the seat kinds: a human, then every computer level.
QStringList SeatChoices() {
    QStringList choices{FromView(zenthar::kHumanSeatCaption)};
    for (const zenthar::ComputerLevel& level : zenthar::kComputerLevels)
        choices << FromView(level.caption);
    return choices;
}

// In the order of the skill numbers.
QStringList SkillChoices() {
    QStringList choices;
    for (const zenthar::SkillRules& rules : zenthar::kSkillRules)
        choices << FromView(rules.caption);
    return choices;
}

QString FromText(const std::string& s) {
    return QString::fromStdString(s);
}

// A control of the old layout lost its focus the way a player moves on: not because a message
// box or a drop-down list opened over it.
bool PlayerMovedOn(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// A new control with the name tests and the Tab order know it by.
template <class W>
W* named(W* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

}  // namespace

NewGameFrm::NewGameFrm(zenthar::Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName("NewGameFrm");
    setWindowTitle("New Game");
    UseDialogFont(this);
    buildControls();
    setFixedSize(twips(0, 0, kClientWidth, kClientHeight).size());
    Form_Load();
}

QRect NewGameFrm::twips(int left, int top, int width, int height) const {
    const double x = logicalDpiX();
    const double y = logicalDpiY();
    return QRect(TwipsToPixels(left, x), TwipsToPixels(top, y), TwipsToPixels(width, x),
                 TwipsToPixels(height, y));
}

void NewGameFrm::place(QWidget* w, int left, int top, int width, int height) {
    QRect r = twips(left, top, width, height);
    const int needed = w->sizeHint().height();
    if (needed > r.height())
        r.adjust(0, -(needed - r.height()) / 2, 0, (needed - r.height() + 1) / 2);
    w->setGeometry(r);
}

void NewGameFrm::buildControls() {
    // Created in the order the Tab key should visit them.
    Label1_ = named(new QLabel("Number of Players:", this), "Label1");
    place(Label1_, 360, 240, 1695, 255);
    PlayerNumCmb_ = named(new QComboBox(this), "PlayerNumCmb");
    place(PlayerNumCmb_, 2160, 240, 1455, 300);

    Label2_ = named(new QLabel("Number of Planets:", this), "Label2");
    place(Label2_, 360, 720, 1695, 255);
    StarsNumberEdt_ = named(new QLineEdit("26", this), "StarsNumberEdt");
    place(StarsNumberEdt_, 2160, 720, 495, 285);
    Label1_->setBuddy(PlayerNumCmb_);
    Label2_->setBuddy(StarsNumberEdt_);

    Frame1_ = named(new QGroupBox("Game Type", this), "Frame1");
    place(Frame1_, 6120, 240, 1575, 1095);
    SimpleOpt_ = named(new QRadioButton("Simple", Frame1_), "SimpleOpt");
    place(SimpleOpt_, 120, 360, 1215, 255);
    AdvancedOpt_ = named(new QRadioButton("Advanced", Frame1_), "AdvancedOpt");
    place(AdvancedOpt_, 120, 720, 1215, 255);

    Label3_ = named(new QLabel("Players' Names:", this), "Label3");
    place(Label3_, 360, 1200, 1455, 255);
    Label4_ = named(new QLabel("Home Planet:", this), "Label4");
    place(Label4_, kHomeLeft, 1200, 1215, 255);
    // Over its own column, on two lines, so the seat column beside it has a heading of its own.
    Label6_ = named(new QLabel("Player's Symbol", this), "Label6");
    Label6_->setWordWrap(true);
    Label6_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    place(Label6_, kSymbolLeft - 360, 1020, 840, 480);
    SeatLbl_ = named(new QLabel("Played by:", this), "SeatLbl");
    place(SeatLbl_, kSeatLeft, 1200, kSeatWidth, 255);

    for (int k = 0; k < 4; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        const int top = 1560 + kRowPitch * k;
        const QString index = QString::number(k);  // control arrays: PlayerEdt0, PlayerEdt1, ...
        PlayerEdt_[slot] = named(new QLineEdit(this), "PlayerEdt" + index);
        // A name holds 40 characters: refuse the 41st as it is typed rather than cut it unseen.
        PlayerEdt_[slot]->setMaxLength(40);
        place(PlayerEdt_[slot], 360, top, kNameWidth, 285);
        PlayerEdt_[slot]->setAccessibleName("Player's Name " + QString::number(k + 1));
        HomePlanet_[slot] = named(new QComboBox(this), "HomePlanet" + index);
        HomePlanet_[slot]->setMaxVisibleItems(15);
        place(HomePlanet_[slot], kHomeLeft, top, kHomeWidth, 300);
        HomePlanet_[slot]->setAccessibleName("Home Planet " + QString::number(k + 1));
        PlayerSimbol_[slot] = named(new QLabel(this), "PlayerSimbol" + index);
        PlayerSimbol_[slot]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        PlayerSimbol_[slot]->setAlignment(Qt::AlignCenter);
        PlayerSimbol_[slot]->setCursor(Qt::PointingHandCursor);
        PlayerSimbol_[slot]->setToolTip("Click to choose another symbol");
        MakeKeyboardPicture(PlayerSimbol_[slot], "Player's Symbol " + QString::number(k + 1));
        PlayerSimbol_[slot]->installEventFilter(this);
        // A touch larger than the old 375 twips so the icon is not squeezed.
        PlayerSimbol_[slot]->setGeometry(twips(kSymbolLeft, top - 60, 420, 420));
        SeatCmb_[slot] = named(new QComboBox(this), "SeatCmb" + index);
        SeatCmb_[slot]->addItems(SeatChoices());
        place(SeatCmb_[slot], kSeatLeft, top, kSeatWidth, 300);
        SeatCmb_[slot]->setAccessibleName("Played by " + QString::number(k + 1));
    }

    Label5_ = named(new QLabel("Empire Skill Level:", this), "Label5");
    place(Label5_, 360, 3600, 1695, 255);
    SkillCmb_ = named(new QComboBox(this), "SkillCmb");
    place(SkillCmb_, 2160, 3600, 1455, 300);
    Label5_->setBuddy(SkillCmb_);

    LengthLbl_ = named(new QLabel("Game length:", this), "LengthLbl");
    place(LengthLbl_, 360, 4080, 1695, 255);
    LengthCmb_ = named(new QComboBox(this), "LengthCmb");
    place(LengthCmb_, 2160, 4080, 3390, 300);
    LengthCmb_->setToolTip(
        "Until one side holds the galaxy, or a number of years after which the side with the "
        "highest score wins");
    LengthLbl_->setBuddy(LengthCmb_);
    LengthEdt_ = named(new QLineEdit(this), "LengthEdt");
    LengthEdt_->setMaxLength(4);
    LengthEdt_->setAccessibleName("Years of the game");
    place(LengthEdt_, 5640, 4080, 615, 285);

    OkBtn_ = named(new QPushButton("Ok", this), "OkBtn");
    OkBtn_->setDefault(true);
    place(OkBtn_, 360, 5160, 1095, 375);
    CancelBtn_ = named(new QPushButton("Cancel", this), "CancelBtn");
    CancelBtn_->setAutoDefault(false);
    place(CancelBtn_, 1800, 5160, 1095, 375);

    PlayerNumCmb_->installEventFilter(this);
    StarsNumberEdt_->installEventFilter(this);
    // The name boxes follow the count at once, not only when the list is left.
    connect(PlayerNumCmb_, &QComboBox::currentIndexChanged, this,
            [this] { PlayerNumCmb_LostFocus(); });
    // The field takes a number only when the list asks for one.
    connect(LengthCmb_, &QComboBox::currentIndexChanged, this,
            [this](int index) { LengthEdt_->setEnabled(index == kTypedLength); });
    connect(OkBtn_, &QPushButton::clicked, this, [this] { OkBtn_Click(); });
    connect(CancelBtn_, &QPushButton::clicked, this, [this] { CancelBtn_Click(); });
}

void NewGameFrm::Form_Load() {
    const GameState& st = game_.st;
    PlayerNumCmb_->clear();
    PlayerNumCmb_->addItems({"1", "2", "3", "4"});
    PlayerNumCmb_->setCurrentIndex(0);

    for (int k = 0; k < 4; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        QComboBox* list = HomePlanet_[slot];
        list->clear();
        // The list shows the names without their padding; the padded stored name goes along
        // as the item's data, which is what the generation compares.
        for (int i = 0; i <= st.PlanetNamesLast && i < zenthar::kPlanetSlots; ++i)
            list->addItem(FromText(st.planet(i).Name.trimmed()),
                          FromText(st.planet(i).Name.padded()));
        if (k < list->count()) list->setCurrentIndex(k);
        PlayerEdt_[slot]->clear();
        SeatCmb_[slot]->setCurrentIndex(0);
    }

    SkillCmb_->clear();
    SkillCmb_->addItems(SkillChoices());
    SkillCmb_->setCurrentIndex(0);

    LengthCmb_->clear();
    LengthCmb_->addItem("Until one side holds the galaxy");
    for (int years : kLengthYears) LengthCmb_->addItem(QString("%1 years").arg(years));
    LengthCmb_->addItem("Other number of years:");
    LengthCmb_->setCurrentIndex(kUntilConquest);
    LengthEdt_->setText("75");
    LengthEdt_->setEnabled(false);

    for (int k = 0; k < 4; ++k) {
        symbols_[static_cast<std::size_t>(k)] =
            zenthar::kPlayerSymbols[static_cast<std::size_t>(k)];
        showSymbol(k);
    }
    SimpleOpt_->setChecked(true);
    StarsNumberEdt_->setText("26");
    PlayerNumCmb_LostFocus();
    // A name is the one thing every game needs: typing starts there, and Enter then starts a
    // game of one player with the defaults.
    PlayerEdt_[0]->setFocus();
}

void NewGameFrm::showSymbol(int index) {
    QLabel* picture = PlayerSimbol_[static_cast<std::size_t>(index)];
    const std::string& name = symbols_[static_cast<std::size_t>(index)];
    const int side = picture->height() - 2 * picture->frameWidth() - 2;
    picture->setPixmap(side > 0 ? IconAt(game_.file(name), side, picture->devicePixelRatioF())
                                : QPixmap());
    picture->setAccessibleDescription(FromText(name));
}

void NewGameFrm::PlayerNumCmb_LostFocus() {
    const int n = static_cast<int>(
        zenthar::Round(zenthar::LeadingNumber(PlayerNumCmb_->currentText().toStdString())));
    for (int k = 0; k < 4; ++k) {
        PlayerEdt_[static_cast<std::size_t>(k)]->setEnabled(k < n);
        SeatCmb_[static_cast<std::size_t>(k)]->setEnabled(k < n);
    }
}

void NewGameFrm::PlayerSimbol_Click(int index) {
    if (index < 0 || index > 3) return;
    auto& symbol = symbols_[static_cast<std::size_t>(index)];
    symbol = zenthar::NextSymbol(symbol);
    showSymbol(index);
}

void NewGameFrm::StarsNumberEdt_LostFocus() {
    const int planets = zenthar::NumberOfPlanetsTyped(StarsNumberEdt_->text().toStdString());
    if (auto refusal = zenthar::CheckNumberOfPlanets(planets)) {
        game_.dialogs.inform(*refusal);
        StarsNumberEdt_->setText("5");
    }
}

zenthar::NewGameSettings NewGameFrm::settings() const {
    zenthar::NewGameSettings s;
    s.players = static_cast<int>(
        zenthar::Round(zenthar::LeadingNumber(PlayerNumCmb_->currentText().toStdString())));
    for (std::size_t k = 0; k < 4; ++k) {
        s.names[k] = PlayerEdt_[k]->text().toStdString();
        const QVariant stored = HomePlanet_[k]->currentData();
        s.homePlanets[k] =
            (stored.isValid() ? stored.toString() : HomePlanet_[k]->currentText()).toStdString();
        s.symbols[k] = symbols_[k];
        s.seats[k] = static_cast<zenthar::SeatKind>(SeatCmb_[k]->currentIndex());
    }
    s.planets = zenthar::NumberOfPlanetsTyped(StarsNumberEdt_->text().toStdString());
    s.gameType = SimpleOpt_->isChecked() ? 1 : 0;
    s.skill = SkillCmb_->currentIndex();
    const int length = LengthCmb_->currentIndex();
    if (length == kTypedLength)
        s.gameLength = zenthar::GameLengthTyped(LengthEdt_->text().toStdString());
    else if (length > kUntilConquest && length < kTypedLength)
        s.gameLength = kLengthYears[static_cast<std::size_t>(length - 1)];
    return s;
}

void NewGameFrm::OkBtn_Click() {
    const zenthar::NewGameSettings s = settings();
    // Nothing of the running game changes before every check has passed.
    if (auto refusal = zenthar::CheckNewGame(game_.st, s)) {
        game_.dialogs.inform(*refusal);
        return;
    }
    try {
        zenthar::CreateNewGame(game_, s);
    } catch (const zenthar::StorageError& e) {
        game_.dialogs.inform("The new game could not be written to the game database (error " +
                             std::to_string(e.code()) + "). " + e.what());
        return;
    }
    // The next New Game starts from the defaults, as with a freshly opened dialog.
    Form_Load();
    accept();
}

void NewGameFrm::CancelBtn_Click() {
    reject();
}

bool NewGameFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StarsNumberEdt_ && PlayerMovedOn(event)) {
        StarsNumberEdt_LostFocus();
    } else if (watched == PlayerNumCmb_ && PlayerMovedOn(event)) {
        PlayerNumCmb_LostFocus();
    } else if (IsKeyClick(event) ||
               (event->type() == QEvent::MouseButtonRelease &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)) {
        for (int k = 0; k < 4; ++k)
            if (watched == PlayerSimbol_[static_cast<std::size_t>(k)]) {
                PlayerSimbol_Click(k);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zenthar::ui
