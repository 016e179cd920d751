// The drawings of circuits C31 to C40, and the turned parts, loudspeaker and
// tube names they share.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/CircuitDrawings.h"
#include "schematics/ControlMetrics.h"

#include <type_traits>
#include <utility>
#include <variant>

namespace velmorin::drawings {

namespace c31to40 {

using plot::PointF;

namespace {

// Moves every point of the items of a scratch scene through `map`.
template <class Map> void appendMapped(std::vector<plot::Item>& out, plot::Scene parts, Map map) {
  for (plot::Item& item : parts.items) {
    std::visit(
        [&](auto& part) {
          using T = std::decay_t<decltype(part)>;
          if constexpr (std::is_same_v<T, plot::Line>) {
            part.a = map(part.a);
            part.b = map(part.b);
          } else if constexpr (std::is_same_v<T, plot::Polyline>) {
            for (PointF& p : part.points)
              p = map(p);
          } else if constexpr (std::is_same_v<T, plot::Text>) {
            part.pos = map(part.pos);
          }
        },
        item);
    out.push_back(std::move(item));
  }
}

auto mirrorAbout(double axisX) {
  return [axisX](PointF p) { return PointF{2 * axisX - p.x, p.y}; };
}

} // namespace

TriodePins TurnedParts::triodeFacingLeft(PointF centre, double radius) {
  SchematicBuilder scratch(1, 1);
  TriodePins pins = scratch.triode(centre, radius);
  const auto mirror = mirrorAbout(centre.x);
  appendMapped(items_, scratch.finish().scene, mirror);
  return {mirror(pins.anode), mirror(pins.grid), mirror(pins.cathode)};
}

PentodePins TurnedParts::pentodeFacingLeft(PointF centre, double radius) {
  SchematicBuilder scratch(1, 1);
  PentodePins pins = scratch.pentode(centre, radius);
  const auto mirror = mirrorAbout(centre.x);
  appendMapped(items_, scratch.finish().scene, mirror);
  return {mirror(pins.anode), mirror(pins.grid1), mirror(pins.grid2), mirror(pins.cathode)};
}

LyingTransformerPins TurnedParts::lyingTransformer(PointF c) {
  SchematicBuilder scratch(1, 1);
  const TransformerPins pins = scratch.transformer(c);
  // A quarter turn counter-clockwise on the screen: left goes down, top goes left.
  const auto turn = [c](PointF p) { return PointF{c.x + (p.y - c.y), c.y - (p.x - c.x)}; };
  appendMapped(items_, scratch.finish().scene, turn);
  return {turn(pins.primaryTop), turn(pins.primaryTap), turn(pins.primaryBottom), turn(pins.secondaryTop),
          turn(pins.secondaryBottom)};
}

void TurnedParts::addTo(Schematic& s) const {
  s.scene.items.insert(s.scene.items.end(), items_.begin(), items_.end());
}

void loudspeaker(SchematicBuilder& b, PointF lead) {
  const double x = lead.x, top = lead.y - 6;
  b.wire({{x, top}, {x + 10, top}, {x + 10, top + 24}, {x, top + 24}, {x, top}});
  b.wire({{x + 10, top}, {x + 24, top - 12}, {x + 24, top + 36}, {x + 10, top + 24}});
}

void parallelTubesList(SchematicBuilder& b, double x, double y) {
  constexpr double kWidth = 44;
  b.anchor("LBparallel", x, y, kWidth, metrics::kTubeListHeight);
  b.partName({x + kWidth + 6, y + 16}, "in parallel");
}

void yieldList(SchematicBuilder& b, double right, double y, const char* caption) {
  constexpr double kWidth = 58;
  b.anchor("LBYt", right - kWidth, y, kWidth, metrics::kTubeListHeight);
  b.partName({right - kWidth - 6, y + 16}, caption, plot::Anchor::Right);
}

} // namespace c31to40

void registerC31toC40(DrawingTable& table) {
  table[31] = drawC31;
  table[32] = drawC32;
  table[33] = drawC33;
  table[34] = drawC34;
  table[35] = drawC35;
  table[36] = drawC36;
  table[37] = drawC37;
  table[38] = drawC38;
  table[39] = drawC39;
  table[40] = drawC40;
}

} // namespace velmorin::drawings
