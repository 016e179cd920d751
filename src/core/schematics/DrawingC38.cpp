// Circuit C38, the single-ended pentode power amplifier: the C37 stage with
// a pentode whose screen has its own supply Vg2; the cathode resistor Rk
// carries the anode and screen currents.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC38() {
  SchematicBuilder b(520, 500);
  const double x = 292;

  // Supply, primary, anode; the secondary drives the loudspeaker.
  b.supply({x, 24});
  const TransformerPins tr = b.transformer({x + 8, 130});
  b.wire({x, 28}, tr.primaryTop);
  b.currentArrow({x - 12, 40}, {x - 12, 64});
  b.wire({tr.secondaryTop, {330, tr.secondaryTop.y}, {330, 124}, {360, 124}});
  b.wire({tr.secondaryBottom, {330, tr.secondaryBottom.y}, {330, 136}, {360, 136}});
  loudspeaker(b, {360, 124});

  const PointF anode{x, 200};
  const PentodePins t = b.pentode({x, 280}, 40);
  b.wire(tr.primaryBottom, anode);
  b.wire(anode, t.anode);
  b.tubeName({x + 48, 262}, "T1");

  // Screen: its own supply Vg2.
  const PointF screenSupply{420, 220};
  b.supply(screenSupply);
  b.partName({screenSupply.x - 12, screenSupply.y + 4}, "Vg2", Anchor::Right);
  b.wire({t.grid2, {screenSupply.x, t.grid2.y}, {screenSupply.x, screenSupply.y + 4}});
  b.currentArrow({screenSupply.x + 12, 236}, {screenSupply.x + 12, 260});

  // Grid: the signal through a coupling capacitor, the bias through Rg.
  const PointF g{180, t.grid1.y}, bias{180, 384};
  b.terminal({40, g.y});
  b.partName({40, g.y - 12}, "In", Anchor::Center);
  b.wire({44, g.y}, {100, g.y});
  b.capacitor({100, g.y}, {140, g.y});
  b.wire({140, g.y}, g);
  b.junction(g);
  b.wire(g, t.grid1);
  b.resistor(g, {bias.x, bias.y - 4});
  b.terminal(bias);
  b.partName({bias.x + 10, bias.y + 4}, "Vg");

  // Cathode: Rk and its bypass capacitor to ground.
  const PointF k{x, 370};
  b.wire(t.cathode, k);
  b.currentArrow({x - 12, 330}, {x - 12, 354});
  b.junction(k);
  b.resistor(k, {x, 450});
  b.ground({x, 450});
  b.wire(k, {372, 370});
  b.capacitor({372, 370}, {372, 450}, true);
  b.ground({372, 450});

  // The controls, in the frame's order.
  b.editLeft("EdRa", 76, 104, 21);
  b.editLeft("EdRp", 27, 134, 28);
  b.editLeft("EdVb", x + 12, 24, 1);
  b.editLeft("EdVg", bias.x - 78, bias.y, 1);
  b.editAbove("EdRk", 332, 440);
  b.editLeft("EdVg2", screenSupply.x + 12, screenSupply.y, 1);
  b.anchor("LBtube", 340, 294, m::kTubeListWidth, m::kTubeListHeight);
  yieldList(b, 276, 158, kYieldCaption);
  parallelTubesList(b, 340, 323);
  b.anchor("LabelIa", 186, 43, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVa", x + 10, 186, 64, m::kLabelHeight);
  b.anchor("LabelVk", x + 10, 350, 56, m::kLabelHeight);
  b.anchor("LabelIg2", screenSupply.x + 18, 239, 78, m::kLabelHeight);
  b.anchor("LabelIk", 192, 333, 80, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
