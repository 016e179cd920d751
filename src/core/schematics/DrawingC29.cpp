// Circuit C29, the common-cathode stage with local feedback from anode to
// grid: Rg in series with the input, Rf from the anode back to the grid
// through a blocking capacitor (the grid stays at ground potential, as Rf
// carries no DC), Rk bypassed in the cathode, the load Rao behind the output
// capacitor.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC29() {
  SchematicBuilder b(500, 500);
  const double x = 310, signalY = 300;

  // Input: the source, Rg in series to the grid node.
  const PointF g{200, signalY};
  b.source({40, signalY}, {40, 380});
  b.ground({40, 380});
  b.wire({40, signalY}, {90, signalY});
  b.resistor({90, signalY}, {170, signalY});
  b.wire({170, signalY}, g);
  b.junction(g);
  const TriodePins t = b.triode({x, signalY}, kTubeRadius);
  b.wire(g, t.grid);
  b.tubeName({x + 40, signalY - 18}, "T1");

  // Anode: supply, Ra, the anode node.
  const PointF anode{x, 170};
  b.supply({x, 24});
  b.resistor({x, 28}, anode);
  b.junction(anode);
  b.wire(anode, t.anode);
  b.currentArrow({x - 12, 128}, {x - 12, 152});

  // Feedback: a blocking capacitor and Rf from the anode node to the grid node.
  b.wire(anode, {270, 170});
  b.capacitor({270, 170}, {230, 170});
  b.wire({{230, 170}, {g.x, 170}, {g.x, 190}});
  b.resistor({g.x, 190}, {g.x, 280});
  b.wire({g.x, 280}, g);

  // Output: a coupling capacitor, the load Rao, the output terminal.
  const PointF out{410, 170};
  b.wire(anode, {350, 170});
  b.capacitor({350, 170}, {390, 170});
  b.wire({390, 170}, out);
  b.junction(out);
  b.resistor(out, {out.x, 280});
  b.ground({out.x, 280});
  b.wire(out, {466, 170});
  b.terminal({470, 170});
  b.partName({468, 158}, "Out", plot::Anchor::Center);

  // Cathode: Rk to ground, bypassed.
  const PointF k{x, 360};
  b.wire(t.cathode, k);
  b.junction(k);
  b.resistor(k, {x, 460});
  b.ground({x, 460});
  b.wire(k, {390, 360});
  b.capacitor({390, 360}, {390, 460}, true);
  b.ground({390, 460});

  // The controls, in the frame's order.
  b.editAbove("EdRg", 130, 288);
  b.editAbove("EdRk", 350, 432);
  b.editLeft("EdRao", out.x + 12, 225, 3);
  b.editLeft("EdRf", g.x - 8 - metrics::editLeftWidth(2), 235, 2);
  b.editLeft("EdRa", x + 12, 99, 2);
  b.editLeft("EdVb", x + 12, 24, 2);
  tubeList(b, "LBtube", 130, 390);
  valueLeft(b, "LabelIa", x - 20, 140, 86);
  valueRight(b, "LabelVa", x + 8, 191);
  valueRight(b, "LabelVk", x + 8, 349, 56);
  return b.finish();
}

} // namespace velmorin::drawings
