#include "Commands.h"

#include "database/ModelDatabase.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace velmorin::cli {

void printError(const std::string& message) {
  std::cerr << "velmorin-cli: " << message << "\n";
}

int runModels(const ModelsOptions& options) {
  // As at program start: convert a previous-version file, create a missing one.
  std::string update = ensureModelDatabase();
  if (!update.empty())
    std::cerr << update << "\n";
  std::vector<std::string> names;
  if (options.type == "triode")
    names = listModelsOfType(3);
  else if (options.type == "pentode")
    names = listModelsOfType(5);
  else
    names = listAllModels();
  if (options.format == OutputFormat::Json) {
    std::cout << nlohmann::json(names).dump(2) << "\n";
  } else {
    for (const auto& n : names)
      std::cout << n << "\n";
  }
  return 0;
}

} // namespace velmorin::cli
