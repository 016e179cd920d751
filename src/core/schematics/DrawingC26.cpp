// Circuit C26, the CCDA line amplifier: T1, a common-cathode stage with Ra in
// its anode, drives the grid of T2, a cathode follower whose cathode chain
// Rk2, Rk3 returns to T1's cathode; both currents flow through Rk1 to ground.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC26() {
  SchematicBuilder b(500, 500);
  const double x1 = 160, x2 = 330;
  const double railY = 56;

  // The supply feeds Ra and T2's anode.
  const PointF supply{250, 24};
  b.supply(supply);
  b.wire({supply.x, 28}, {supply.x, railY});
  b.junction({supply.x, railY});
  b.wire({x1, railY}, {x2, railY});
  b.currentArrow({supply.x - 12, 30}, {supply.x - 12, 50});

  // T1 with Ra; its anode drives T2's grid.
  const PointF a1{x1, 150};
  b.resistor({x1, railY}, a1);
  b.junction(a1);
  const TriodePins t1 = b.triode({x1, 220}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.currentArrow({x1 - 12, 156}, {x1 - 12, 178});
  b.tubeName({x1 + 40, 202}, "T1");
  b.source({40, 220}, {40, 300});
  b.ground({40, 300});
  b.wire({40, 220}, t1.grid);

  // T2, the follower: Rk2 and Rk3 from its cathode down to T1's cathode.
  const TriodePins t2 = b.triode({x2, a1.y}, kTubeRadius);
  b.wire({x2, railY}, t2.anode);
  b.wire(a1, t2.grid);
  b.currentArrow({x2 + 12, 66}, {x2 + 12, 88});
  b.tubeName({x2 + 40, a1.y - 18}, "T2");
  const PointF k2{x2, 200}, k12{x2, 280}, k1{x2, 360};
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, k12);
  b.resistor(k12, k1);

  // The common cathode node and Rk1.
  const PointF common{250, k1.y};
  b.wire({t1.cathode, {x1, k1.y}, k1});
  b.junction(common);
  b.resistor(common, {common.x, 450});
  b.ground({common.x, 450});

  // Output at T2's cathode.
  b.wire(k2, {476, k2.y});
  b.terminal({480, k2.y});
  b.partName({478, k2.y - 12}, "Out", plot::Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdVb", supply.x + 12, supply.y, 21);
  b.editLeft("EdRa", x1 + 12, 103, 2);
  b.editLeft("EdRk2", x2 + 12, 240, 3);
  b.editLeft("EdRk1", common.x + 12, 405, 3);
  b.editLeft("EdRk3", x2 + 12, 320, 3);
  tubeList(b, "LBtube", 170, 296);
  valueLeft(b, "LabelItot", supply.x - 20, 40, 86);
  valueRight(b, "LabelVa1", x1 + 8, 140);
  valueLeft(b, "LabelI1", x1 - 20, 167);
  valueRight(b, "LabelI2", x2 + 20, 77);
  valueRight(b, "LabelVk1", common.x + 8, 349);
  valueRight(b, "LabelVk12", x2 + 8, 271);
  valueLeft(b, "LabelVk2", x2 - 8, k2.y);
  valueRight(b, "Label9", 400, k2.y + 15);
  return b.finish();
}

} // namespace velmorin::drawings
