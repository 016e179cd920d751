// Circuit C32, the common-grid amplifier: the grid grounded, the signal
// entering the cathode through Ck, the anode load Ra and the output network
// on the right as in the common-cathode stage.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC32() {
  SchematicBuilder b(500, 520);

  // Anode: supply, Ra, the anode node.
  const PointF anode{310, 160};
  b.supply({310, 24});
  b.resistor({310, 28}, anode);
  b.junction(anode);
  b.currentArrow({298, 118}, {298, 142});

  const TriodePins t = b.triode({310, 250}, 34);
  b.wire(anode, t.anode);
  b.tubeName({350, 236}, "T1");
  // The grid is grounded: it is the common electrode.
  b.wire(t.grid, {250, 250});
  b.ground({250, 250});

  // Output: Cs to the output node, Ro and Co to ground, the output terminal.
  const PointF out{410, 160}, out2{460, 160};
  b.wire(anode, {350, 160});
  b.capacitor({350, 160}, {390, 160});
  b.wire({390, 160}, out);
  b.junction(out);
  b.resistor(out, {410, 280});
  b.ground({410, 280});
  b.wire(out, out2);
  b.junction(out2);
  b.capacitor(out2, {460, 280});
  b.ground({460, 280});
  b.wire(out2, {486, 160});
  b.terminal({490, 160});
  b.partName({488, 148}, "Out", Anchor::Center);

  // Cathode: Rk to ground, and the signal coming in through Ck.
  const PointF k{310, 340};
  b.wire(t.cathode, k);
  b.junction(k);
  b.resistor(k, {310, 460});
  b.ground({310, 460});
  b.source({40, 340}, {40, 420});
  b.ground({40, 420});
  b.wire({40, 340}, {180, 340});
  b.capacitor({180, 340}, {220, 340});
  b.wire({220, 340}, k);

  // The controls, in the frame's order.
  b.editLeft("EdVb", 322, 24, 1);
  b.editLeft("EdRk", 322, 400, 2);
  b.editLeft("EdRa", 322, 94, 2);
  b.editAbove("EdRo", 410, 341);
  b.editAbove("EdCs", 370, 146);
  b.editAbove("EdCo", 460, 341);
  b.editAbove("EdCk", 200, 326);
  b.anchor("LBtube", 90, 208, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelIa", 206, 121, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVa", 216, 166, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk", 320, 312, 64, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
