// The main window's commands as one table: each row is a menu item with its caption, keys and
// handler, and what the command needs. The table builds the menus, and allowed() is the one
// gate that every item, key and map gesture passes, so a command cannot be reached by a way
// its row did not think of.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "options/map_zoom.h"

namespace zenthar::ui {

namespace {

// Every command waits while End Turn runs: its waits let events through, and a command
// started there would run inside the year end.
constexpr Needs kAnyTime = Need::Idle;
constexpr Needs kInGame = Need::Game | Need::Idle;
// What shows the player on turn his own planets, fleets and figures: never behind the curtain.
constexpr Needs kPlayersView = Need::Game | Need::Idle | Need::PlayerShown;
// Orders are given by the human whose turn it is; a game of computers alone is watched.
constexpr Needs kOrders = kPlayersView | Need::HumanOnTurn;

constexpr QKeyCombination Ctrl(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier, key);
}

using Z = Zenthar;

// clang-format off
constexpr Command kCommands[] = {
    {.menu = Menu::File, .name = "NewGameItem", .caption = "&New Game", .keys = {Ctrl(Qt::Key_N)},
     .handler = &Z::NewGameItem_Click, .needs = kAnyTime},
    {.menu = Menu::File, .name = "LoadGameItem", .caption = "&Open Game", .keys = {Ctrl(Qt::Key_O)},
     .handler = &Z::LoadGameItem_Click, .needs = kAnyTime},
    {.menu = Menu::File, .name = "SaveGameItem", .caption = "&Save Game", .keys = {Ctrl(Qt::Key_S)},
     .handler = &Z::SaveGameItem_Click, .needs = kInGame},
    {.menu = Menu::File, .name = "ExitItem", .caption = "E&xit", .keys = {Ctrl(Qt::Key_Q)},
     .handler = &Z::ExitItem_Click, .needs = kAnyTime, .separatorBefore = true},

    {.menu = Menu::Orders, .name = "SendItem", .caption = "&Send Ships", .keys = {Qt::Key_F2},
     .handler = &Z::SendItem_Click, .needs = kOrders},
    {.menu = Menu::Orders, .name = "IncreaseProdItem", .caption = "&Increase Production",
     .keys = {Ctrl(Qt::Key_I)}, .handler = &Z::IncreaseProdItem_Click, .needs = kOrders},
    {.menu = Menu::Orders, .name = "EndTurnItem", .caption = "&End Turn", .keys = {Ctrl(Qt::Key_E)},
     .handler = &Z::EndTurnItem_Click, .needs = kPlayersView, .separatorBefore = true},

    // Ctrl and the key with + on it, shifted or not.
    {.menu = Menu::View, .name = "ZoomInItem", .caption = "Zoom &In",
     .keys = {Ctrl(Qt::Key_Plus), Ctrl(Qt::Key_Equal)}, .handler = &Z::ZoomInItem_Click,
     .needs = kAnyTime},
    {.menu = Menu::View, .name = "ZoomOutItem", .caption = "Zoom &Out", .keys = {Ctrl(Qt::Key_Minus)},
     .handler = &Z::ZoomOutItem_Click, .needs = kAnyTime},
    {.menu = Menu::View, .name = "WholeGalaxyItem", .caption = "&Whole Galaxy",
     .keys = {Ctrl(Qt::Key_0)}, .handler = &Z::WholeGalaxyItem_Click, .needs = kInGame},

    {.menu = Menu::Reports, .name = "OwningMapItem", .caption = "&Ownership Map",
     .keys = {Qt::Key_F3}, .handler = &Z::OwningMapItem_Click, .needs = kPlayersView},
    {.menu = Menu::Reports, .name = "ShowFleetsItem", .caption = "Show &Fleets",
     .keys = {Qt::Key_F4}, .handler = &Z::ShowFleetsItem_Click, .needs = kPlayersView},
    {.menu = Menu::Reports, .name = "ProductionSumItem", .caption = "&Production Summary",
     .keys = {Qt::Key_F5}, .handler = &Z::ProductionSumItem_Click, .needs = kPlayersView},
    {.menu = Menu::Reports, .name = "LastYearReportItem", .caption = "End Turn &Report",
     .keys = {Qt::Key_F6}, .handler = &Z::LastYearReportItem_Click, .needs = kPlayersView},
    {.menu = Menu::Reports, .name = "FleetsInFlightItem", .caption = "Fleets &in Flight",
     .keys = {QKeyCombination(Qt::ShiftModifier, Qt::Key_F4)},
     .handler = &Z::FleetsInFlightItem_Click, .needs = kPlayersView},
    {.menu = Menu::Reports, .name = "StatisticsItem", .caption = "S&tatistics",
     .keys = {Ctrl(Qt::Key_T)}, .handler = &Z::StatisticsItem_Click, .needs = kPlayersView},

    {.menu = Menu::Tools, .name = "SearchItem", .caption = "&Find Planet", .keys = {Ctrl(Qt::Key_F)},
     .handler = &Z::SearchItem_Click, .needs = kPlayersView},
    {.menu = Menu::Options, .name = "SkipETDispItem", .caption = "Skip &End Turn Screen", .keys = {},
     .handler = &Z::SkipETDispItem_Click, .needs = kAnyTime, .checkable = true},
    {.menu = Menu::Options, .name = "SoundsOffItem", .caption = "&Sounds Off", .keys = {},
     .handler = &Z::SoundsOffItem_Click, .needs = kAnyTime, .checkable = true},
    {.menu = Menu::Options, .name = "IntBrowserItem", .caption = "Set Internet &Browser Location",
     .keys = {}, .handler = &Z::IntBrowserItem_Click, .needs = kAnyTime, .separatorBefore = true},

    {.menu = Menu::Help, .name = "HelpIndexItem", .caption = "Help &Index", .keys = {Qt::Key_F1},
     .handler = &Z::HelpIndexItem_Click, .needs = kAnyTime},
    {.menu = Menu::Help, .name = "AboutItem", .caption = "&About", .keys = {},
     .handler = &Z::AboutItem_Click, .needs = kAnyTime, .separatorBefore = true},

    // On the map: a planet clicked (or chosen with Enter) into the panel, its tooltip and the
    // marks of the player's own planets. A double click is Increase Production's, a right click
    // or a drag Send Ships', Ctrl and the wheel Zoom In's.
    {.menu = Menu::Map, .name = "System1", .caption = nullptr, .keys = {}, .handler = nullptr,
     .needs = kPlayersView},
};
// clang-format on

struct MenuRow {
    Menu menu;
    const char* name;
    const char* caption;
};
// The menu bar in its order; Options is a menu of Tools.
constexpr MenuRow kMenus[] = {
    {Menu::File, "FileMenu", "&File"},    {Menu::Orders, "OrdersItem", "&Orders"},
    {Menu::View, "ViewItem", "&View"},    {Menu::Reports, "ReportsItem", "&Reports"},
    {Menu::Tools, "ToolsItem", "&Tools"}, {Menu::Options, "OptionsItem", "&Options"},
    {Menu::Help, "HelpItem", "&Help"},
};

}  // namespace

std::span<const Command> Zenthar::commands() {
    return kCommands;
}

const Command& Zenthar::command(std::string_view name) {
    for (const Command& row : kCommands)
        if (name == row.name) return row;
    // A name not in the table is a mistake in this program, not in a game.
    std::abort();
}

bool Zenthar::allowed(const Command& row) const {
    const GameState& st = game_.st;
    const Needs needs = row.needs;
    if (needs.has(Need::Game) && !st.GameActive) return false;
    if (needs.has(Need::Idle) && turnPassing_) return false;
    if (needs.has(Need::PlayerShown) && playerHidden()) return false;
    if (needs.has(Need::HumanOnTurn) &&
        !(st.validPlayer(st.CurrentPlTurn) &&
          st.Seats[static_cast<std::size_t>(st.CurrentPlTurn)] == SeatKind::Human))
        return false;
    return true;
}

void Zenthar::give(const Command& row) {
    if (row.handler == nullptr || !allowed(row)) return;
    emit commandGiven(QString::fromLatin1(row.name));
    (this->*row.handler)();
    refreshCommands();
}

void Zenthar::refreshCommands() {
    const std::span<const Command> rows = commands();
    for (std::size_t k = 0; k < rows.size() && k < items_.size(); ++k)
        if (items_[k] != nullptr) items_[k]->setEnabled(allowed(rows[k]));
    if (!allowed(command("System1"))) QToolTip::hideText();
}

// Each caption carries its mnemonic (the letter after '&'), so every command is reachable from
// the keyboard with Alt and the letters.
void Zenthar::createMenus() {
    std::map<Menu, QMenu*> menus;
    for (const MenuRow& m : kMenus) {
        QMenu* menu = m.menu == Menu::Options
                          ? menus.at(Menu::Tools)->addMenu(QString::fromLatin1(m.caption))
                          : menuBar()->addMenu(QString::fromLatin1(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(m.name) + QStringLiteral("Action"));
        menus[m.menu] = menu;
        // Items follow what happened since they were last set (a test may build a game).
        connect(menu, &QMenu::aboutToShow, this, &Zenthar::refreshCommands);
    }
    for (const Command& row : kCommands) {
        if (row.menu == Menu::Map) {
            items_.push_back(nullptr);
            continue;
        }
        QMenu* menu = menus.at(row.menu);
        // Options sits last in Tools: the items of Tools go before it.
        QAction* before = row.menu == Menu::Tools ? menus.at(Menu::Options)->menuAction() : nullptr;
        if (row.separatorBefore) menu->insertSeparator(before);
        auto* action = new QAction(QString::fromLatin1(row.caption), menu);
        menu->insertAction(before, action);
        action->setObjectName(QString::fromLatin1(row.name));
        QList<QKeySequence> keys;
        for (QKeyCombination key : row.keys)
            if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
        action->setShortcuts(keys);
        action->setCheckable(row.checkable);
        connect(action, &QAction::triggered, this, [this, &row] { give(row); });
        items_.push_back(action);
    }
    SkipETDispItem_ = findChild<QAction*>(QStringLiteral("SkipETDispItem"));
    SoundsOffItem_ = findChild<QAction*>(QStringLiteral("SoundsOffItem"));
}

// The map's gestures are the commands they stand for, and pass the same gate.
void Zenthar::connectGestures() {
    auto gesture = [this](const char* name, auto act) {
        const Command& row = command(name);
        return [this, &row, act](auto... args) {
            if (!allowed(row)) return;
            emit commandGiven(QString::fromLatin1(row.name));
            act(args...);
            refreshCommands();
        };
    };
    connect(map_, &GalaxyMap::System1_Click, this,
            gesture("System1", [this](int i) { System1_Click(i); }));
    connect(map_, &GalaxyMap::System1_DblClick, this,
            gesture("IncreaseProdItem", [this](int i) { System1_DblClick(i); }));
    connect(map_, &GalaxyMap::sendRequested, this,
            gesture("SendItem", [this](int destination) { SendToPlanet(destination); }));
    connect(map_, &GalaxyMap::zoomRequested, this,
            gesture("ZoomInItem", [this](int steps, QPoint at) {
                double scale = map_->scale();
                for (int k = 0; k < std::abs(steps); ++k)
                    scale = steps > 0 ? ZoomedIn(scale) : ZoomedOut(scale);
                setMapScale(scale, at);
            }));
    // The marks of the player's own planets and the tooltips tell what only he may see.
    const Command& planet = command("System1");
    map_->setPrivateView([this, &planet] { return allowed(planet); });
}

}  // namespace zenthar::ui
