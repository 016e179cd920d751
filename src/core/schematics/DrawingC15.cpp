// Circuit C15, the long-tailed pair: T1 and T2 with their cathodes joined on
// the tail Rkg + Rk, both grids returned through Rg to the Rkg/Rk junction,
// T1's grid driven through Cg and T2's grid held at signal ground by a
// capacitor. Each anode load feeds its own output network, T1's to the left
// (the inverted output), T2's to the right.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC15() {
  SchematicBuilder b(520, 520);
  const double rail = 50, anodes = 150, tubes = 320, tail = 370, ret = 430;

  const TriodePins t1 = b.triode({180, tubes}, 34);
  const TriodePins t2 = b.mirroredTriode({340, tubes}, 34);
  b.tubeName({220, 302}, "T1");
  b.tubeName({300, 302}, "T2", Anchor::Right);

  // Supply rail and the two anode loads.
  b.supply({260, 24});
  b.wire({260, 28}, {260, rail});
  b.junction({260, rail});
  b.wire({180, rail}, {340, rail});
  const PointF a1{180, anodes}, a2{340, anodes};
  b.resistor({180, rail}, a1);
  b.resistor({340, rail}, a2);
  b.junction(a1);
  b.junction(a2);
  b.wire(a1, t1.anode);
  b.wire(a2, t2.anode);
  b.currentArrow({192, 190}, {192, 214});
  b.currentArrow({328, 190}, {328, 214});

  // Output 1 on the left: Ca1, Ro1 and Co1.
  b.wire(a1, {160, anodes});
  b.capacitor({160, anodes}, {120, anodes});
  b.wire({120, anodes}, {100, anodes});
  b.junction({100, anodes});
  b.resistor({100, anodes}, {100, 230});
  b.ground({100, 230});
  b.wire({100, anodes}, {50, anodes});
  b.junction({50, anodes});
  b.capacitor({50, anodes}, {50, 230});
  b.ground({50, 230});
  b.wire({50, anodes}, {20, anodes});
  b.terminal({16, anodes});
  b.partName({4, anodes - 12}, "Out1");

  // Output 2 on the right: Ca2, Ro2 and Co2.
  b.wire(a2, {360, anodes});
  b.capacitor({360, anodes}, {400, anodes});
  b.wire({400, anodes}, {420, anodes});
  b.junction({420, anodes});
  b.resistor({420, anodes}, {420, 230});
  b.ground({420, 230});
  b.wire({420, anodes}, {470, anodes});
  b.junction({470, anodes});
  b.capacitor({470, anodes}, {470, 230});
  b.ground({470, 230});
  b.wire({470, anodes}, {500, anodes});
  b.terminal({504, anodes});
  b.partName({516, anodes - 12}, "Out2", Anchor::Right);

  // T1's input through Cg; each grid returned through Rg to the tail tap.
  b.terminal({16, tubes});
  b.partName({16, tubes - 12}, "In", Anchor::Center);
  b.capacitor({20, tubes}, {70, tubes});
  b.wire({70, tubes}, {110, tubes});
  b.junction({110, tubes});
  b.wire({110, tubes}, t1.grid);
  b.resistor({110, tubes}, {110, ret});
  b.wire(t2.grid, {410, tubes});
  b.junction({410, tubes});
  b.resistor({410, tubes}, {410, ret});
  b.wire({{110, ret}, {410, ret}});
  b.partName({398, 394}, "Rg", Anchor::Right);
  // T2's grid at signal ground.
  b.wire({410, tubes}, {450, tubes});
  b.capacitor({450, tubes}, {450, 400});
  b.ground({450, 400});

  // The tail: Rkg from the joined cathodes to the grid-return tap, Rk to ground.
  b.wire({t1.cathode, {180, tail}, {340, tail}, t2.cathode});
  b.junction({260, tail});
  b.resistor({260, tail}, {260, ret});
  b.junction({260, ret});
  b.resistor({260, ret}, {260, 500});
  b.ground({260, 500});
  b.currentArrow({248, 450}, {248, 474});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 272, 24, 1);
  b.editLeft("EdRkg", 272, 400, 3);
  b.editLeft("EdRg", 122, 390, 2);
  b.editLeft("EdRk", 272, 465, 2);
  b.editLeft("EdRa1", 100, 80, 3);
  b.editLeft("EdRa2", 352, 80, 3);
  b.editAbove("EdRo1", 100, 286);
  b.editAbove("EdCo1", 50, 286);
  b.editAbove("EdCo2", 470, 286);
  b.editAbove("EdRo2", 420, 286);
  b.editAbove("EdCa2", 380, anodes - 12);
  b.editAbove("EdCg", 45, 370);
  b.editAbove("EdCa1", 140, anodes - 12);
  b.anchor("LBtube", 185, 235, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVa1", 186, 156, 64);
  parts::valueLabel(b, "LabelVa2", 270, 156, 64, Anchor::Right);
  parts::valueLabel(b, "LabelVk", 215, 347, 90, Anchor::Center);
  parts::valueLabel(b, "LabelVg", 196, 410, 58, Anchor::Right);
  parts::valueLabel(b, "LabelIt", 160, 453, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIa1", 198, 193, 58);
  parts::valueLabel(b, "LabelIa2", 264, 193, 58, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
