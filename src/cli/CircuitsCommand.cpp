#include "Commands.h"

#include "catalogue/Categories.h"
#include "catalogue/Circuits.h"
#include "solvers/Solve.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace velmorin::cli {

namespace {

std::vector<std::string> categoryNames(const CircuitInfo& c) {
  std::vector<std::string> out;
  for (const CategoryInfo& info : categories())
    if (info.category != Category::All && belongsTo(c.number, info.category))
      out.emplace_back(info.filterCaption);
  return out;
}

} // namespace

int runCircuits(const CircuitsOptions& options) {
  if (options.format == OutputFormat::Json) {
    nlohmann::json list = nlohmann::json::array();
    for (int n = 1; n <= kCircuitCount; ++n) {
      const CircuitInfo& c = circuitInfo(n);
      list.push_back({{"circuit", n},
                      {"code", circuitCode(n)},
                      {"title", std::string(c.title)},
                      {"categories", categoryNames(c)},
                      {"solver", isSolverAvailable(n)}});
    }
    std::cout << list.dump(2) << "\n";
    return 0;
  }
  for (int n = 1; n <= kCircuitCount; ++n) {
    const CircuitInfo& c = circuitInfo(n);
    std::string cats;
    for (const auto& name : categoryNames(c))
      cats += (cats.empty() ? "" : ", ") + name;
    std::cout << circuitCode(n) << "\t" << c.title << "\t" << cats
              << (isSolverAvailable(n) ? "" : "\t(no solver yet)") << "\n";
  }
  return 0;
}

} // namespace velmorin::cli
