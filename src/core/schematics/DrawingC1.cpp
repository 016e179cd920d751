// Circuit C1, the common-cathode amplifier with cathode bias: the signal
// source and input network on the left, the triode in the middle with its
// anode load above and its cathode network below, the output network right.
#include "schematics/CircuitDrawings.h"

#include "schematics/ControlMetrics.h"
#include "schematics/SchematicBuilder.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC1() {
  SchematicBuilder b(500, 520);
  const double signalY = 290;

  // Input: source, Rs and Cin in series, Rg and Cg to ground, the grid
  // stopper Rgs and Cgs from the grid to ground.
  const PointF in{24, signalY}, a{134, signalY}, a2{184, signalY}, g{244, signalY};
  b.source(in, {24, 370});
  b.ground({24, 370});
  b.resistor(in, {84, signalY});
  b.capacitor({84, signalY}, a);
  b.junction(a);
  b.resistor(a, {134, 420});
  b.ground({134, 420});
  b.wire(a, a2);
  b.junction(a2);
  b.capacitor(a2, {184, 420});
  b.ground({184, 420});
  b.resistor(a2, g);
  b.junction(g);
  b.capacitor(g, {244, 420});
  b.ground({244, 420});

  const TriodePins t = b.triode({310, signalY}, 34);
  b.wire(g, t.grid);
  b.tubeName({350, 272}, "T1", Anchor::Left);

  // Anode: supply, Ra, the anode node.
  const PointF anode{310, 160};
  b.supply({310, 24});
  b.resistor({310, 28}, anode);
  b.junction(anode);
  b.wire(anode, t.anode);
  b.currentArrow({298, 118}, {298, 142});

  // Output: Cout to the output node, Ro and Co to ground, the output terminal.
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

  // Cathode: Rk to ground, the bypass capacitor Ck beside it.
  const PointF k{310, 350};
  b.wire(t.cathode, k);
  b.junction(k);
  b.resistor(k, {310, 470});
  b.ground({310, 470});
  b.wire(k, {390, 350});
  b.capacitor({390, 350}, {390, 470}, true);
  b.ground({390, 470});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 322, 24, 1);
  b.editLeft("EdRa", 322, 94, 2);
  b.editAbove("EdRk", 346, 429);
  b.editAbove("EdRo", 410, 341);
  b.editAbove("EdCo", 460, 341);
  b.editAbove("EdRgs", 214, 278);
  b.editAbove("EdRg", 134, 481);
  b.editAbove("EdCgs", 244, 481);
  b.editAbove("EdCi", 109, 278);
  b.editAbove("EdCg", 184, 481);
  b.editAbove("EdCs", 370, 146);
  b.editLeft("EdCk", 408, 410, 2);
  b.editAbove("EdRs", 54, 278);
  b.anchor("LBtube", 150, 212, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("CheckBoxCkconnected", 350, 494, 130, m::kCheckBoxHeight);
  b.anchor("CheckBoxC1shunted", 40, 302, 90, m::kCheckBoxHeight);
  b.anchor("LabelVa", 216, 166, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk", 318, 328, 64, m::kLabelHeight);
  b.anchor("LabelIa", 206, 121, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
