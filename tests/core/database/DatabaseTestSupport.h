// Helpers for the model database tests: raw reads of a database file and
// file bytes, independent of the code under test's own queries.
#pragma once

#include "database/Sqlite.h"
#include "models/TubeModel.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmorin::testing {

struct RawRow {
  std::int64_t id;
  TubeModel model;
  std::string t35Type; // SQLite's storage class of the t35 column
};

// Every row of the model table in row-id order, read by column name.
inline std::vector<RawRow> rawRows(const std::filesystem::path& file) {
  SqliteConnection db(file);
  SqliteStatement s(db,
                    "SELECT id,name,comment,kp,mu,kvb,ex,kg1,pmax,imax,vmax,kg2,cgk,cga,cak,t35,pemax,vemax,"
                    "typeof(t35) FROM triodes ORDER BY id");
  std::vector<RawRow> rows;
  while (s.step() == kSqliteRow) {
    RawRow r;
    r.id = s.columnInt(0);
    TubeModel& m = r.model;
    m.name = s.columnText(1);
    m.comment = s.columnText(2);
    double* fields[] = {&m.kp,   &m.mu,   &m.kvb, &m.ex,  &m.kg1, &m.pmax,
                        &m.imax, &m.vmax, &m.kg2, &m.cgk, &m.cga, &m.cak};
    for (int i = 0; i < 12; ++i)
      *fields[i] = s.columnDouble(3 + i);
    m.t35 = static_cast<int>(s.columnInt(15));
    m.pemax = s.columnDouble(16);
    m.vemax = s.columnDouble(17);
    r.t35Type = s.columnText(18);
    rows.push_back(r);
  }
  return rows;
}

inline std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A file of the previous version: eleven columns, triodes only.
inline void createVersion1File(const std::filesystem::path& file, const std::vector<TubeModel>& models) {
  SqliteConnection db(file);
  db.exec(
      "CREATE TABLE triodes (id INTEGER PRIMARY KEY,name TEXT,comment TEXT,kp DOUBLE,mu DOUBLE,kvb DOUBLE,"
      "ex DOUBLE,kg1 DOUBLE,pmax DOUBLE,imax DOUBLE,vmax DOUBLE)");
  SqliteStatement insert(db, "INSERT INTO triodes (name,comment,kp,mu,kvb,ex,kg1,pmax,imax,vmax) "
                             "VALUES (?,?,?,?,?,?,?,?,?,?)");
  SqliteTransaction transaction(db);
  for (const TubeModel& m : models) {
    insert.bindText(1, m.name);
    insert.bindText(2, m.comment);
    const double values[] = {m.kp, m.mu, m.kvb, m.ex, m.kg1, m.pmax, m.imax, m.vmax};
    for (int i = 0; i < 8; ++i)
      insert.bindDouble(3 + i, values[i]);
    insert.step();
    insert.reset();
  }
  transaction.commit();
}

} // namespace velmorin::testing
