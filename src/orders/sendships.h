// The Send Ships order: who may send from the selected planet, what the dialog lists and
// shows, the cap on the number typed, and the checks and launch of one task force.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/state.h"

namespace zenthar {

// The menu's check: a message when the current player does not own the selected planet.
std::optional<std::string> CheckSendFrom(const GameState& st);

// The destinations, in planet-list order (the source included): the stored padded names.
std::vector<std::string> SendDestinations(const GameState& st);

// The source planet's ships as the box shows them.
std::string SourceShipsText(const GameState& st);

// Leaving the box with more ships than the planet has: the message and the text to put back.
struct ShipsCap {
    std::string message;
    std::string text;
};
std::optional<ShipsCap> CapShipsTyped(const GameState& st, std::string_view typed);

// Where a task force sent now to the destination at this position of the list would land, and
// when: the distance and the year Send gives it. Nothing without a source or a destination.
struct SendArrival {
    int distance = 0;
    int years = 0;
    Int16 year = 0;
};
std::optional<SendArrival> ArrivalFor(const GameState& st, int destination);

// The dialog's line under the destination: "Distance 5: arrives in 4106 (3 years)".
std::string ArrivalText(const GameState& st, int destination);

// Send: the checks in their order; on success one task force joins TaskForceList, its ships
// leave the source at once and nothing is returned. On a refusal nothing has changed.
// destination is the position in the destination list.
std::optional<std::string> SendShips(GameState& st, int destination, std::string_view typed);
// The same order from any planet of the current player, as a computer player gives it.
std::optional<std::string> SendShips(GameState& st, int from, int destination,
                                     std::string_view typed);

}  // namespace zenthar
