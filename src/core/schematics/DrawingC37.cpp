// Circuit C37, the single-ended triode power amplifier: the output
// transformer's primary from the supply to the anode, the loudspeaker on its
// secondary, fixed grid bias through the grid resistor and a bypassed
// cathode resistor Rk.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC37() {
  SchematicBuilder b(520, 480);
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
  const TriodePins t = b.triode({x, 270}, 34);
  b.wire(tr.primaryBottom, anode);
  b.wire(anode, t.anode);
  b.tubeName({x + 40, 256}, "T1");

  // Grid: the signal through a coupling capacitor, the bias through Rg.
  const PointF g{200, 270}, bias{200, 364};
  b.terminal({40, 270});
  b.partName({40, 258}, "In", Anchor::Center);
  b.wire({44, 270}, {110, 270});
  b.capacitor({110, 270}, {150, 270});
  b.wire({150, 270}, g);
  b.junction(g);
  b.wire(g, t.grid);
  b.resistor(g, {bias.x, bias.y - 4});
  b.terminal(bias);

  // Cathode: Rk and its bypass capacitor to ground.
  const PointF k{x, 340};
  b.wire(t.cathode, k);
  b.junction(k);
  b.resistor(k, {x, 430});
  b.ground({x, 430});
  b.wire(k, {372, 340});
  b.capacitor({372, 340}, {372, 430}, true);
  b.ground({372, 430});

  // The controls, in the frame's order.
  b.editLeft("EdVb", x + 12, 24, 1);
  b.editAbove("EdRk", 332, 420);
  b.editLeft("EdVg", 18, bias.y, 16);
  b.editLeft("EdRa", 76, 104, 21);
  b.editLeft("EdRp", 27, 134, 28);
  b.anchor("LBtube", x + 40, 216, m::kTubeListWidth, m::kTubeListHeight);
  parallelTubesList(b, x + 40, 278);
  yieldList(b, 276, 158, kYieldCaption);
  b.anchor("LabelIa", 186, 43, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk", x + 10, 320, 64, m::kLabelHeight);
  b.anchor("LabelVa", x + 10, 186, 64, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
