// The model editor's access to the model table: load a whole row, test a
// name, insert, update and delete by row id. One connection per call.
#pragma once

#include "models/TubeModel.h"
#include "settings/DataFolder.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velmorin {

// A model row with its row id.
struct StoredModel {
  std::int64_t id = 0;
  TubeModel model; // name and comment included
  bool operator==(const StoredModel&) const = default;
};

// The whole row of the model of that name, or nothing.
std::optional<StoredModel> loadStoredModel(const std::string& name,
                                           const std::filesystem::path& folder = dataFolder());

// The row id of the model of that name, or nothing.
std::optional<std::int64_t> findModelId(const std::string& name,
                                        const std::filesystem::path& folder = dataFolder());

// Stores a new model; its kind is m.t35 (3 or 5). Returns the new row id.
std::int64_t insertModel(const TubeModel& m, const std::filesystem::path& folder = dataFolder());

// Rewrites every column of row `id` but its kind, which never changes.
void updateModel(std::int64_t id, const TubeModel& m, const std::filesystem::path& folder = dataFolder());

void deleteModel(std::int64_t id, const std::filesystem::path& folder = dataFolder());

} // namespace velmorin
