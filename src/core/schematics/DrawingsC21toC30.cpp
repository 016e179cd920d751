// The drawings of circuits C21 to C30 and their shared parts.
#include "schematics/DrawingsC21toC30.h"
#include "schematics/CircuitDrawings.h"

#include <cmath>
#include <numbers>
#include <variant>

namespace velmorin::drawings {

void registerC21toC30(DrawingTable& table) {
  table[21] = drawC21;
  table[22] = drawC22;
  table[23] = drawC23;
  table[24] = drawC24;
  table[25] = drawC25;
  table[26] = drawC26;
  table[27] = drawC27;
  table[28] = drawC28;
  table[29] = drawC29;
  table[30] = drawC30;
}

namespace c21to30 {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

void valueRight(SchematicBuilder& b, std::string name, double x, double centreY, double width) {
  b.anchor(std::move(name), x, centreY - m::kLabelHeight / 2, width, m::kLabelHeight);
}

void valueLeft(SchematicBuilder& b, std::string name, double right, double centreY, double width) {
  b.anchor(std::move(name), right - width, centreY - m::kLabelHeight / 2, width, m::kLabelHeight,
           CaptionSide::Left, Anchor::Right);
}

void tubeList(SchematicBuilder& b, std::string name, double x, double y) {
  b.anchor(std::move(name), x, y, m::kTubeListWidth, m::kTubeListHeight);
}

void currentLoad(SchematicBuilder& b, PointF top, PointF bottom) {
  // The signal source's circle, drawn as short wires since the builder keeps
  // its circles inside its own parts, and an arrow through it.
  constexpr double kRadius = 14;
  constexpr int kSegments = 36;
  const PointF c{top.x, (top.y + bottom.y) / 2};
  b.wire(top, {c.x, c.y - kRadius});
  b.wire({c.x, c.y + kRadius}, bottom);
  for (int k = 0; k < kSegments; ++k) {
    const double a0 = 2 * std::numbers::pi * k / kSegments, a1 = 2 * std::numbers::pi * (k + 1) / kSegments;
    b.wire({c.x + kRadius * std::cos(a0), c.y + kRadius * std::sin(a0)},
           {c.x + kRadius * std::cos(a1), c.y + kRadius * std::sin(a1)});
  }
  b.currentArrow({c.x, c.y - 8}, {c.x, c.y + 8});
}

TriodePins MirroredTriodes::triode(PointF centre, double radius) {
  SchematicBuilder scratch(0, 0);
  const TriodePins pins = scratch.triode(centre, radius);
  auto mirror = [&](PointF p) { return PointF{2 * centre.x - p.x, p.y}; };
  for (plot::Item item : scratch.finish().scene.items) {
    if (auto* l = std::get_if<plot::Line>(&item)) {
      l->a = mirror(l->a);
      l->b = mirror(l->b);
    } else if (auto* p = std::get_if<plot::Polyline>(&item)) {
      for (PointF& q : p->points)
        q = mirror(q);
    }
    items_.push_back(std::move(item));
  }
  return {pins.anode, mirror(pins.grid), pins.cathode};
}

Schematic MirroredTriodes::finish(SchematicBuilder& b) const {
  Schematic s = b.finish();
  s.scene.items.insert(s.scene.items.end(), items_.begin(), items_.end());
  return s;
}

} // namespace c21to30

} // namespace velmorin::drawings
