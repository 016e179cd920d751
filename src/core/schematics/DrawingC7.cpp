// Circuit C7, the differential phase inverter with a common cathode resistor
// (long-tailed pair): T1 takes the input, T2 has its grid on the bias line
// (Vbias), where T1's grid resistor also returns; the joined cathodes share
// Rk; each anode drives its own output, T1's to the left, T2's to the right.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
namespace m = metrics;
using namespace c2to10;

Schematic drawC7() {
  SchematicBuilder b(510, 520);
  const DifferentialPair pair = differentialPair(b);

  // The tail: Rk to ground.
  b.resistor(pair.cathodes, {250, 450});
  b.ground({250, 450});
  b.currentArrow({238, 398}, {238, 422});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 262, 24, 2);
  b.editAbove("EdCg", 72, 349);
  b.editAbove("EdVg", pair.bias.x, kBiasLineY - 10);
  b.editLeft("EdRk", 262, 410, 2);
  b.editLeft("EdRa1", 108, 105, 3);
  b.editLeft("EdRa2", 322, 105, 3);
  b.editAbove("EdRo1", 100, 158);
  b.editAbove("EdRo2", 400, 158);
  b.editAbove("EdCo2", 450, 158);
  b.editAbove("EcCo1", 50, 158);
  b.editLeft("EdRg", 40, 400, 2);
  b.editAbove("EdCa2", 350, 158);
  b.editAbove("EdCa1", 150, 158);
  b.anchor("LBtube", 176, 474, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa2", 252, 176, 52, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk", 214, 348, 72, m::kLabelHeight, CaptionSide::Left, Anchor::Center);
  b.anchor("LabelVa1", 196, 176, 52, m::kLabelHeight);
  b.anchor("LabelIt", 146, 401, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa2", 232, 113, 60, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa1", 208, 83, 60, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
