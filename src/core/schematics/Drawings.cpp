#include "schematics/Drawings.h"

#include "schematics/CircuitDrawings.h"

#include <array>

namespace velmorin {

namespace {

using drawings::DrawFunction;

DrawFunction drawingOf(int n) {
  static const drawings::DrawingTable table = [] {
    drawings::DrawingTable t{};
    t[1] = drawings::drawC1;
    drawings::registerC2toC10(t);
    drawings::registerC11toC20(t);
    drawings::registerC21toC30(t);
    drawings::registerC31toC40(t);
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
