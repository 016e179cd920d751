// Circuit C21, the double cascode: a half-mu first stage (T1 at the bottom
// with R1 in its cathode, T2 on top with R2 down to the middle node) drives,
// DC coupled from that middle node, the grid of T4, the cathode follower of
// the second stage, whose current sink is T3. T2 faces right so that its grid
// and T4's share one wire from the middle node.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC21() {
  SchematicBuilder b(520, 480);
  const double x1 = 200, x2 = 360; // the two stages
  const double busX = 282;         // the wire from the middle node up to both grids
  const double topY = 110, middleY = 220, bottomY = 290;

  // Input: Cg in series, Rg to ground, the grid stopper Rgs and Cgs from
  // the grid to ground.
  const PointF in{24, bottomY}, a{84, bottomY}, g{144, bottomY};
  b.source(in, {24, 370});
  b.ground({24, 370});
  b.capacitor(in, a);
  b.junction(a);
  b.resistor(a, {a.x, 410});
  b.ground({a.x, 410});
  b.resistor(a, g);
  b.junction(g);
  b.capacitor(g, {g.x, 410});
  b.ground({g.x, 410});

  // The supply feeds both anodes.
  const PointF rail{290, 56};
  b.supply({rail.x, 24});
  b.wire({rail.x, 28}, rail);
  b.currentArrow({rail.x - 12, 32}, {rail.x - 12, 50});
  b.junction(rail);
  b.wire({x1, rail.y}, {x2, rail.y});

  // First stage: T2 on top, R2 down to the middle node, T1 below.
  const TriodePins t2 = b.mirroredTriode({x1, topY}, kTubeRadius);
  b.wire({x1, rail.y}, t2.anode);
  b.tubeName({x1 - 62, topY - 18}, "T2");
  const PointF middle{x1, middleY};
  b.resistor(t2.cathode, middle);
  b.junction(middle);
  const TriodePins t1 = b.triode({x1, bottomY}, kTubeRadius);
  b.wire(middle, t1.anode);
  b.tubeName({x1 + 40, bottomY - 18}, "T1");
  b.wire(g, t1.grid);
  b.currentArrow({x1 + 12, 228}, {x1 + 12, 248});

  // Both upper grids sit on the middle node.
  const TriodePins t4 = b.triode({x2, topY}, kTubeRadius);
  b.wire(t2.grid, t4.grid);
  b.junction({busX, topY});
  b.wire({{busX, topY}, {busX, middleY}, middle});

  // T1's cathode: R1 to ground, C1 across it.
  const PointF k1{x1, 350};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {x1, 450});
  b.ground({x1, 450});
  b.wire(k1, {270, k1.y});
  b.capacitor({270, k1.y}, {270, 450}, true);
  b.ground({270, 450});

  // Second stage: T4 from the supply, R4 down to the output node, the sink T3.
  b.wire({x2, rail.y}, t4.anode);
  b.tubeName({x2 + 40, topY - 18}, "T4");
  const PointF out{x2, middleY};
  b.resistor(t4.cathode, out);
  b.junction(out);
  const TriodePins t3 = b.triode({x2, bottomY}, kTubeRadius);
  b.wire(out, t3.anode);
  b.tubeName({x2 + 40, bottomY - 18}, "T3");
  b.wire({t3.grid, {306, bottomY}, {306, 300}});
  b.ground({306, 300});
  b.currentArrow({x2 - 12, 228}, {x2 - 12, 248});
  const PointF k3{x2, 344};
  b.wire(t3.cathode, k3);
  b.resistor(k3, {x2, 450});
  b.ground({x2, 450});

  // Output: Ca to the load Ro and Co, the output terminal.
  const PointF o1{436, middleY}, o2{484, middleY};
  b.wire(out, {378, middleY});
  b.capacitor({378, middleY}, {418, middleY});
  b.wire({418, middleY}, o1);
  b.junction(o1);
  b.resistor(o1, {o1.x, 310});
  b.ground({o1.x, 310});
  b.wire(o1, o2);
  b.junction(o2);
  b.capacitor(o2, {o2.x, 310});
  b.ground({o2.x, 310});
  b.wire(o2, {504, middleY});
  b.terminal({508, middleY});
  b.partName({506, middleY - 12}, "Out", plot::Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdVb", rail.x + 12, 24, 1);
  b.editAbove("EdR1", 235, 420);
  b.editLeft("EdR2", x1 + 12, 176, 2);
  b.editLeft("EdR3", x2 + 12, 397, 2);
  b.editLeft("EdR4", x2 - 8 - metrics::editLeftWidth(2), 182, 2);
  b.editAbove("EdRo", o1.x, 370);
  b.editAbove("EdCo", o2.x, 370);
  b.editAbove("EdCg", 54, 278);
  b.editAbove("EdRg", a.x, 470);
  b.editAbove("EdRgs", 114, 278);
  b.editLeft("EdC1", 286, 400, 2);
  b.editAbove("EdCgs", g.x + 6, 470);
  b.editAbove("EdCa", 398, 208);
  tubeList(b, "LBtube1", 10, topY - 12);
  tubeList(b, "LBtube2", 368, 430);
  valueLeft(b, "LabelVa1", x1 - 8, middleY - 9);
  valueRight(b, "LabelVk2", x1 + 8, 156);
  valueLeft(b, "LabelVk4", x2 - 8, 156);
  valueLeft(b, "LabelVa3", x2 - 8, middleY - 9);
  valueLeft(b, "LabelVk3", x2 - 8, 335);
  valueRight(b, "LabelVk1", x1 + 8, 336);
  valueRight(b, "LabelI1", x1 + 20, 238, 56);
  valueLeft(b, "LabelI3", x2 - 20, 238, 56);
  valueLeft(b, "LabelItot", rail.x - 20, 41, 86);
  return b.finish();
}

} // namespace velmorin::drawings
