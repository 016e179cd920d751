// Circuit C35, the cathode follower with a current sink: T2 on top, anode
// at the supply, grid fed through Cg and biased through Rg; T1 below as the
// sink with its grid grounded and cathode resistor R1; the output leaves the
// node between them through Rso and Cso to the load Ro and Co.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC35() {
  SchematicBuilder b(500, 520);
  const double x = 310;

  // T2: anode at the supply.
  b.supply({x, 24});
  const TriodePins t2 = b.triode({x, 130}, 34);
  b.wire({x, 28}, t2.anode);
  b.currentArrow({x + 12, 44}, {x + 12, 68});
  b.tubeName({x + 40, 116}, "T2");

  // Input: source and Cg to the grid; Rg brings the grid bias from above.
  const PointF g{220, 130}, bias{220, 46};
  b.source({24, 130}, {24, 210});
  b.ground({24, 210});
  b.wire({24, 130}, {120, 130});
  b.capacitor({120, 130}, {160, 130});
  b.wire({160, 130}, g);
  b.junction(g);
  b.wire(g, t2.grid);
  b.resistor(g, {bias.x, bias.y + 4});
  b.terminal(bias);
  b.partName({bias.x - 12, bias.y + 4}, "Vg2", Anchor::Right);

  // The middle node: T2's cathode, the sink's anode, the output.
  const PointF middle{x, 215};
  b.wire(t2.cathode, middle);
  b.junction(middle);
  const TriodePins t1 = b.triode({x, 310}, 34);
  b.wire(middle, t1.anode);
  b.tubeName({x + 40, 296}, "T1");
  b.wire(t1.grid, {250, 310});
  b.ground({250, 310});
  const PointF k{x, 360};
  b.wire(t1.cathode, k);
  b.resistor(k, {x, 460});
  b.ground({x, 460});

  // Output: Rso and Cso in series, then Ro and Co to ground.
  const PointF out{425, 215}, out2{475, 215};
  b.resistor(middle, {368, 215});
  b.capacitor({368, 215}, {405, 215});
  b.wire({405, 215}, out);
  b.junction(out);
  b.resistor(out, {425, 300});
  b.ground({425, 300});
  b.wire(out, out2);
  b.junction(out2);
  b.capacitor(out2, {475, 300});
  b.ground({475, 300});
  b.wire(out2, {488, 215});
  b.terminal({492, 215});
  b.partName({486, 203}, "Out", Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdR1", x + 12, 410, 2);
  b.editAbove("EdRo", 425, 361);
  b.editAbove("EdRso", 339, 205);
  b.editLeft("EdVb", x + 12, 24, 1);
  b.editLeft("EdVg2", bias.x + 12, bias.y, 1);
  b.editAbove("EdCo", 475, 361);
  b.anchor("EdCso", 363, 227, m::kEditWidth, m::kEditAboveHeight, CaptionSide::Above);
  b.editLeft("EdRg", 145, 88, 2);
  b.anchor("EdCg", 116, 141, m::kEditWidth, m::kEditAboveHeight, CaptionSide::Above);
  b.anchor("LBtube", 80, 262, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelIa", x + 20, 47, 86, m::kLabelHeight);
  b.anchor("LabelVa1", 226, 232, 78, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk1", x + 10, 346, 64, m::kLabelHeight);
  b.anchor("LabelVk2", 226, 180, 78, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
