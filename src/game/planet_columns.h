// The Planets table's columns in their order, each with the PlanetRecord field it keeps: the
// one description the schema, a new game's rows, saving and the checker of saved games walk.
#pragma once

#include <array>
#include <string_view>

#include "game/state.h"

namespace zenthar {

// Fixed columns are written when the galaxy is made and never change in play; saving a game
// rewrites only the others of a row that is already there.
enum class ColumnUse { Fixed, Play };

namespace planet_columns {
inline constexpr std::array<std::string_view, 5> kKnownShip{
    "KnownShip1", "KnownShip2", "KnownShip3", "KnownShip4", "KnownShip5"};
inline constexpr std::array<std::string_view, 5> kKnownProd{
    "KnownProd1", "KnownProd2", "KnownProd3", "KnownProd4", "KnownProd5"};
inline constexpr std::array<std::string_view, 5> kKnownHost{
    "KnownHost1", "KnownHost2", "KnownHost3", "KnownHost4", "KnownHost5"};
inline constexpr std::array<std::string_view, 5> kYearScouted{
    "YearScouted1", "YearScouted2", "YearScouted3", "YearScouted4", "YearScouted5"};
}  // namespace planet_columns

inline constexpr std::size_t kPlanetColumns = 31;

// Calls visit(name, field, use) for every column in the table's order. `field` is an Int16 or
// a FixedText of the column's width; Record is PlanetRecord or const PlanetRecord.
template <class Record, class Visit>
void ForEachPlanetColumn(Record& p, Visit&& visit) {
    using enum ColumnUse;
    visit(std::string_view("PlanetId"), p.PlanetId, Fixed);
    visit(std::string_view("Name"), p.Name, Fixed);
    visit(std::string_view("XPos"), p.XPos, Fixed);
    visit(std::string_view("YPos"), p.YPos, Fixed);
    visit(std::string_view("Production"), p.Production, Play);
    visit(std::string_view("MaxProd"), p.MaxProd, Fixed);
    visit(std::string_view("WillProd"), p.WillProd, Play);
    visit(std::string_view("Hostility"), p.Hostility, Play);
    visit(std::string_view("Ships"), p.Ships, Play);
    visit(std::string_view("Ico"), p.Ico, Fixed);
    visit(std::string_view("Scouted"), p.Scouted, Play);
    // Slot 5 of the known arrays is never stored.
    for (std::size_t k = 0; k < 5; ++k) visit(planet_columns::kKnownShip[k], p.KnownShip[k], Play);
    for (std::size_t k = 0; k < 5; ++k) visit(planet_columns::kKnownProd[k], p.KnownProd[k], Play);
    for (std::size_t k = 0; k < 5; ++k) visit(planet_columns::kKnownHost[k], p.KnownHost[k], Play);
    for (std::size_t k = 0; k < 5; ++k)
        visit(planet_columns::kYearScouted[k], p.YearScouted[k], Play);
}

// What a column stores for a field: the number, or the text padded to its width.
inline long long StoredValue(Int16 v) {
    return v;
}
template <std::size_t N>
const std::string& StoredValue(const FixedText<N>& text) {
    return text.padded();
}

}  // namespace zenthar
