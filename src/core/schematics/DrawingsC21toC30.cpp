// The drawings of circuits C21 to C30 and their shared parts.
#include "schematics/DrawingsC21toC30.h"
#include "schematics/CircuitDrawings.h"

#include <utility>

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

} // namespace c21to30

} // namespace velmorin::drawings
