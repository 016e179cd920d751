// Where solvers get tube models by name. Production code backs it with the
// model database; tests hand models directly.
#pragma once

#include "models/TubeModel.h"

#include <map>
#include <optional>
#include <string>

namespace velmorin {

class ModelLookup {
public:
  virtual ~ModelLookup() = default;
  // The model of that name, or nothing when there is none.
  virtual std::optional<TubeModel> find(const std::string& name) const = 0;
};

// A lookup over models held in memory.
class MapModelLookup : public ModelLookup {
public:
  MapModelLookup() = default;
  void add(const TubeModel& m) { models_[m.name] = m; }
  std::optional<TubeModel> find(const std::string& name) const override {
    auto it = models_.find(name);
    if (it == models_.end())
      return std::nullopt;
    return it->second;
  }

private:
  std::map<std::string, TubeModel> models_;
};

} // namespace velmorin
