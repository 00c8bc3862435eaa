// The AppCfg table's columns in their order, each with the GameState value it keeps and the
// values a saved game may hold in it: the one description the schema, a new game's rows, saving,
// the checker of saved games and opening walk. A new column is one line here (and its member of
// GameState).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "game/database.h"
#include "game/levels.h"
#include "game/numbers.h"
#include "game/planet_columns.h"
#include "game/skill.h"
#include "game/state.h"

namespace zenthar {

struct ConfigColumn {
    // Game: the first row's value is the game's (a new game may copy it into every row);
    // Player: row k holds player k's own.
    enum class Scope { Game, Player } scope;
    // The rows a new game writes it into; the others stay empty until a save writes them.
    enum class Made { EveryRow, FirstRow, Later } made;
    // Play columns change in play and every save rewrites them; Fixed ones are written once.
    ColumnUse use;
    // A name is stored without its trailing blanks.
    bool trimmed = false;
    // Files saved before the column existed lack it: they are read as if it were empty.
    bool optional = false;
    // What the checker of saved games accepts: a number within lo..hi, or below the limit a
    // game's own figures set (its players, its galaxy); a text naming a planet of the galaxy.
    long long lo = kInt16Min;
    long long hi = kInt16Max;
    enum class Within { Bounds, Players, Galaxy } within = Within::Bounds;
    // What an empty value stands for: refused, the field's zero (no, nothing, a human's seat)
    // or, for the first year of play, the current year.
    enum class IfEmpty { Refused, Zero, CurrentYear } ifEmpty = IfEmpty::Refused;
    // Opening a game puts the column's value in place, or turns a check mark on and never off.
    bool onlyTurnsOn = false;
};

// The first and last value a column may hold.
struct Bounds {
    long long lo;
    long long hi;
};

// A column's field of a state: the game's own, or one player's.
template <auto Member>
struct GameField {
    template <class State>
    auto& operator()(State& st, std::size_t) const {
        return st.*Member;
    }
};
template <auto Member>
struct PlayerField {
    template <class State>
    auto& operator()(State& st, std::size_t player) const {
        return (st.*Member).at(player);
    }
};

// Calls visit(name, get, column) for every column in the table's order: get(state, player)
// is the column's field of that state (the game's own, or player `player`'s, 0..3). The field is
// an int, an Int16, a bool, a SeatKind or a FixedText of the column's width.
template <class Visit>
void ForEachConfigColumnOf(Visit&& visit) {
    using enum ConfigColumn::Scope;
    using enum ConfigColumn::Made;
    using enum ColumnUse;
    using W = ConfigColumn::Within;
    using E = ConfigColumn::IfEmpty;
    const auto number = [](ConfigColumn c, Bounds b, W within = W::Bounds, E ifEmpty = E::Refused) {
        c.lo = b.lo;
        c.hi = b.hi;
        c.within = within;
        c.ifEmpty = ifEmpty;
        return c;
    };
    const auto mark = [](ConfigColumn c) {
        c.ifEmpty = E::Zero;
        c.onlyTurnsOn = true;
        return c;
    };
    const auto planet = [](ConfigColumn c) {
        c.within = W::Galaxy;
        c.ifEmpty = E::Zero;
        return c;
    };
    const auto optionalText = [](ConfigColumn c) {
        c.trimmed = true;
        c.optional = true;
        c.ifEmpty = E::Zero;
        return c;
    };
    const auto optionalMark = [](ConfigColumn c) {
        c.optional = true;
        c.ifEmpty = E::Zero;
        return c;
    };
    const Bounds any{kInt16Min, kInt16Max};
    const Bounds seats{static_cast<long long>(SeatKind::Human),
                       static_cast<long long>(kLastSeatKind)};
    // clang-format off
    visit(std::string_view("PlayesNum"),     GameField<&GameState::PlayesNum>{}, number({Game, EveryRow, Fixed}, {1, kMaxPlayers}));
    visit(std::string_view("PlanetsNum"),    GameField<&GameState::PlanetsNum>{}, number({Game, EveryRow, Fixed}, {kMinPlanets, kMaxPlanets}));
    visit(std::string_view("GameType"),      GameField<&GameState::GameType>{}, number({Game, EveryRow, Fixed}, {0, 1}));
    visit(std::string_view("EmpireSkill"),   GameField<&GameState::EmpireSkill>{}, number({Game, EveryRow, Fixed}, {0, static_cast<long long>(kSkillRules.size()) - 1}));
    visit(std::string_view("CurrentYear"),   GameField<&GameState::CurrentYear>{}, number({Game, EveryRow, Play}, any));
    // After "The Empire has won" the turn rests one past the last player until the next year.
    visit(std::string_view("CurrentPlTurn"), GameField<&GameState::CurrentPlTurn>{}, number({Game, EveryRow, Play}, {0, 0}, W::Players));
    visit(std::string_view("PlName1"),       PlayerField<&GameState::PlName>{}, ConfigColumn{Player, EveryRow, Fixed, true});
    visit(std::string_view("PlSymbol"),      PlayerField<&GameState::PlSymbol>{}, ConfigColumn{Player, EveryRow, Fixed});
    visit(std::string_view("PlHome"),        PlayerField<&GameState::PlHome>{}, number({Player, EveryRow, Fixed}, {0, -1}, W::Galaxy));
    visit(std::string_view("Hatest"),        PlayerField<&GameState::Hatest>{}, number({Player, FirstRow, Play}, any));
    visit(std::string_view("StartYear"),     GameField<&GameState::StartYear>{}, number({Game, FirstRow, Play}, any, W::Bounds, E::CurrentYear));
    visit(std::string_view("StartPl"),       GameField<&GameState::StartPl>{}, planet({Game, FirstRow, Play}));
    visit(std::string_view("EndPl"),         GameField<&GameState::EndPl>{}, planet({Game, FirstRow, Play}));
    visit(std::string_view("EmpireOut"),     GameField<&GameState::EmpireOut>{}, number({Game, Later, Play}, any, W::Bounds, E::Zero));
    visit(std::string_view("EndTurnScreen"), GameField<&GameState::SkipEndTurnScreen>{}, mark({Game, Later, Play}));
    visit(std::string_view("SoundsOff"),     GameField<&GameState::SoundsOff>{}, mark({Game, Later, Play}));
    // A seat left empty, or a file from before seats, is a human's.
    visit(std::string_view("Seat"),          PlayerField<&GameState::Seats>{}, number({Player, EveryRow, Fixed, false, true}, seats, W::Bounds, E::Zero));
    // Empty, in a file from before the choice, plays until one side holds the galaxy.
    visit(std::string_view("GameLength"),    GameField<&GameState::GameLength>{}, number({Game, EveryRow, Fixed, false, true}, {0, kLongestGame}, W::Bounds, E::Zero));
    // Empty, in a file from before the dice were kept, leaves the random source as it is.
    visit(std::string_view("RandomState"),   GameField<&GameState::RandomState>{}, optionalText({Game, Later, Play}));
    visit(std::string_view("YearEndDue"),    GameField<&GameState::YearEndDue>{}, optionalMark({Game, Later, Play}));
    // clang-format on
}

// Calls visit(name, field, column) for every column in the table's order, with the fields of
// player `player` (0..3) for the per-player columns. State is GameState or const GameState.
template <class State, class Visit>
void ForEachConfigColumn(State& st, std::size_t player, Visit&& visit) {
    ForEachConfigColumnOf([&](std::string_view name, auto get, const ConfigColumn& column) {
        visit(name, get(st, player), column);
    });
}

// What a column stores for a field: the number (-1 or 0 for a yes/no), or the text. A new game
// writes a blank text (no campaign planet yet) as the empty text; a save writes it padded to
// its width, as saved games always had it.
template <class Field>
FieldValue StoredConfigValue(const Field& field, const ConfigColumn& column, bool making) {
    if constexpr (std::is_same_v<Field, bool>)
        return FieldValue(field);
    else if constexpr (std::is_enum_v<Field>)
        return FieldValue(static_cast<long long>(field));
    else if constexpr (std::is_integral_v<Field>)
        return FieldValue(static_cast<long long>(field));
    else
        return column.trimmed || (making && field.blank()) ? FieldValue(TrimRight(field.padded()))
                                                           : FieldValue(field.padded());
}

// Whether a save writes the column into row `row` (0 is the first): the changing values, of
// the game in the first row and of each player in that player's row.
inline bool SavedInRow(const ConfigColumn& column, std::size_t row) {
    return column.use == ColumnUse::Play &&
           (column.scope == ConfigColumn::Scope::Player || row == 0);
}

// Whether a new game, or a save that has to add the row, writes the column into row `row`.
inline bool MadeInRow(const ConfigColumn& column, std::size_t row) {
    return column.made == ConfigColumn::Made::EveryRow ||
           (column.made == ConfigColumn::Made::FirstRow && row == 0);
}

}  // namespace zenthar
