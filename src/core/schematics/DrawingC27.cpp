// Circuit C27, the Janus cascode shunt regulator: Ra from the supply feeds the
// output node, which carries the load current Io, the divider R1 / R2 and
// the shunt pair: T2 with its grid on the divider's tap, standing on T1,
// whose grid is at ground and whose cathode carries Rk. T2 faces right so
// that its grid meets the tap directly.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC27() {
  SchematicBuilder b(520, 520);
  const double xs = 60, xt = 180, xd = 300, xl = 440; // supply, tubes, divider, load
  const double outY = 150;

  // Ra from the supply to the output node.
  const PointF supply{xs, 24};
  b.supply(supply);
  b.resistor({xs, 28}, {xs, outY});
  b.currentArrow({xs + 12, 118}, {xs + 12, 140});
  b.partName({xs - 10, supply.y + 4}, "Vb", plot::Anchor::Right);
  b.wire({xs, outY}, {496, outY});
  b.terminal({500, outY});
  b.partName({498, outY - 12}, "Out", plot::Anchor::Center);

  // The shunt pair: T2 on T1.
  const TriodePins t2 = b.mirroredTriode({xt, 230}, kTubeRadius);
  b.junction({xt, outY});
  b.wire({xt, outY}, t2.anode);
  b.currentArrow({xt - 12, 160}, {xt - 12, 182});
  b.tubeName({xt - 74, 212}, "T2");
  const PointF a1{xt, 300};
  b.wire(t2.cathode, a1);
  const TriodePins t1 = b.triode({xt, 360}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.tubeName({xt + 40, 342}, "T1");
  b.wire({t1.grid, {126, 360}, {126, 370}});
  b.ground({126, 370});
  const PointF k{xt, 420};
  b.wire(t1.cathode, k);
  b.resistor(k, {xt, 490});
  b.ground({xt, 490});

  // The divider R1 / R2 across the output, its tap on T2's grid.
  const PointF tap{xd, 230};
  b.junction({xd, outY});
  b.resistor({xd, outY}, tap);
  b.junction(tap);
  b.wire(t2.grid, tap);
  b.resistor(tap, {xd, 340});
  b.ground({xd, 340});

  // The load draws Io from the output node.
  b.junction({xl, outY});
  b.currentSource({xl, outY}, {xl, 260});
  b.ground({xl, 260});

  // The controls, in the frame's order.
  b.editLeft("EdVb", xs + 12, supply.y, 0);
  b.editLeft("EdRa", xs + 12, 89, 2);
  b.editLeft("EdR2", xd + 12, 285, 2);
  b.editLeft("EdR1", xd + 12, 190, 2);
  b.editLeft("EdRk", xt + 12, 455, 2);
  b.editLeft("EdIo", 520 - metrics::editLeftWidth(23), 105, 23);
  tubeList(b, "LBtube", 10, 440);
  valueRight(b, "LabelVo", 370, outY + 15);
  valueRight(b, "LabelVk", xt + 8, 411);
  valueRight(b, "LabelVg2", xd - 72, tap.y - 12, 60);
  valueRight(b, "LabelItot", xs + 20, 129);
  valueLeft(b, "LabelIa2", xt - 20, 171);
  valueRight(b, "LabelVa1", xt + 8, 300);
  return b.finish();
}

} // namespace velmorin::drawings
