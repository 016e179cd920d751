// Circuit C12, the asymmetrical mixer: two triodes whose anodes share the
// load Ra, each with its own cathode resistor (Rk1, Rk2, bypassed) and its
// grid returned to ground, so each input has a gain of its own. The output
// leaves the common anode through a coupling capacitor to the load Ro.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC12() {
  SchematicBuilder b(520, 520);
  const double bus = 120, tubes = 330, cathodes = 400;

  const TriodePins t1 = b.triode({170, tubes}, 34);
  const TriodePins t2 = b.mirroredTriode({350, tubes}, 34);
  b.tubeName({210, 312}, "T1");
  b.tubeName({310, 312}, "T2", Anchor::Right);

  // Supply, the common anode load and the anode bus.
  b.supply({260, 24});
  b.partName({279, 28}, "V", Anchor::Right);
  b.resistor({260, 28}, {260, bus});
  b.currentArrow({248, 62}, {248, 86});
  b.wire({t1.anode, {170, bus}, {350, bus}});
  b.wire({350, bus}, t2.anode);
  b.junction({260, bus});
  b.junction({350, bus});
  b.currentArrow({158, 150}, {158, 174});
  b.currentArrow({362, 150}, {362, 174});

  // Output: the coupling capacitor to the load Ro.
  b.wire({350, bus}, {380, bus});
  b.capacitor({380, bus}, {420, bus});
  b.wire({420, bus}, {440, bus});
  b.junction({440, bus});
  b.resistor({440, bus}, {440, 210});
  b.ground({440, 210});
  b.wire({440, bus}, {502, bus});
  b.terminal({506, bus});
  b.partName({506, bus - 12}, "Out", Anchor::Center);

  // Each grid at 0 V through its grid resistor; the inputs drive them directly.
  b.terminal({16, tubes});
  b.partName({16, tubes + 22}, "In1", Anchor::Center);
  b.wire({20, tubes}, {70, tubes});
  b.junction({70, tubes});
  b.resistor({70, tubes}, {70, 410});
  b.ground({70, 410});
  b.wire({70, tubes}, t1.grid);
  b.wire(t2.grid, {450, tubes});
  b.junction({450, tubes});
  b.resistor({450, tubes}, {450, 410});
  b.ground({450, 410});
  b.wire({450, tubes}, {500, tubes});
  b.terminal({504, tubes});
  b.partName({504, tubes + 22}, "In2", Anchor::Center);

  // Each cathode on its own resistor, bypassed.
  b.wire(t1.cathode, {170, cathodes});
  b.junction({170, cathodes});
  b.resistor({170, cathodes}, {170, 490});
  b.ground({170, 490});
  b.wire({170, cathodes}, {225, cathodes});
  b.capacitor({225, cathodes}, {225, 490}, true);
  b.ground({225, 490});
  b.wire(t2.cathode, {350, cathodes});
  b.junction({350, cathodes});
  b.resistor({350, cathodes}, {350, 490});
  b.ground({350, 490});
  b.wire({350, cathodes}, {295, cathodes});
  b.capacitor({295, cathodes}, {295, 490}, true);
  b.ground({295, 490});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 280, 24, 0);
  b.editLeft("EdRa", 272, 74, 2);
  b.editLeft("EdRk1", 90, 445, 3);
  b.editLeft("EdRk2", 362, 445, 3);
  b.editLeft("EdRo", 452, 165, 2);
  b.anchor("LBtube", 185, 210, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVa", 176, 126, 78, Anchor::Right);
  parts::valueLabel(b, "LabelVk2", 300, 378, 44, Anchor::Right);
  parts::valueLabel(b, "LabelVk1", 176, 378, 44);
  parts::valueLabel(b, "LabelIt", 160, 65, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIa1", 70, 153, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIa2", 368, 153, 62);
  return b.finish();
}

} // namespace velmorin::drawings
