// The Orders menu: Send Ships (also by pointing at the map), Increase Production and End Turn.
// The rules are the core's; these windows and questions only ask and show.
#include <QScopedValueRollback>
#include <optional>

#include "app/Zenthar.h"
#include "game/saveload.h"
#include "game/storage_error.h"
#include "orders/SendShipsFrm.h"
#include "orders/production.h"
#include "orders/sendships.h"
#include "turn/endturn.h"

namespace zenthar::ui {

void Zenthar::SendItem_Click() {
    if (auto refusal = CheckSendFrom(game_.st)) {
        dialogs_.inform(*refusal);
        return;
    }
    const Int16 fleetsBefore = game_.st.TaskForceLast;
    {
        SendShipsFrm frm(game_, this);
        frm.exec();
    }
    if (game_.st.TaskForceLast != fleetsBefore) noteChange();
    // The ships that left are no longer on the planet the panel shows.
    ShowPlanetInfo(game_.st.SelectedPlanet, false);
}

void Zenthar::SendToPlanet(int destination) {
    GameState& st = game_.st;
    if (auto refusal = CheckSendFrom(st)) {
        dialogs_.inform(*refusal);
        return;
    }
    const Int16 fleetsBefore = st.TaskForceLast;
    {
        SendShipsFrm frm(game_, this);
        // Pointing at the planet the ships would leave chooses nothing: the list starts as F2's.
        if (destination != st.SelectedPlanet) frm.chooseDestination(destination);
        frm.exec();
    }
    if (st.TaskForceLast != fleetsBefore) noteChange();
    ShowPlanetInfo(st.SelectedPlanet, false);
}

void Zenthar::IncreaseProdItem_Click() {
    const int planet = game_.st.SelectedPlanet;
    const ProductionCheck check = CheckIncreaseProduction(game_.st, planet);
    if (check != ProductionCheck::Allowed) {
        const std::string refusal = ProductionRefusalText(check);
        if (!refusal.empty()) dialogs_.inform(refusal);
        return;
    }
    if (!dialogs_.confirm(IncreaseProductionQuestion(game_.st, planet), "Zenthar")) return;
    IncreaseProduction(game_.st, planet);
    ShowPlanetInfo(game_.st.SelectedPlanet, false);
    noteChange();
}

void Zenthar::EndTurnItem_Click() {
    const int endedBy = game_.st.CurrentPlTurn;
    if (runEndTurn(EndTurn)) passTurn(endedBy);
}

bool Zenthar::runEndTurn(void (*step)(Game&)) {
    std::optional<std::string> error;
    {
        // Every command waits meanwhile (allowed() reads it), and the next player's turn is
        // drawn only once the window knows whether the curtain comes first.
        const QScopedValueRollback<bool> passing(turnPassing_, true);
        refreshCommands();
        try {
            step(game_);
        } catch (const StorageError& e) {
            error = StorageErrorMessage(e);
        }
    }
    refreshCommands();
    if (!error) {
        noteChange();
        return true;
    }
    // The turn was undone: nothing of it may stay on the screen.
    summaryDue_ = false;
    display_.hideWindow();
    dialogs_.inform(*error +
                    "\r\rThe turn was not ended: the game is as it was before End Turn. Save it "
                    "under a new name on a disk with free space before you go on.");
    // The turn's new fleets are back in memory only: the panel is redrawn, not reloaded.
    drawTurnStatus();
    DrawGalaxyMap();
    return false;
}

}  // namespace zenthar::ui
