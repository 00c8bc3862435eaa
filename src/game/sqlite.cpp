// RAII wrappers of SQLite handles; every failure becomes a StorageError.
#include "game/sqlite.h"

#include <cstring>
#include <string>
#include <utility>

#include "game/storage_error.h"

namespace zenthar::sqlite {

void Throw(sqlite3* db, int rc, std::string_view context) {
    std::string msg(context);
    msg += ": ";
    msg += db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    int code = errors::kDatabaseBase + (rc & 0xff);
    switch (rc & 0xff) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_FORMAT:
        case SQLITE_MISMATCH:
            code = errors::kTypeMismatch;
            break;
        case SQLITE_FULL:
            code = errors::kDiskFull;
            break;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_AUTH:
            code = errors::kPathFileAccess;
            break;
        default:
            break;
    }
    throw StorageError(code, msg);
}

namespace {

// A handler that returned after all still fails, as the game's own error.
[[noreturn]] void Fail(FailureHandler onFailure, sqlite3* db, int rc, std::string_view context) {
    onFailure(db, rc, context);
    Throw(db, rc, context);
}

}  // namespace

Statement::Statement(sqlite3* db, std::string_view sql) : Statement(db, sql, Throw) {}

Statement::Statement(const Database& db, std::string_view sql)
    : Statement(db.get(), sql, db.onFailure()) {}

Statement::Statement(sqlite3* db, std::string_view sql, FailureHandler onFailure)
    : db_(db), onFailure_(onFailure) {
    int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) fail(rc, std::string("prepare ") + std::string(sql));
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)), onFailure_(other.onFailure_) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
        onFailure_ = other.onFailure_;
    }
    return *this;
}

void Statement::fail(int rc, std::string_view context) const {
    Fail(onFailure_, db_, rc, context);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::bindNull(int index) {
    sqlite3_bind_null(stmt_, index);
}
void Statement::bind(int index, long long v) {
    sqlite3_bind_int64(stmt_, index, v);
}
void Statement::bind(int index, double v) {
    sqlite3_bind_double(stmt_, index, v);
}
void Statement::bind(int index, std::string_view v) {
    sqlite3_bind_text(stmt_, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    fail(rc, "step");
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}
int Statement::columnType(int col) const {
    return sqlite3_column_type(stmt_, col);
}
long long Statement::columnInt(int col) const {
    return sqlite3_column_int64(stmt_, col);
}
double Statement::columnDouble(int col) const {
    return sqlite3_column_double(stmt_, col);
}
std::string Statement::columnText(int col) const {
    const unsigned char* t = sqlite3_column_text(stmt_, col);
    int n = sqlite3_column_bytes(stmt_, col);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(n))
             : std::string();
}

Database::Database(const std::filesystem::path& file, Mode mode) {
    // Every file the game writes to through SQLite is one it names itself (the working file, a
    // temporary): a link there is refused, never written through. Reading may follow one (an
    // installed template).
    int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                : mode == Mode::ReadWrite
                    ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW
                    : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW;
    int rc = sqlite3_open_v2(file.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = "open " + file.string();
        sqlite3* failed = std::exchange(db_, nullptr);
        std::string detail = failed ? sqlite3_errmsg(failed) : sqlite3_errstr(rc);
        sqlite3_close(failed);
        Throw(nullptr, rc, msg + " (" + detail + ")");
    }
    sqlite3_extended_result_codes(db_, 1);
    // A corrupt or hostile file must fail, not stall the game.
    sqlite3_busy_timeout(db_, 0);
}

Database Database::InMemoryCopy(std::span<const unsigned char> bytes, long workBudget,
                                FailureHandler onFailure) {
    Database m;
    m.onFailure_ = onFailure;
    const auto failed = [&](int rc, std::string_view context) {
        Fail(onFailure, m.db_, rc, context);
    };
    int rc =
        sqlite3_open_v2(":memory:", &m.db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        m.close();
        failed(rc, "open a database in memory");
    }
    sqlite3_db_config(m.db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(m.db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(m.db_, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(m.db_, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_db_config(m.db_, SQLITE_DBCONFIG_ENABLE_FKEY, 0, nullptr);
    // A name in double quotes must be a column; never a text that stands in for a missing one.
    sqlite3_db_config(m.db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_limit(m.db_, SQLITE_LIMIT_LENGTH, 1 << 20);
    sqlite3_limit(m.db_, SQLITE_LIMIT_ATTACHED, 0);
    m.budget_ = std::make_unique<Budget>(Budget{workBudget});
    sqlite3_progress_handler(m.db_, 1000, &Database::Progress, m.budget_.get());

    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
    if (!copy) failed(SQLITE_NOMEM, "copy the file into memory");
    std::memcpy(copy, bytes.data(), bytes.size());
    // A file last written in write-ahead mode reads like any other once it is in memory.
    if (bytes.size() > 19 && copy[18] == 2) copy[18] = 1;
    if (bytes.size() > 19 && copy[19] == 2) copy[19] = 1;
    auto size = static_cast<sqlite3_int64>(bytes.size());
    rc = sqlite3_deserialize(m.db_, "main", copy, size, size,
                             SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
    if (rc != SQLITE_OK) failed(rc == SQLITE_NOMEM ? rc : SQLITE_CANTOPEN, "read the file");
    return m;
}

int Database::Progress(void* budget) {
    return --static_cast<Budget*>(budget)->left < 0 ? 1 : 0;
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      onFailure_(other.onFailure_),
      budget_(std::move(other.budget_)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        onFailure_ = other.onFailure_;
        budget_ = std::move(other.budget_);
    }
    return *this;
}

Database::~Database() {
    close();
}

void Database::close() {
    if (db_) sqlite3_close_v2(std::exchange(db_, nullptr));
}

void Database::exec(std::string_view sql) {
    std::string s(sql);
    char* err = nullptr;
    int rc = sqlite3_exec(db_, s.c_str(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string msg = err ? err : "";
        sqlite3_free(err);
        Fail(onFailure_, db_, rc, s + " " + msg);
    }
}

}  // namespace zenthar::sqlite
