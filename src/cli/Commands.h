// The verbs of velmorin-cli. Each returns the process exit status: 0 done,
// 2 refused or invalid input, 1 a failure of the system (files, database).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmorin::cli {

enum class OutputFormat { Text, Html, Json };

struct ModelsOptions {
  std::string type; // "", "triode" or "pentode"
  OutputFormat format = OutputFormat::Text;
};
int runModels(const ModelsOptions& options);

struct PointOptions {
  std::string model;
  std::string vak, vgk, vg2;
  OutputFormat format = OutputFormat::Text;
};
int runPoint(const PointOptions& options);

struct CircuitsOptions {
  OutputFormat format = OutputFormat::Text;
};
int runCircuits(const CircuitsOptions& options);

struct SolveOptionsCli {
  std::string circuit; // "C<n>"
  std::string tube, tube1, tube2;
  std::vector<std::string> sets;  // "EdName=value"
  std::vector<std::string> ticks; // "CheckBoxName"
  std::optional<double> fmin, fmax, feedback, stray;
  bool ignoreMiller = false;
  std::string time;
  OutputFormat format = OutputFormat::Text;
  std::string svgDir;
};
int runSolve(const SolveOptionsCli& options);

// Prints "velmorin-cli: <message>" on standard error.
void printError(const std::string& message);

} // namespace velmorin::cli
