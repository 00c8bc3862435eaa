// Script-driven edits of saved games and the reference rules of a loadable game. The rules are
// written here a second time, as a table over plain SQL reads, on purpose: the fuzzer compares
// the loader's verdict with this one, so a check forgotten in either shows up as a disagreement.
#include "support/savegame_fuzz.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "game/numbers.h"
#include "game/schema.h"
#include "support/savegame_tools.h"

namespace zenthar::testing {
namespace {

class Script {
  public:
    explicit Script(std::span<const std::uint8_t> data) : data_(data) {}
    std::uint8_t next() { return pos_ < data_.size() ? data_[pos_++] : 0; }
    unsigned word() { return static_cast<unsigned>(next()) << 8 | next(); }
    bool done() const { return pos_ >= data_.size(); }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

const TableDef& AnyTable(Script& s) {
    return GameTables()[s.next() % GameTables().size()];
}
std::string AnyField(Script& s, const TableDef& t) {
    return std::string(t.fields[s.next() % t.fields.size()].name);
}
std::string AnyRow(Script& s, const std::string& table) {
    return "rowid = (SELECT rowid FROM " + table + " ORDER BY rowid LIMIT 1 OFFSET " +
           std::to_string(s.next() % 52) + ")";
}

std::string AnyValue(Script& s) {
    // clang-format off
    static const char* const kNumbers[] = {
        "-32769", "-32768", "-2", "-1", "0", "1", "2", "3", "4", "5", "19", "20", "21", "49", "50",
        "51", "4100", "32767", "32768", "65536", "2147483648", "-9223372036854775807"};
    static const char* const kTexts[] = {
        "''", "' '", "'  '", "'01'", "'05'", "'12'", "'13'", "'51'", "'77'", "'1 '", "' 1'",
        "'0000'", "'3000'", "'0123'", "'0400'", "'000'", "'abcd'", "'00000'", "'good_pl.ico'",
        "'med_pl.ico  '", "'Zoë'", "'4100'", "'12345678901234567890123456789012345678901'",
        "'1234567890123456789012345678901234567890'", "'Nul' || char(0)", "'-1'"};
    static const char* const kOthers[] = {"2.5", "1e10", "-0.5", "4100.0", "x''", "x'00'", "x'3031'"};
    // clang-format on
    const unsigned kind = s.next() % 10;
    if (kind == 0) return "NULL";
    if (kind == 1) return std::to_string(static_cast<std::int8_t>(s.next()));
    if (kind == 2) return kNumbers[s.next() % std::size(kNumbers)];
    if (kind == 3) return kTexts[s.next() % std::size(kTexts)];
    if (kind == 4) return kOthers[s.next() % std::size(kOthers)];
    if (kind == 5) return std::to_string(4100 + static_cast<int>(s.next()) - 128);
    if (kind == 6) return "printf('%02d', " + std::to_string(s.next() % 60) + ")";
    if (kind == 7)
        return "substr('0123456789abcdefghijklmnopqrstuvwxyz0123456789ABCDEF', 1, " +
               std::to_string(s.next() % 50) + ")";
    const TableDef& t = AnyTable(s);
    return "(SELECT " + AnyField(s, t) + " FROM " + std::string(t.name) +
           " ORDER BY rowid LIMIT 1 OFFSET " + std::to_string(s.next() % 13) + ")";
}

struct ByteEdit {
    int kind;
    unsigned at;
    std::uint8_t value;
};

// ---- the reference ---------------------------------------------------------------------------

struct Cell {
    int type = SQLITE_NULL;
    long long number = 0;
    std::string text;
};
using Table = std::vector<std::map<std::string, Cell>>;

class Reader {
  public:
    explicit Reader(std::span<const unsigned char> bytes) {
        sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
        std::memcpy(copy, bytes.data(), bytes.size());
        for (int i : {18, 19})
            if (copy[i] == 2) copy[i] = 1;
        auto n = static_cast<sqlite3_int64>(bytes.size());
        ok_ = sqlite3_deserialize(db_, "main", copy, n, n,
                                  SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY) ==
              SQLITE_OK;
    }
    ~Reader() { sqlite3_close(db_); }
    bool ok() const { return ok_; }

    // Every row of a query with its columns by name; nothing when the query fails.
    std::optional<Table> query(const std::string& sql) {
        sqlite3_stmt* q = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &q, nullptr) != SQLITE_OK) return std::nullopt;
        Table rows;
        int rc;
        while ((rc = sqlite3_step(q)) == SQLITE_ROW) {
            std::map<std::string, Cell> row;
            for (int c = 0; c < sqlite3_column_count(q); ++c) {
                Cell cell;
                cell.type = sqlite3_column_type(q, c);
                cell.number = sqlite3_column_int64(q, c);
                if (const unsigned char* t = sqlite3_column_text(q, c))
                    cell.text.assign(reinterpret_cast<const char*>(t),
                                     static_cast<std::size_t>(sqlite3_column_bytes(q, c)));
                row[sqlite3_column_name(q, c)] = cell;
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(q);
        if (rc != SQLITE_DONE) return std::nullopt;
        return rows;
    }

  private:
    sqlite3* db_ = nullptr;
    bool ok_ = false;
};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool TwoDigitId(const Cell& c, long long planets) {
    if (c.type != SQLITE_TEXT || c.text.size() != 2 ||
        !std::isdigit(static_cast<unsigned char>(c.text[0])) ||
        !std::isdigit(static_cast<unsigned char>(c.text[1])))
        return false;
    long long n = std::stoll(c.text);
    return n >= 1 && n <= planets;
}

bool Whole(const Cell& c, long long lo, long long hi) {
    return c.type == SQLITE_INTEGER && c.number >= lo && c.number <= hi;
}

// The kind, emptiness and width a stored value must have in a row that belongs to the game.
std::optional<std::string> KindBroken(const TableDef& t, const std::map<std::string, Cell>& row) {
    for (const FieldDef& f : t.fields) {
        const Cell& c = row.at(std::string(f.name));
        std::string where = std::string(t.name) + "." + std::string(f.name);
        if (c.type == SQLITE_NULL) {
            if (!f.nullable) return where + " empty";
        } else if (f.kind == FieldKind::Text) {
            if (c.type != SQLITE_TEXT || Utf8Length(c.text) > static_cast<std::size_t>(f.width) ||
                c.text.find('\0') != std::string::npos)
                return where + " not a fitting text";
        } else if (!Whole(c, -32768, 32767)) {
            return where + " not a 16-bit number";
        }
    }
    return std::nullopt;
}

std::optional<Table> Rows(Reader& r, const TableDef& t, const std::string& order, long long limit) {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < t.fields.size(); ++i)
        sql += (i ? ", \"" : "\"") + std::string(t.fields[i].name) + "\" AS \"" +
               std::string(t.fields[i].name) + "\"";
    return r.query(sql + " FROM \"" + std::string(t.name) + "\" ORDER BY " + order + " LIMIT " +
                   std::to_string(limit));
}

}  // namespace

std::vector<unsigned char> MutateSavedGame(const std::vector<unsigned char>& base,
                                           std::span<const std::uint8_t> script,
                                           std::vector<std::string>* log) {
    Script s(script);
    std::vector<std::string> sql;
    std::vector<ByteEdit> edits;
    const int steps = 1 + s.next() % 6;
    for (int n = 0; n < steps && !s.done(); ++n) {
        const TableDef& t = AnyTable(s);
        const std::string table(t.name), field = AnyField(s, t);
        const unsigned kind = s.next() % 16;
        if (kind <= 4)
            sql.push_back("UPDATE " + table + " SET " + field + " = " + AnyValue(s) + " WHERE " +
                          AnyRow(s, table));
        else if (kind == 5)
            sql.push_back("UPDATE " + table + " SET " + field + " = " + AnyValue(s));
        else if (kind == 6)
            sql.push_back("DELETE FROM " + table + " WHERE " + AnyRow(s, table));
        else if (kind == 7)
            sql.push_back("INSERT INTO " + table + " SELECT * FROM " + table + " WHERE " +
                          AnyRow(s, table));
        else if (kind == 8)
            sql.push_back("ALTER TABLE " + table + " DROP COLUMN " + field);
        else if (kind == 9)
            sql.push_back("ALTER TABLE " + table + " RENAME COLUMN " + field + " TO " +
                          (s.next() % 2 ? Lower(field) : field + "X"));
        else if (kind == 10)
            sql.push_back("DROP TABLE " + table);
        else if (kind == 11)
            sql.push_back("ALTER TABLE " + table + " RENAME TO Old" + table + "; CREATE VIEW " +
                          table + " AS SELECT * FROM Old" + table);
        else if (kind == 12)
            sql.push_back("CREATE INDEX IF NOT EXISTS Extra" + field + " ON " + table + "(" +
                          field +
                          "); CREATE TABLE IF NOT EXISTS Notes(t); CREATE TRIGGER IF NOT EXISTS "
                          "Wipe AFTER UPDATE ON Ships BEGIN DELETE FROM Planets; END");
        else
            edits.push_back({s.next() % 3, s.word(), s.next()});
    }
    std::vector<unsigned char> bytes = base;
    if (!sql.empty()) TryEditSavedGame(bytes, sql, log);
    for (const ByteEdit& e : edits) {
        if (bytes.empty()) break;
        std::size_t at = e.at % bytes.size();
        if (e.kind == 0)
            bytes[at] ^= static_cast<unsigned char>(e.value | 1);
        else if (e.kind == 1)
            bytes[at % 100] = e.value;
        else
            bytes.resize(at);
        static const char* const kEdits[] = {"flip", "set", "cut"};
        if (log)
            log->push_back(std::string(kEdits[e.kind]) + " byte " +
                           std::to_string(e.kind == 1 ? at % 100 : at));
    }
    return bytes;
}

std::optional<std::string> ReferenceRefusal(std::span<const unsigned char> bytes) {
    static const unsigned char kMagic[16] = "SQLite format 3";
    if (bytes.empty()) return "empty";
    if (bytes.size() > 64u * 1024u * 1024u) return "too large";
    if (bytes.size() < 512 || std::memcmp(bytes.data(), kMagic, 16) != 0) return "no database";
    // The header's page size and page count must account for every byte, in a header whose
    // count is current (its change counter matches the version it was written with).
    const unsigned rawPage = bytes[16] * 256u + bytes[17];
    const std::uint64_t page = rawPage == 1 ? 65536u : rawPage;
    std::uint64_t pages = 0;
    for (int i = 28; i < 32; ++i) pages = pages * 256 + bytes[static_cast<std::size_t>(i)];
    if (std::memcmp(bytes.data() + 24, bytes.data() + 92, 4) != 0 || page < 512 ||
        (page & (page - 1)) != 0 || page * pages != bytes.size())
        return "wrong size";
    Reader r(bytes);
    if (!r.ok()) return "no database";
    auto check = r.query("PRAGMA integrity_check");
    if (!check || check->size() != 1 || check->front().begin()->second.text != "ok")
        return "damaged";

    for (const TableDef& t : GameTables()) {
        auto object = r.query(
            "SELECT type, upper(substr(sql, 1, 12)) AS head FROM sqlite_master "
            "WHERE lower(name) = '" +
            Lower(std::string(t.name)) + "'");
        if (!object || object->size() != 1 || object->front()["type"].text != "table" ||
            object->front()["head"].text != "CREATE TABLE")
            return std::string(t.name) + " is no table";
        auto columns = r.query("SELECT lower(name) AS name, hidden FROM pragma_table_xinfo('" +
                               std::string(t.name) + "')");
        if (!columns) return "no columns";
        for (const FieldDef& f : t.fields) {
            auto hit = std::find_if(columns->begin(), columns->end(), [&](auto& c) {
                return c["name"].text == Lower(std::string(f.name)) && c["hidden"].number == 0;
            });
            if (hit == columns->end()) return std::string(f.name) + " missing";
        }
    }

    const TableDef& appCfg = *FindTable("AppCfg");
    const TableDef& planetsDef = *FindTable("Planets");
    const TableDef& shipsDef = *FindTable("Ships");
    auto head = Rows(r, appCfg, "rowid", 1);
    if (!head) return "AppCfg unreadable";
    if (head->empty()) return "no players";
    if (auto broken = KindBroken(appCfg, head->front())) return broken;
    if (!Whole(head->front()["PlayesNum"], 1, 4)) return "PlayesNum";
    const long long players = head->front()["PlayesNum"].number;
    auto config = Rows(r, appCfg, "rowid", players);
    if (!config) return "AppCfg unreadable";
    if (static_cast<long long>(config->size()) < players) return "player rows";
    for (auto& row : *config)
        if (auto broken = KindBroken(appCfg, row)) return broken;
    auto& first = config->front();
    if (!Whole(first["PlanetsNum"], 5, 50)) return "PlanetsNum";
    const long long planets = first["PlanetsNum"].number;
    if (!Whole(first["GameType"], 0, 1)) return "GameType";
    if (!Whole(first["EmpireSkill"], 0, 2)) return "EmpireSkill";
    if (first["CurrentYear"].type == SQLITE_NULL) return "CurrentYear";
    if (!Whole(first["CurrentPlTurn"], 0, players)) return "CurrentPlTurn";
    for (const char* campaign : {"StartPl", "EndPl"}) {
        const Cell& c = first[campaign];
        if (c.type != SQLITE_NULL && c.text.find_first_not_of(' ') != std::string::npos &&
            !TwoDigitId(c, planets))
            return campaign;
    }
    for (auto& row : *config) {
        if (row["PlName1"].type == SQLITE_NULL || row["PlSymbol"].type == SQLITE_NULL ||
            row["Hatest"].type == SQLITE_NULL)
            return "player fields";
        if (!Whole(row["PlHome"], 0, planets - 1)) return "PlHome";
    }

    auto planetRows = Rows(r, planetsDef, "rowid", planets);
    if (!planetRows) return "Planets unreadable";
    if (static_cast<long long>(planetRows->size()) < planets) return "planet rows";
    for (std::size_t i = 0; i < planetRows->size(); ++i) {
        auto& row = (*planetRows)[i];
        if (auto broken = KindBroken(planetsDef, row)) return broken;
        char id[3] = {static_cast<char>('0' + (i + 1) / 10), static_cast<char>('0' + (i + 1) % 10),
                      0};
        if (row["PlanetId"].text != id) return "PlanetId";
        const std::string& scouted = row["Scouted"].text;
        if (scouted.size() != 4 ||
            std::any_of(scouted.begin(), scouted.end(), [](char c) { return c < '0' || c > '3'; }))
            return "Scouted";
        for (std::size_t k = static_cast<std::size_t>(players); k < 4; ++k)
            if (scouted[k] >= '2') return "planet of an absent player";
        if (!Whole(row["MaxProd"], 1, 20)) return "MaxProd";
        if (!Whole(row["WillProd"], -1, 0)) return "WillProd";
    }

    auto ships = Rows(r, shipsDef, "\"PlNum\", \"TFNum\", rowid", 10011);
    if (!ships) return "Ships unreadable";
    if (ships->size() > 10010) return "too many task forces";
    for (auto& row : *ships) {
        if (auto broken = KindBroken(shipsDef, row)) return broken;
        if (!Whole(row["PlNum"], 0, 4)) return "PlNum";
        if (row["PlNum"].number != 4 && row["PlNum"].number >= players)
            return "task force of an absent player";
        if (!TwoDigitId(row["StartPl"], planets) || !TwoDigitId(row["EndPl"], planets))
            return "task force planet";
    }
    return std::nullopt;
}

}  // namespace zenthar::testing
