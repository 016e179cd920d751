#include "database/DatabaseModelLookup.h"

#include "database/ModelDatabase.h"

namespace velmorin {

DatabaseModelLookup::DatabaseModelLookup(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::optional<TubeModel> DatabaseModelLookup::find(const std::string& name) const {
  return readTubeModel(name, folder_);
}

} // namespace velmorin
