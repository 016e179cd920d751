// Circuit C10, the differential phase inverter with a constant-current tail:
// the long-tailed pair of C7 whose joined cathodes are fed by a current
// source, drawn with its source impedance Rk across it; both grids sit at the
// DC voltage Vg of the bias line.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC10() {
  SchematicBuilder b(510, 520);
  const DifferentialPair pair = differentialPair(b);

  // The tail: the current source, with its impedance Rk beside it.
  const PointF top{250, 390}, rk{432, 390};
  b.wire(pair.cathodes, top);
  b.junction(top);
  b.wire(top, rk);
  b.resistor(rk, {432, 450});
  b.ground({432, 450});
  b.ground({250, 470});
  b.currentArrow({230, 410}, {230, 434});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 262, 24, 1);
  b.editLeft("EdRa1", 108, 105, 3);
  b.editAbove("EdRo1", 100, 158);
  b.editLeft("EdIcs", 270, 430, 11);
  b.editAbove("EdVg", pair.bias.x, kBiasLineY - 10);
  b.editLeft("EdRk", 260, 404, 16);
  b.editLeft("EdRa2", 322, 105, 3);
  b.editLeft("EdRg", 40, 400, 2);
  b.editAbove("EdRo2", 400, 158);
  b.editAbove("EdCo2", 450, 158);
  b.editAbove("EdCo1", 50, 158);
  b.editAbove("EdCa1", 150, 158);
  b.editAbove("EdCa2", 350, 158);
  b.editAbove("EdCg", 72, 349);
  b.anchor("LBtube", 346, 316, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa1", 196, 176, 52, m::kLabelHeight);
  b.anchor("LabelVa2", 252, 176, 52, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk", 214, 348, 72, m::kLabelHeight, CaptionSide::Left, Anchor::Center);
  b.anchor("LabelIt", 138, 413, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa1", 208, 83, 60, m::kLabelHeight);
  b.anchor("LabelIa2", 232, 113, 60, m::kLabelHeight, CaptionSide::Left, Anchor::Right);

  b.currentSource(top, {250, 470});
  return b.finish();
}

} // namespace velmorin::drawings
