#include "configurations/CircuitConfigs.h"

#include "database/DatabaseError.h"
#include "database/Sqlite.h"

#include "TempDataDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmorin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TempDataDir;

TKeyVal kv(const char* clef, const char* valeur) {
  return {0, clef, valeur};
}

TEST(CircuitConfigs, AFreshFolderGetsTheFileWithBothTablesAndNoConfiguration) {
  TempDataDir dir;
  EXPECT_EQ(getCountConfigs("C1", dir.path()), 0);
  EXPECT_THAT(getCircuitConfigs("C1", dir.path()), IsEmpty());
  EXPECT_THAT(getKeyVal(1, dir.path()), IsEmpty());
  ASSERT_TRUE(std::filesystem::exists(dir.file("Circuits_Configs.db")));
  SqliteConnection db(dir.file("Circuits_Configs.db"));
  SqliteStatement tables(db, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
  std::vector<std::string> names;
  while (tables.step() == kSqliteRow)
    names.push_back(tables.columnText(0));
  EXPECT_THAT(names, ElementsAre("configs", "paires"));
}

TEST(CircuitConfigs, ANewConfigurationKeepsItsValuesInOrderUnderItsOwnCode) {
  TempDataDir dir;
  const auto first =
      saveConfig({0, "C12", "bright", "more treble"},
                 {kv("EdVb", "300"), kv("LBtube", "ECC83 / 12AX7"), kv("EdRa", "4k7")}, dir.path());
  const auto second = saveConfig({0, "C12", "warm", ""}, {kv("EdVb", "250")}, dir.path());
  saveConfig({0, "C1", "bright", "other circuit"}, {kv("EdVb", "200")}, dir.path());

  EXPECT_NE(first, second);
  EXPECT_EQ(getCountConfigs("C12", dir.path()), 2);
  EXPECT_EQ(getCountConfigs("C1", dir.path()), 1);
  EXPECT_EQ(getCountConfigs("C2", dir.path()), 0);
  EXPECT_THAT(getCircuitConfigs("C12", dir.path()),
              ElementsAre(TCircuitConfig{first, "C12", "bright", "more treble"},
                          TCircuitConfig{second, "C12", "warm", ""}));
  // The results carry no fkid: the caller knows which configuration it asked for.
  EXPECT_THAT(getKeyVal(first, dir.path()),
              ElementsAre(kv("EdVb", "300"), kv("LBtube", "ECC83 / 12AX7"), kv("EdRa", "4k7")));
  EXPECT_THAT(getKeyVal(second, dir.path()), ElementsAre(kv("EdVb", "250")));
}

TEST(CircuitConfigs, SavingUnderAStoredNameOverwritesOnlyTheKeysItAlreadyHas) {
  TempDataDir dir;
  const auto id = saveConfig({0, "C1", "test", "old"}, {kv("EdVb", "250"), kv("EdRa", "100k")}, dir.path());
  const auto again = saveConfig({0, "C1", "test", "new"}, {kv("EdVb", "300"), kv("EdRk", "1k5")}, dir.path());
  EXPECT_EQ(again, id);
  EXPECT_THAT(getCircuitConfigs("C1", dir.path()), ElementsAre(TCircuitConfig{id, "C1", "test", "new"}));
  // EdRk is not added; EdRa, no longer given, stays.
  EXPECT_THAT(getKeyVal(id, dir.path()), ElementsAre(kv("EdVb", "300"), kv("EdRa", "100k")));
}

TEST(CircuitConfigs, ANameStoredOnlyForAnotherCircuitMakesANewConfiguration) {
  TempDataDir dir;
  const auto other = saveConfig({0, "C2", "test", "C2's"}, {kv("EdVb", "250")}, dir.path());
  const auto mine = saveConfig({0, "C1", "test", "C1's"}, {kv("EdVb", "300")}, dir.path());
  EXPECT_NE(mine, other);
  EXPECT_THAT(getCircuitConfigs("C2", dir.path()), ElementsAre(TCircuitConfig{other, "C2", "test", "C2's"}));
  EXPECT_THAT(getKeyVal(other, dir.path()), ElementsAre(kv("EdVb", "250")));
}

TEST(CircuitConfigs, DeletingTakesTheValuesAlongSoAReusedIdStartsEmpty) {
  TempDataDir dir;
  const auto keep = saveConfig({0, "C1", "keep", ""}, {kv("EdVb", "250")}, dir.path());
  const auto gone = saveConfig({0, "C1", "gone", ""}, {kv("EdVb", "300"), kv("EdRa", "1k")}, dir.path());
  EXPECT_TRUE(deleteCircuitConfig(gone, dir.path()));
  EXPECT_THAT(getCircuitConfigs("C1", dir.path()), ElementsAre(TCircuitConfig{keep, "C1", "keep", ""}));
  EXPECT_THAT(getKeyVal(gone, dir.path()), IsEmpty());
  EXPECT_TRUE(deleteCircuitConfig(9999, dir.path())); // nothing to delete is no error

  // SQLite gives the highest row id again; the new configuration has only its own values.
  const auto reused = saveConfig({0, "C5", "new", ""}, {kv("EdRk", "2k")}, dir.path());
  EXPECT_EQ(reused, gone);
  EXPECT_THAT(getKeyVal(reused, dir.path()), ElementsAre(kv("EdRk", "2k")));
}

TEST(CircuitConfigs, ValuesLeftUnderAnIdByAnEarlierProgramAreNotInherited) {
  TempDataDir dir;
  const auto id = saveConfig({0, "C1", "a", ""}, {kv("EdVb", "250")}, dir.path());
  {
    // A delete that left the values behind, as a program without the cleanup would.
    SqliteConnection db(dir.file("Circuits_Configs.db"));
    db.exec("DELETE FROM configs WHERE id = " + std::to_string(id));
  }
  const auto fresh = saveConfig({0, "C1", "b", ""}, {kv("EdRa", "47k")}, dir.path());
  ASSERT_EQ(fresh, id);
  EXPECT_THAT(getKeyVal(fresh, dir.path()), ElementsAre(kv("EdRa", "47k")));
}

TEST(CircuitConfigs, TheLibraryListsEachCircuitsConfigurationsByExactCode) {
  TempDataDir dir;
  const auto c12 = saveConfig({0, "C12", "twelve", "comment not read"}, {}, dir.path());
  const auto c1a = saveConfig({0, "C1", "one a", ""}, {}, dir.path());
  const auto c1b = saveConfig({0, "C1", "one b", ""}, {}, dir.path());
  saveConfig({0, "C41", "no such circuit", ""}, {}, dir.path());
  const auto byCircuit = getLibraryConfigs(dir.path());
  ASSERT_EQ(byCircuit.size(), 41u);
  EXPECT_THAT(byCircuit[1],
              ElementsAre(TCircuitConfig{c1a, "C1", "one a", ""}, TCircuitConfig{c1b, "C1", "one b", ""}));
  EXPECT_THAT(byCircuit[12], ElementsAre(TCircuitConfig{c12, "C12", "twelve", ""}));
  for (int n : {0, 2, 40})
    EXPECT_THAT(byCircuit[n], IsEmpty()) << n;
}

TEST(CircuitConfigs, AFileThatCannotBeOpenedRaisesTheSqliteError) {
  TempDataDir dir;
  std::filesystem::create_directory(dir.file("Circuits_Configs.db"));
  try {
    getCountConfigs("C1", dir.path());
    FAIL() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("SQLite3 error: ", 0), 0u) << e.what();
  }
  EXPECT_THROW(saveConfig({0, "C1", "x", ""}, {kv("EdVb", "1")}, dir.path()), DatabaseError);
  EXPECT_THROW(getLibraryConfigs(dir.path()), DatabaseError);
}

} // namespace
} // namespace velmorin
