// Checking a saved game. The file is opened as a read-only database in memory, with triggers,
// views, untrusted schema functions and double-quoted literals switched off and a budget on the
// work a query may do, so a damaged or hostile file can neither stall nor trick the loader.
#include "game/savecheck.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "game/config_columns.h"
#include "game/history_store.h"
#include "game/numbers.h"
#include "game/planet_columns.h"
#include "game/savefile.h"

namespace zenthar {
namespace {

// More task forces than five full lists, twice over, come from no game.
constexpr std::size_t kMaxShipRows = 2 * kSides * kTaskForceSlots;
// Query steps (in thousands of virtual machine operations) before a read gives up.
constexpr long kWorkBudget = 100000;

[[noreturn]] void Refuse(const std::string& detail) {
    throw SaveLoadError(errors::kTypeMismatch, "The file is not a Zenthar game (" + detail + ").");
}

// What SQLite's failures on a saved file mean to the player.
[[noreturn]] void Fail(sqlite3* db, int rc, std::string_view) {
    switch (rc & 0xff) {
        case SQLITE_NOMEM:
            throw SaveLoadError(errors::kOutOfMemory, "The computer ran out of memory.");
        case SQLITE_INTERRUPT:
            Refuse("it takes too long to read");
        case SQLITE_TOOBIG:
            Refuse("it holds a value far too large");
        case SQLITE_CANTOPEN:  // the bytes would not even open as a database
            Refuse("it is not a game database");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_FORMAT:
            Refuse("it is damaged");
        default:
            Refuse(std::string("it cannot be read: ") +
                   (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
    }
}

using Query = sqlite::Statement;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    std::size_t i = text.find_first_not_of(" \t\r\n");
    if (i == std::string_view::npos || text.size() - i < prefix.size()) return false;
    for (std::size_t k = 0; k < prefix.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(text[i + k])) !=
            std::tolower(static_cast<unsigned char>(prefix[k])))
            return false;
    return true;
}

std::string Quoted(std::string_view name) {
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted.append(1, '"').append(name).append(1, '"');
    return quoted;
}

// The table must be an ordinary table holding every field of the layout as a stored column; an
// optional field may be missing. Returns, field by field, whether the file has it.
std::vector<bool> CheckLayout(const sqlite::Database& db, const TableDef& table) {
    Query schema(db, "SELECT type, sql FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
    schema.bind(1, table.name);
    bool found = false;
    while (schema.step())
        found = found || (schema.columnText(0) == "table" &&
                          StartsWithNoCase(schema.columnText(1), "CREATE TABLE"));
    if (!found) Refuse("the table " + std::string(table.name) + " is missing");

    Query columns(db, "SELECT name, hidden FROM pragma_table_xinfo(?1)");
    columns.bind(1, table.name);
    std::vector<std::pair<std::string, long long>> present;
    while (columns.step()) present.emplace_back(columns.columnText(0), columns.columnInt(1));
    std::vector<bool> has;
    for (const FieldDef& f : table.fields) {
        const std::pair<std::string, long long>* column = nullptr;
        for (const auto& c : present)
            if (EqualsNoCase(c.first, f.name)) column = &c;
        has.push_back(column != nullptr);
        if (!column && f.optional) continue;
        if (!column)
            Refuse("the field " + std::string(f.name) + " of " + std::string(table.name) +
                   " is missing");
        if (column->second != 0)
            Refuse("the field " + std::string(f.name) + " of " + std::string(table.name) +
                   " is computed");
    }
    return has;
}

// One stored value, checked against the kind of its field.
FieldValue ReadValue(const Query& q, int col, const FieldDef& field, const std::string& where) {
    const std::string name = where + ": " + std::string(field.name);
    switch (q.columnType(col)) {
        case SQLITE_NULL:
            if (!field.nullable) Refuse(name + " is empty");
            return {};
        case SQLITE_INTEGER:
            if (field.kind == FieldKind::Text) Refuse(name + " is not a text");
            {
                long long v = q.columnInt(col);
                if (v < kInt16Min || v > kInt16Max) Refuse(name + " is out of range");
                return v;
            }
        case SQLITE_TEXT:
            if (field.kind != FieldKind::Text) Refuse(name + " is not a whole number");
            {
                std::string s = q.columnText(col);
                if (Utf8Length(s) > static_cast<std::size_t>(field.width))
                    Refuse(name + " is too long");
                if (s.find('\0') != std::string::npos) Refuse(name + " holds a stray character");
                return s;
            }
        default:
            Refuse(name +
                   (field.kind == FieldKind::Text ? " is not a text" : " is not a whole number"));
    }
}

using Rows = std::vector<std::vector<FieldValue>>;

// The first rows of a table in its order, at most `limit` of them: rows beyond the game's own
// are no part of it and are neither checked nor kept.
Rows ReadRows(const sqlite::Database& db, const TableDef& table, const std::string& orderBy,
              std::size_t limit) {
    const std::vector<bool> has = CheckLayout(db, table);
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < table.fields.size(); ++i)
        sql += (i ? ", " : "") + (has[i] ? Quoted(table.fields[i].name) : std::string("NULL"));
    sql +=
        " FROM " + Quoted(table.name) + " ORDER BY " + orderBy + " LIMIT " + std::to_string(limit);
    Query q(db, sql);
    Rows rows;
    while (q.step()) {
        std::string where = std::string(table.name) + " row " + std::to_string(rows.size() + 1);
        std::vector<FieldValue> row;
        for (std::size_t i = 0; i < table.fields.size(); ++i)
            row.push_back(ReadValue(q, static_cast<int>(i), table.fields[i], where));
        rows.push_back(std::move(row));
    }
    return rows;
}

// Field access by name on rows read in the layout's order.
class RowView {
  public:
    RowView(const TableDef& table, const std::vector<FieldValue>& row, std::size_t number)
        : table_(table), row_(row), number_(number) {}

    const FieldValue& operator[](std::string_view name) const {
        for (std::size_t i = 0; i < table_.fields.size(); ++i)
            if (table_.fields[i].name == name) return row_[i];
        Refuse("the field " + std::string(name) + " is unknown");
    }
    std::string where(std::string_view name) const {
        return std::string(table_.name) + " row " + std::to_string(number_) + ": " +
               std::string(name);
    }
    // A value the game cannot do without, within bounds.
    long long number(std::string_view name, long long lo = kInt16Min,
                     long long hi = kInt16Max) const {
        const FieldValue& v = (*this)[name];
        if (v.isNull()) Refuse(where(name) + " is empty");
        if (v.asInt() < lo || v.asInt() > hi) Refuse(where(name) + " is out of range");
        return v.asInt();
    }
    std::string text(std::string_view name) const {
        const FieldValue& v = (*this)[name];
        if (v.isNull()) Refuse(where(name) + " is empty");
        return v.asText();
    }

  private:
    const TableDef& table_;
    const std::vector<FieldValue>& row_;
    std::size_t number_;
};

// "01" ... up to the galaxy's last planet, written with two digits.
bool IsPlanetId(std::string_view id, int planetsNum) {
    if (id.size() != 2 || id[0] < '0' || id[0] > '9' || id[1] < '0' || id[1] > '9') return false;
    int n = (id[0] - '0') * 10 + (id[1] - '0');
    return n >= 1 && n <= planetsNum;
}

// An empty campaign planet is stored as nothing, the empty text or two blanks.
FixedText<2> CampaignPlanet(const RowView& row, std::string_view name, int planetsNum) {
    const FieldValue& v = row[name];
    FixedText<2> id(v.asText());
    if (!id.blank() && !IsPlanetId(id.padded(), planetsNum))
        Refuse(row.where(name) + " names no planet of the galaxy");
    return id;
}

PlanetRecord ReadPlanet(const RowView& row, int index, int planetsNum, int players) {
    PlanetRecord p;
    ForEachPlanetColumn(p, [&](std::string_view name, auto& field, ColumnUse) {
        using Field = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, Int16>) {
            // MaxProd is one to twenty ships a year; WillProd is a yes or no (-1 or 0).
            long long lo = kInt16Min;
            long long hi = kInt16Max;
            if (name == "MaxProd") {
                lo = 1;
                hi = 20;
            } else if (name == "WillProd") {
                lo = -1;
                hi = 0;
            }
            field = static_cast<Int16>(row.number(name, lo, hi));
        } else {
            field = Field(row.text(name));
        }
    });
    const std::string id = row.text("PlanetId");
    if (id != FormatTwoDigits(index + 1) || !IsPlanetId(id, planetsNum))
        Refuse(row.where("PlanetId") + " does not match its place");
    const std::string scouted = row.text("Scouted");
    if (scouted.size() != 4 || scouted.find_first_not_of("0123") != std::string::npos)
        Refuse(row.where("Scouted") + " is not four digits from 0 to 3");
    // A player who is not in the game can have seen a planet but never hold one.
    for (std::size_t k = static_cast<std::size_t>(players); k < scouted.size(); ++k)
        if (scouted[k] >= '2')
            Refuse(row.where("Scouted") + " gives the planet to a player who is not in the game");
    return p;
}

// One AppCfg value of a row into its field, within the column's bounds; `config` holds the
// values read before it (the columns a bound depends on come first).
template <class Field>
void ReadConfigValue(const RowView& row, std::string_view name, Field& field,
                     const ConfigColumn& column, const GameState& config) {
    using W = ConfigColumn::Within;
    if (row[name].isNull() && column.ifEmpty != ConfigColumn::IfEmpty::Refused) {
        if constexpr (std::is_same_v<Field, Int16>)
            field =
                column.ifEmpty == ConfigColumn::IfEmpty::CurrentYear ? config.CurrentYear : Field{};
        else
            field = Field{};
        return;
    }
    if constexpr (std::is_same_v<Field, bool>) {
        field = row[name].asBool();
    } else if constexpr (std::is_integral_v<Field> || std::is_enum_v<Field>) {
        const long long hi = column.within == W::Players  ? config.PlayesNum + column.hi
                             : column.within == W::Galaxy ? config.PlanetsNum + column.hi
                                                          : column.hi;
        field = static_cast<Field>(row.number(name, column.lo, hi));
    } else if (column.within == W::Galaxy) {
        field = Field(CampaignPlanet(row, name, config.PlanetsNum).padded());
    } else {
        field = Field(row.text(name));
    }
}

// The game's values from the first row, each player's from that player's row.
void ReadConfiguration(const Rows& rows, const TableDef& table, SavedGame& g) {
    GameState& config = g.config;
    ForEachConfigColumnOf([&](std::string_view name, auto get, const ConfigColumn& column) {
        const std::size_t count = column.scope == ConfigColumn::Scope::Game ? 1 : rows.size();
        for (std::size_t k = 0; k < count; ++k)
            ReadConfigValue(RowView(table, rows[k], k + 1), name, get(config, k), column, config);
    });
}

void CheckShips(const Rows& rows, const TableDef& table, int planetsNum, int players) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        RowView row(table, rows[r], r + 1);
        const long long side = row.number("PlNum", 0, kEmpire);
        if (side != kEmpire && side >= players)
            Refuse(row.where("PlNum") + " names a player who is not in the game");
        for (std::string_view name : {"StartPl", "EndPl"})
            if (!IsPlanetId(row.text(name), planetsNum))
                Refuse(row.where(name) + " names no planet of the galaxy");
    }
}

}  // namespace

SavedGame ReadSavedGame(std::span<const unsigned char> bytes) {
    static constexpr char kMagic[] = "SQLite format 3";  // 16 bytes with its terminating zero
    if (bytes.empty()) Refuse("it is empty");
    if (bytes.size() > kMaxGameFileBytes) Refuse("it is far too large");
    if (bytes.size() < 512 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        Refuse("it is not a game database");

    // An interrupted copy leaves a file shorter than its header says; SQLite would read the
    // missing pages as zeros and load changed values, so the size must match exactly.
    const auto be = [&](std::size_t at, std::size_t n) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n; ++i) v = (v << 8) | bytes[at + i];
        return v;
    };
    const std::uint32_t pageSize = be(16, 2) == 1 ? 65536u : be(16, 2);
    const std::uint32_t pageCount = be(28, 4);
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || be(24, 4) != be(92, 4) ||
        static_cast<std::uint64_t>(pageSize) * pageCount != bytes.size())
        Refuse("it is cut short or has been added to");

    const sqlite::Database db = sqlite::Database::InMemoryCopy(bytes, kWorkBudget, Fail);
    {
        Query check(db, "PRAGMA integrity_check");
        if (!check.step() || check.columnText(0) != "ok" || check.step()) Refuse("it is damaged");
    }
    const TableDef& appCfg = *FindTable("AppCfg");
    const TableDef& planets = *FindTable("Planets");
    const TableDef& ships = *FindTable("Ships");

    SavedGame g;
    Rows first = ReadRows(db, appCfg, "rowid", 1);
    if (first.empty()) Refuse("it holds no players");
    auto players =
        static_cast<std::size_t>(RowView(appCfg, first[0], 1).number("PlayesNum", 1, kMaxPlayers));
    g.AppCfgRows = ReadRows(db, appCfg, "rowid", players);
    if (g.AppCfgRows.size() < players) Refuse("it holds fewer player rows than players");
    ReadConfiguration(g.AppCfgRows, appCfg, g);
    const GameState& c = g.config;

    g.PlanetRows = ReadRows(db, planets, "rowid", static_cast<std::size_t>(c.PlanetsNum));
    if (g.PlanetRows.size() < static_cast<std::size_t>(c.PlanetsNum))
        Refuse("it holds fewer planets than its galaxy has");
    for (int i = 0; i < c.PlanetsNum; ++i)
        g.Planets.push_back(ReadPlanet(RowView(planets, g.PlanetRows[static_cast<std::size_t>(i)],
                                               static_cast<std::size_t>(i) + 1),
                                       i, c.PlanetsNum, c.PlayesNum));

    g.ShipRows = ReadRows(db, ships, "\"PlNum\", \"TFNum\", rowid", kMaxShipRows + 1);
    if (g.ShipRows.size() > kMaxShipRows) Refuse("it holds more task forces than a game can have");
    CheckShips(g.ShipRows, ships, c.PlanetsNum, c.PlayesNum);
    g.Chronicle = ReadHistory(db, c.PlayesNum, c.CurrentYear);
    // After "The Empire has won" the turn rests past the last player (as it does in a game kept
    // for its year end); a player's victory shows in the chronicle, recorded in the year the
    // game announced it.
    g.Decided = c.CurrentPlTurn >= c.PlayesNum && !c.YearEndDue
                    ? kEmpire
                    : LastWinner(g.Chronicle, c.PlayesNum, c.GameLength);
    return g;
}

void WriteSavedGameRows(const std::filesystem::path& file, const SavedGame& game) {
    sqlite::Database db(file, sqlite::Database::Mode::ReadWrite);
    // A scratch file until it is renamed into place: nothing to roll back, nothing to sync.
    db.exec("PRAGMA journal_mode=OFF");
    db.exec("PRAGMA synchronous=OFF");
    db.exec("BEGIN");
    auto insert = [&](const TableDef& table, const Rows& rows) {
        std::string names, marks;
        for (std::size_t i = 0; i < table.fields.size(); ++i) {
            names += (i ? ", " : "") + std::string(table.fields[i].name);
            marks += i ? ", ?" : "?";
        }
        sqlite::Statement s(db.get(), "INSERT INTO " + std::string(table.name) + " (" + names +
                                          ") VALUES (" + marks + ")");
        for (const auto& row : rows) {
            s.reset();
            for (std::size_t i = 0; i < row.size(); ++i)
                BindField(s, static_cast<int>(i) + 1, row[i]);
            s.step();
        }
    };
    insert(*FindTable("AppCfg"), game.AppCfgRows);
    insert(*FindTable("Planets"), game.PlanetRows);
    insert(*FindTable("Ships"), game.ShipRows);
    WriteHistory(db, game.Chronicle);
    db.exec("COMMIT");
}

}  // namespace zenthar
