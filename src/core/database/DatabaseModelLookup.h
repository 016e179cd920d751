// The model lookup the solvers use in the program: each find reads the model
// database of one data folder, with a connection of its own.
#pragma once

#include "models/ModelLookup.h"

#include <filesystem>

namespace velmorin {

class DatabaseModelLookup : public ModelLookup {
public:
  explicit DatabaseModelLookup(std::filesystem::path folder);
  // Raises DatabaseError when the database cannot be read.
  std::optional<TubeModel> find(const std::string& name) const override;

private:
  std::filesystem::path folder_;
};

} // namespace velmorin
