// Circuit C8, the cascode SRPP: the input network on the left drives the
// lower triode T1; the upper triode T2 hangs from the supply through Ra, its
// cathode resistor Rk2 returns to T1's anode, and its grid is tied to that
// middle node, from which the output is taken.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC8() {
  SchematicBuilder b(500, 530);
  const double x = 300, signalY = 350;

  // Upper tube: Ra from the supply to its anode, Rk2 down to the middle node.
  b.supply({x, 24});
  const TriodePins t2 = b.triode({x, 180}, kTubeRadius);
  b.resistor({x, 28}, t2.anode);
  b.currentArrow({288, 72}, {288, 96});
  b.tubeName({340, 200}, "T2");
  const PointF tap{x, 270}, mid{x, 295};
  b.resistor(t2.cathode, tap);
  b.junction(tap);
  b.wire({tap, {210, 270}, {210, 180}, t2.grid});

  // Lower tube, its anode on the middle node.
  const TriodePins t1 = b.triode({x, signalY}, kTubeRadius);
  b.wire(tap, t1.anode);
  b.junction(mid);
  b.tubeName({340, 366}, "T1");

  // Input: source, Rs and Cs in series, Rg and Cg to ground, the grid
  // stopper Rgs and Cgs from the grid to ground.
  const PointF in{24, signalY}, a{134, signalY}, a2{184, signalY}, g{244, signalY};
  b.source(in, {24, 420});
  b.ground({24, 420});
  b.resistor(in, {84, signalY});
  b.capacitor({84, signalY}, a);
  b.junction(a);
  b.resistor(a, {134, 460});
  b.ground({134, 460});
  b.wire(a, a2);
  b.junction(a2);
  b.capacitor(a2, {184, 460});
  b.ground({184, 460});
  b.resistor(a2, g);
  b.junction(g);
  b.capacitor(g, {244, 460});
  b.ground({244, 460});
  b.wire(g, t1.grid);

  // Cathode: Rk1 to ground, the bypass capacitor Ck beside it.
  const PointF k{x, 420};
  b.wire(t1.cathode, k);
  b.junction(k);
  b.resistor(k, {x, 490});
  b.ground({x, 490});
  b.wire(k, {400, 420});
  b.capacitor({400, 420}, {400, 490}, true);
  b.ground({400, 490});

  // Output from the middle node: Ca to the load Ro, Co.
  const PointF o1{416, 295}, o2{466, 295};
  b.wire(mid, {340, 295});
  b.capacitor({340, 295}, {390, 295});
  b.wire({390, 295}, o1);
  b.junction(o1);
  b.resistor(o1, {416, 350});
  b.ground({416, 350});
  b.wire(o1, o2);
  b.junction(o2);
  b.capacitor(o2, {466, 350});
  b.ground({466, 350});
  b.wire(o2, {486, 295});
  b.terminal({490, 295});
  terminalName(b, {490, 295}, "Out");

  // The controls, in the frame's order.
  b.editLeft("EdVb", 312, 24, 1);
  b.editLeft("EdRk1", 312, 455, 3);
  b.editLeft("EdRk2", 220, 242, 3);
  b.editAbove("EdRo", 416, 408);
  b.editLeft("EdRa", 312, 84, 2);
  b.editAbove("EdCgs", 244, 520);
  b.editAbove("EdCa", 365, 283);
  b.editAbove("EdCo", 466, 408);
  b.editLeft("EdCk", 418, 455, 2);
  b.editAbove("EdRs", 54, 338);
  b.editAbove("EdCs", 109, 338);
  b.editAbove("EdRgs", 214, 338);
  b.editAbove("EdRg", 134, 520);
  b.editAbove("EdCg", 184, 520);
  b.anchor("LBtube", 40, 150, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("CheckBoxRa", 312, 100, 80, m::kCheckBoxHeight);
  b.anchor("LabelVk2", 306, 216, 56, m::kLabelHeight);
  b.anchor("LabelVg2", 216, 274, 78, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk1", 306, 399, 60, m::kLabelHeight);
  b.anchor("LabelIt", 196, 75, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVa2", 306, 124, 56, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
