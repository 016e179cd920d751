// Circuit C9, two common-cathode stages in direct coupling: the input network
// on the left drives T1; T1's anode carries T2's grid without a capacitor; T2,
// up to the right, has its own anode and cathode networks and drives the
// output on the right.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC9() {
  SchematicBuilder b(520, 540);
  const double x1 = 265, x2 = 330, signalY = 390;

  // Supply: the lead to the rail feeding both anode resistors.
  const PointF lead{300, 50};
  b.supply({300, 24});
  b.wire({300, 28}, lead);
  b.junction(lead);
  b.wire({x1, 50}, {x2, 50});
  b.currentArrow({288, 30}, {288, 46});

  // First stage: Ra1 to T1's anode, which is T2's grid.
  const PointF a1{x1, 210};
  b.resistor({x1, 50}, a1);
  b.junction(a1);
  const TriodePins t1 = b.triode({x1, signalY}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.currentArrow({253, 260}, {253, 284});
  b.tubeName({303, 380}, "T1");

  // Second stage: Ra2 to T2's anode, Rk2 and Ck2 from its cathode.
  const PointF a2{x2, 130}, k2{x2, 290};
  const TriodePins t2 = b.triode({x2, 210}, kTubeRadius);
  b.wire(a1, t2.grid);
  b.resistor({x2, 50}, a2);
  b.junction(a2);
  b.wire(a2, t2.anode);
  b.currentArrow({318, 78}, {318, 102});
  b.tubeName({368, 236}, "T2");
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, {x2, 380});
  b.ground({x2, 380});
  b.wire(k2, {440, 290});
  b.capacitor({440, 290}, {440, 380}, true);
  b.ground({440, 380});

  // Input: source, Rs and Cs in series, Rg and Cg to ground, the grid
  // stopper Rgs and Cgs from the grid to ground.
  const PointF in{18, signalY}, a{118, signalY}, ag{168, signalY}, g{218, signalY};
  b.source(in, {18, 460});
  b.ground({18, 460});
  b.resistor(in, {70, signalY});
  b.capacitor({70, signalY}, a);
  b.junction(a);
  b.resistor(a, {118, 470});
  b.ground({118, 470});
  b.wire(a, ag);
  b.junction(ag);
  b.capacitor(ag, {168, 470});
  b.ground({168, 470});
  b.resistor(ag, g);
  b.junction(g);
  b.capacitor(g, {218, 470});
  b.ground({218, 470});
  b.wire(g, t1.grid);

  // First cathode: Rk1 to ground, Ck1 beside it.
  const PointF k1{x1, 450};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {x1, 510});
  b.ground({x1, 510});
  b.wire(k1, {390, 450});
  b.capacitor({390, 450}, {390, 510}, true);
  b.ground({390, 510});

  // Output: Ca to the load Ro, Co.
  const PointF o1{440, 130}, o2{488, 130};
  b.wire(a2, {370, 130});
  b.capacitor({370, 130}, {420, 130});
  b.wire({420, 130}, o1);
  b.junction(o1);
  b.resistor(o1, {440, 180});
  b.ground({440, 180});
  b.wire(o1, o2);
  b.junction(o2);
  b.capacitor(o2, {488, 180});
  b.ground({488, 180});
  b.wire(o2, {504, 130});
  b.terminal({508, 130});
  terminalName(b, {508, 130}, "Out");

  // The controls, in the frame's order.
  b.editLeft("EdVb", 312, 24, 1);
  b.editLeft("EdRa1", 183, 130, 3);
  b.editLeft("EdRk1", 277, 480, 3);
  b.editLeft("EdRk2", 342, 335, 3);
  b.editLeft("EdRa2", 342, 90, 3);
  b.editAbove("EdRo", 440, 240);
  b.editAbove("EdCa", 395, 180);
  b.editAbove("EdRgs", 193, 378);
  b.editAbove("EdRs", 44, 378);
  b.editAbove("EdCs", 94, 378);
  b.editAbove("EdRg", 118, 530);
  b.editAbove("EdCg", 168, 530);
  b.editAbove("EdCgs", 218, 530);
  b.editLeft("EdCk1", 410, 480, 3);
  b.editAbove("EdCk2", 440, 442);
  b.editAbove("EdCo", 488, 240);
  b.anchor("LBtube1", 40, 300, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LBtube2", 370, 246, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa2", 336, 108, 50, m::kLabelHeight);
  b.anchor("LabelVa1", 171, 190, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk1", 272, 430, 56, m::kLabelHeight);
  b.anchor("LabelVk2", 271, 272, 53, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIt", 196, 29, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa2", 270, 81, 42, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa1", 160, 263, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
