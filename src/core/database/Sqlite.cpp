#include "database/Sqlite.h"

#include "database/DatabaseError.h"

#include <sqlite3.h>
#include <utility>

namespace velmorin {

namespace {
constexpr int kBusyTimeoutMs = 5000;
}

SqliteConnection::SqliteConnection(const std::filesystem::path& file) {
  const int rc = sqlite3_open(file.c_str(), &db_);
  if (rc != SQLITE_OK) {
    // Without a handle (out of memory) only the code can be described.
    const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    throw DatabaseError(message);
  }
  if (sqlite3_busy_timeout(db_, kBusyTimeoutMs) != SQLITE_OK) {
    const std::string message = sqlite3_errmsg(db_);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    throw DatabaseError(message);
  }
}

SqliteConnection::~SqliteConnection() {
  if (db_)
    sqlite3_close_v2(db_);
}

SqliteConnection::SqliteConnection(SqliteConnection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)) {}

SqliteConnection& SqliteConnection::operator=(SqliteConnection&& other) noexcept {
  if (this != &other) {
    if (db_)
      sqlite3_close_v2(db_);
    db_ = std::exchange(other.db_, nullptr);
  }
  return *this;
}

void SqliteConnection::exec(const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw DatabaseError(message);
  }
}

std::int64_t SqliteConnection::lastInsertRowId() const {
  return sqlite3_last_insert_rowid(db_);
}

std::string SqliteConnection::errorMessage() const {
  return sqlite3_errmsg(db_);
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, const std::string& sql)
    : connection_(connection) {
  if (sqlite3_prepare_v2(connection_.handle(), sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
    const std::string message = connection_.errorMessage();
    sqlite3_finalize(stmt_);
    throw DatabaseError(message);
  }
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(stmt_);
}

void SqliteStatement::check(int rc) const {
  if (rc != SQLITE_OK)
    throw DatabaseError(connection_.errorMessage());
}

void SqliteStatement::bindText(int index, const std::string& value) {
  check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT));
}

void SqliteStatement::bindDouble(int index, double value) {
  check(sqlite3_bind_double(stmt_, index, value));
}

void SqliteStatement::bindInt(int index, std::int64_t value) {
  check(sqlite3_bind_int64(stmt_, index, value));
}

int SqliteStatement::step() {
  return sqlite3_step(stmt_);
}

int SqliteStatement::reset() {
  return sqlite3_reset(stmt_);
}

bool SqliteStatement::hasColumn(int index) const {
  return index >= 0 && index < sqlite3_column_count(stmt_);
}

double SqliteStatement::columnDouble(int index) const {
  return hasColumn(index) ? sqlite3_column_double(stmt_, index) : 0.0;
}

std::int64_t SqliteStatement::columnInt(int index) const {
  return hasColumn(index) ? sqlite3_column_int64(stmt_, index) : 0;
}

std::string SqliteStatement::columnText(int index) const {
  if (!hasColumn(index))
    return {};
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
  if (!text)
    return {};
  return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index)));
}

SqliteTransaction::SqliteTransaction(SqliteConnection& connection) : connection_(connection) {
  connection_.exec("BEGIN TRANSACTION");
}

SqliteTransaction::~SqliteTransaction() {
  if (open_ && sqlite3_get_autocommit(connection_.handle()) == 0)
    sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit() {
  connection_.exec("END TRANSACTION");
  open_ = false;
}

} // namespace velmorin
