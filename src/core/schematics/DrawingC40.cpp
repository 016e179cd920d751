// Circuit C40, the push-pull pentode power amplifier: the C39 stage with two
// pentodes whose screens share their own supply; the output transformer's
// entries are gathered in a box of their own.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC40() {
  SchematicBuilder b(520, 540);
  TurnedParts turned;
  const double mid = 260;

  // The output transformer: the supply into the centre tap, the loudspeaker
  // on the secondary.
  const LyingTransformerPins tr = turned.lyingTransformer({mid, 130});
  const PointF supply{mid, 194};
  b.wire(tr.primaryTap, {mid, supply.y - 4});
  b.supply(supply);
  b.currentArrow({mid + 12, 182}, {mid + 12, 158});
  b.wire({tr.secondaryLeft, {tr.secondaryLeft.x, 100}, {340, 100}});
  b.wire({tr.secondaryRight, {320, tr.secondaryRight.y}, {320, 112}, {340, 112}});
  loudspeaker(b, {340, 100});

  // The two pentodes, T2 facing T1, their anodes on the primary's ends.
  const PentodePins t1 = b.pentode({140, 310}, 40);
  const PentodePins t2 = turned.pentodeFacingLeft({380, 310}, 40);
  b.wire({t1.anode, {t1.anode.x, tr.primaryLeft.y}, tr.primaryLeft});
  b.wire({t2.anode, {t2.anode.x, tr.primaryRight.y}, tr.primaryRight});
  b.tubeName({86, 264}, "T1");
  b.tubeName({406, 264}, "T2");

  // The screens, tied together, from their own supply.
  const PointF screens{mid, t1.grid2.y}, screenSupply{mid, 340};
  b.wire(t1.grid2, t2.grid2);
  b.junction(screens);
  b.wire(screens, {mid, screenSupply.y - 4});
  b.supply(screenSupply);
  b.partName({mid + 10, screenSupply.y + 16}, "Vg2");
  b.currentArrow({mid + 12, 332}, {mid + 12, 316});

  // The common cathode resistor and its bypass capacitor.
  const PointF k{mid, 380}, kc{320, 380};
  b.wire({t1.cathode, {t1.cathode.x, k.y}, {t2.cathode.x, k.y}, t2.cathode});
  b.junction(k);
  b.junction(kc);
  b.resistor(k, {mid, 450});
  b.ground({mid, 450});
  b.capacitor(kc, {kc.x, 450}, true);
  b.ground({kc.x, 450});

  // Grids: each driven through a coupling capacitor, both biased through
  // their grid resistors from the one bias supply.
  const PointF g1{70, t1.grid1.y}, g2{450, t2.grid1.y}, rail{mid, 490}, bias{mid, 518};
  b.terminal({16, g1.y});
  b.partName({16, g1.y - 12}, "In+", Anchor::Center);
  b.wire({20, g1.y}, {28, g1.y});
  b.capacitor({28, g1.y}, {60, g1.y});
  b.wire({{60, g1.y}, g1, t1.grid1});
  b.junction(g1);
  b.terminal({504, g2.y});
  b.partName({504, g2.y - 12}, "In\u2212", Anchor::Center);
  b.wire({500, g2.y}, {492, g2.y});
  b.capacitor({492, g2.y}, {460, g2.y});
  b.wire({{460, g2.y}, g2, t2.grid1});
  b.junction(g2);
  b.resistor(g1, {g1.x, rail.y});
  b.resistor(g2, {g2.x, rail.y});
  b.wire({{g1.x, rail.y}, {g2.x, rail.y}});
  b.junction(rail);
  b.wire(rail, {mid, bias.y - 4});
  b.terminal(bias);

  // The output transformer's entries, in their box.
  b.groupBox(10, 8, 500, 78, "Output transformer");

  // The controls, in the frame's order.
  b.editLeft("EdRa", 20, 30, 21);
  b.editLeft("EdRp", 20, 60, 28);
  b.editLeft("EdVb", mid + 12, supply.y + 4, 1);
  b.editLeft("EdVg", mid + 12, bias.y, 13);
  b.editLeft("EdVe", 188, screenSupply.y, 1);
  b.editLeft("EdRk", 183, 420, 2);
  b.anchor("LBtube", 185, 222, m::kTubeListWidth, m::kTubeListHeight);
  yieldList(b, 500, 18, "Power yield (%)");
  parallelTubesList(b, 185, 250);
  b.anchor("LabelIb", mid + 18, 161, 64, m::kLabelHeight);
  b.anchor("LabelVk", 186, 361, 64, m::kLabelHeight);
  b.anchor("LabelIe", mid + 18, 312, 58, m::kLabelHeight);
  Schematic s = b.finish();
  turned.addTo(s);
  return s;
}

} // namespace velmorin::drawings
