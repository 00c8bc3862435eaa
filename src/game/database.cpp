// The connection and its cursor. A refresh reads the whole record source into memory (a game
// has at most a few thousand rows); moves and finds work on that copy, and every change is
// written through to the file at once with a prepared statement.
#include "game/database.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "game/numbers.h"
#include "game/storage_error.h"

namespace zenthar {
namespace {

[[noreturn]] void NoCurrentRecord() {
    throw StorageError(errors::kNoCurrentRecord, "No current record.");
}

}  // namespace

void BindField(sqlite::Statement& s, int index, const FieldValue& v) {
    if (v.isNull())
        s.bindNull(index);
    else if (v.isText())
        s.bind(index, v.asText());
    else
        s.bind(index, v.asInt());
}

// ---- FieldValue ------------------------------------------------------------------------------

long long FieldValue::asInt() const {
    if (auto* i = std::get_if<long long>(&v_)) return *i;
    if (auto* d = std::get_if<double>(&v_)) return Round(*d);
    if (auto* s = std::get_if<std::string>(&v_)) return Round(LeadingNumber(*s));
    return 0;
}

double FieldValue::asDouble() const {
    if (auto* i = std::get_if<long long>(&v_)) return static_cast<double>(*i);
    if (auto* d = std::get_if<double>(&v_)) return *d;
    if (auto* s = std::get_if<std::string>(&v_)) return LeadingNumber(*s);
    return 0.0;
}

std::string FieldValue::asText() const {
    if (auto* s = std::get_if<std::string>(&v_)) return *s;
    if (auto* i = std::get_if<long long>(&v_)) return std::to_string(*i);
    if (auto* d = std::get_if<double>(&v_)) return std::to_string(*d);
    return {};
}

// ---- Recordset -------------------------------------------------------------------------------

void Recordset::load(sqlite::Database& db, const TableDef& table) {
    db_ = &db;
    table_ = &table;
    tableName_ = std::string(table.name);
    rows_.clear();
    updates_.clear();
    deleteStatement_ = nullptr;
    orderKeys_.clear();
    for (std::string_view order = table.orderBy; !order.empty();) {
        std::size_t comma = order.find(',');
        std::string name = Trim(order.substr(0, comma));
        orderKeys_.push_back(name == "rowid" ? -1 : column(name));
        order = comma == std::string_view::npos ? std::string_view() : order.substr(comma + 1);
    }
    mode_ = EditMode::None;
    noMatch_ = false;
    // Columns by name, in the order of the table's description, so the values line up with
    // the fields whatever order the file keeps its columns in.
    std::string columns = "rowid";
    for (const FieldDef& f : table.fields) columns += ", " + std::string(f.name);
    sqlite::Statement& q = statement("SELECT " + columns + " FROM " + tableName_ + " ORDER BY " +
                                     std::string(table.orderBy));
    q.reset();
    int cols = q.columnCount();
    while (q.step()) {
        Row row;
        row.rowid = q.columnInt(0);
        row.values.reserve(static_cast<std::size_t>(cols - 1));
        for (int c = 1; c < cols; ++c) {
            switch (q.columnType(c)) {
                case SQLITE_INTEGER:
                    row.values.emplace_back(q.columnInt(c));
                    break;
                case SQLITE_FLOAT:
                    row.values.emplace_back(q.columnDouble(c));
                    break;
                case SQLITE_NULL:
                    row.values.emplace_back();
                    break;
                default:
                    row.values.emplace_back(q.columnText(c));
                    break;
            }
        }
        rows_.push_back(std::move(row));
    }
    q.reset();
    live_ = static_cast<long>(rows_.size());
    sortedRows_ = rows_.size();
    pos_ = -1;
    MoveFirst();
}

namespace {

int Compare(const FieldValue& a, const FieldValue& b) {
    auto rank = [](const FieldValue& v) { return v.isNull() ? 0 : v.isNumber() ? 1 : 2; };
    if (rank(a) != rank(b)) return rank(a) < rank(b) ? -1 : 1;
    if (a.isNumber()) {
        double x = a.asDouble(), y = b.asDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.isText()) return a.asText().compare(b.asText());
    return 0;
}

}  // namespace

void Recordset::reorder() {
    mode_ = EditMode::None;
    noMatch_ = false;
    if (static_cast<long>(rows_.size()) != live_)
        std::erase_if(rows_, [](const Row& r) { return r.deleted; });
    sortedRows_ = std::min(sortedRows_, rows_.size());
    if (sortedRows_ < rows_.size()) {
        auto before = [this](const Row& a, const Row& b) {
            for (int k : orderKeys_) {
                int c = k < 0 ? (a.rowid < b.rowid ? -1 : (a.rowid > b.rowid ? 1 : 0))
                              : Compare(a.values[static_cast<std::size_t>(k)],
                                        b.values[static_cast<std::size_t>(k)]);
                if (c != 0) return c < 0;
            }
            return false;
        };
        // The rows before sortedRows_ are known to be in order; rows added since come last.
        // Sorting what follows the first row out of order and merging it in gives what a
        // stable sort of all would (on a tie the merge keeps the earlier rows first).
        const auto from = rows_.begin() + static_cast<long>(sortedRows_ == 0 ? 0 : sortedRows_ - 1);
        const auto unsorted = std::is_sorted_until(from, rows_.end(), before);
        if (unsorted != rows_.end()) {
            std::stable_sort(unsorted, rows_.end(), before);
            std::inplace_merge(rows_.begin(), unsorted, rows_.end(), before);
        }
        sortedRows_ = rows_.size();
    }
    MoveFirst();
}

sqlite::Statement& Recordset::statement(const std::string& sql) {
    auto it = cache_->find(sql);
    if (it == cache_->end()) it = cache_->emplace(sql, sqlite::Statement(db_->get(), sql)).first;
    return it->second;
}

int Recordset::column(std::string_view name) const {
    if (!table_) NoCurrentRecord();
    // Callers nearly always spell the name as the table does; the walks of the year end ask
    // for thousands of fields, so try the exact spelling before folding case.
    for (std::size_t i = 0; i < table_->fields.size(); ++i)
        if (table_->fields[i].name == name) return static_cast<int>(i);
    for (std::size_t i = 0; i < table_->fields.size(); ++i)
        if (EqualsNoCase(table_->fields[i].name, name)) return static_cast<int>(i);
    throw StorageError(errors::kNoSuchField,
                       "Item not found in this collection: " + std::string(name));
}

const Recordset::Row& Recordset::current() const {
    if (pos_ < 0 || pos_ >= static_cast<long>(rows_.size()) ||
        rows_[static_cast<std::size_t>(pos_)].deleted)
        NoCurrentRecord();
    return rows_[static_cast<std::size_t>(pos_)];
}

long Recordset::RecordCount() const {
    return live_;
}

void Recordset::MoveFirst() {
    mode_ = EditMode::None;
    pos_ = 0;
    while (pos_ < static_cast<long>(rows_.size()) && rows_[static_cast<std::size_t>(pos_)].deleted)
        ++pos_;
}

void Recordset::MoveNext() {
    mode_ = EditMode::None;
    if (pos_ >= static_cast<long>(rows_.size())) NoCurrentRecord();
    do ++pos_;
    while (pos_ < static_cast<long>(rows_.size()) && rows_[static_cast<std::size_t>(pos_)].deleted);
}

void Recordset::MoveLast() {
    mode_ = EditMode::None;
    pos_ = static_cast<long>(rows_.size()) - 1;
    while (pos_ >= 0 && rows_[static_cast<std::size_t>(pos_)].deleted) --pos_;
    if (pos_ < 0) pos_ = static_cast<long>(rows_.size());  // empty: at end
}

void Recordset::MovePrevious() {
    mode_ = EditMode::None;
    if (pos_ < 0) NoCurrentRecord();
    do --pos_;
    while (pos_ >= 0 && rows_[static_cast<std::size_t>(pos_)].deleted);
}

bool Recordset::EOF_() const {
    return pos_ >= static_cast<long>(rows_.size()) || RecordCount() == 0;
}

bool Recordset::BOF() const {
    return pos_ < 0 || RecordCount() == 0;
}

void Recordset::FindFirst(std::string_view criteria) {
    mode_ = EditMode::None;
    std::size_t eq = criteria.find('=');
    if (eq == std::string_view::npos || !table_)
        throw StorageError(errors::kBadCriteria,
                           "Syntax error in criteria: " + std::string(criteria));
    std::string field = Trim(criteria.substr(0, eq));
    std::string value = Trim(criteria.substr(eq + 1));
    int col = column(field);
    std::optional<std::string> text;
    long long number = 0;
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
        text = value.substr(1, value.size() - 2);
    } else {
        auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (ec != std::errc() || p != value.data() + value.size())
            throw StorageError(errors::kBadCriteria,
                               "Syntax error in criteria: " + std::string(criteria));
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& r = rows_[i];
        if (r.deleted) continue;
        const FieldValue& v = r.values[static_cast<std::size_t>(col)];
        bool match =
            text ? (v.isText() && v.asText() == *text) : (v.isNumber() && v.asInt() == number);
        if (match) {
            pos_ = static_cast<long>(i);
            noMatch_ = false;
            return;
        }
    }
    noMatch_ = true;
}

FieldValue Recordset::Field(std::string_view name) const {
    return Field(column(name));
}

const FieldValue& Recordset::Field(int index) const {
    if (!table_ || index < 0 || static_cast<std::size_t>(index) >= table_->fields.size())
        throw StorageError(errors::kNoSuchField, "Item not found in this collection.");
    if (mode_ != EditMode::None) return buffer_[static_cast<std::size_t>(index)];
    return current().values[static_cast<std::size_t>(index)];
}

void Recordset::SetField(std::string_view name, FieldValue value) {
    SetField(column(name), std::move(value));
}

void Recordset::SetField(int index, FieldValue value) {
    if (mode_ == EditMode::None)
        throw StorageError(errors::kUpdateWithoutEdit,
                           "Update or CancelUpdate without AddNew or Edit.");
    if (index < 0 || static_cast<std::size_t>(index) >= buffer_.size())
        throw StorageError(errors::kNoSuchField, "Item not found in this collection.");
    buffer_[static_cast<std::size_t>(index)] = std::move(value);
    dirty_[static_cast<std::size_t>(index)] = true;
}

void Recordset::Edit() {
    buffer_ = current().values;
    dirty_.assign(buffer_.size(), false);
    mode_ = EditMode::Edit;
}

void Recordset::AddNew() {
    if (!table_) NoCurrentRecord();
    buffer_.assign(table_->fields.size(), FieldValue());
    dirty_.assign(buffer_.size(), false);
    mode_ = EditMode::Add;
}

// The statement that writes the fields of `cols`: built once for each set of fields, as
// storing a task-force list asks for the same few sets thousands of times.
sqlite::Statement& Recordset::writeStatement(bool insert, const std::vector<std::size_t>& cols) {
    std::uint64_t key = insert ? 1 : 0;
    bool keyed = true;
    for (std::size_t c : cols) {
        if (c >= 63)
            keyed = false;
        else
            key |= std::uint64_t{2} << c;
    }
    if (keyed)
        for (const auto& [k, s] : updates_)
            if (k == key) return *s;
    std::string sql;
    if (insert && cols.empty()) {
        sql = "INSERT INTO " + tableName_ + " DEFAULT VALUES";
    } else if (insert) {
        std::string names, placeholders;
        for (std::size_t c : cols) {
            if (!names.empty()) names += ", ", placeholders += ", ";
            names += table_->fields[c].name;
            placeholders += "?";
        }
        sql = "INSERT INTO " + tableName_ + " (" + names + ") VALUES (" + placeholders + ")";
    } else {
        std::string sets;
        for (std::size_t c : cols) {
            if (!sets.empty()) sets += ", ";
            sets += std::string(table_->fields[c].name) + " = ?";
        }
        sql = "UPDATE " + tableName_ + " SET " + sets + " WHERE rowid = ?";
    }
    sqlite::Statement& s = statement(sql);
    if (keyed) updates_.emplace_back(key, &s);
    return s;
}

void Recordset::Update() {
    if (mode_ == EditMode::None)
        throw StorageError(errors::kUpdateWithoutEdit,
                           "Update or CancelUpdate without AddNew or Edit.");
    std::vector<std::size_t>& cols = updateColumns_;
    cols.clear();
    bool keyChanged = false;
    for (std::size_t i = 0; i < dirty_.size(); ++i) {
        if (!dirty_[i]) continue;
        // Storing a task-force list rewrites every row of the side, most of them unchanged:
        // a field that keeps its value costs no write.
        if (mode_ == EditMode::Edit && buffer_[i] == current().values[i]) continue;
        cols.push_back(i);
        keyChanged = keyChanged || std::find(orderKeys_.begin(), orderKeys_.end(),
                                             static_cast<int>(i)) != orderKeys_.end();
    }
    auto bindAll = [&](sqlite::Statement& s) {
        int k = 1;
        for (std::size_t c : cols) BindField(s, k++, buffer_[c]);
        return k;
    };
    if (mode_ == EditMode::Edit) {
        Row& row = rows_[static_cast<std::size_t>(pos_)];
        if (!cols.empty()) {
            sqlite::Statement& s = writeStatement(false, cols);
            s.reset();
            int k = bindAll(s);
            s.bind(k, row.rowid);
            s.step();
            s.reset();
        }
        if (keyChanged) sortedRows_ = std::min(sortedRows_, static_cast<std::size_t>(pos_));
        row.values.swap(buffer_);
    } else {
        sqlite::Statement& s = writeStatement(true, cols);
        s.reset();
        bindAll(s);
        s.step();
        s.reset();
        Row row;
        row.rowid = sqlite3_last_insert_rowid(db_->get());
        row.values = std::move(buffer_);
        // A new row joins the end of the cursor; the next refresh puts it in its place.
        bool atEnd = pos_ >= static_cast<long>(rows_.size());
        rows_.push_back(std::move(row));
        ++live_;
        if (atEnd) pos_ = static_cast<long>(rows_.size());
    }
    mode_ = EditMode::None;
}

void Recordset::Delete() {
    const Row& row = current();
    if (batch_) {
        batch_->rowids_.push_back(row.rowid);
    } else {
        if (!deleteStatement_)
            deleteStatement_ = &statement("DELETE FROM " + tableName_ + " WHERE rowid = ?");
        sqlite::Statement& s = *deleteStatement_;
        s.reset();
        s.bind(1, row.rowid);
        s.step();
        s.reset();
    }
    rows_[static_cast<std::size_t>(pos_)].deleted = true;
    --live_;
    // The rows after it move up one when the deleted rows are cleared out.
    sortedRows_ = std::min(sortedRows_, static_cast<std::size_t>(pos_));
    mode_ = EditMode::None;
}

void Recordset::DeleteBatch::flush() {
    constexpr std::size_t kPerStatement = 64;
    if (rowids_.empty()) return;
    if (!rs_.table_) NoCurrentRecord();
    std::string sql = "DELETE FROM " + rs_.tableName_ + " WHERE rowid IN (?";
    for (std::size_t k = 1; k < kPerStatement; ++k) sql += ", ?";
    sql += ")";
    sqlite::Statement& s = rs_.statement(sql);
    for (std::size_t from = 0; from < rowids_.size(); from += kPerStatement) {
        s.reset();
        for (std::size_t k = 0; k < kPerStatement; ++k) {
            // A short last group repeats its first row: deleting it twice deletes it once.
            const std::size_t i = from + k < rowids_.size() ? from + k : from;
            s.bind(static_cast<int>(k + 1), rowids_[i]);
        }
        s.step();
        s.reset();
    }
    rowids_.clear();
}

void Recordset::Close() {
    rows_.clear();
    updates_.clear();
    deleteStatement_ = nullptr;
    live_ = 0;
    table_ = nullptr;
    pos_ = -1;
    mode_ = EditMode::None;
}

// ---- Connection ------------------------------------------------------------------------------

void Connection::open(const std::filesystem::path& file) {
    rs_.Close();
    side_.Close();
    statements_.clear();
    db_.close();
    openName_.clear();
    if (file.empty()) return;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        throw StorageError(errors::kFileNotFound, "No such game database: " + file.string());
    db_ = sqlite::Database(file, sqlite::Database::Mode::ReadWrite);
    // The working file is a scratch copy rebuilt at every start; losing it in a power cut
    // loses nothing that a save has not already put somewhere safe. So no syncs, and no file
    // locks taken and dropped around every statement: only this connection ever opens it (the
    // instance lock keeps a second copy of the program out of the folder).
    db_.exec("PRAGMA locking_mode=EXCLUSIVE");
    db_.exec("PRAGMA journal_mode=MEMORY");
    db_.exec("PRAGMA synchronous=OFF");
    db_.exec("PRAGMA temp_store=MEMORY");
    openName_ = file;
}

void Connection::Refresh() {
    if (pendingName_ != openName_ || !db_.isOpen()) open(pendingName_);
    if (!db_.isOpen()) {
        rs_.Close();
        return;
    }
    const TableDef* t = FindTable(recordSource_);
    if (!t)
        throw StorageError(errors::kNoSuchTable,
                           "The table '" + recordSource_ + "' does not exist.");
    rs_.cache_ = &statements_;
    // Every change made through this connection is already in memory; the file is read again
    // only when another connection changed it or another table is wanted.
    long long version = dataVersion();
    if (rs_.table_ == t && rs_.db_ == &db_ && version == loadedVersion_) {
        rs_.reorder();
        return;
    }
    rs_.load(db_, *t);
    loadedVersion_ = version;
}

Recordset& Connection::side(std::string_view table) {
    if (pendingName_ != openName_ || !db_.isOpen()) open(pendingName_);
    const TableDef* t = FindTable(table);
    if (!t)
        throw StorageError(errors::kNoSuchTable,
                           "The table '" + std::string(table) + "' does not exist.");
    if (!db_.isOpen()) throw StorageError(errors::kFileNotFound, "No game database is open.");
    side_.cache_ = &statements_;
    side_.load(db_, *t);
    return side_;
}

long long Connection::dataVersion() {
    auto it = statements_.find("PRAGMA data_version");
    if (it == statements_.end())
        it =
            statements_
                .emplace("PRAGMA data_version", sqlite::Statement(db_.get(), "PRAGMA data_version"))
                .first;
    it->second.reset();
    long long v = it->second.step() ? it->second.columnInt(0) : -1;
    it->second.reset();
    return v;
}

void Connection::rebind(const std::filesystem::path& file, const std::string& table) {
    release();
    setDatabaseName(file);
    setRecordSource(table);
    Refresh();
}

void Connection::release() {
    rs_.Close();
    side_.Close();
    setDatabaseName({});
    open({});
}

Connection::Transaction::Transaction(Connection& c) : c_(&c), outer_(c.transactionDepth_ == 0) {
    if (outer_ && c_->db_.isOpen()) c_->db_.exec("BEGIN");
    ++c_->transactionDepth_;
}

void Connection::Transaction::commit() {
    if (done_) return;
    // A refused COMMIT (the file locked or full) leaves the transaction open: the destructor
    // then rolls it back instead of leaving it to swallow every later write.
    if (outer_ && c_->db_.isOpen()) c_->db_.exec("COMMIT");
    done_ = true;
    --c_->transactionDepth_;
}

Connection::Transaction::~Transaction() {
    if (done_) return;
    --c_->transactionDepth_;
    // The rows in memory may hold changes the rollback undoes: read them again next time.
    c_->rs_.Close();
    c_->side_.Close();
    if (outer_ && c_->db_.isOpen()) {
        try {
            c_->db_.exec("ROLLBACK");
        } catch (...) {
        }
    }
}

}  // namespace zenthar
