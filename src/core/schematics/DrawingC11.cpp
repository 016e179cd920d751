// Circuit C11, the balanced dual-triode mixer: two identical triodes side by
// side, their anodes joined on the common load Ra under the supply, their
// cathodes joined on the common Rk and its bypass Ck, each grid fed by its
// own input through Cg with Rg to ground. The output leaves the common anode
// through Ca to the load Ro and Co.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC11() {
  SchematicBuilder b(520, 520);
  const double bus = 120, tubes = 330, cathodes = 400;

  // The two halves, mirror images about the supply line.
  const TriodePins t1 = b.triode({170, tubes}, 34);
  const TriodePins t2 = b.mirroredTriode({350, tubes}, 34);
  b.tubeName({210, 312}, "T1");
  b.tubeName({310, 312}, "T2", Anchor::Right);

  // Supply, the common anode load and the anode bus.
  b.supply({260, 24});
  b.resistor({260, 28}, {260, bus});
  b.currentArrow({248, 62}, {248, 86});
  b.wire({t1.anode, {170, bus}, {350, bus}});
  b.wire({350, bus}, t2.anode);
  b.junction({260, bus});
  b.junction({350, bus});
  b.currentArrow({158, 150}, {158, 174});
  b.currentArrow({362, 150}, {362, 174});

  // Output: Ca to the output node, Ro and Co to ground.
  b.wire({350, bus}, {380, bus});
  b.capacitor({380, bus}, {420, bus});
  b.wire({420, bus}, {440, bus});
  b.junction({440, bus});
  b.resistor({440, bus}, {440, 210});
  b.ground({440, 210});
  b.wire({440, bus}, {490, bus});
  b.junction({490, bus});
  b.capacitor({490, bus}, {490, 210});
  b.ground({490, 210});
  b.wire({490, bus}, {502, bus});
  b.terminal({506, bus});
  b.partName({506, bus - 12}, "Out", Anchor::Center);

  // Input 1: Cg to T1's grid, Rg to ground.
  b.terminal({16, tubes});
  b.partName({16, tubes + 22}, "In1", Anchor::Center);
  b.capacitor({20, tubes}, {76, tubes});
  b.wire({76, tubes}, {100, tubes});
  b.junction({100, tubes});
  b.resistor({100, tubes}, {100, 440});
  b.ground({100, 440});
  b.wire({100, tubes}, t1.grid);

  // Input 2, the same network on T2's side; its parts take the same values.
  b.wire(t2.grid, {420, tubes});
  b.junction({420, tubes});
  b.resistor({420, tubes}, {420, 440});
  b.ground({420, 440});
  b.wire({420, tubes}, {444, tubes});
  b.capacitor({444, tubes}, {500, tubes});
  b.terminal({504, tubes});
  b.partName({504, tubes + 22}, "In2", Anchor::Center);
  b.partName({472, tubes - 12}, "Cg", Anchor::Center);
  b.partName({432, 389}, "Rg");

  // The joined cathodes: Rk and its bypass Ck to ground.
  b.wire({t1.cathode, {170, cathodes}, {350, cathodes}, t2.cathode});
  b.junction({220, cathodes});
  b.junction({300, cathodes});
  b.resistor({220, cathodes}, {220, 480});
  b.ground({220, 480});
  b.capacitor({300, cathodes}, {300, 480}, true);
  b.ground({300, 480});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 272, 24, 1);
  b.editLeft("EdRa", 272, 74, 2);
  b.editLeft("EdRk", 147, 440, 2);
  b.editAbove("EdRo", 440, 268);
  b.editAbove("EdCg", 48, tubes - 12);
  b.editAbove("EdCo", 490, 268);
  b.editLeft("EdCk", 318, 440, 2);
  b.editLeft("EdRg", 27, 385, 2);
  b.editAbove("EdCa", 400, bus - 12);
  b.anchor("LBtube", 185, 210, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVa", 176, 126, 78, Anchor::Right);
  parts::valueLabel(b, "LabelVk", 225, 378, 70, Anchor::Center);
  parts::valueLabel(b, "LabelIt", 160, 65, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIa1", 70, 153, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIa2", 368, 153, 62);
  return b.finish();
}

} // namespace velmorin::drawings
