// Circuit C6, the true cascode: the input network on the left drives the
// lower triode T1; its anode feeds the cathode of the upper triode T2, whose
// grid sits on the divider Rg2/Rg1, held still for signals by its bypass
// capacitor; the output is taken from T2's anode on the right.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC6() {
  SchematicBuilder b(500, 520);
  const double x = 300, signalY = 330;

  // Supply: the lead to the rail feeding Ra and the divider.
  const PointF rail{x, 50};
  b.supply({x, 24});
  b.wire({x, 28}, rail);
  b.junction(rail);
  b.wire(rail, {180, 50});
  b.currentArrow({288, 30}, {288, 46});

  // Upper tube: Ra to its anode, its grid on the divider.
  const PointF anode{x, 130}, g2{180, 180}, bypass{225, 180};
  b.resistor(rail, anode);
  b.junction(anode);
  b.currentArrow({288, 78}, {288, 102});
  const TriodePins t2 = b.triode({x, 180}, kTubeRadius);
  b.wire(anode, t2.anode);
  b.tubeName({340, 204}, "T2");
  b.resistor({180, 50}, g2);
  b.junction(g2);
  b.resistor(g2, {180, 250});
  b.ground({180, 250});
  b.wire(g2, t2.grid);
  b.junction(bypass);
  b.capacitor(bypass, {225, 250});
  b.ground({225, 250});

  // Lower tube: its anode on T2's cathode (the middle node).
  const TriodePins t1 = b.triode({x, signalY}, kTubeRadius);
  b.wire(t2.cathode, t1.anode);
  b.tubeName({340, 340}, "T1");

  // Input: source, Rs and Cs in series, Rg and Cg to ground, the grid
  // stopper Rgs and Cgs from the grid to ground.
  const PointF in{24, signalY}, a{134, signalY}, a2{184, signalY}, g{244, signalY};
  b.source(in, {24, 400});
  b.ground({24, 400});
  b.resistor(in, {84, signalY});
  b.capacitor({84, signalY}, a);
  b.junction(a);
  b.resistor(a, {134, 440});
  b.ground({134, 440});
  b.wire(a, a2);
  b.junction(a2);
  b.capacitor(a2, {184, 440});
  b.ground({184, 440});
  b.resistor(a2, g);
  b.junction(g);
  b.capacitor(g, {244, 440});
  b.ground({244, 440});
  b.wire(g, t1.grid);

  // Cathode: Rk to ground, the bypass capacitor Ck beside it.
  const PointF k{x, 390};
  b.wire(t1.cathode, k);
  b.junction(k);
  b.resistor(k, {x, 470});
  b.ground({x, 470});
  b.wire(k, {400, 390});
  b.capacitor({400, 390}, {400, 470}, true);
  b.ground({400, 470});

  // Output: Ca to the load Ro, Co.
  const PointF o1{412, 130}, o2{462, 130};
  b.wire(anode, {340, 130});
  b.capacitor({340, 130}, {390, 130});
  b.wire({390, 130}, o1);
  b.junction(o1);
  b.resistor(o1, {412, 210});
  b.ground({412, 210});
  b.wire(o1, o2);
  b.junction(o2);
  b.capacitor(o2, {462, 210});
  b.ground({462, 210});
  b.wire(o2, {486, 130});
  b.terminal({490, 130});
  terminalName(b, {490, 130}, "Out");

  // The controls, in the frame's order.
  b.editLeft("EdVb", 312, 24, 1);
  b.editLeft("EdRg1", 99, 215, 3);
  b.editLeft("EdRg2", 99, 115, 3);
  b.editLeft("EdRk", 312, 430, 2);
  b.editLeft("EdRa", 312, 90, 2);
  b.editAbove("EdRo", 412, 272);
  b.editAbove("EdCg", 184, 500);
  b.editAbove("EdCa", 365, 178);
  b.editAbove("EdCo", 462, 272);
  b.editLeft("EdCk", 418, 430, 2);
  b.editAbove("EdRs", 54, 318);
  b.editAbove("EdCs", 109, 318);
  b.editAbove("EdRgs", 214, 318);
  b.editAbove("EdCgs", 244, 500);
  b.editAbove("EdRg", 134, 500);
  b.anchor("LBtube", 340, 290, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa", 306, 110, 50, m::kLabelHeight);
  b.anchor("LabelVk", 306, 370, 60, m::kLabelHeight);
  b.anchor("LabelVg", 186, 156, 74, m::kLabelHeight);
  b.anchor("LabelVm", 306, 246, 60, m::kLabelHeight);
  b.anchor("LabelIt", 196, 29, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa", 196, 81, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
