// How velmorin-cli prints a solve: plain text, the reports' HTML, or JSON
// carrying every field of the result; and the pictures as SVG files.
#pragma once

#include "solvers/SolveTypes.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace velmorin::cli {

nlohmann::json resultToJson(const SolveResult& r);
std::string resultToText(const SolveResult& r, const Locale& locale);
std::string resultToHtml(const SolveResult& r);

// Writes stack.svg, loadline-N.svg, bode.svg and trace-N.svg; returns the
// files written.
std::vector<std::filesystem::path> writeResultSvgs(const SolveResult& r, const std::filesystem::path& dir,
                                                   const Locale& locale);

} // namespace velmorin::cli
