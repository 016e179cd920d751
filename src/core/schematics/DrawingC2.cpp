// Circuit C2, the self-biased cathodyne: the input capacitor on the left, the
// triode in the middle with its equal loads above and below, the grid
// resistor returned to the tap between Rgk and Rk (which bootstraps it), and
// the anode and cathode outputs on the right.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC2() {
  SchematicBuilder b(500, 500);
  const double x = 250, gridY = 180;

  // Input: source, Cg, the grid node; Rg returns to the tap below.
  const PointF gridNode{110, gridY};
  b.source({24, gridY}, {24, 250});
  b.ground({24, 250});
  b.capacitor({24, gridY}, gridNode);
  b.junction(gridNode);

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

  // Cathode: the output tap, Rgk with Cgk across it, the grid return tap,
  // then Rk to ground.
  const PointF kOut{x, 270}, k{x, 300}, tap{x, 380};
  b.wire(t.cathode, k);
  b.junction(kOut);
  b.junction(k);
  b.resistor(k, tap);
  b.junction(tap);
  b.resistor(tap, {x, 470});
  b.ground({x, 470});
  const PointF cgkBottom{200, 380};
  b.wire(k, {200, 300});
  b.capacitor({200, 300}, cgkBottom);
  b.junction(cgkBottom);
  b.wire(cgkBottom, tap);
  b.resistor(gridNode, {110, 380});
  b.wire({110, 380}, cgkBottom);

  // Cathode output: Ck, then Rko and Cko to ground.
  const PointF ko1{390, 270}, ko2{445, 270};
  b.wire(kOut, {300, 270});
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
  b.editLeft("EdRa", 262, 69, 2);
  b.editLeft("EdRgk", 262, 340, 3);
  b.editLeft("EdRk", 262, 425, 2);
  b.editAbove("EdRko", 390, 410);
  b.editAbove("EdRao", 390, 230);
  b.editLeft("EdRg", 28, 280, 2);
  b.editAbove("EdCko", 445, 410);
  b.editAbove("EdCa", 320, 160);
  b.editLeft("EdCgk", 114, 340, 3);
  b.editAbove("EdCk", 320, 258);
  b.editAbove("EdCg", 67, 230);
  b.editAbove("EdCao", 445, 230);
  b.anchor("LBtube", 20, 120, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa", 258, 90, 54, m::kLabelHeight);
  b.anchor("LabelVk", 170, 252, 74, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVg", 150, 386, 94, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa", 146, 58, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
