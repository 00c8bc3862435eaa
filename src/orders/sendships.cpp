// Send Ships. The selected planet is the source; the task force waits in the player's list
// until the turn ends or the game is saved.
#include "orders/sendships.h"

#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar {
namespace {

bool OwnsSelected(const GameState& st) {
    return st.validPlanet(st.SelectedPlanet) &&
           st.planet(st.SelectedPlanet).digit(st.CurrentPlTurn) > 1;
}

// The first planet with the listed name: the list shows names, and a name is what the player
// picked.
int PlanetNamed(const GameState& st, const FixedText<40>& name) {
    for (int i = 0; i < st.PlanetsNum; ++i)
        if (st.planet(i).Name == name) return i;
    return -1;
}

}  // namespace

std::optional<std::string> CheckSendFrom(const GameState& st) {
    if (!OwnsSelected(st)) return "You don't own this planet. You can't send any ships from here.";
    return std::nullopt;
}

std::vector<std::string> SendDestinations(const GameState& st) {
    std::vector<std::string> names;
    for (int i = 0; i < st.PlanetsNum; ++i) names.push_back(st.planet(i).Name.padded());
    return names;
}

std::string SourceShipsText(const GameState& st) {
    if (!st.validPlanet(st.SelectedPlanet)) return "0";
    return FormatPlain(st.planet(st.SelectedPlanet).Ships);
}

std::optional<ShipsCap> CapShipsTyped(const GameState& st, std::string_view typed) {
    if (!st.validPlanet(st.SelectedPlanet)) return std::nullopt;
    const Int16 ships = st.planet(st.SelectedPlanet).Ships;
    if (LeadingNumber(typed) <= ships) return std::nullopt;
    return ShipsCap{"No more than " + FormatPlain(ships) + " ships, please.", FormatPlain(ships)};
}

std::optional<SendArrival> ArrivalFor(const GameState& st, int destination) {
    if (!st.validPlanet(st.SelectedPlanet) || !st.validPlanet(destination)) return std::nullopt;
    // Send aims at the first planet of the chosen name; so does the forecast.
    const int to = PlanetNamed(st, st.planet(destination).Name);
    if (to < 0) return std::nullopt;
    SendArrival a;
    a.distance = PlanetDistance(st, st.SelectedPlanet, to);
    a.year = ArrivalYear(st, st.SelectedPlanet, to);
    a.years = a.year - st.CurrentYear;
    return a;
}

std::string ArrivalText(const GameState& st, int destination) {
    const std::optional<SendArrival> a = ArrivalFor(st, destination);
    if (!a) return "";
    if (st.planet(destination).Name == st.planet(st.SelectedPlanet).Name)
        return "This is the planet the ships would leave.";
    const std::string when = a->years == 0   ? "this year"
                             : a->years == 1 ? "1 year"
                                             : FormatPlain(a->years) + " years";
    return "Distance " + FormatPlain(a->distance) + ": arrives in " + FormatPlain(a->year) + " (" +
           when + ")";
}

std::optional<std::string> SendShips(GameState& st, int destination, std::string_view typed) {
    return SendShips(st, st.SelectedPlanet, destination, typed);
}

std::optional<std::string> SendShips(GameState& st, int from, int destination,
                                     std::string_view typed) {
    // The menu lets only an owner in; a dialog left open across a change of hands must not
    // launch from someone else's planet.
    if (!st.validPlanet(from) || st.planet(from).digit(st.CurrentPlTurn) <= 1)
        return "You don't own this planet. You can't send any ships from here.";
    const PlanetRecord& source = st.planet(from);
    if (source.Ships < 1) return "What should I send? You have no ships on this planet.";
    if (!st.validPlanet(destination)) return "Choose a Destination Planet, please.";
    if (st.planet(destination).Name == source.Name)
        return "Should they make a trip? Destination Planet different from the source, please.";
    const double typedShips = LeadingNumber(typed);
    if (typedShips > source.Ships)
        return "You haven't the amount of ships specified on this planet.";
    // Zero, negative or unreadable counts would launch empty or "negative" fleets.
    const long long ships = Round(typedShips);
    if (ships < 1) return "How many ships should go? Type a number of 1 or more, please.";
    const int to = PlanetNamed(st, st.planet(destination).Name);
    // The count is rounded once and the same whole number leaves the planet, so a fraction
    // typed can neither lose nor make a ship.
    if (LaunchTaskForce(st, from, to, static_cast<double>(ships)) == LaunchResult::ListFull)
        return "No more task forces, please. You already have " + FormatPlain(kTaskForceSlots) +
               " of them on their way.";
    st.TaskForceList[static_cast<std::size_t>(st.TaskForceLast)].EndPl =
        FormatTwoDigits(destination + 1);
    return std::nullopt;
}

}  // namespace zenthar
