// Circuit C19, three RC-coupled common-cathode stages, T3 -> T2 -> T1, fed
// through a filtered supply: from the supply R1 feeds the node V1 (T1's
// anode load Ra1), R2 the node V2 (Ra2) and R3 the node V3 (Ra3), each node
// decoupled to ground. The chain runs right to left over the stages, so the
// output stage sits next to the supply and the input stage at the far end.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

#include <array>
#include <string>

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC19() {
  SchematicBuilder b(520, 540);
  const double chain = 70, anodes = 210, tubes = 330;
  // Stage columns in signal order: T3, T2, T1.
  const std::array<double, 3> col{110, 260, 410};

  // The supply and the filter chain with its decoupling capacitors.
  b.supply({500, 24});
  b.wire({500, 28}, {500, chain});
  b.currentArrow({488, 36}, {488, 60});
  b.resistor({500, chain}, {col[2], chain});
  b.resistor({col[2], chain}, {col[1], chain});
  b.resistor({col[1], chain}, {col[0], chain});
  b.wire({col[0], chain}, {60, chain});
  for (double node : {col[0], col[1], col[2], 225.0, 375.0})
    b.junction({node, chain});
  for (double cap : {60.0, 225.0, 375.0}) {
    b.capacitor({cap, chain}, {cap, 130}, true);
    b.ground({cap, 130});
  }

  // The three stages: anode load from its node, tube, cathode resistor.
  std::array<TriodePins, 3> t;
  for (std::size_t k = 0; k < 3; ++k) {
    const double c = col[k];
    t[k] = b.triode({c, tubes}, 34);
    b.tubeName({c + 40, tubes - 18}, "T" + std::to_string(3 - k));
    b.resistor({c, chain}, {c, anodes});
    b.junction({c, anodes});
    b.wire({c, anodes}, t[k].anode);
    b.currentArrow({c + 12, 240}, {c + 12, 264});
    b.resistor(t[k].cathode, {c, 450});
    b.ground({c, 450});
  }

  // The input straight to T3's grid, with its grid resistor.
  b.terminal({16, tubes});
  b.partName({16, tubes - 12}, "In", Anchor::Center);
  b.wire({20, tubes}, t[0].grid);
  b.junction({44, tubes});
  b.resistor({44, tubes}, {44, 390});
  b.ground({44, 390});

  // Coupling capacitors: each anode to the next grid, its grid resistor to ground.
  for (std::size_t k = 0; k < 2; ++k) {
    const double a = col[k], g = col[k] + 80;
    b.wire({a, anodes}, {a + 20, anodes});
    b.capacitor({a + 20, anodes}, {a + 60, anodes});
    b.wire({{a + 60, anodes}, {g, anodes}, {g, tubes}});
    b.junction({g, tubes});
    b.resistor({g, tubes}, {g, 420});
    b.ground({g, 420});
    b.wire({g, tubes}, t[k + 1].grid);
  }

  // Output: the coupling capacitor to the load Ro.
  b.wire({col[2], anodes}, {col[2] + 20, anodes});
  b.capacitor({col[2] + 20, anodes}, {col[2] + 60, anodes});
  b.wire({col[2] + 60, anodes}, {506, anodes});
  b.junction({490, anodes});
  b.resistor({490, anodes}, {490, 300});
  b.ground({490, 300});
  b.terminal({510, anodes});
  b.partName({518, anodes - 12}, "Out", Anchor::Right);

  // The controls, in the frame's order.
  b.editLeft("EdVb", 434, 24, 1);
  b.editLeft("EdRa1", col[2] + 12, 150, 3);
  b.editAbove("EdRk1", col[2], 508);
  b.editLeft("EdRa2", col[1] + 12, 150, 3);
  b.editAbove("EdRk2", col[1], 508);
  b.editLeft("EdRa3", col[0] + 12, 150, 3);
  b.editAbove("EdRk3", col[0], 508);
  b.editAbove("EdR1", 455, 119);
  b.editAbove("EdR2", 335, 119);
  b.editAbove("EdR3", 185, 119);
  b.editAbove("EdRg2", col[0] + 80, 479);
  b.editAbove("EdRg1", col[1] + 80, 479);
  b.editAbove("EdRo", 490, 359);
  b.anchor("LBtube", 10, 8, m::kTubeListWidth, m::kTubeListHeight);
  // Labels by stage: index 0 is T3's column, 2 is T1's.
  const auto cathode = [&](const char* label, std::size_t k) {
    parts::valueLabel(b, label, col[k] + 6, 368, 50);
  };
  const auto anode = [&](const char* label, std::size_t k) {
    parts::valueLabel(b, label, col[k] - 60, anodes + 6, 54, Anchor::Right);
  };
  cathode("LabelVk3", 0);
  cathode("LabelVk2", 1);
  cathode("LabelVk1", 2);
  anode("LabelVa1", 2);
  anode("LabelVa2", 1);
  anode("LabelVa3", 0);
  parts::valueLabel(b, "LabelVb3", 56, 45, 50, Anchor::Right);
  parts::valueLabel(b, "LabelVb2", 206, 45, 50, Anchor::Right);
  parts::valueLabel(b, "LabelVb1", 352, 45, 48, Anchor::Right);
  parts::valueLabel(b, "LabelItot", 422, 39, 60, Anchor::Right);
  const auto current = [&](const char* label, std::size_t k) {
    parts::valueLabel(b, label, col[k] + 18, 243, 54);
  };
  current("LabelI3", 0);
  current("LabelI2", 1);
  current("LabelI1", 2);
  return b.finish();
}

} // namespace velmorin::drawings
