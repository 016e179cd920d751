#include "database/ModelDatabase.h"

#include "database/BuiltInModels.h"
#include "database/DatabaseError.h"
#include "database/ModelStatements.h"

namespace velmorin {

namespace {

std::filesystem::path currentFile(const std::filesystem::path& folder) {
  return folder / modelDbFileName(kModelDbVersion);
}

std::vector<std::string> names(SqliteStatement& statement) {
  std::vector<std::string> result;
  while (statement.step() == kSqliteRow)
    result.push_back(statement.columnText(0));
  return result;
}

// Copies the custom triodes of the previous-version file into the current
// file, in one transaction.
void copyCustomTriodes(const std::filesystem::path& folder) {
  SqliteConnection previous(folder / modelDbFileName(1));
  SqliteStatement rows(previous, sql::kSelectAllRows);
  SqliteConnection current = openModelDatabase(folder);
  SqliteStatement insert(current, sql::kInsertConverted);
  SqliteTransaction transaction(current);
  int rc;
  while ((rc = rows.step()) == kSqliteRow) {
    const std::string name = rows.columnText(1);
    if (isBuiltInTriodeName(name))
      continue;
    insert.bindText(1, name);
    insert.bindText(2, rows.columnText(2));
    for (int column = 3; column <= 10; ++column) // kp, mu, kvb, ex, kg1, pmax, imax, vmax
      insert.bindDouble(column, rows.columnDouble(column));
    for (int parameter = 11; parameter <= 14; ++parameter) // kg2, cgk, cga, cak
      insert.bindDouble(parameter, 0.0);
    insert.bindInt(15, 3);
    insert.step();
    insert.reset();
  }
  // A read that stopped on an error rather than at the end would otherwise
  // pass for a complete copy, and the old file with the rest of the user's
  // models would then be deleted.
  if (rc != kSqliteDone)
    throw DatabaseError(previous.errorMessage());
  transaction.commit();
}

// Removes a current file this sequence created itself when the sequence
// fails: a half-made file would be taken for a complete one at the next start.
void removeCreatedFile(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
  std::filesystem::remove(file.string() + "-journal", ec);
}

} // namespace

std::string modelDbFileName(int version) {
  return "Velmorin-" + std::to_string(version) + ".db";
}

SqliteConnection openModelDatabase(const std::filesystem::path& folder) {
  SqliteConnection connection(currentFile(folder));
  connection.exec(sql::kCreateTable);
  return connection;
}

int existingModelDbVersion(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::exists(currentFile(folder), ec))
    return kModelDbVersion;
  if (std::filesystem::exists(folder / modelDbFileName(1), ec))
    return 1;
  return 0;
}

std::vector<std::string> listAllModels(const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kSelectAllNames);
  return names(statement);
}

std::vector<std::string> listModelsOfType(int t35, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kSelectNamesOfType);
  statement.bindInt(1, t35);
  return names(statement);
}

std::vector<std::string> insertBuiltInModels(const std::filesystem::path& folder) {
  std::vector<std::string> inserted;
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement find(db, sql::kSelectName);
  SqliteStatement insert(db, sql::kInsertBuiltIn);
  SqliteTransaction transaction(db);
  for (const TubeModel& m : builtInModels()) {
    find.bindText(1, m.name);
    const bool present = find.step() == kSqliteRow;
    find.reset();
    if (present)
      continue;
    insert.bindText(1, m.name);
    insert.bindText(2, m.comment);
    const double values[] = {m.kp,   m.mu,   m.kvb, m.ex,  m.kg1, m.pmax,
                             m.imax, m.vmax, m.kg2, m.cgk, m.cga, m.cak};
    for (int i = 0; i < 12; ++i)
      insert.bindDouble(3 + i, values[i]);
    insert.bindInt(15, m.t35);
    insert.bindDouble(16, m.pemax);
    insert.bindDouble(17, m.vemax);
    insert.step();
    insert.reset();
    inserted.push_back(m.name);
  }
  transaction.commit();
  return inserted;
}

bool upgradeModelDatabase(const std::filesystem::path& folder) {
  if (existingModelDbVersion(folder) != 1)
    return false;
  // The current file did not exist: on any failure it goes again and the
  // previous-version file stays, so the next start converts afresh. The old
  // file is deleted only once the new one is complete.
  try {
    copyCustomTriodes(folder);
    insertBuiltInModels(folder);
  } catch (...) {
    removeCreatedFile(currentFile(folder));
    throw;
  }
  std::error_code ec;
  std::filesystem::remove(folder / modelDbFileName(1), ec);
  return true;
}

std::string ensureModelDatabase(const std::filesystem::path& folder) {
  std::string message;
  if (upgradeModelDatabase(folder))
    message = kDatabaseUpdatedMessage;
  std::error_code ec;
  if (!std::filesystem::exists(currentFile(folder), ec)) {
    try {
      insertBuiltInModels(folder);
    } catch (...) {
      removeCreatedFile(currentFile(folder));
      throw;
    }
  }
  return message;
}

std::optional<TubeModel> readTubeModel(const std::string& name, const std::filesystem::path& folder) {
  SqliteConnection db = openModelDatabase(folder);
  SqliteStatement statement(db, sql::kSelectModelByName);
  statement.bindText(1, name);
  if (statement.step() != kSqliteRow)
    return std::nullopt;
  TubeModel m;
  m.name = name;
  readModelParameters(statement, 0, m);
  return m;
}

void readModelParameters(const SqliteStatement& statement, int first, TubeModel& m) {
  m.kp = statement.columnDouble(first);
  m.mu = statement.columnDouble(first + 1);
  m.kvb = statement.columnDouble(first + 2);
  m.ex = statement.columnDouble(first + 3);
  m.kg1 = statement.columnDouble(first + 4);
  m.pmax = statement.columnDouble(first + 5);
  m.imax = statement.columnDouble(first + 6);
  m.vmax = statement.columnDouble(first + 7);
  m.kg2 = statement.columnDouble(first + 8);
  m.cgk = statement.columnDouble(first + 9);
  m.cga = statement.columnDouble(first + 10);
  m.cak = statement.columnDouble(first + 11);
  m.t35 = static_cast<int>(statement.columnInt(first + 12));
  m.pemax = statement.columnDouble(first + 13);
  m.vemax = statement.columnDouble(first + 14);
}

} // namespace velmorin
