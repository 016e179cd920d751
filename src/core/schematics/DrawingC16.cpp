// Circuit C16, the two-triode series regulator: the ballast T1 passes the
// load current from the supply to the output; the error amplifier T2, its
// cathode on the zener reference fed by R2 from the output and its grid on
// the divider R3/R4 across the output, steers T1's grid through its anode
// load R1. The load draws the constant current Io.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC16() {
  SchematicBuilder b(520, 540);
  const double rail = 50, out = 230, ref = 440;

  // Supply rail: R1 on the left, the ballast's anode on the right.
  b.supply({120, 24});
  b.wire({120, 28}, {120, rail});
  b.currentArrow({108, 30}, {108, 46});
  b.junction({120, rail});
  b.wire({120, rail}, {330, rail});

  // The ballast T1, its grid on T2's anode and R1.
  const TriodePins t1 = b.triode({330, 150}, 34);
  b.tubeName({370, 130}, "T1 Ballast");
  b.wire({330, rail}, t1.anode);
  const PointF g1{120, 150};
  b.resistor({120, rail}, g1);
  b.currentArrow({108, 84}, {108, 108});
  b.junction(g1);
  b.wire(g1, t1.grid);

  // The error amplifier T2, its grid on the divider's tap.
  const TriodePins t2 = b.mirroredTriode({120, 320}, 34);
  b.tubeName({10, 276}, "T2 Amplifier");
  b.wire(g1, t2.anode);

  // Output node: the divider on the left, the reference feed, the load.
  const PointF vo{330, out};
  b.wire(t1.cathode, vo);
  b.junction(vo);
  b.wire({230, out}, {502, out});
  b.terminal({506, out});
  b.partName({506, out - 12}, "Out", Anchor::Center);
  const PointF g2{230, 320};
  b.resistor({230, out}, g2);
  b.currentArrow({242, 280}, {242, 304});
  b.junction(g2);
  b.resistor(g2, {230, 390});
  b.ground({230, 390});
  b.wire(g2, t2.grid);
  b.junction({420, out});
  b.resistor({420, out}, {420, ref});
  b.junction({470, out});
  b.currentSource({470, out}, {470, 330});
  b.ground({470, 330});

  // The reference: T2's cathode on the zener.
  b.wire({t2.cathode, {120, ref}, {420, ref}});
  b.junction({420, ref});
  b.zener({420, ref}, {420, 510});
  b.ground({420, 510});
  b.currentArrow({432, 486}, {432, 506});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 132, 24, 21);
  b.editLeft("EdR1", 132, 100, 2);
  b.editLeft("EdR2", 347, 335, 2);
  b.editLeft("EdVref", 290, 475, 8);
  b.editLeft("EdR3", 157, 275, 2);
  b.editLeft("EdR4", 157, 355, 2);
  parts::editAboveWide(b, "EdIo", 407, out - 5, 128);
  b.anchor("LBtube1", 366, 80, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LBtube2", 10, 460, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVg1", 126, 128, 64);
  parts::valueLabel(b, "LabelVo", 246, 236, 78, Anchor::Right);
  parts::valueLabel(b, "LabelVg2", 238, 326, 60);
  parts::valueLabel(b, "LabelIt", 20, 29, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIa2", 20, 87, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIref", 438, 487, 64);
  parts::valueLabel(b, "LabelIdiv", 248, 283, 60);
  return b.finish();
}

} // namespace velmorin::drawings
