// Circuit C3, the cathode follower with a fixed grid voltage: the input
// capacitor on the left, the grid held at Vg through Rg, the anode straight
// on the supply, and the output network taken from the cathode on the right.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC3() {
  SchematicBuilder b(500, 470);
  const double x = 270, gridY = 200;

  // Input: source, Cg, the grid node held at Vg through Rg.
  const PointF gridNode{150, gridY};
  b.source({24, gridY}, {24, 270});
  b.ground({24, 270});
  b.capacitor({24, gridY}, gridNode);
  b.junction(gridNode);
  b.supply({150, 96});
  b.partName({138, 100}, "Vg", Anchor::Right);
  b.resistor({150, 100}, gridNode);

  const TriodePins t = b.triode({x, gridY}, kTubeRadius);
  b.wire(gridNode, t.grid);
  b.tubeName({312, 206}, "T1");

  // The anode on the supply.
  b.supply({x, 24});
  b.wire({x, 28}, t.anode);
  b.currentArrow({282, 80}, {282, 104});

  // Cathode: Rk to ground; the output through Cs and Rs to the load Ro, Co.
  const PointF k{x, 280}, o1{410, 280}, o2{460, 280};
  b.wire(t.cathode, k);
  b.junction(k);
  b.resistor(k, {x, 400});
  b.ground({x, 400});
  b.capacitor(k, {340, 280});
  b.resistor({340, 280}, {390, 280});
  b.wire({390, 280}, o1);
  b.junction(o1);
  b.resistor(o1, {410, 350});
  b.ground({410, 350});
  b.wire(o1, o2);
  b.junction(o2);
  b.capacitor(o2, {460, 350});
  b.ground({460, 350});
  b.wire(o2, {486, 280});
  b.terminal({490, 280});
  terminalName(b, {490, 280}, "Out");

  // The controls, in the frame's order.
  b.editLeft("EdVb", 282, 24, 1);
  b.editLeft("EdVg", 162, 96, 1);
  b.editLeft("EdRk", 282, 350, 2);
  b.editAbove("EdRo", 410, 410);
  b.editLeft("EdRg", 162, 150, 2);
  b.editAbove("EdCs", 305, 328);
  b.editAbove("EdRs", 365, 268);
  b.editAbove("EdCo", 460, 410);
  b.editAbove("EdCg", 87, 188);
  b.anchor("LBtube", 76, 216, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVk", 176, 262, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa", 290, 83, 86, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
