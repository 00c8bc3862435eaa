// The AppCfg table's columns in their order, each with the GameState value it keeps: the one
// description the schema, a new game's rows and saving walk (the checker of saved games reads
// each with its own bounds). A new column is one line here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "game/database.h"
#include "game/numbers.h"
#include "game/planet_columns.h"
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
};

// Calls visit(name, field, column) for every column in the table's order, with the fields of
// player `player` (0..3) for the per-player columns. `field` is an int, an Int16, a bool, a
// SeatKind or a FixedText of the column's width; State is GameState or const GameState.
template <class State, class Visit>
void ForEachConfigColumn(State& st, std::size_t player, Visit&& visit) {
    using enum ConfigColumn::Scope;
    using enum ConfigColumn::Made;
    using enum ColumnUse;
    // clang-format off
    visit(std::string_view("PlayesNum"),     st.PlayesNum,            ConfigColumn{Game, EveryRow, Fixed});
    visit(std::string_view("PlanetsNum"),    st.PlanetsNum,           ConfigColumn{Game, EveryRow, Fixed});
    visit(std::string_view("GameType"),      st.GameType,             ConfigColumn{Game, EveryRow, Fixed});
    visit(std::string_view("EmpireSkill"),   st.EmpireSkill,          ConfigColumn{Game, EveryRow, Fixed});
    visit(std::string_view("CurrentYear"),   st.CurrentYear,          ConfigColumn{Game, EveryRow, Play});
    visit(std::string_view("CurrentPlTurn"), st.CurrentPlTurn,        ConfigColumn{Game, EveryRow, Play});
    visit(std::string_view("PlName1"),       st.PlName.at(player),    ConfigColumn{Player, EveryRow, Fixed, true});
    visit(std::string_view("PlSymbol"),      st.PlSymbol.at(player),  ConfigColumn{Player, EveryRow, Fixed});
    visit(std::string_view("PlHome"),        st.PlHome.at(player),    ConfigColumn{Player, EveryRow, Fixed});
    visit(std::string_view("Hatest"),        st.Hatest.at(player),    ConfigColumn{Player, FirstRow, Play});
    visit(std::string_view("StartYear"),     st.StartYear,            ConfigColumn{Game, FirstRow, Play});
    visit(std::string_view("StartPl"),       st.StartPl,              ConfigColumn{Game, FirstRow, Play});
    visit(std::string_view("EndPl"),         st.EndPl,                ConfigColumn{Game, FirstRow, Play});
    visit(std::string_view("EmpireOut"),     st.EmpireOut,            ConfigColumn{Game, Later, Play});
    visit(std::string_view("EndTurnScreen"), st.SkipEndTurnScreen,    ConfigColumn{Game, Later, Play});
    visit(std::string_view("SoundsOff"),     st.SoundsOff,            ConfigColumn{Game, Later, Play});
    visit(std::string_view("Seat"),          st.Seats.at(player),     ConfigColumn{Player, EveryRow, Fixed, false, true});
    // clang-format on
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
