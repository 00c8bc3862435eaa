// Script-driven edits of saved games, for the fuzz run and the libFuzzer harness.
#include "support/savegame_fuzz.h"

#include <cctype>

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

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::vector<unsigned char> MutateSavedGame(const std::vector<unsigned char>& base,
                                           std::span<const std::uint8_t> script,
                                           std::vector<std::string>* log) {
    Script s(script);
    std::vector<std::string> sql;
    std::vector<std::tuple<unsigned, unsigned, std::uint8_t>> edits;  // kind, place, value
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
    for (const auto& [kind, place, value] : edits) {
        if (bytes.empty()) break;
        std::size_t at = place % bytes.size();
        if (kind == 0)
            bytes[at] ^= static_cast<unsigned char>(value | 1);
        else if (kind == 1)
            bytes[at % 100] = value;
        else
            bytes.resize(at);
        static const char* const kEdits[] = {"flip", "set", "cut"};
        if (log)
            log->push_back(std::string(kEdits[kind]) + " byte " +
                           std::to_string(kind == 1 ? at % 100 : at));
    }
    return bytes;
}

}  // namespace zenthar::testing
