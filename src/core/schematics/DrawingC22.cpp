// Circuit C22, the cascode SRPP with fixed bias: T1 at the bottom with R1 in
// its cathode, T2 on top with its anode at the supply and its grid held at
// the fixed voltage Vg2; R2 joins T2's cathode, where the output is taken,
// to T1's anode.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC22() {
  SchematicBuilder b(500, 520);
  const double x = 300;

  // T2 from the supply, its grid on the fixed bias terminal.
  b.supply({x, 24});
  const TriodePins t2 = b.triode({x, 130}, kTubeRadius);
  b.wire({x, 28}, t2.anode);
  b.currentArrow({x - 12, 44}, {x - 12, 68});
  b.tubeName({x + 40, 112}, "T2");
  const PointF bias{150, 130};
  b.wire({bias.x + 4, bias.y}, t2.grid);
  b.terminal(bias);
  b.partName({bias.x, bias.y - 12}, "Vg2", plot::Anchor::Center);

  // R2 from T2's cathode, the output node, down to the middle node on T1's anode.
  const PointF k2{x, 190}, middle{x, 270};
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, middle);
  const TriodePins t1 = b.triode({x, 340}, kTubeRadius);
  b.wire(middle, t1.anode);
  b.tubeName({x + 40, 322}, "T1");

  // The signal drives T1's grid, which the source returns to ground.
  b.source({60, 340}, {60, 420});
  b.ground({60, 420});
  b.wire({60, 340}, t1.grid);

  // R1 from T1's cathode to ground.
  const PointF k1{x, 390};
  b.wire(t1.cathode, k1);
  b.resistor(k1, {x, 470});
  b.ground({x, 470});

  // Output: a coupling capacitor to the load Ro, the output terminal.
  const PointF out{420, 190};
  b.wire(k2, {350, 190});
  b.capacitor({350, 190}, {390, 190});
  b.wire({390, 190}, out);
  b.junction(out);
  b.resistor(out, {out.x, 300});
  b.ground({out.x, 300});
  b.wire(out, {466, 190});
  b.terminal({470, 190});
  b.partName({468, 178}, "Out", plot::Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdVb", x + 12, 24, 1);
  b.editLeft("EdR1", x + 12, 430, 2);
  b.editLeft("EdR2", x + 12, 230, 2);
  b.editLeft("EdVg2", bias.x - 10 - metrics::editLeftWidth(0), bias.y, 0);
  b.editLeft("EdRo", out.x + 12, 245, 2);
  tubeList(b, "LBtube", 110, 296);
  valueLeft(b, "LabelVk2", x - 8, 181);
  valueLeft(b, "LabelVa1", x - 8, 262);
  valueRight(b, "LabelVk1", x + 8, 386);
  valueLeft(b, "LabelI2", x - 22, 56, 86);
  return b.finish();
}

} // namespace velmorin::drawings
