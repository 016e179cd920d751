// Circuit C20, two RC-coupled common-cathode stages, T2 -> T1, fed through a
// filtered supply: R1 from the supply to the node V1 (T1's anode load Ra1),
// R2 from V1 to V2 (Ra2), each node decoupled to ground. T2 takes the source
// through the full input network; T1 sits higher, its grid at the level of
// T2's anode so that the interstage network runs straight across, and V1
// reaches T1's anode load over the top of the drawing.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC20() {
  SchematicBuilder b(520, 520);
  const double chain = 90, top = 40, stage1 = 230, stage2 = 330, out = 150;

  // The supply and the filter chain, top left: R1 to V1, R2 to V2 and Ra2;
  // V1 also runs over the top to Ra1.
  b.supply({20, 24});
  b.wire({20, 28}, {20, chain});
  b.currentArrow({32, 44}, {32, 68});
  b.resistor({20, chain}, {120, chain});
  b.resistor({120, chain}, {242, chain});
  for (double cap : {120.0, 218.0}) {
    b.junction({cap, chain});
    b.capacitor({cap, chain}, {cap, 145}, true);
    b.ground({cap, 145});
  }
  b.wire({{120, chain}, {120, top}, {388, top}});

  // T2 and its input: source, Rs, Cs, Rg2 and Cg, the stopper Rgs2 and Cgs2.
  const TriodePins t2 = b.triode({242, stage2}, 34);
  b.tubeName({252, 290}, "T2");
  b.source({16, stage2}, {16, 410});
  b.ground({16, 410});
  b.resistor({16, stage2}, {64, stage2});
  b.capacitor({64, stage2}, {120, stage2});
  b.wire({120, stage2}, {124, stage2});
  b.junction({124, stage2});
  b.resistor({124, stage2}, {124, 450});
  b.ground({124, 450});
  b.wire({124, stage2}, {150, stage2});
  b.junction({150, stage2});
  b.capacitor({150, stage2}, {150, 380});
  b.ground({150, 380});
  b.resistor({150, stage2}, {192, stage2});
  b.junction({192, stage2});
  b.capacitor({192, stage2}, {192, 450});
  b.ground({192, 450});
  b.wire({192, stage2}, t2.grid);

  // T2's anode load from V2 and its cathode network.
  const PointF a2{242, stage1};
  b.resistor({242, chain}, a2);
  b.junction(a2);
  b.wire(a2, t2.anode);
  b.currentArrow({230, 250}, {230, 274});
  const PointF k2{242, 390};
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, {242, 440});
  b.ground({242, 440});
  b.wire(k2, {272, 390});
  b.capacitor({272, 390}, {272, 440}, true);
  b.ground({272, 440});

  // The interstage: Ca2, Rg1 to ground, the stopper Rgs1 and Cgs1 at T1's grid.
  const TriodePins t1 = b.triode({388, stage1}, 34);
  b.tubeName({400, 180}, "T1");
  b.wire(a2, {248, stage1});
  b.capacitor({248, stage1}, {288, stage1});
  b.wire({288, stage1}, {302, stage1});
  b.junction({302, stage1});
  b.resistor({302, stage1}, {302, 280});
  b.ground({302, 280});
  b.resistor({302, stage1}, {338, stage1});
  b.junction({338, stage1});
  b.capacitor({338, stage1}, {338, 330});
  b.ground({338, 330});
  b.wire({338, stage1}, t1.grid);

  // T1's anode load from V1, its cathode network.
  const PointF a1{388, out};
  b.resistor({388, top}, a1);
  b.junction(a1);
  b.wire(a1, t1.anode);
  b.currentArrow({376, 160}, {376, 184});
  const PointF k1{388, 292};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {388, 370});
  b.ground({388, 370});
  b.wire(k1, {460, 292});
  b.capacitor({460, 292}, {460, 370}, true);
  b.ground({460, 370});

  // Output: Ca1 to the output node, Ro and Co to ground.
  b.wire(a1, {398, out});
  b.capacitor({398, out}, {438, out});
  b.wire({438, out}, {448, out});
  b.junction({448, out});
  b.resistor({448, out}, {448, 200});
  b.ground({448, 200});
  b.wire({448, out}, {496, out});
  b.junction({496, out});
  b.capacitor({496, out}, {496, 200});
  b.ground({496, 200});
  b.wire({496, out}, {512, out});
  b.terminal({516, out});
  b.partName({520, out - 12}, "Out", Anchor::Right);

  // The controls, in the frame's order.
  b.editLeft("EdVb", 32, 24, 1);
  b.editLeft("EdRa1", 308, 95, 3);
  b.editAbove("EdRk1", 422, 352);
  b.editLeft("EdRa2", 162, 178, 3);
  b.editAbove("EdRk2", 242, 499);
  b.editAbove("EdR1", 70, 139);
  b.editAbove("EdR2", 181, 139);
  b.editAbove("EdRg1", 302, 339);
  b.editAbove("EdRo", 448, 259);
  b.editAbove("EdRs", 40, stage2 - 12);
  b.editAbove("EdCa1", 418, out - 12);
  b.editAbove("EdCa2", 268, stage1 - 12);
  b.editAbove("EdRgs1", 320, stage1 - 12);
  b.editAbove("EdCk1", 460, 430);
  b.editLeft("EdCk2", 290, 415, 3);
  b.editAbove("EdRg2", 124, 509);
  b.editAbove("EdCg2", 154, 439);
  b.editAbove("EdCgs2", 192, 509);
  b.editAbove("EdRgs2", 171, stage2 - 12);
  b.editAbove("EdCs", 92, stage2 - 12);
  b.editAbove("EdCo", 496, 259);
  b.editAbove("EdCgs1", 338, 389);
  b.anchor("LBtube", 366, 6, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelItot", 38, 47, 60);
  parts::valueLabel(b, "LabelVa1", 320, 128, 62, Anchor::Right);
  parts::valueLabel(b, "LabelVa2", 170, 206, 66, Anchor::Right);
  parts::valueLabel(b, "LabelI1", 310, 163, 60, Anchor::Right);
  parts::valueLabel(b, "LabelI2", 150, 253, 74, Anchor::Right);
  parts::valueLabel(b, "LabelVk1", 394, 272, 52);
  parts::valueLabel(b, "LabelVk2", 248, 369, 50);
  parts::valueLabel(b, "LabelVb1", 126, 64, 56);
  parts::valueLabel(b, "LabelVb2", 248, 64, 56);
  return b.finish();
}

} // namespace velmorin::drawings
