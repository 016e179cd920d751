#include "schematics/Drawings.h"

#include "schematics/CircuitDrawings.h"

#include <array>

namespace velmorin {

namespace {

using DrawFunction = Schematic (*)();

DrawFunction drawingOf(int n) {
  static const std::array<DrawFunction, 41> table = [] {
    std::array<DrawFunction, 41> t{};
    t[1] = drawings::drawC1;
    return t;
  }();
  return n >= 1 && n <= 40 ? table[static_cast<std::size_t>(n)] : nullptr;
}

} // namespace

std::optional<Schematic> circuitSchematic(int n) {
  if (DrawFunction f = drawingOf(n))
    return f();
  return std::nullopt;
}

bool hasSchematic(int n) {
  return drawingOf(n) != nullptr;
}

} // namespace velmorin
