#include "solverwindow/ConfigurationCount.h"

#include "database/Sqlite.h"

namespace velmorin::gui {

int getCountConfigs(const std::string& code, const std::filesystem::path& folder) {
  SqliteConnection db(folder / kConfigurationsFile);
  db.exec("CREATE TABLE IF NOT EXISTS configs (id INTEGER PRIMARY KEY, code TEXT, name TEXT, comment TEXT)");
  db.exec("CREATE TABLE IF NOT EXISTS paires (fkid INTEGER, clef TEXT, valeur TEXT)");
  SqliteStatement count(db, "SELECT id FROM configs WHERE code=?");
  count.bindText(1, code);
  int n = 0;
  while (count.step() == kSqliteRow)
    ++n;
  return n;
}

} // namespace velmorin::gui
