#include "database/ModelDatabase.h"
#include "database/BuiltInModels.h"
#include "database/DatabaseError.h"
#include "database/DatabaseModelLookup.h"
#include "database/ModelEditorStore.h"

#include "DatabaseTestSupport.h"
#include "TempDataDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmorin {
namespace {

using testing::createVersion1File;
using testing::fileBytes;
using testing::rawRows;
using testing::TempDataDir;
using testing::writeBytes;

std::vector<std::string> builtInNames() {
  std::vector<std::string> names;
  for (const TubeModel& m : builtInModels())
    names.push_back(m.name);
  return names;
}

std::string firstLine(const std::string& comment) {
  return comment.substr(0, comment.find("\r\n"));
}

TEST(ModelDatabase, FileNamesAndVersions) {
  TempDataDir dir;
  EXPECT_EQ(modelDbFileName(2), "Velmorin-2.db");
  EXPECT_EQ(modelDbFileName(1), "Velmorin-1.db");
  EXPECT_EQ(existingModelDbVersion(), 0);
  writeBytes(dir.file("Velmorin-1.db"), "");
  EXPECT_EQ(existingModelDbVersion(), 1);
  writeBytes(dir.file("Velmorin-2.db"), "");
  EXPECT_EQ(existingModelDbVersion(), 2);
}

// Rows of the built-in table checked against values typed independently of
// the table in the code (capacitances in pF).
TEST(ModelDatabase, BuiltInRowsCarryTheStatedValues) {
  const struct {
    std::size_t index;
    TubeModel expected;
  } cases[] = {
      {0,
       {"ECC81 / 12AT7", "ECC81 built-in", 282, 71, 1, 1.03, 168, 2.5, 0.015, 300, 0, 3e-12, 2e-12, 1e-13, 3,
        0, 0}},
      {7,
       {"ECC99", "ECC99 built-in", 170, 23.6, 224.7, 1.484, 437.25, 5, 0.05, 400, 0, 1e-12, 1e-12, 1e-12, 3,
        0, 0}},
      {17,
       {"ECF83",
        "ECF83 built-in\r\nTriode section, Universal Vademecum (1960)\r\nSOA data unknown, so copied from "
        "ECF86",
        69.3, 11.83, 300, 1.052, 521.1, 1.5, 0.015, 125, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0}},
      {20, {"2A3", "2A3 built-in", 60, 4.2, 300, 1.4, 1500, 15, 0.2, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0}},
      {21,
       {"EF86", "EF86 built-in\r\nPhilips data sheet AKA 6CF8 and 6267 Z729 EF806", 222.06, 34.9, 4.7, 1.35,
        2648.1, 1, 0.006, 300, 4627, 4.3e-12, 6e-13, 5.5e-12, 5, 0.2, 200}},
      {24,
       {"6V6-GTA", "6V6 built-in\r\n6V6-GTA  1 2 3 4 ; A G2 G1 C (Beam Tetrode) AKA 6V6 6V6-GT EL90", 41.16,
        10.7, 12.7, 1.31, 1672, 14, 0.115, 350, 4500, 4.3e-12, 6e-13, 5.1e-12, 5, 2.2, 315}},
      {28,
       {"6550", "6550 built-in\r\n6550 Beam Tetrode Tung-Sol Data Book 1963", 39.55, 8.61, 20.5, 1.435,
        1066.6, 42, 0.19, 660, 4500, 1.5e-11, 8e-13, 1e-11, 5, 6, 440}},
  };
  const auto& models = builtInModels();
  ASSERT_EQ(models.size(), 29u);
  for (const auto& c : cases)
    EXPECT_EQ(models[c.index], c.expected) << c.expected.name;
  for (std::size_t i = 0; i < models.size(); ++i) {
    EXPECT_EQ(models[i].t35, i < kBuiltInTriodeCount ? 3 : 5) << models[i].name;
    EXPECT_TRUE(isEvaluable(models[i])) << models[i].name;
    const std::string type =
        models[i].name == "6V6-GTA" ? "6V6" : models[i].name.substr(0, models[i].name.find(' '));
    EXPECT_EQ(firstLine(models[i].comment), type + " built-in");
  }
  EXPECT_TRUE(isBuiltInTriodeName("2A3"));
  EXPECT_TRUE(isBuiltInTriodeName("ECC83 / 12AX7"));
  EXPECT_FALSE(isBuiltInTriodeName("ecc83 / 12ax7"));
  EXPECT_FALSE(isBuiltInTriodeName("EL34"));
}

TEST(ModelDatabase, FirstRunCreatesTheBuiltInModelsInTableOrder) {
  TempDataDir dir;
  EXPECT_EQ(ensureModelDatabase(), "");
  const auto rows = rawRows(dir.file("Velmorin-2.db"));
  ASSERT_EQ(rows.size(), 29u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].model, builtInModels()[i]);
    EXPECT_EQ(rows[i].t35Type, "integer");
  }

  std::vector<std::string> sorted = builtInNames();
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(listAllModels(), sorted);
  EXPECT_EQ(listAllModels().front(), "12AY7");
  EXPECT_EQ(listModelsOfType(3).size(), 21u);
  EXPECT_EQ(listModelsOfType(5),
            (std::vector<std::string>{"5881", "6550", "6V6-GTA", "EF86", "EL34", "EL84", "KT66", "KT88"}));
  EXPECT_TRUE(listModelsOfType(4).empty());

  // A second start changes nothing.
  EXPECT_EQ(ensureModelDatabase(), "");
  EXPECT_EQ(rawRows(dir.file("Velmorin-2.db")).size(), 29u);
}

TEST(ModelDatabase, ConvertsAVersion1FileOnce) {
  TempDataDir dir;
  const TubeModel mine{"MyTube", "mine\r\nsecond line", 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 0.0075, 8.5};
  const TubeModel oddEcc83{"ECC83 / 12AX7", "old", 11, 12, 13, 14, 15, 16, 17, 18};
  createVersion1File(dir.file("Velmorin-1.db"), {mine, oddEcc83});

  EXPECT_EQ(ensureModelDatabase(),
            "Velmorin database was successfully updated.\n\nYour custom models of triodes - "
            "if any - are kept, you may update them with interelectrodes capacitances\n\n"
            "You may now create customised models of pentodes");
  EXPECT_FALSE(std::filesystem::exists(dir.file("Velmorin-1.db")));
  EXPECT_EQ(ensureModelDatabase(), "");

  const auto rows = rawRows(dir.file("Velmorin-2.db"));
  ASSERT_EQ(rows.size(), 30u);
  TubeModel converted = mine;
  converted.t35 = 3; // kg2, capacitances and screen limits stay 0
  EXPECT_EQ(rows[0].model, converted);
  EXPECT_EQ(rows[0].t35Type, "integer");
  for (std::size_t i = 0; i < 29; ++i)
    EXPECT_EQ(rows[i + 1].model, builtInModels()[i]);
}

TEST(ModelDatabase, BothFilesPresentConvertsNothing) {
  TempDataDir dir;
  ensureModelDatabase();
  createVersion1File(dir.file("Velmorin-1.db"), {{"MyTube", "", 1, 2, 3, 4, 5, 6, 7, 8}});
  const std::string before = fileBytes(dir.file("Velmorin-1.db"));

  EXPECT_FALSE(upgradeModelDatabase());
  EXPECT_EQ(ensureModelDatabase(), "");
  EXPECT_EQ(fileBytes(dir.file("Velmorin-1.db")), before);
  EXPECT_EQ(listAllModels().size(), 29u);
  EXPECT_EQ(readTubeModel("MyTube"), std::nullopt);
}

TEST(ModelDatabase, RestoresOnlyMissingBuiltInModels) {
  TempDataDir dir;
  ensureModelDatabase();
  EXPECT_TRUE(insertBuiltInModels().empty());

  const auto el34 = findModelId("EL34");
  ASSERT_TRUE(el34);
  deleteModel(*el34);
  // A renamed built-in model is no longer recognised as one.
  auto ecc83 = loadStoredModel("ECC83 / 12AX7");
  ASSERT_TRUE(ecc83);
  ecc83->model.name = "My ECC83";
  ecc83->model.kp = 777;
  updateModel(ecc83->id, ecc83->model);

  EXPECT_EQ(insertBuiltInModels(), (std::vector<std::string>{"ECC83 / 12AX7", "EL34"}));
  const auto rows = rawRows(dir.file("Velmorin-2.db"));
  ASSERT_EQ(rows.size(), 30u);
  EXPECT_EQ(rows[28].model, builtInModels()[2]);
  EXPECT_EQ(rows[29].model, builtInModels()[22]);
  EXPECT_GT(rows[29].id, 29);
  EXPECT_EQ(loadStoredModel("My ECC83")->id, ecc83->id);
  EXPECT_EQ(loadStoredModel("My ECC83")->model.kp, 777);
  EXPECT_TRUE(insertBuiltInModels().empty());
}

TEST(ModelDatabase, ReadsTubeModelsByName) {
  TempDataDir dir;
  ensureModelDatabase();
  TubeModel el34 = builtInModels()[22];
  el34.comment.clear(); // the tube's read does not fetch the comment
  EXPECT_EQ(readTubeModel("EL34"), el34);
  EXPECT_EQ(readTubeModel("el34"), std::nullopt);
  EXPECT_EQ(readTubeModel(""), std::nullopt);

  const DatabaseModelLookup lookup(dir.path());
  EXPECT_EQ(lookup.find("EL34"), el34);
  EXPECT_EQ(lookup.find("No such tube"), std::nullopt);
}

// Every operation on a file that is not a database fails with SQLite's
// message and leaves the file as it was.
TEST(ModelDatabase, CorruptFileRaisesAndStaysUntouched) {
  TempDataDir dir;
  std::string garbage;
  for (int i = 0; i < 300; ++i)
    garbage += "this is not a database file ";
  writeBytes(dir.file("Velmorin-2.db"), garbage);

  const std::vector<std::pair<const char*, std::function<void()>>> operations = {
      {"listAllModels", [] { listAllModels(); }},
      {"listModelsOfType", [] { listModelsOfType(3); }},
      {"insertBuiltInModels", [] { insertBuiltInModels(); }},
      {"readTubeModel", [] { readTubeModel("EL34"); }},
      {"lookup", [&] { DatabaseModelLookup(dir.path()).find("EL34"); }},
      {"loadStoredModel", [] { loadStoredModel("EL34"); }},
      {"findModelId", [] { findModelId("EL34"); }},
      {"insertModel", [] { insertModel(builtInModels()[0]); }},
      {"updateModel", [] { updateModel(1, builtInModels()[0]); }},
      {"deleteModel", [] { deleteModel(1); }},
  };
  for (const auto& [name, operation] : operations) {
    try {
      operation();
      ADD_FAILURE() << name << " raised nothing";
    } catch (const DatabaseError& e) {
      EXPECT_EQ(std::string(e.what()), "SQLite3 error: file is not a database") << name;
    }
    EXPECT_EQ(fileBytes(dir.file("Velmorin-2.db")), garbage) << name;
  }
  EXPECT_EQ(ensureModelDatabase(), ""); // the start does not look inside an existing file
  EXPECT_EQ(fileBytes(dir.file("Velmorin-2.db")), garbage);
}

// A previous-version file that cannot be read is kept for a later attempt, and
// no current file is left behind to stop that attempt.
TEST(ModelDatabase, FailedConversionKeepsThePreviousFile) {
  const std::vector<std::pair<const char*, std::function<void(const TempDataDir&)>>> obstacles = {
      {"garbage", [](const auto& dir) { writeBytes(dir.file("Velmorin-1.db"), std::string(4096, 'x')); }},
      {"other table",
       [](const auto& dir) {
         SqliteConnection db(dir.file("Velmorin-1.db"));
         db.exec("CREATE TABLE models (id INTEGER PRIMARY KEY, name TEXT)");
       }},
      {"new file not writable",
       [](const auto& dir) {
         createVersion1File(dir.file("Velmorin-1.db"), {{"MyTube", "", 1, 2, 3, 4, 5, 6, 7, 8}});
         // SQLite cannot write its rollback journal where a folder stands.
         std::filesystem::create_directory(dir.file("Velmorin-2.db-journal"));
         std::filesystem::create_directory(dir.file("Velmorin-2.db-journal") / "keep");
       }},
      {"damaged in the middle",
       [](const auto& dir) {
         std::vector<TubeModel> many;
         for (int i = 0; i < 400; ++i)
           many.push_back({"Custom " + std::to_string(i), std::string(200, 'c'), 1, 2, 3, 4, 5, 6, 7, 8});
         createVersion1File(dir.file("Velmorin-1.db"), many);
         // The schema on the first page stays readable; a data page further
         // on is destroyed, so reading stops half-way with an error.
         std::string bytes = fileBytes(dir.file("Velmorin-1.db"));
         ASSERT_GT(bytes.size(), 12u * 4096u);
         std::fill(bytes.begin() + 10 * 4096, bytes.begin() + 11 * 4096, '\xFF');
         writeBytes(dir.file("Velmorin-1.db"), bytes);
       }},
  };
  for (const auto& [name, obstacle] : obstacles) {
    TempDataDir dir;
    obstacle(dir);
    const std::string before = fileBytes(dir.file("Velmorin-1.db"));
    try {
      ensureModelDatabase();
      ADD_FAILURE() << name << ": no error";
    } catch (const DatabaseError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("SQLite3 error: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(fileBytes(dir.file("Velmorin-1.db")), before) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.file("Velmorin-2.db"))) << name;
  }
}

TEST(ModelDatabase, FailedFirstRunLeavesNoFileBehind) {
  TempDataDir dir;
  std::filesystem::create_directory(dir.file("Velmorin-2.db-journal"));
  std::filesystem::create_directory(dir.file("Velmorin-2.db-journal") / "keep");
  EXPECT_THROW(ensureModelDatabase(), DatabaseError);
  EXPECT_FALSE(std::filesystem::exists(dir.file("Velmorin-2.db")));
  // Once the obstacle is gone the next start builds the file in full.
  std::filesystem::remove_all(dir.file("Velmorin-2.db-journal"));
  EXPECT_EQ(ensureModelDatabase(), "");
  EXPECT_EQ(listAllModels().size(), 29u);
}

TEST(ModelDatabase, MissingDataFolderIsReportedBySqlite) {
  TempDataDir dir;
  const auto absent = dir.path() / "absent";
  try {
    ensureModelDatabase(absent);
    ADD_FAILURE() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_EQ(std::string(e.what()), "SQLite3 error: unable to open database file");
  }
  EXPECT_FALSE(std::filesystem::exists(absent));
}

} // namespace
} // namespace velmorin
