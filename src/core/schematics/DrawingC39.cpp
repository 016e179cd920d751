// Circuit C39, the push-pull triode power amplifier: two triodes driven in
// antiphase, their anodes on the ends of the centre-tapped primary fed from
// the supply, a common bypassed cathode resistor Rk and fixed grid bias.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC39() {
  SchematicBuilder b(520, 520);
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

  // The two tubes, T2 facing T1, their anodes on the primary's ends.
  const TriodePins t1 = b.triode({150, 280}, 34);
  const TriodePins t2 = turned.triodeFacingLeft({370, 280}, 34);
  b.wire({t1.anode, {t1.anode.x, tr.primaryLeft.y}, tr.primaryLeft});
  b.wire({t2.anode, {t2.anode.x, tr.primaryRight.y}, tr.primaryRight});
  b.tubeName({96, 240}, "T1");
  b.tubeName({396, 240}, "T2");

  // The common cathode resistor and its bypass capacitor.
  const PointF k{mid, 350}, kc{320, 350};
  b.wire({t1.cathode, {t1.cathode.x, k.y}, {t2.cathode.x, k.y}, t2.cathode});
  b.junction(k);
  b.junction(kc);
  b.resistor(k, {mid, 430});
  b.ground({mid, 430});
  b.capacitor(kc, {kc.x, 430}, true);
  b.ground({kc.x, 430});

  // Grids: each driven through a coupling capacitor, both biased through
  // their grid resistors from the one bias supply.
  const PointF g1{80, 280}, g2{440, 280}, rail{mid, 470}, bias{mid, 500};
  b.terminal({16, g1.y});
  b.partName({16, g1.y - 12}, "In+", Anchor::Center);
  b.wire({20, g1.y}, {32, g1.y});
  b.capacitor({32, g1.y}, {66, g1.y});
  b.wire({{66, g1.y}, g1, t1.grid});
  b.junction(g1);
  b.terminal({504, g2.y});
  b.partName({504, g2.y - 12}, "In\u2212", Anchor::Center);
  b.wire({500, g2.y}, {488, g2.y});
  b.capacitor({488, g2.y}, {454, g2.y});
  b.wire({{454, g2.y}, g2, t2.grid});
  b.junction(g2);
  b.resistor(g1, {g1.x, rail.y});
  b.resistor(g2, {g2.x, rail.y});
  b.wire({{g1.x, rail.y}, {g2.x, rail.y}});
  b.junction(rail);
  b.wire(rail, {mid, bias.y - 4});
  b.terminal(bias);

  // The controls, in the frame's order.
  b.editLeft("EdVb", mid + 12, supply.y + 4, 1);
  b.editLeft("EdRk", 183, 390, 2);
  b.editLeft("EdVg", mid + 12, bias.y, 13);
  b.editLeft("EdRp", 20, 54, 28);
  b.editLeft("EdZaa", 20, 24, 21);
  b.anchor("LBtube", 185, 226, m::kTubeListWidth, m::kTubeListHeight);
  parallelTubesList(b, 185, 256);
  yieldList(b, 500, 12, kYieldCaption);
  b.anchor("LabelIb", mid + 18, 161, 64, m::kLabelHeight);
  b.anchor("LabelVk", 186, 331, 64, m::kLabelHeight);
  b.anchor("LabelVa", 64, 171, 80, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  Schematic s = b.finish();
  turned.addTo(s);
  return s;
}

} // namespace velmorin::drawings
