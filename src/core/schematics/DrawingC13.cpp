// Circuit C13, the common-cathode stage biased by a constant current: the
// grid held at the DC voltage Vg, the cathode current Ik imposed by a current
// source to ground (bypassed for the signal), the anode load Ra under the
// supply and the output through a coupling capacitor to the load Ro.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC13() {
  SchematicBuilder b(500, 480);
  const double tube = 290;

  const TriodePins t = b.triode({250, tube}, 34);
  b.tubeName({290, 272}, "T1");

  // Anode: supply, Ra, the anode node.
  const PointF anode{250, 160};
  b.supply({250, 24});
  b.partName({269, 28}, "V", Anchor::Right);
  b.resistor({250, 28}, anode);
  b.junction(anode);
  b.wire(anode, t.anode);

  // Output: the coupling capacitor to the load Ro.
  b.wire(anode, {290, 160});
  b.capacitor({290, 160}, {330, 160});
  b.wire({330, 160}, {350, 160});
  b.junction({350, 160});
  b.resistor({350, 160}, {350, 280});
  b.ground({350, 280});
  b.wire({350, 160}, {416, 160});
  b.terminal({420, 160});
  b.partName({420, 148}, "Out", Anchor::Center);

  // Grid: held at Vg.
  b.terminal({116, tube});
  b.wire({120, tube}, t.grid);

  // Cathode: the constant-current source Ik to ground, bypassed.
  const PointF k{250, 350};
  b.wire(t.cathode, k);
  b.junction(k);
  b.currentSource(k, {250, 450});
  b.ground({250, 450});
  b.wire(k, {330, 350});
  b.capacitor({330, 350}, {330, 450}, true);
  b.ground({330, 450});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 270, 24, 0);
  b.editLeft("EdRa", 262, 94, 2);
  b.editLeft("EdVg", 40, tube, 2);
  b.editLeft("EdIk", 4, 400, 25);
  b.editLeft("EdRo", 362, 220, 2);
  b.anchor("LBtube", 70, 212, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVa", 156, 166, 86, Anchor::Right);
  parts::valueLabel(b, "LabelVk", 258, 328, 64);
  return b.finish();
}

} // namespace velmorin::drawings
