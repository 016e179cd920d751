// Circuit C5, the cathodyne with a fixed grid voltage: the input capacitor
// on the left with the grid held at Vg through Rg, the triode in the middle
// with its equal loads Ra above and Rk below, the anode and cathode outputs on
// the right.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC5() {
  SchematicBuilder b(500, 460);
  const double x = 250, gridY = 180;

  // Input: source, Cg, the grid node held at Vg through Rg.
  const PointF gridNode{120, gridY};
  b.source({24, gridY}, {24, 250});
  b.ground({24, 250});
  b.capacitor({24, gridY}, gridNode);
  b.junction(gridNode);
  b.supply({120, 106});
  b.partName({108, 110}, "Vg", Anchor::Right);
  b.resistor({120, 110}, gridNode);

  const TriodePins t = b.triode({x, gridY}, kTubeRadius);
  b.wire(gridNode, t.grid);
  b.tubeName({290, 190}, "T1");

  // Anode: supply, Ra, the anode node.
  const PointF anode{x, 110};
  b.supply({x, 24});
  b.resistor({x, 28}, anode);
  b.junction(anode);
  b.wire(anode, t.anode);
  b.currentArrow({238, 55}, {238, 79});

  // Anode output: Ca, then Rao and Cao to ground.
  const PointF ao1{390, 110}, ao2{445, 110};
  b.wire(anode, {300, 110});
  b.capacitor({300, 110}, {340, 110});
  b.wire({340, 110}, ao1);
  b.junction(ao1);
  b.resistor(ao1, {390, 170});
  b.ground({390, 170});
  b.wire(ao1, ao2);
  b.junction(ao2);
  b.capacitor(ao2, {445, 170});
  b.ground({445, 170});
  b.wire(ao2, {486, 110});
  b.terminal({490, 110});
  terminalName(b, {490, 110}, "Out A");

  // Cathode: Rk to ground.
  const PointF k{x, 270};
  b.wire(t.cathode, k);
  b.junction(k);
  b.resistor(k, {x, 400});
  b.ground({x, 400});

  // Cathode output: Ck, then Rko and Cko to ground.
  const PointF ko1{390, 270}, ko2{445, 270};
  b.wire(k, {300, 270});
  b.capacitor({300, 270}, {340, 270});
  b.wire({340, 270}, ko1);
  b.junction(ko1);
  b.resistor(ko1, {390, 350});
  b.ground({390, 350});
  b.wire(ko1, ko2);
  b.junction(ko2);
  b.capacitor(ko2, {445, 350});
  b.ground({445, 350});
  b.wire(ko2, {486, 270});
  b.terminal({490, 270});
  terminalName(b, {490, 270}, "Out K");

  // The controls, in the frame's order.
  b.editLeft("EdVb", 262, 24, 1);
  b.editLeft("EdVg", 132, 106, 1);
  b.editLeft("EdRk", 262, 335, 2);
  b.editLeft("EdRa", 262, 69, 2);
  b.editAbove("EdRao", 390, 230);
  b.editAbove("EdRko", 390, 410);
  b.editAbove("EdCg", 72, 168);
  b.editAbove("EdCao", 445, 230);
  b.editAbove("EdCko", 445, 410);
  b.editLeft("EdRg", 132, 145, 2);
  b.editAbove("EdCa", 320, 160);
  b.editAbove("EdCk", 320, 258);
  b.anchor("LBtube", 56, 196, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVk", 170, 252, 74, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVa", 258, 90, 54, m::kLabelHeight);
  b.anchor("LabelIa", 146, 58, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
