#include "configurations/CircuitConfigs.h"

#include "catalogue/Circuits.h"
#include "database/DatabaseError.h"
#include "database/Sqlite.h"

namespace velmorin {

namespace {

SqliteConnection openConfigurations(const std::filesystem::path& folder) {
  SqliteConnection db(configurationsFilePath(folder));
  db.exec("CREATE TABLE IF NOT EXISTS configs (id INTEGER PRIMARY KEY, code TEXT, name TEXT, comment TEXT)");
  db.exec("CREATE TABLE IF NOT EXISTS paires (fkid INTEGER, clef TEXT, valeur TEXT)");
  return db;
}

// The wrapper hands back SQLite's result code; a failed step must not pass
// for the end of the rows or for a write that happened.
bool nextRow(SqliteConnection& db, SqliteStatement& statement) {
  const int rc = statement.step();
  if (rc == kSqliteRow)
    return true;
  if (rc == kSqliteDone)
    return false;
  throw DatabaseError(db.errorMessage());
}

void run(SqliteConnection& db, SqliteStatement& statement) {
  if (statement.step() != kSqliteDone)
    throw DatabaseError(db.errorMessage());
}

} // namespace

std::filesystem::path configurationsFilePath(const std::filesystem::path& folder) {
  return folder / kConfigurationsFile;
}

int getCountConfigs(const std::string& code, const std::filesystem::path& folder) {
  SqliteConnection db = openConfigurations(folder);
  SqliteStatement select(db, "SELECT id FROM configs WHERE code=?");
  select.bindText(1, code);
  int n = 0;
  while (nextRow(db, select))
    ++n;
  return n;
}

TArrayCircuitConfig getCircuitConfigs(const std::string& code, const std::filesystem::path& folder) {
  SqliteConnection db = openConfigurations(folder);
  SqliteStatement select(db, "SELECT * FROM configs WHERE code = ?");
  select.bindText(1, code);
  TArrayCircuitConfig configs;
  while (nextRow(db, select))
    configs.push_back(
        {select.columnInt(0), select.columnText(1), select.columnText(2), select.columnText(3)});
  return configs;
}

TArrayKeyVal getKeyVal(std::int64_t fkid, const std::filesystem::path& folder) {
  SqliteConnection db = openConfigurations(folder);
  SqliteStatement select(db, "SELECT clef,valeur FROM paires WHERE fkid = ?");
  select.bindInt(1, fkid);
  TArrayKeyVal pairs;
  while (nextRow(db, select))
    pairs.push_back({0, select.columnText(0), select.columnText(1)});
  return pairs;
}

std::int64_t saveConfig(const TCircuitConfig& config, const TArrayKeyVal& keyVals,
                        const std::filesystem::path& folder) {
  SqliteConnection db = openConfigurations(folder);
  std::int64_t found = 0;
  {
    SqliteStatement find(db, "SELECT id FROM configs WHERE code=? AND name=?");
    find.bindText(1, config.code);
    find.bindText(2, config.Name);
    if (nextRow(db, find))
      found = find.columnInt(0);
  }

  if (found != 0) {
    {
      SqliteStatement update(db, "UPDATE configs SET comment=? WHERE id=?");
      update.bindText(1, config.Comment);
      update.bindInt(2, found);
      run(db, update);
    }
    SqliteStatement update(db, "UPDATE paires SET valeur=? WHERE clef=? AND fkid=?");
    SqliteTransaction transaction(db);
    for (const TKeyVal& pair : keyVals) {
      update.bindText(1, pair.valeur);
      update.bindText(2, pair.clef);
      update.bindInt(3, found);
      run(db, update);
      update.reset();
    }
    transaction.commit();
    return found;
  }

  {
    SqliteStatement insert(db, "INSERT INTO configs (code, name, comment) VALUES (?,?,?)");
    insert.bindText(1, config.code);
    insert.bindText(2, config.Name);
    insert.bindText(3, config.Comment);
    run(db, insert);
  }
  const std::int64_t id = db.lastInsertRowId();
  SqliteTransaction transaction(db);
  {
    // Row ids of "configs" are given again after a delete; values left under
    // this id by an earlier program must not become this configuration's.
    SqliteStatement purge(db, "DELETE FROM paires WHERE fkid=?");
    purge.bindInt(1, id);
    run(db, purge);
  }
  SqliteStatement insert(db, "INSERT INTO paires (fkid, clef, valeur) VALUES (?,?,?)");
  for (const TKeyVal& pair : keyVals) {
    insert.bindInt(1, id);
    insert.bindText(2, pair.clef);
    insert.bindText(3, pair.valeur);
    run(db, insert);
    insert.reset();
  }
  transaction.commit();
  return id;
}

bool deleteCircuitConfig(std::int64_t id, const std::filesystem::path& folder) {
  SqliteConnection db = openConfigurations(folder);
  SqliteTransaction transaction(db);
  {
    SqliteStatement remove(db, "DELETE FROM configs WHERE id = ?");
    remove.bindInt(1, id);
    run(db, remove);
  }
  // The values go with their configuration, so an id given again later
  // starts without any.
  SqliteStatement values(db, "DELETE FROM paires WHERE fkid = ?");
  values.bindInt(1, id);
  run(db, values);
  transaction.commit();
  return true;
}

std::vector<TArrayCircuitConfig> getLibraryConfigs(const std::filesystem::path& folder) {
  std::vector<TArrayCircuitConfig> byCircuit(kCircuitCount + 1);
  SqliteConnection db = openConfigurations(folder);
  SqliteStatement select(db, "SELECT id, code, name FROM configs WHERE code=?");
  for (int n = 1; n <= kCircuitCount; ++n) {
    select.bindText(1, circuitCode(n));
    while (nextRow(db, select))
      byCircuit[n].push_back({select.columnInt(0), select.columnText(1), select.columnText(2), {}});
    select.reset();
  }
  return byCircuit;
}

} // namespace velmorin
