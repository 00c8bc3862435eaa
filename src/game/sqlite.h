// A thin RAII layer over SQLite's C API: an open database and prepared statements.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zenthar::sqlite {

// Maps an SQLite result code to the game's storage error numbers and throws.
[[noreturn]] void Throw(sqlite3* db, int rc, std::string_view context);

// What a failure becomes; it must throw. Throw is the game's own; the checker of saved games
// gives its own words for a file it refuses.
using FailureHandler = void (*)(sqlite3* db, int rc, std::string_view context);

class Database;

class Statement {
  public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);
    // A statement that fails as its database says.
    Statement(const Database& db, std::string_view sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    void bindNull(int index);
    void bind(int index, long long v);
    void bind(int index, double v);
    void bind(int index, std::string_view v);
    // True while a row is available.
    bool step();
    void reset();

    int columnCount() const;
    int columnType(int col) const;
    long long columnInt(int col) const;
    double columnDouble(int col) const;
    std::string columnText(int col) const;

    sqlite3_stmt* get() const { return stmt_; }

  private:
    Statement(sqlite3* db, std::string_view sql, FailureHandler onFailure);
    [[noreturn]] void fail(int rc, std::string_view context) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    FailureHandler onFailure_ = Throw;
};

class Database {
  public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    Database() = default;
    Database(const std::filesystem::path& file, Mode mode);
    // A private read-only copy in memory of a database file's bytes, for a file from anywhere:
    // no triggers, views or foreign keys, no quoted texts standing in for columns, values of at
    // most 1 MiB, and no query running past `workBudget` thousand steps.
    static Database InMemoryCopy(std::span<const unsigned char> bytes, long workBudget,
                                 FailureHandler onFailure);
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    void exec(std::string_view sql);
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* get() const { return db_; }
    FailureHandler onFailure() const { return onFailure_; }
    void close();

  private:
    struct Budget {
        long left;
    };
    static int Progress(void* budget);

    sqlite3* db_ = nullptr;
    FailureHandler onFailure_ = Throw;
    std::unique_ptr<Budget> budget_;  // where SQLite's progress handler counts, moved along
};

}  // namespace zenthar::sqlite
