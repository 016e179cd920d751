// Circuit C28, the totem-pole split-load phase splitter: T2 on top with Ra2
// from the supply and Rk2 down to the middle node Vo, its grid tied there;
// T1 below with Ra1 from Vo and Rk1 to ground; Rok joins Vo to T1's cathode.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC28() {
  SchematicBuilder b(500, 540);
  const double x = 230, xr = 380; // the tubes' column, Rok

  // Ra2 from the supply to T2's anode.
  const PointF supply{x, 24};
  b.supply(supply);
  b.partName({x - 10, supply.y + 4}, "Vb", plot::Anchor::Right);
  const PointF a2{x, 110};
  b.resistor({x, 28}, a2);
  b.currentArrow({x - 12, 88}, {x - 12, 106});
  const TriodePins t2 = b.triode({x, 160}, kTubeRadius);
  b.wire(a2, t2.anode);
  b.tubeName({x + 40, 142}, "T2");

  // Rk2 from T2's cathode down to the middle node, where T2's grid is tied.
  const PointF vo{x, 280};
  b.resistor(t2.cathode, vo);
  b.currentArrow({x + 12, 252}, {x + 12, 270});
  b.junction(vo);
  b.wire({vo, {120, vo.y}, {120, 160}, t2.grid});

  // Ra1 from the middle node to T1's anode; Rk1 in T1's cathode.
  const PointF a1{x, 340};
  b.resistor(vo, a1);
  b.currentArrow({x - 12, 344}, {x - 12, 362});
  const TriodePins t1 = b.triode({x, 400}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.tubeName({x + 40, 382}, "T1");
  b.source({40, 400}, {40, 480});
  b.ground({40, 480});
  b.wire({40, 400}, t1.grid);
  const PointF k1{x, 450};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {x, 510});
  b.ground({x, 510});

  // Rok from the middle node to T1's cathode.
  b.wire({vo, {xr, vo.y}, {xr, 290}});
  b.resistor({xr, 290}, {xr, 440});
  b.wire({{xr, 440}, {xr, k1.y}, k1});
  b.currentArrow({xr + 12, 296}, {xr + 12, 316});

  // The controls, in the frame's order.
  b.editLeft("EdVb", x + 12, supply.y, 0);
  b.editLeft("EdRa2", x + 12, 69, 3);
  b.editLeft("EdRa1", x + 12, 310, 3);
  b.editLeft("EdRk2", x + 12, 240, 3);
  b.editLeft("EdRok", xr + 12, 365, 3);
  b.editLeft("EdRk1", x + 12, 485, 3);
  tubeList(b, "LBtube", 60, 470);
  valueLeft(b, "LabelItot", x - 20, 97, 86);
  valueRight(b, "LabelVa2", x + 8, 110);
  valueLeft(b, "LabelVo", x - 8, 269);
  valueRight(b, "LabelVk1", x + 8, 461);
  valueRight(b, "LabelVa1", x + 8, 350);
  valueRight(b, "LabelVk2", x + 8, 205);
  valueLeft(b, "LabelIa1", x - 20, 353);
  valueRight(b, "LabelIok", xr + 20, 306, 60);
  valueRight(b, "LabelIa2", x + 20, 261);
  return b.finish();
}

} // namespace velmorin::drawings
