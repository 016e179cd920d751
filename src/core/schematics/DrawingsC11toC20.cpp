// The drawings of circuits C11 to C20, and the helpers they share.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/CircuitDrawings.h"
#include "schematics/ControlMetrics.h"

#include <algorithm>
#include <utility>

namespace velmorin::drawings {

void registerC11toC20(DrawingTable& table) {
  table[11] = drawC11;
  table[12] = drawC12;
  table[13] = drawC13;
  table[14] = drawC14;
  table[15] = drawC15;
  table[16] = drawC16;
  table[17] = drawC17;
  table[18] = drawC18;
  table[19] = drawC19;
  table[20] = drawC20;
}

namespace parts {

void editAboveWide(SchematicBuilder& b, std::string controlName, double centreX, double bottom,
                   double width) {
  width = std::max(width, metrics::kEditWidth);
  b.anchor(std::move(controlName), centreX - width / 2, bottom - metrics::kEditAboveHeight, width,
           metrics::kEditAboveHeight, CaptionSide::Above);
}

void valueLabel(SchematicBuilder& b, std::string controlName, double x, double y, double width,
                plot::Anchor align) {
  b.anchor(std::move(controlName), x, y, width, metrics::kLabelHeight, CaptionSide::Left, align);
}

} // namespace parts

} // namespace velmorin::drawings
