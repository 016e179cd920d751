// Circuit C30, the mu-follower: T1 at the bottom with Rk1 in its cathode;
// above its anode Ra, then Rk2, then T2 with its anode at the supply. T2's
// grid sits at the Ra / Rk2 junction through Rg2 and takes the signal from
// T1's anode through a capacitor; the output is T2's cathode.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC30() {
  SchematicBuilder b(500, 530);
  const double x = 330;

  // T2 from the supply.
  b.supply({x, 24});
  const TriodePins t2 = b.triode({x, 100}, kTubeRadius);
  b.wire({x, 28}, t2.anode);
  b.currentArrow({x - 12, 34}, {x - 12, 56});
  b.tubeName({x + 40, 82}, "T2");

  // T2's cathode, the output, then Rk2 down to the junction and Ra down to
  // T1's anode.
  const PointF k2{x, 150}, j{x, 240}, vm{x, 310};
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, j);
  b.junction(j);
  b.resistor(j, vm);
  b.junction(vm);
  b.wire(k2, {476, k2.y});
  b.terminal({480, k2.y});
  b.partName({478, k2.y - 12}, "Out", plot::Anchor::Center);

  // T2's grid: Rg2 to the junction, the capacitor from T1's anode.
  const PointF gn{280, 100};
  b.wire(t2.grid, gn);
  b.junction(gn);
  b.wire({gn.x, gn.y}, {gn.x, 120});
  b.resistor({gn.x, 120}, {gn.x, 230});
  b.wire({{gn.x, 230}, {gn.x, j.y}, j});
  b.capacitor(gn, {220, 100});
  b.wire({{220, 100}, {40, 100}, {40, vm.y}, vm});

  // T1 and Rk1.
  const TriodePins t1 = b.triode({x, 380}, kTubeRadius);
  b.wire(vm, t1.anode);
  b.tubeName({x + 40, 362}, "T1");
  b.source({80, 380}, {80, 460});
  b.ground({80, 460});
  b.wire({80, 380}, t1.grid);
  const PointF k1{x, 430};
  b.wire(t1.cathode, k1);
  b.resistor(k1, {x, 500});
  b.ground({x, 500});

  // The controls, in the frame's order.
  b.editLeft("EdVb", x + 12, 24, 2);
  b.editLeft("EdRk2", x + 12, 198, 3);
  b.editLeft("EdRa", x + 12, 275, 2);
  b.editLeft("EdRk1", x + 12, 465, 3);
  b.editLeft("EdRg2", gn.x - 8 - metrics::editLeftWidth(21), 175, 21);
  tubeList(b, "LBtube", 60, 262);
  valueRight(b, "LabelVk2", x + 8, k2.y + 15);
  valueRight(b, "LabelVg2", x + 8, j.y - 10);
  valueRight(b, "LabelVa1", x + 8, vm.y + 10);
  valueRight(b, "LabelVk1", x + 8, 426);
  valueLeft(b, "LabelIa", x - 20, 45, 86);
  return b.finish();
}

} // namespace velmorin::drawings
