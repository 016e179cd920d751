// Circuit C34, the half-mu stage: the common-cathode stage with T2 in place
// of the anode resistor, T2's grid on the middle node through which R2 feeds
// T1's anode; the output is taken there.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC34() {
  SchematicBuilder b(500, 520);
  const double signalY = 290;

  // Input: source, Rs and Cs in series, Rg and Cg to ground, the grid
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

  const TriodePins t1 = b.triode({310, signalY}, 34);
  b.wire(g, t1.grid);
  b.tubeName({350, 296}, "T1");

  // T2 from the supply; R2 from its cathode down to the middle node, where
  // its grid is tied.
  b.supply({310, 24});
  const TriodePins t2 = b.triode({310, 100}, 34);
  b.wire({310, 28}, t2.anode);
  b.currentArrow({298, 36}, {298, 58});
  b.tubeName({350, 86}, "T2");
  const PointF k2{310, 144}, middle{310, 220};
  b.wire(t2.cathode, k2);
  b.resistor(k2, middle);
  b.junction(middle);
  b.wire({middle, {240, 220}, {240, 100}, t2.grid});
  b.wire(middle, t1.anode);

  // Output: Ca to the output node, Ro and Co to ground, the output terminal.
  const PointF out{410, 220}, out2{460, 220};
  b.wire(middle, {350, 220});
  b.capacitor({350, 220}, {390, 220});
  b.wire({390, 220}, out);
  b.junction(out);
  b.resistor(out, {410, 300});
  b.ground({410, 300});
  b.wire(out, out2);
  b.junction(out2);
  b.capacitor(out2, {460, 300});
  b.ground({460, 300});
  b.wire(out2, {486, 220});
  b.terminal({490, 220});
  b.partName({488, 208}, "Out", Anchor::Center);

  // Cathode of T1: R1 to ground, the bypass capacitor Ck beside it.
  const PointF k{310, 350};
  b.wire(t1.cathode, k);
  b.junction(k);
  b.resistor(k, {310, 470});
  b.ground({310, 470});
  b.wire(k, {380, 350});
  b.capacitor({380, 350}, {380, 470}, true);
  b.ground({380, 470});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 322, 24, 1);
  b.editAbove("EdR1", 344, 429);
  b.editLeft("EdR2", 322, 182, 2);
  b.editAbove("EdRs", 54, 278);
  b.editAbove("EdCs", 109, 278);
  b.editAbove("EdRgs", 214, 278);
  b.editAbove("EdCg", 184, 481);
  b.editAbove("EdRg", 134, 481);
  b.editAbove("EdCgs", 244, 481);
  b.editLeft("EdCk", 398, 410, 2);
  b.editAbove("EdRo", 410, 361);
  b.editAbove("EdCo", 460, 361);
  b.anchor("EdCa", 346, 231, m::kEditWidth, m::kEditAboveHeight, CaptionSide::Above);
  b.anchor("LBtube", 60, 200, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa1", 246, 199, 58, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk2", 318, 138, 64, m::kLabelHeight);
  b.anchor("LabelVk1", 318, 328, 56, m::kLabelHeight);
  b.anchor("LabelIa", 206, 38, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
