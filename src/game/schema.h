// The tables of a game database, field by field. The template, the validator of saved
// games and the tests all read the layout from here.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace zenthar {

enum class FieldKind { Number, Text, YesNo, Bytes };

struct FieldDef {
    std::string_view name;
    FieldKind kind;
    int width;  // texts only
    bool nullable;
    // A field newer than some saved games: a file without it reads it as empty.
    bool optional = false;
};

struct TableDef {
    std::string_view name;
    std::span<const FieldDef> fields;
    std::string_view orderBy;  // how a recordset presents the rows
};

std::span<const TableDef> GameTables();
const TableDef* FindTable(std::string_view name);

// Creates a fresh database file holding the empty tables (replacing any file there).
void CreateTemplateDatabase(const std::filesystem::path& file);

// Every game starts from the template: it must hold exactly the game's tables, each with its
// columns in order (names without regard to case, and their kinds), and no rows. Throws
// StorageError 13 naming the file and what is wrong.
void CheckTemplateDatabase(const std::filesystem::path& file);

}  // namespace zenthar
