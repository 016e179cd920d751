#include "database/Sqlite.h"
#include "database/DatabaseError.h"

#include "TempDataDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace velmorin {
namespace {

using testing::TempDataDir;

std::int64_t count(SqliteConnection& db) {
  SqliteStatement s(db, "SELECT count(*) FROM t");
  s.step();
  return s.columnInt(0);
}

TEST(Sqlite, FailingCallsRaiseWithSqliteMessage) {
  TempDataDir dir;
  SqliteConnection db(dir.file("x.db"));
  db.exec("CREATE TABLE t (a INTEGER, b TEXT)");
  const auto expectError = [](auto&& call, const std::string& text) {
    try {
      call();
      ADD_FAILURE() << "no error, expected " << text;
    } catch (const DatabaseError& e) {
      EXPECT_EQ(std::string(e.what()), text);
    }
  };
  expectError([&] { db.exec("SELEC 1"); }, "SQLite3 error: near \"SELEC\": syntax error");
  expectError([&] { SqliteStatement s(db, "SELECT nope FROM t"); }, "SQLite3 error: no such column: nope");
  expectError(
      [&] {
        SqliteStatement s(db, "INSERT INTO t VALUES (?,?)");
        s.bindInt(3, 1);
      },
      "SQLite3 error: column index out of range");
  expectError([&] { SqliteConnection missing(dir.path() / "absent" / "x.db"); },
              "SQLite3 error: unable to open database file");
}

TEST(Sqlite, BindsAndReadsByPosition) {
  TempDataDir dir;
  SqliteConnection db(dir.file("x.db"));
  db.exec("CREATE TABLE t (a INTEGER, b TEXT, c DOUBLE)");
  SqliteStatement insert(db, "INSERT INTO t VALUES (?,?,?)");
  insert.bindInt(1, 5000000000);
  insert.bindText(2, std::string("Fµ\0x", 5));
  insert.bindDouble(3, 4.3e-12);
  EXPECT_EQ(insert.step(), kSqliteDone);
  EXPECT_EQ(db.lastInsertRowId(), 1);
  insert.reset();
  EXPECT_EQ(insert.step(), kSqliteDone); // same values again
  EXPECT_EQ(db.lastInsertRowId(), 2);

  SqliteStatement read(db, "SELECT a,b,c,NULL FROM t");
  ASSERT_EQ(read.step(), kSqliteRow);
  EXPECT_EQ(read.columnInt(0), 5000000000);
  EXPECT_EQ(read.columnText(1), std::string("Fµ\0x", 5));
  EXPECT_EQ(read.columnDouble(2), 4.3e-12);
  EXPECT_EQ(read.columnText(3), "");
  EXPECT_EQ(read.columnDouble(3), 0.0);
  EXPECT_EQ(read.columnDouble(9), 0.0); // beyond the last column
  EXPECT_EQ(read.columnText(-1), "");
}

TEST(Sqlite, TransactionRollsBackUnlessEnded) {
  TempDataDir dir;
  SqliteConnection db(dir.file("x.db"));
  db.exec("CREATE TABLE t (a INTEGER)");
  try {
    SqliteTransaction transaction(db);
    db.exec("INSERT INTO t VALUES (1)");
    db.exec("INSERT INTO nowhere VALUES (2)");
    transaction.commit();
  } catch (const DatabaseError&) {
  }
  EXPECT_EQ(count(db), 0);
  {
    SqliteTransaction transaction(db);
    db.exec("INSERT INTO t VALUES (1)");
    transaction.commit();
  }
  EXPECT_EQ(count(db), 1);
  SqliteTransaction again(db); // the connection is usable for a new transaction
  again.commit();
}

TEST(Sqlite, WaitsForALockHeldByAnotherConnection) {
  TempDataDir dir;
  SqliteConnection holder(dir.file("x.db"));
  holder.exec("CREATE TABLE t (a INTEGER)");
  holder.exec("BEGIN EXCLUSIVE");
  holder.exec("INSERT INTO t VALUES (1)");
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    holder.exec("COMMIT");
  });
  SqliteConnection other(dir.file("x.db"));
  EXPECT_NO_THROW(other.exec("INSERT INTO t VALUES (2)"));
  release.join();
  EXPECT_EQ(count(other), 2);
}

} // namespace
} // namespace velmorin
