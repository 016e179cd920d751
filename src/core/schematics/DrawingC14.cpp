// Circuit C14, two common-cathode stages coupled directly through a level
// shifter: T1's anode feeds the divider R1 (with its speed-up capacitor C1)
// and R2 to ground, whose tap drives T2's grid through its stopper. T2 sits
// higher on the sheet because its grid rides at the divided anode voltage.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC14() {
  SchematicBuilder b(520, 530);
  const double rail = 50, signal1 = 360, shift = 230, out = 110;

  // Supply rail feeding both anode loads.
  b.supply({190, 24});
  b.wire({190, 28}, {190, rail});
  b.currentArrow({178, 30}, {178, 46});
  b.junction({190, rail});
  b.wire({190, rail}, {375, rail});

  // T1 and its input: Cs, Rg to ground, the stopper Rs and Cg at the grid.
  const TriodePins t1 = b.triode({190, signal1}, 34);
  b.tubeName({230, 342}, "T1");
  b.terminal({16, signal1});
  b.partName({16, signal1 + 22}, "In", Anchor::Center);
  b.capacitor({20, signal1}, {64, signal1});
  b.wire({64, signal1}, {84, signal1});
  b.junction({84, signal1});
  b.resistor({84, signal1}, {84, 440});
  b.ground({84, 440});
  b.resistor({84, signal1}, {134, signal1});
  b.wire({134, signal1}, {140, signal1});
  b.junction({140, signal1});
  b.capacitor({140, signal1}, {140, 440});
  b.ground({140, 440});
  b.wire({140, signal1}, t1.grid);

  // T1's anode load and cathode network.
  const PointF a1{190, shift};
  b.resistor({190, rail}, a1);
  b.junction(a1);
  b.wire(a1, t1.anode);
  b.currentArrow({178, 262}, {178, 286});
  const PointF k1{190, 420};
  b.wire(t1.cathode, k1);
  b.junction(k1);
  b.resistor(k1, {190, 500});
  b.ground({190, 500});
  b.wire(k1, {260, 420});
  b.capacitor({260, 420}, {260, 500}, true);
  b.ground({260, 500});

  // The level shifter: R1 with C1 across it, the tap, R2 to ground.
  b.wire(a1, {205, shift});
  b.junction({205, shift});
  b.resistor({205, shift}, {255, shift});
  b.junction({255, shift});
  b.wire({{205, shift}, {205, 195}});
  b.capacitor({205, 195}, {255, 195});
  b.wire({255, 195}, {255, shift});
  b.wire({255, shift}, {270, shift});
  const PointF tap{270, shift};
  b.junction(tap);
  b.resistor(tap, {270, 320});
  b.ground({270, 320});
  b.currentArrow({258, 280}, {258, 304});

  // T2: the grid stopper Rgs and Cgs, the anode load, the cathode network.
  const TriodePins t2 = b.triode({375, shift}, 34);
  b.tubeName({346, 186}, "T2", Anchor::Right);
  b.resistor(tap, {320, shift});
  b.wire({320, shift}, {325, shift});
  b.junction({325, shift});
  b.capacitor({325, shift}, {325, 320});
  b.ground({325, 320});
  b.wire({325, shift}, t2.grid);
  const PointF a2{375, out};
  b.resistor({375, rail}, a2);
  b.junction(a2);
  b.wire(a2, t2.anode);
  b.currentArrow({363, 140}, {363, 164});
  const PointF k2{375, 290};
  b.wire(t2.cathode, k2);
  b.junction(k2);
  b.resistor(k2, {375, 370});
  b.ground({375, 370});
  b.wire(k2, {455, 290});
  b.capacitor({455, 290}, {455, 370}, true);
  b.ground({455, 370});

  // Output: Ca to the output node, Ro and Co to ground.
  b.wire(a2, {385, out});
  b.capacitor({385, out}, {425, out});
  b.wire({425, out}, {435, out});
  b.junction({435, out});
  b.resistor({435, out}, {435, 190});
  b.ground({435, 190});
  b.wire({435, out}, {485, out});
  b.junction({485, out});
  b.capacitor({485, out}, {485, 190});
  b.ground({485, 190});
  b.wire({485, out}, {502, out});
  b.terminal({506, out});
  b.partName({506, out - 12}, "Out", Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdVb", 202, 24, 1);
  b.editLeft("EdRa1", 108, 140, 3);
  b.editAbove("EdRk1", 225, 482);
  b.editAbove("EdRk2", 414, 355);
  b.editLeft("EdRa2", 294, 80, 3);
  b.editAbove("EdRag", 230, 275);
  b.editAbove("EdRg2", 270, 378);
  b.editAbove("EdRo", 435, 250);
  b.editAbove("EdCgs1", 140, 497);
  b.editAbove("EdCo", 485, 250);
  b.editAbove("EdCa", 405, out - 12);
  b.editAbove("EdCk2", 455, 430);
  b.editLeft("EdCk1", 278, 460, 3);
  b.editAbove("EdRgs1", 109, signal1 - 12);
  b.editAbove("EdCs", 42, signal1 - 12);
  b.editAbove("EdRg1", 84, 497);
  b.editAbove("EdRgs2", 295, shift - 12);
  b.editAbove("EdCgs2", 325, 378);
  b.editAbove("EdC1", 230, 183);
  b.anchor("LBtube1", 20, 190, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LBtube2", 366, 14, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVa1", 100, 236, 84, Anchor::Right);
  parts::valueLabel(b, "LabelVa2", 300, 116, 68, Anchor::Right);
  parts::valueLabel(b, "LabelVg2", 276, 236, 44);
  parts::valueLabel(b, "LabelVk1", 198, 398, 56);
  parts::valueLabel(b, "LabelVk2", 383, 268, 56);
  parts::valueLabel(b, "LabelIt", 92, 29, 80, Anchor::Right);
  parts::valueLabel(b, "LabelIa2", 290, 143, 66, Anchor::Right);
  parts::valueLabel(b, "LabelIa1", 90, 265, 82, Anchor::Right);
  parts::valueLabel(b, "LabelIg", 196, 283, 56, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
