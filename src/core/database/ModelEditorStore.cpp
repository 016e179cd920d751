#include "database/ModelEditorStore.h"

#include "database/DatabaseError.h"
#include "database/ModelDatabase.h"
#include "database/ModelStatements.h"

namespace velmorin {

namespace {

// Name, comment and the 14 numbers, in the parameter order the insert and
// the update share.
void bindEditedValues(SqliteStatement& statement, const TubeModel& m) {
  statement.bindText(1, m.name);
  statement.bindText(2, m.comment);
  const double values[] = {m.kp,   m.mu,  m.kvb, m.ex,  m.kg1, m.pmax,  m.imax,
                           m.vmax, m.kg2, m.cgk, m.cga, m.cak, m.pemax, m.vemax};
  for (int i = 0; i < 14; ++i)
    statement.bindDouble(3 + i, values[i]);
}

// The user is told when the change was not stored, rather than seeing it
// silently missing from the list afterwards.
void stepWrite(SqliteConnection& db, SqliteStatement& statement) {
  const int rc = statement.step();
  statement.reset();
  if (rc != kSqliteDone)
    throw DatabaseError(db.errorMessage());
}

} // namespace

std::optional<StoredModel> loadStoredModel(const std::string& name, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kSelectRowByName);
  statement.bindText(1, name);
  if (statement.step() != kSqliteRow)
    return std::nullopt;
  StoredModel row;
  row.id = statement.columnInt(0);
  TubeModel& m = row.model;
  m.name = statement.columnText(1);
  m.comment = statement.columnText(2);
  readModelParameters(statement, 3, m);
  return row;
}

std::optional<std::int64_t> findModelId(const std::string& name, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kSelectIdByName);
  statement.bindText(1, name);
  if (statement.step() != kSqliteRow)
    return std::nullopt;
  return statement.columnInt(0);
}

std::int64_t insertModel(const TubeModel& m, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kInsertModel);
  bindEditedValues(statement, m);
  // The kind goes in as a number of the double type (3.0 or 5.0); the
  // column's integer affinity stores it as an integer.
  statement.bindDouble(17, static_cast<double>(m.t35));
  stepWrite(db, statement);
  return db.lastInsertRowId();
}

void updateModel(std::int64_t id, const TubeModel& m, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kUpdateModel);
  bindEditedValues(statement, m);
  statement.bindInt(17, id);
  stepWrite(db, statement);
}

void deleteModel(std::int64_t id, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kDeleteModel);
  statement.bindInt(1, id);
  stepWrite(db, statement);
}

} // namespace velmorin
