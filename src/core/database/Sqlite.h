// A thin RAII layer over the SQLite C API: a connection, a prepared statement
// with positional binds, and a transaction that rolls back unless ended.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace velmorin {

// SQLite's result codes that callers compare step() against.
inline constexpr int kSqliteRow = 100;  // SQLITE_ROW
inline constexpr int kSqliteDone = 101; // SQLITE_DONE

class SqliteConnection {
public:
  // The plain open call: creates the file when absent. Waits up to five
  // seconds for a lock held by another running copy before giving up.
  explicit SqliteConnection(const std::filesystem::path& file);
  ~SqliteConnection();
  SqliteConnection(SqliteConnection&& other) noexcept;
  SqliteConnection& operator=(SqliteConnection&& other) noexcept;
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  void exec(const std::string& sql);
  std::int64_t lastInsertRowId() const;
  std::string errorMessage() const;
  sqlite3* handle() const { return db_; }

private:
  sqlite3* db_ = nullptr;
};

class SqliteStatement {
public:
  SqliteStatement(SqliteConnection& connection, const std::string& sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // Parameters are numbered from 1. Text is bound as UTF-8.
  void bindText(int index, const std::string& value);
  void bindDouble(int index, double value);
  void bindInt(int index, std::int64_t value);

  // SQLite's result code: kSqliteRow when a row is present.
  int step();
  int reset();

  // Columns are numbered from 0. A column that does not exist, or a NULL,
  // reads as 0 or as the empty text.
  double columnDouble(int index) const;
  std::int64_t columnInt(int index) const;
  std::string columnText(int index) const;

private:
  void check(int rc) const;
  bool hasColumn(int index) const;

  SqliteConnection& connection_;
  sqlite3_stmt* stmt_ = nullptr;
};

// "BEGIN TRANSACTION" on construction; commit() issues "END TRANSACTION".
// Leaving the scope without commit() (an error escaped) rolls back, so no
// half-written change stays.
class SqliteTransaction {
public:
  explicit SqliteTransaction(SqliteConnection& connection);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  void commit();

private:
  SqliteConnection& connection_;
  bool open_ = true;
};

} // namespace velmorin
