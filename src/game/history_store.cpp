// Writing and checking the History table, one row per year and side in the order of its
// column description; the year's report, packed, rides on the Empire's row.
#include "game/history_store.h"

#include <sqlite3.h>

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

std::string ColumnList() {
    std::string names;
    for (std::size_t i = 0; i < kHistoryColumns.size(); ++i)
        names += (i ? ", \"" : "\"") + std::string(kHistoryColumns[i].name) + "\"";
    return names;
}

// The years of `history` the file holds, when the file holds exactly its first years; else -1.
long long YearsAlreadyStored(sqlite::Database& db, const History& history) {
    Query count(db.get(), "SELECT count(*), max(Year) FROM History");
    if (!count.step()) return -1;
    const long long rows = count.columnInt(0);
    if (rows == 0) return 0;
    const long long last = count.columnInt(1);
    long long expected = 0;
    for (std::size_t i = 0; i < history.size(); ++i) {
        expected += static_cast<long long>(history[i].sides.size());
        if (history[i].year == last) return expected == rows ? static_cast<long long>(i) + 1 : -1;
    }
    return -1;
}

void InsertYear(Query& insert, const HistoryYear& year) {
    for (const SideYear& s : year.sides) {
        insert.reset();
        insert.bind(1, static_cast<long long>(year.year));
        for (std::size_t c = 1; c < kHistoryReport; ++c)
            insert.bind(static_cast<int>(c) + 1,
                        static_cast<long long>(s.*kHistoryColumns[c].figure));
        const std::string& packed = year.packedReport();
        if (s.side == kEmpire && !packed.empty())
            sqlite3_bind_blob(insert.get(), static_cast<int>(kHistoryReport) + 1, packed.data(),
                              static_cast<int>(packed.size()), SQLITE_STATIC);
        else
            insert.bindNull(static_cast<int>(kHistoryReport) + 1);
        insert.step();
    }
}

// One whole number of a row, within its column's bounds.
long long Figure(const Query& q, std::size_t c, const std::string& where) {
    const HistoryColumn& column = kHistoryColumns[c];
    const std::string name = where + ": " + std::string(column.name);
    if (q.columnType(static_cast<int>(c)) != SQLITE_INTEGER)
        Refuse(name + " is not a whole number");
    const long long v = q.columnInt(static_cast<int>(c));
    if (v < column.lo || v > column.hi) Refuse(name + " is out of range");
    return v;
}

void CheckColumns(const sqlite::Database& db) {
    Query columns(db, "SELECT name, hidden FROM pragma_table_xinfo('History')");
    std::vector<std::pair<std::string, long long>> present;
    while (columns.step()) present.emplace_back(columns.columnText(0), columns.columnInt(1));
    for (const HistoryColumn& c : kHistoryColumns) {
        bool stored = false;
        bool found = false;
        for (const auto& p : present)
            if (EqualsNoCase(p.first, c.name)) {
                found = true;
                stored = p.second == 0;
            }
        if (!found) Refuse("the field " + std::string(c.name) + " of History is missing");
        if (!stored) Refuse("the field " + std::string(c.name) + " of History is computed");
    }
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

}  // namespace

void WriteHistory(sqlite::Database& db, const History& history) {
    long long stored = YearsAlreadyStored(db, history);
    if (stored < 0) {
        db.exec("DELETE FROM History");
        stored = 0;
    }
    if (static_cast<std::size_t>(stored) == history.size()) return;
    std::string marks = "?";
    for (std::size_t i = 1; i < kHistoryColumns.size(); ++i) marks += ", ?";
    Query insert(db.get(), "INSERT INTO History (" + ColumnList() + ") VALUES (" + marks + ")");
    for (std::size_t i = static_cast<std::size_t>(stored); i < history.size(); ++i)
        InsertYear(insert, history[i]);
}

History ReadHistory(const sqlite::Database& db, int players, int currentYear) {
    History history;
    if (!HasHistoryTable(db)) return history;
    CheckColumns(db);
    Query q(db, "SELECT " + ColumnList() + " FROM \"History\" ORDER BY \"Year\", \"Side\", rowid");
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
    };
    while (q.step()) {
        const std::string where = "History row " + std::to_string(++rowNumber);
        const long long y = Figure(q, kHistoryYear, where);
        if (y >= currentYear) Refuse(where + ": Year has not ended yet");
        if (open && y != year.year) finish();
        if (!open || year.sides.empty()) year.year = static_cast<int>(y);
        open = true;
        SideYear s;
        for (std::size_t c = 1; c < kHistoryReport; ++c)
            s.*kHistoryColumns[c].figure = static_cast<int>(Figure(q, c, where));
        if (year.sides.size() >= sides.size() || sides[year.sides.size()] != s.side)
            Refuse(where + ": Side is not the side this year lists next");
        const int report = static_cast<int>(kHistoryReport);
        const int type = q.columnType(report);
        if (type != SQLITE_NULL) {
            if (type != SQLITE_BLOB || s.side != kEmpire)
                Refuse(where + ": Report is not a report of the game");
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(q.get(), report));
            std::string packed(bytes ? bytes : "",
                               static_cast<std::size_t>(sqlite3_column_bytes(q.get(), report)));
            if (!UnpackReport(packed, year.report, kMaxReportBytes))
                Refuse(where + ": Report is damaged");
            year.setPackedReport(std::move(packed));
        }
        year.sides.push_back(s);
    }
    if (open) finish();
    return history;
}

}  // namespace zenthar
