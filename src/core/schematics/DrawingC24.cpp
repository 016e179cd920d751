// Circuit C24, the SRPP headphone amplifier: the output node Vo joins R2 from
// the supply, R1 (T1's anode load), T2's anode and T3's cathode. T3, from the
// supply, takes its grid from T1's anode; T2 takes its grid from T1's cathode.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC24() {
  SchematicBuilder b(520, 520);
  const double x1 = 150, x3 = 260, xr = 360, x2 = 420; // T1 and R1, T3, R2, T2
  const double railY = 56, outY = 200;

  // The supply feeds T3's anode and R2.
  const PointF supply{300, 24};
  b.supply(supply);
  b.wire({supply.x, 28}, {supply.x, railY});
  b.junction({supply.x, railY});
  b.wire({x3, railY}, {xr, railY});
  b.currentArrow({supply.x - 12, 30}, {supply.x - 12, 50});

  // T3 from the supply down to the output node.
  const TriodePins t3 = b.triode({x3, 125}, kTubeRadius);
  b.wire({x3, railY}, t3.anode);
  b.currentArrow({x3 - 12, 62}, {x3 - 12, 84});
  b.tubeName({x3 + 40, 107}, "T3");
  b.wire(t3.cathode, {x3, outY});

  // R2 from the supply to the output node.
  b.resistor({xr, railY}, {xr, outY});
  b.currentArrow({xr + 12, 160}, {xr + 12, 180});

  // The output node and terminal.
  b.wire({x1, outY}, {496, outY});
  b.junction({x3, outY});
  b.junction({xr, outY});
  b.junction({x2, outY});
  b.terminal({500, outY});
  b.partName({498, outY - 12}, "Out", plot::Anchor::Center);

  // T1 with R1 to the output node; its anode drives T3's grid.
  const PointF a1{x1, 270};
  b.resistor({x1, outY}, a1);
  b.junction(a1);
  b.wire({a1, {90, a1.y}, {90, 125}, t3.grid});
  const TriodePins t1 = b.triode({x1, 330}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.currentArrow({x1 + 12, 276}, {x1 + 12, 294});
  b.tubeName({x1 + 40, 312}, "T1");
  b.source({40, 330}, {40, 410});
  b.ground({40, 410});
  b.wire({40, 330}, t1.grid);

  // T1's cathode: Rk1 to ground, and T2's grid.
  const PointF k1{x1, 380};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {x1, 480});
  b.ground({x1, 480});

  // T2 from the output node, Rk2 in its cathode.
  const TriodePins t2 = b.triode({x2, 380}, kTubeRadius);
  b.wire(k1, t2.grid);
  b.wire({x2, outY}, t2.anode);
  b.currentArrow({x2 - 12, 296}, {x2 - 12, 316});
  b.tubeName({x2 + 40, 362}, "T2");
  const PointF k2{x2, 430};
  b.wire(t2.cathode, k2);
  b.resistor(k2, {x2, 490});
  b.ground({x2, 490});

  // The controls, in the frame's order.
  b.editLeft("EdVb", supply.x + 12, supply.y, 21);
  b.editLeft("EdR1", x1 + 12, 235, 2);
  b.editLeft("EdRk1", x1 + 12, 435, 3);
  b.editLeft("EdR2", xr + 12, 120, 2);
  b.editLeft("EdRk2", x2 + 12, 465, 3);
  tubeList(b, "LBtube", 20, 70);
  valueRight(b, "LabelVo", x2 + 8, outY + 15);
  valueLeft(b, "LabelItot", supply.x - 20, 40, 86);
  valueRight(b, "LabelVa1", x1 + 8, 261);
  valueRight(b, "LabelVk1", x1 + 8, 391);
  valueRight(b, "LabelVk2", x2 + 8, 426);
  valueLeft(b, "LabelI3", x3 - 20, 73);
  valueLeft(b, "LabelI2", x2 - 20, 306);
  valueRight(b, "LabelI1", x1 + 20, 285);
  valueRight(b, "LabelI9", xr + 20, 170);
  return b.finish();
}

} // namespace velmorin::drawings
