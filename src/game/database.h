// The game database connection: a database file, one table (the record source) and a cursor
// over its rows with the handful of operations the game uses (move, find, read, edit, add,
// update, delete). Rows of Ships come grouped by player, then by task force number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "game/schema.h"
#include "game/sqlite.h"

namespace zenthar {

// One field of one row: empty (null), a whole number, a fraction or a text.
class FieldValue {
  public:
    FieldValue() = default;
    FieldValue(long long v) : v_(v) {}                              // NOLINT
    FieldValue(int v) : v_(static_cast<long long>(v)) {}            // NOLINT
    FieldValue(double v) : v_(v) {}                                 // NOLINT
    FieldValue(std::string v) : v_(std::move(v)) {}                 // NOLINT
    FieldValue(const char* v) : v_(std::string(v)) {}               // NOLINT
    FieldValue(bool v) : v_(static_cast<long long>(v ? -1 : 0)) {}  // NOLINT

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isNumber() const {
        return std::holds_alternative<long long>(v_) || std::holds_alternative<double>(v_);
    }
    bool isText() const { return std::holds_alternative<std::string>(v_); }
    // Empty reads as 0, a text as its leading number.
    long long asInt() const;
    double asDouble() const;
    // Empty reads as the empty text.
    std::string asText() const;
    // Empty reads as false; any non-zero number as true.
    bool asBool() const { return asInt() != 0; }
    // The whole number `n`, stored as one; a text or a fraction never is.
    bool isInt(long long n) const {
        const long long* i = std::get_if<long long>(&v_);
        return i && *i == n;
    }
    // A text equal to `text`; a number never is.
    bool isText(std::string_view text) const {
        const std::string* s = std::get_if<std::string>(&v_);
        return s && *s == text;
    }

    friend bool operator==(const FieldValue&, const FieldValue&) = default;

  private:
    std::variant<std::monostate, long long, double, std::string> v_;
};

// Binds a field to parameter `index` of a statement; an empty field binds as NULL.
void BindField(sqlite::Statement& s, int index, const FieldValue& v);

class Connection;

class Recordset {
  public:
    long RecordCount() const;
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    void MovePrevious();
    bool EOF_() const;
    bool BOF() const;
    // Only two criteria forms exist: "PlNum = n" and "EndPl = 'id'". Anything else throws.
    void FindFirst(std::string_view criteria);
    bool NoMatch() const { return noMatch_; }

    FieldValue Field(std::string_view name) const;
    void SetField(std::string_view name, FieldValue value);
    // By position, for walks that read or write the same fields of every row.
    int FieldIndex(std::string_view name) const { return column(name); }
    const FieldValue& Field(int index) const;
    void SetField(int index, FieldValue value);
    void Edit();
    void AddNew();
    void Update();
    void Delete();
    void Close();

    bool open() const { return table_ != nullptr; }

    // While one lives, Delete takes rows out of the cursor at once and out of the file at the
    // next flush(), many rows to a statement: a year end removes hundreds of landed fleets.
    // Nothing else may write through the cursor meanwhile. Rows not flushed are not deleted
    // in the file; an unflushed batch belongs in a transaction that is then rolled back.
    class DeleteBatch {
      public:
        explicit DeleteBatch(Recordset& rs) : rs_(rs) { rs_.batch_ = this; }
        ~DeleteBatch() { rs_.batch_ = nullptr; }
        DeleteBatch(const DeleteBatch&) = delete;
        DeleteBatch& operator=(const DeleteBatch&) = delete;
        void flush();

      private:
        friend class Recordset;
        Recordset& rs_;
        std::vector<long long> rowids_;
    };

  private:
    friend class Connection;
    struct Row {
        long long rowid = 0;
        std::vector<FieldValue> values;
        bool deleted = false;
    };
    enum class EditMode { None, Edit, Add };

    int column(std::string_view name) const;
    const Row& current() const;
    void load(sqlite::Database& db, const TableDef& table);
    // Puts the rows already in memory in table order again, without reading the file.
    void reorder();
    sqlite::Statement& statement(const std::string& sql);
    sqlite::Statement& writeStatement(bool insert, const std::vector<std::size_t>& cols);

    sqlite::Database* db_ = nullptr;
    const TableDef* table_ = nullptr;
    std::string tableName_;
    std::vector<Row> rows_;
    long live_ = 0;  // rows not deleted: the walks test it at every step
    long pos_ = -1;
    bool noMatch_ = false;
    EditMode mode_ = EditMode::None;
    std::vector<FieldValue> buffer_;
    std::vector<bool> dirty_;
    std::map<std::string, sqlite::Statement>* cache_ = nullptr;
    // How many leading rows are known to be in table order; a changed sort field of row k
    // leaves only the rows before it known. Removing rows keeps any order.
    std::size_t sortedRows_ = 0;
    std::vector<int> orderKeys_;  // the columns of the table's order; -1 is the rowid
    // Write statements by the fields they set, pointing into the connection's cache.
    std::vector<std::pair<std::uint64_t, sqlite::Statement*>> updates_;
    std::vector<std::size_t> updateColumns_;
    sqlite::Statement* deleteStatement_ = nullptr;
    DeleteBatch* batch_ = nullptr;
};

class Connection {
  public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Takes effect at the next refresh; the empty path lets go of the file.
    void setDatabaseName(std::filesystem::path file) { pendingName_ = std::move(file); }
    const std::filesystem::path& databaseName() const { return pendingName_; }
    void setRecordSource(std::string table) { recordSource_ = std::move(table); }
    const std::string& recordSource() const { return recordSource_; }
    void Refresh();

    Recordset& rs() { return rs_; }
    const Recordset& rs() const { return rs_; }
    // A second cursor, on `table` of the open file and read afresh, that leaves rs() and the
    // rows it holds alone: a save writes the planets and players without reading a thousand
    // task forces again afterwards. Valid until the next call or until the file is let go.
    Recordset& side(std::string_view table);

    bool isOpen() const { return db_.isOpen(); }
    sqlite::Database& database() { return db_; }

    // Groups the writes of one command: one commit, not one per row.
    class Transaction {
      public:
        explicit Transaction(Connection& c);
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        ~Transaction();
        void commit();

      private:
        Connection* c_;
        bool outer_;
        bool done_ = false;
    };

    // Lets go of the file and binds it again: the state every command leaves behind.
    void rebind(const std::filesystem::path& file, const std::string& table);
    // Closes the cursor and the file (pattern "let go of the file").
    void release();

  private:
    void open(const std::filesystem::path& file);
    long long dataVersion();

    std::filesystem::path pendingName_;
    std::filesystem::path openName_;
    std::string recordSource_ = "Ships";
    sqlite::Database db_;
    std::map<std::string, sqlite::Statement> statements_;
    Recordset rs_;
    Recordset side_;
    int transactionDepth_ = 0;
    long long loadedVersion_ = -1;
};

}  // namespace zenthar
