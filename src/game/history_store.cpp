// Writing and checking the History table, one row per year and side in the order of its
// column description; the year's report, packed, rides on the Empire's row.
#include "game/history_store.h"

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

#include "game/history_columns.h"
#include "game/numbers.h"
#include "game/savefile.h"

namespace zenthar {
namespace {

using Query = sqlite::Statement;

[[noreturn]] void Refuse(const std::string& detail) {
    throw SaveLoadError(errors::kTypeMismatch, "The file is not a Zenthar game (" + detail + ").");
}

// The columns by name; a column the file lacks (`has` false) reads as nothing.
std::string ColumnList(const std::vector<bool>& has = {}) {
    std::string names;
    for (std::size_t i = 0; i < kHistoryColumns.size(); ++i) {
        names += i ? ", " : "";
        if (has.empty() || has[i])
            names.append("\"").append(kHistoryColumns[i].name).append("\"");
        else
            names += "NULL";
    }
    return names;
}

// The years of `history` the file holds, when the file holds exactly its first years; else -1.
// Rows are only ever added after the last one or all taken away, so the last row's rowid counts
// them, and the save need not walk the table.
long long YearsAlreadyStored(sqlite::Database& db, const History& history) {
    Query last(db.get(), "SELECT rowid, Year FROM History ORDER BY rowid DESC LIMIT 1");
    if (!last.step()) return 0;
    const long long rows = last.columnInt(0);
    const long long year = last.columnInt(1);
    long long expected = 0;
    for (std::size_t i = 0; i < history.size(); ++i) {
        expected += static_cast<long long>(history[i].sides.size());
        if (history[i].year == year) return expected == rows ? static_cast<long long>(i) + 1 : -1;
    }
    return -1;
}

// The statement that adds a year of `sides` rows at once: a long game has thousands of rows,
// and one statement a year costs a fifth of one a row.
std::string InsertSql(std::size_t sides) {
    std::string row = "(?";
    for (std::size_t i = 1; i < kHistoryColumns.size(); ++i) row += ", ?";
    row += ")";
    std::string sql = "INSERT INTO History (" + ColumnList() + ") VALUES " + row;
    for (std::size_t i = 1; i < sides; ++i) sql += ", " + row;
    return sql;
}

void InsertYear(Query& insert, const HistoryYear& year) {
    insert.reset();
    const std::string& packed = year.packedReport();
    int at = 0;  // the parameter before the row's first
    for (const SideYear& s : year.sides) {
        insert.bind(at + 1, static_cast<long long>(year.year));
        for (std::size_t c = 1; c < kHistoryReport; ++c) {
            const int value = s.*kHistoryColumns[c].figure;
            if (value == kNoFigure)
                insert.bindNull(at + static_cast<int>(c) + 1);
            else
                insert.bind(at + static_cast<int>(c) + 1, static_cast<long long>(value));
        }
        const int report = at + static_cast<int>(kHistoryReport) + 1;
        if (s.side == kEmpire && !packed.empty())
            sqlite3_bind_blob(insert.get(), report, packed.data(), static_cast<int>(packed.size()),
                              SQLITE_STATIC);
        else
            insert.bindNull(report);
        at += static_cast<int>(kHistoryColumns.size());
    }
    insert.step();
}

std::string Where(long long row) {
    return "History row " + std::to_string(row);
}

// One whole number of a row, within its column's bounds. The message is made only for a fault:
// a long game has thousands of rows.
long long Figure(const Query& q, std::size_t c, long long row) {
    const HistoryColumn& column = kHistoryColumns[c];
    const int type = q.columnType(static_cast<int>(c));
    if (type == SQLITE_NULL && column.optional) return kNoFigure;
    if (type != SQLITE_INTEGER)
        Refuse(Where(row) + ": " + std::string(column.name) + " is not a whole number");
    const long long v = q.columnInt(static_cast<int>(c));
    if (v < column.lo || v > column.hi)
        Refuse(Where(row) + ": " + std::string(column.name) + " is out of range");
    return v;
}

// The year's report from the Empire's row. A framed report is checked by its framing (which
// names its year, so a report moved to another year is refused) and kept packed; one from before
// the framing can only be checked by unpacking it.
void ReadReport(const Query& q, HistoryYear& year, int side, long long row) {
    const int report = static_cast<int>(kHistoryReport);
    const int type = q.columnType(report);
    if (type == SQLITE_NULL) return;
    if (type != SQLITE_BLOB || side != kEmpire)
        Refuse(Where(row) + ": Report is not a report of the game");
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(q.get(), report));
    std::string packed(bytes ? bytes : "",
                       static_cast<std::size_t>(sqlite3_column_bytes(q.get(), report)));
    if (Framed(packed)) {
        if (!PackedReportIntact(packed, kMaxReportBytes, year.year))
            Refuse(Where(row) + ": Report is damaged");
        year.setPackedReport(std::move(packed));
        return;
    }
    std::string text;
    if (!UnpackReport(packed, text, kMaxReportBytes)) Refuse(Where(row) + ": Report is damaged");
    year.setReport(std::move(text));
}

// Which columns the file holds; every one but an optional one must be there, and stored.
std::vector<bool> CheckColumns(const sqlite::Database& db) {
    Query columns(db, "SELECT name, hidden FROM pragma_table_xinfo('History')");
    std::vector<std::pair<std::string, long long>> present;
    while (columns.step()) present.emplace_back(columns.columnText(0), columns.columnInt(1));
    std::vector<bool> has;
    for (const HistoryColumn& c : kHistoryColumns) {
        bool stored = false;
        bool found = false;
        for (const auto& p : present)
            if (EqualsNoCase(p.first, c.name)) {
                found = true;
                stored = p.second == 0;
            }
        has.push_back(found);
        if (!found && c.optional) continue;
        if (!found) Refuse("the field " + std::string(c.name) + " of History is missing");
        if (!stored) Refuse("the field " + std::string(c.name) + " of History is computed");
    }
    return has;
}

// A file saved before the game kept a history has no such table.
bool HasHistoryTable(const sqlite::Database& db) {
    Query schema(db, "SELECT type FROM sqlite_master WHERE name = 'History' COLLATE NOCASE");
    bool any = false;
    bool table = false;
    while (schema.step()) {
        any = true;
        table = table || schema.columnText(0) == "table";
    }
    if (any && !table) Refuse("History is not a table");
    return any;
}

enum class RowOrder { Stored, Sorted };

// The years from the rows in the given order. Read in the order they are stored, rows whose
// years go back give nothing, for the caller to read them sorted.
std::optional<History> ReadYears(const sqlite::Database& db, const std::vector<bool>& has,
                                 RowOrder order, int players, int currentYear) {
    const bool stored = order == RowOrder::Stored;
    Query q(db, "SELECT " + ColumnList(has) + " FROM \"History\" ORDER BY " +
                    (stored ? "rowid" : "\"Year\", \"Side\", rowid"));
    History history;
    HistoryYear year;
    bool open = false;
    long long rowNumber = 0;
    // The sides every year lists: the players in order, then the Empire.
    std::vector<int> sides;
    for (int p = 0; p < players; ++p) sides.push_back(p);
    sides.push_back(kEmpire);
    const auto finish = [&]() {
        if (year.sides.size() != sides.size())
            Refuse("History year " + std::to_string(year.year) + " lacks a side");
        history.add(std::move(year));
        year = HistoryYear{};
        year.sides.reserve(sides.size());
    };
    while (q.step()) {
        ++rowNumber;
        const long long y = Figure(q, kHistoryYear, rowNumber);
        if (y >= currentYear) Refuse(Where(rowNumber) + ": Year has not ended yet");
        if (stored && open && y < year.year) return std::nullopt;
        if (open && y != year.year) finish();
        if (!open || year.sides.empty()) year.year = static_cast<int>(y);
        open = true;
        SideYear s;
        for (std::size_t c = 1; c < kHistoryReport; ++c)
            s.*kHistoryColumns[c].figure = static_cast<int>(Figure(q, c, rowNumber));
        if (year.sides.size() >= sides.size() || sides[year.sides.size()] != s.side)
            Refuse(Where(rowNumber) + ": Side is not the side this year lists next");
        ReadReport(q, year, s.side, rowNumber);
        year.sides.push_back(s);
    }
    if (open) finish();
    return history;
}

}  // namespace

void WriteHistory(sqlite::Database& db, const History& history) {
    long long stored = YearsAlreadyStored(db, history);
    if (stored < 0) {
        db.exec("DELETE FROM History");
        stored = 0;
    }
    // Every year of a game lists the same sides, so one statement serves them all; it is made
    // anew only should the count change.
    std::optional<Query> insert;
    std::size_t preparedFor = 0;
    for (std::size_t i = static_cast<std::size_t>(stored); i < history.size(); ++i) {
        const std::size_t sides = history[i].sides.size();
        if (sides == 0) continue;
        if (!insert || sides != preparedFor) {
            insert.emplace(db.get(), InsertSql(sides));
            preparedFor = sides;
        }
        InsertYear(*insert, history[i]);
    }
}

History ReadHistory(const sqlite::Database& db, int players, int currentYear) {
    if (!HasHistoryTable(db)) return {};
    const std::vector<bool> has = CheckColumns(db);
    // The game writes the rows in year and side order, so reading them as stored needs no sort.
    // Rows stored in another order, or refused, are read again sorted: the fault named is then
    // the same however the rows lie in the file.
    try {
        if (std::optional<History> history =
                ReadYears(db, has, RowOrder::Stored, players, currentYear))
            return std::move(*history);
    } catch (const SaveLoadError&) {
    }
    return *ReadYears(db, has, RowOrder::Sorted, players, currentYear);
}

}  // namespace zenthar
