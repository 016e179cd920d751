#include "database/ModelEditorStore.h"
#include "database/BuiltInModels.h"
#include "database/ModelDatabase.h"

#include "DatabaseTestSupport.h"
#include "TempDataDir.h"

#include "database/DatabaseError.h"

#include <gtest/gtest.h>

namespace velmorin {
namespace {

using testing::rawRows;
using testing::TempDataDir;

TEST(ModelEditorStore, InsertLoadUpdateDelete) {
  TempDataDir dir;
  ensureModelDatabase();
  const TubeModel pentode{
      "My EL84", "line 1\r\nline 2", 111, 21, 17, 1.2, 400, 12, 0.065, 550, 4500, 1e-11, 1e-12, 5.1e-12, 5, 2,
      300};
  const std::int64_t id = insertModel(pentode);
  EXPECT_EQ(id, 30);
  EXPECT_EQ(findModelId("My EL84"), id);
  EXPECT_EQ(loadStoredModel("My EL84"), (StoredModel{id, pentode}));
  EXPECT_EQ(rawRows(dir.file("Velmorin-2.db")).back().t35Type, "integer");

  // An update rewrites everything but the kind.
  TubeModel changed{"Renamed", "", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 3, 13, 14};
  updateModel(id, changed);
  changed.t35 = 5;
  EXPECT_EQ(loadStoredModel("Renamed"), (StoredModel{id, changed}));
  EXPECT_EQ(findModelId("My EL84"), std::nullopt);

  deleteModel(id);
  EXPECT_EQ(loadStoredModel("Renamed"), std::nullopt);
  EXPECT_EQ(listAllModels().size(), 29u);
}

TEST(ModelEditorStore, LoadsBuiltInRowsWholeAndTriodesAsKind3) {
  TempDataDir dir;
  ensureModelDatabase();
  EXPECT_EQ(loadStoredModel("ECC86"), (StoredModel{6, builtInModels()[5]}));
  const TubeModel triode{"T", "", 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 3, 0, 0};
  const auto id = insertModel(triode);
  EXPECT_EQ(loadStoredModel("T")->model.t35, 3);
  EXPECT_EQ(listModelsOfType(3).size(), 22u);
  deleteModel(id + 100); // an id that does not exist removes nothing
  EXPECT_EQ(listAllModels().size(), 30u);
}

// A change that could not be stored is reported, not silently dropped.
TEST(ModelEditorStore, WriteThatFailsRaises) {
  TempDataDir dir;
  ensureModelDatabase();
  // SQLite cannot write its rollback journal where a folder stands.
  std::filesystem::create_directories(dir.file("Velmorin-2.db-journal") / "keep");
  const TubeModel triode{"T", "", 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 3, 0, 0};
  EXPECT_THROW(insertModel(triode), DatabaseError);
  EXPECT_THROW(updateModel(1, triode), DatabaseError);
  EXPECT_THROW(deleteModel(1), DatabaseError);
  std::filesystem::remove_all(dir.file("Velmorin-2.db-journal"));
  EXPECT_EQ(rawRows(dir.file("Velmorin-2.db")).size(), 29u);
  EXPECT_EQ(rawRows(dir.file("Velmorin-2.db")).front().model, builtInModels().front());
}

} // namespace
} // namespace velmorin
