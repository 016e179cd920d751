// Circuit C4, a common-cathode stage driving a DC-coupled cathode follower:
// the input network on the left drives T1; T1's anode carries T2's grid
// without a capacitor; T2, up to the right with its anode on the supply,
// drives the output network from its cathode.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c2to10;

Schematic drawC4() {
  SchematicBuilder b(520, 540);
  const double x1 = 265, x2 = 330, signalY = 400;

  // Supply: the lead to the rail feeding Ra and T2's anode.
  const PointF lead{300, 50};
  b.supply({300, 24});
  b.wire({300, 28}, lead);
  b.junction(lead);
  b.wire({x1, 50}, {x2, 50});
  b.currentArrow({288, 30}, {288, 46});

  // Gain stage: Ra to T1's anode, which is T2's grid.
  const PointF a1{x1, 210};
  b.resistor({x1, 50}, a1);
  b.junction(a1);
  const TriodePins t1 = b.triode({x1, signalY}, kTubeRadius);
  b.wire(a1, t1.anode);
  b.currentArrow({253, 260}, {253, 284});
  b.tubeName({303, 390}, "T1");

  // Follower: T2's anode on the supply, Rk2 from its cathode to ground.
  const PointF k2{x2, 300};
  const TriodePins t2 = b.triode({x2, 210}, kTubeRadius);
  b.wire(a1, t2.grid);
  b.wire({x2, 50}, t2.anode);
  b.currentArrow({342, 80}, {342, 104});
  b.tubeName({368, 184}, "T2");
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, {x2, 430});
  b.ground({x2, 430});

  // Input: source, Rs and Cs in series, Rg and Cg to ground, the grid
  // stopper Rgs and Cgs from the grid to ground.
  const PointF in{18, signalY}, a{118, signalY}, ag{168, signalY}, g{218, signalY};
  b.source(in, {18, 470});
  b.ground({18, 470});
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

  // T1's cathode: Rk1 to ground, Ck beside it.
  const PointF k1{x1, 460};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {x1, 515});
  b.ground({x1, 515});
  b.wire(k1, {400, 460});
  b.capacitor({400, 460}, {400, 515}, true);
  b.ground({400, 515});

  // Output from T2's cathode: Rko and Cko in series to the load Ro, Co.
  const PointF o1{445, 300}, o2{495, 300};
  b.resistor(k2, {385, 300});
  b.capacitor({385, 300}, {425, 300});
  b.wire({425, 300}, o1);
  b.junction(o1);
  b.resistor(o1, {445, 370});
  b.ground({445, 370});
  b.wire(o1, o2);
  b.junction(o2);
  b.capacitor(o2, {495, 370});
  b.ground({495, 370});
  b.wire(o2, {506, 300});
  b.terminal({510, 300});
  terminalName(b, {510, 300}, "Out");

  // The controls, in the frame's order.
  b.editLeft("EdVb", 312, 24, 1);
  b.editLeft("EdRa", 183, 130, 2);
  b.editLeft("EdRk2", 342, 372, 3);
  b.editAbove("EdRo", 445, 430);
  b.editAbove("EdRg", 118, 530);
  b.editAbove("EdCg", 168, 530);
  b.editAbove("EdCgs", 218, 530);
  b.editAbove("EdRgs", 193, 388);
  b.editAbove("EdCs", 94, 388);
  b.editAbove("EdRs", 44, 388);
  b.editAbove("EdCo", 495, 430);
  b.editAbove("EdCko", 405, 350);
  b.editLeft("EdCk", 418, 487, 2);
  b.editLeft("EdRk1", 277, 487, 3);
  b.editAbove("EdRko", 357, 288);
  b.anchor("LBtube1", 40, 310, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LBtube2", 366, 200, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("CheckBoxConnected", 418, 503, 100, m::kCheckBoxHeight);
  b.anchor("CheckBoxShunted", 36, 413, 76, m::kCheckBoxHeight);
  b.anchor("LabelVg", 171, 190, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk1", 272, 440, 46, m::kLabelHeight);
  b.anchor("LabelVk2", 271, 282, 53, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIt", 196, 29, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelIa2", 348, 83, 70, m::kLabelHeight);
  b.anchor("LabelIa1", 160, 263, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
