// A thin RAII layer over SQLite's C API: an open database and prepared statements.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace zenthar::sqlite {

// Maps an SQLite result code to the game's storage error numbers and throws.
[[noreturn]] void Throw(sqlite3* db, int rc, std::string_view context);

class Statement {
  public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);
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
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

class Database {
  public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    Database() = default;
    Database(const std::filesystem::path& file, Mode mode);
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    void exec(std::string_view sql);
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* get() const { return db_; }
    void close();

  private:
    sqlite3* db_ = nullptr;
};

}  // namespace zenthar::sqlite
