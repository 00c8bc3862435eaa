// Table layouts of the game database and the creation of the empty template.
#include "game/schema.h"

#include <array>
#include <cctype>
#include <string>
#include <system_error>
#include <type_traits>

#include <vector>

#include "game/config_columns.h"
#include "game/history_columns.h"
#include "game/numbers.h"
#include "game/planet_columns.h"
#include "game/sqlite.h"
#include "game/storage_error.h"

namespace zenthar {
namespace {

constexpr FieldKind N = FieldKind::Number;
constexpr FieldKind T = FieldKind::Text;
constexpr FieldKind B = FieldKind::YesNo;

// The AppCfg fields follow the game's description of its columns; every one may be empty.
template <class Field>
FieldDef ConfigField(std::string_view name, const Field&, bool optional) {
    if constexpr (std::is_same_v<Field, bool>)
        return {name, B, 0, true, optional};
    else if constexpr (std::is_integral_v<Field> || std::is_enum_v<Field>)
        return {name, N, 0, true, optional};
    else
        return {name, T, static_cast<int>(Field::width()), true, optional};
}

std::vector<FieldDef> MakeConfigFields() {
    std::vector<FieldDef> fields;
    const GameState sample;
    ForEachConfigColumn(sample, 0,
                        [&](std::string_view name, const auto& field, ConfigColumn column) {
                            fields.push_back(ConfigField(name, field, column.optional));
                        });
    return fields;
}

// The Planets fields follow the record's description of its columns.
template <class Field>
FieldDef PlanetField(std::string_view name, const Field&) {
    if constexpr (std::is_same_v<Field, Int16>)
        return {name, N, 0, false};
    else
        return {name, T, static_cast<int>(Field::width()), false};
}

std::array<FieldDef, kPlanetColumns> MakePlanetFields() {
    std::array<FieldDef, kPlanetColumns> fields{};
    std::size_t i = 0;
    const PlanetRecord sample;
    ForEachPlanetColumn(sample, [&](std::string_view name, const auto& field, ColumnUse) {
        fields.at(i++) = PlanetField(name, field);
    });
    return fields;
}

constexpr std::array<FieldDef, 6> kShips{{
    {"PlNum", N, 0, false},
    {"TFNum", N, 0, false},
    {"StartPl", T, 2, false},
    {"EndPl", T, 2, false},
    {"RemTurns", N, 0, false},
    {"NumOfShips", N, 0, false},
}};

// The History fields follow the table's description of its columns.
std::array<FieldDef, kHistoryColumns.size()> MakeHistoryFields() {
    std::array<FieldDef, kHistoryColumns.size()> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = i == kHistoryReport
                        ? FieldDef{kHistoryColumns[i].name, FieldKind::Bytes, 0, true}
                        : FieldDef{kHistoryColumns[i].name, N, 0, false};
    return fields;
}

// Made on first use, so that no other file's start-up can see it unmade.
const std::array<TableDef, 4>& Tables() {
    static const std::vector<FieldDef> config = MakeConfigFields();
    static const std::array<FieldDef, kPlanetColumns> planets = MakePlanetFields();
    static const std::array<FieldDef, kHistoryColumns.size()> history = MakeHistoryFields();
    static const std::array<TableDef, 4> tables{{
        {"AppCfg", config, "rowid"},
        {"Planets", planets, "rowid"},
        {"Ships", kShips, "PlNum, TFNum, rowid"},
        {"History", history, "Year, Side"},
    }};
    return tables;
}

std::string SqlType(FieldKind k) {
    if (k == FieldKind::Bytes) return "BLOB";
    return k == FieldKind::Text ? "TEXT" : "INTEGER";
}

}  // namespace

std::span<const TableDef> GameTables() {
    return Tables();
}

const TableDef* FindTable(std::string_view name) {
    for (const auto& t : Tables())
        if (EqualsNoCase(t.name, name)) return &t;
    return nullptr;
}

void CheckTemplateDatabase(const std::filesystem::path& file) {
    const auto refuse = [&](const std::string& why) {
        throw StorageError(errors::kTypeMismatch,
                           "Damaged game database template: " + file.string() + " (" + why + ")");
    };
    sqlite::Database db(file, sqlite::Database::Mode::ReadOnly);
    sqlite::Statement tables(db.get(),
                             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                             "LIKE 'sqlite\\_%' ESCAPE '\\'");
    std::size_t count = 0;
    while (tables.step()) {
        const std::string name = tables.columnText(0);
        if (!FindTable(name)) refuse("it holds a table " + name + " that is no part of a game");
        ++count;
    }
    if (count != Tables().size()) refuse("it lacks a table");
    for (const auto& t : Tables()) {
        sqlite::Statement columns(db.get(), "PRAGMA table_info(" + std::string(t.name) + ")");
        std::size_t i = 0;
        for (; columns.step(); ++i) {
            if (i >= t.fields.size()) refuse(std::string(t.name) + " has a column too many");
            const FieldDef& f = t.fields[i];
            if (!EqualsNoCase(columns.columnText(1), f.name) ||
                !EqualsNoCase(columns.columnText(2), SqlType(f.kind)))
                refuse(std::string(t.name) + " column " + std::to_string(i + 1) + " must be " +
                       std::string(f.name) + " " + SqlType(f.kind));
        }
        if (i != t.fields.size()) refuse(std::string(t.name) + " lacks columns");
        sqlite::Statement rows(db.get(), "SELECT count(*) FROM " + std::string(t.name));
        if (rows.step() && rows.columnInt(0) != 0) refuse(std::string(t.name) + " holds rows");
    }
}

void CreateTemplateDatabase(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::remove(file, ec);
    sqlite::Database db(file, sqlite::Database::Mode::Create);
    db.exec("PRAGMA journal_mode=DELETE");
    db.exec("BEGIN");
    for (const auto& t : Tables()) {
        std::string sql = "CREATE TABLE " + std::string(t.name) + " (";
        bool first = true;
        for (const auto& f : t.fields) {
            if (!first) sql += ", ";
            first = false;
            sql += std::string(f.name) + " " + SqlType(f.kind);
        }
        sql += ")";
        db.exec(sql);
    }
    // No index: the rows are read into memory whole, seldom, and every look-up walks them
    // there, while an index would cost at each of the thousands of writes a year.
    db.exec("COMMIT");
}

}  // namespace zenthar
