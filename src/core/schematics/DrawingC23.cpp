// Circuit C23, the push-pull amplifier with DC feedback: the differential
// pair T1 and T2 shares Rk12; T1's grid takes the input voltage Vg1, T2's grid
// the output fed back through the divider Rf1 / Rf2. T2's anode drives the
// grid of T4, which stands on the sink T3; the output is their common node.
// T2 faces right so that the feedback reaches its grid without crossings.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC23() {
  SchematicBuilder b(520, 460);
  const double x1 = 100, x2 = 270, x3 = 440; // T1, T2, the output pair
  const double railY = 70, pairY = 220, cathodeY = 290;

  // The supply rail feeds both anode resistors and T4.
  b.supply({30, 24});
  b.wire({{30, 28}, {30, railY}, {x3, railY}});
  b.currentArrow({42, 38}, {42, 58});
  b.junction({x1, railY});
  b.junction({x2, railY});

  // The pair: Ra1 and Ra2 from the rail, common cathode resistor Rk12.
  const PointF a1{x1, 150}, a2{x2, 150};
  b.resistor({x1, railY}, a1);
  b.resistor({x2, railY}, a2);
  const TriodePins t1 = b.triode({x1, pairY}, kTubeRadius);
  const TriodePins t2 = b.mirroredTriode({x2, pairY}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.wire(a2, t2.anode);
  b.junction(a2);
  b.tubeName({x1 + 40, pairY - 18}, "T1");
  b.tubeName({x2 - 52, pairY - 18}, "T2");
  const PointF k12{185, cathodeY};
  b.wire({t1.cathode, {x1, cathodeY}, {x2, cathodeY}, t2.cathode});
  b.junction(k12);
  b.resistor(k12, {k12.x, 420});
  b.ground({k12.x, 420});
  b.currentArrow({x1 - 12, 262}, {x1 - 12, 282});
  b.currentArrow({x2 - 12, 262}, {x2 - 12, 282});
  b.currentArrow({k12.x - 12, 300}, {k12.x - 12, 320});

  // The input voltage on T1's grid.
  const PointF vg1{24, pairY};
  b.terminal(vg1);
  b.wire({vg1.x + 4, pairY}, t1.grid);
  b.partName({vg1.x, pairY - 12}, "Vg1", plot::Anchor::Center);

  // Output pair: T4 from the rail, its grid on T2's anode; T3 below it,
  // grid at ground, Rk3 in its cathode.
  const TriodePins t4 = b.triode({x3, 150}, kTubeRadius);
  b.wire({x3, railY}, t4.anode);
  b.wire(a2, t4.grid);
  b.currentArrow({x3 + 12, 78}, {x3 + 12, 98});
  b.tubeName({x3 + 40, 132}, "T4");
  const PointF out{x3, pairY};
  b.wire(t4.cathode, out);
  b.junction(out);
  const TriodePins t3 = b.triode({x3, 300}, kTubeRadius);
  b.wire(out, t3.anode);
  b.tubeName({x3 + 40, 282}, "T3");
  b.wire({t3.grid, {390, 300}, {390, 310}});
  b.ground({390, 310});
  const PointF k3{x3, 356};
  b.wire(t3.cathode, k3);
  b.resistor(k3, {x3, 440});
  b.ground({x3, 440});
  b.currentArrow({x3 + 12, 362}, {x3 + 12, 382});
  b.wire(out, {496, pairY});
  b.terminal({500, pairY});
  b.partName({498, pairY - 12}, "Out", plot::Anchor::Center);

  // Feedback: Rf1 from the output to T2's grid, Rf2 from there to ground.
  const PointF tap{340, pairY};
  b.wire(t2.grid, tap);
  b.junction(tap);
  b.resistor(out, tap);
  b.resistor(tap, {tap.x, 330});
  b.ground({tap.x, 330});
  b.currentArrow({tap.x - 12, 296}, {tap.x - 12, 316});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 42, 24, 21);
  b.editLeft("EdRa1", x1 + 12, 110, 3);
  b.editLeft("EdRa2", x2 + 12, 110, 3);
  b.editLeft("EdRk3", x3 - 8 - metrics::editLeftWidth(3), 410, 3);
  b.editAbove("EdRf1", 380, 212);
  b.editLeft("EdRk12", k12.x + 12, 360, 4);
  b.editAbove("EdRf2", tap.x, 390);
  b.editLeft("EdVg1", 10, pairY + 19, 0);
  tubeList(b, "LBtube1", 112, 160);
  tubeList(b, "LBtube2", 360, 20);
  valueRight(b, "LabelItot", 50, 48, 76);
  valueRight(b, "LabelVo", x3 + 8, pairY + 15);
  valueRight(b, "LabelVk3", x3 + 8, 347);
  valueRight(b, "LabelVg2", tap.x + 8, pairY + 15);
  valueRight(b, "LabelVk12", k12.x + 8, 305, 56);
  valueLeft(b, "LabelVa1", x1 - 8, 160);
  valueRight(b, "LabelVa2", x2 + 8, 140);
  valueLeft(b, "LabelI1", x1 - 20, 272);
  valueLeft(b, "LabelI2", x2 - 20, 272);
  valueRight(b, "LabelI4", x3 + 20, 88, 60);
  valueLeft(b, "LabelIf12", tap.x - 20, 306);
  valueLeft(b, "LabelI12", k12.x - 20, 310);
  valueRight(b, "LabelI3", x3 + 20, 372, 60);
  return b.finish();
}

} // namespace velmorin::drawings
