// Circuit C36, the common-cathode pentode amplifier: the input network and
// output network of the triode stage around a pentode whose screen is fed
// from the supply through the dropping resistor Rg2 the solver works out,
// and decoupled to ground.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC36() {
  SchematicBuilder b(520, 540);
  const double signalY = 374;

  // Input: source, Rs and Cs in series, Rg and Cg to ground, the grid
  // stopper Rgs and Cgs from the grid to ground.
  const PointF in{24, signalY}, a{134, signalY}, a2{184, signalY}, g{244, signalY};
  b.source(in, {24, 454});
  b.ground({24, 454});
  b.resistor(in, {84, signalY});
  b.capacitor({84, signalY}, a);
  b.junction(a);
  b.resistor(a, {134, 454});
  b.ground({134, 454});
  b.wire(a, a2);
  b.junction(a2);
  b.capacitor(a2, {184, 454});
  b.ground({184, 454});
  b.resistor(a2, g);
  b.junction(g);
  b.capacitor(g, {244, 454});
  b.ground({244, 454});

  const PentodePins t = b.pentode({310, 366}, 40);
  b.wire(g, t.grid1);
  b.tubeName({356, 336}, "T1");

  // Anode: supply, Ra, the anode node.
  const PointF anode{310, 150};
  b.supply({310, 24});
  b.resistor({310, 28}, anode);
  b.junction(anode);
  b.wire(anode, t.anode);

  // Output: Ca to the output node, Ro and Co to ground, the output terminal.
  const PointF out{410, 150}, out2{460, 150};
  b.wire(anode, {350, 150});
  b.capacitor({350, 150}, {390, 150});
  b.wire({390, 150}, out);
  b.junction(out);
  b.resistor(out, {410, 220});
  b.ground({410, 220});
  b.wire(out, out2);
  b.junction(out2);
  b.capacitor(out2, {460, 220});
  b.ground({460, 220});
  b.wire(out2, {486, 150});
  b.terminal({490, 150});
  b.partName({488, 138}, "Out", Anchor::Center);

  // Screen: Rg2 from the supply, drawn at its own supply terminal, and the
  // decoupling capacitor to ground.
  const PointF screen{420, t.grid2.y};
  b.wire(t.grid2, screen);
  b.junction(screen);
  b.resistor(screen, {480, screen.y});
  b.supply({484, screen.y});
  b.partName({492, screen.y + 4}, "Vb");
  b.capacitor(screen, {420, 430});
  b.ground({420, 430});

  // Cathode: Rk to ground, the bypass capacitor Ck beside it; the cathode
  // carries the anode and screen currents.
  const PointF k{310, 460};
  b.wire(t.cathode, k);
  b.currentArrow({322, 412}, {322, 436});
  b.junction(k);
  b.resistor(k, {310, 520});
  b.ground({310, 520});
  b.wire(k, {390, 460});
  b.capacitor({390, 460}, {390, 520}, true);
  b.ground({390, 520});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 322, 24, 1);
  b.editLeft("EdRa", 322, 80, 2);
  b.editAbove("EdRo", 410, 281);
  b.editLeft("EdVek", 311, 300, 22);
  b.editAbove("EdRk", 350, 518);
  b.editAbove("EdRs", 54, 362);
  b.editLeft("EdCk", 408, 490, 2);
  b.editAbove("EdCo", 460, 281);
  b.editAbove("EdCgs", 244, 515);
  b.editAbove("EdRgs", 214, 362);
  b.editAbove("EdRg", 134, 515);
  b.editAbove("EdCg", 184, 515);
  b.editAbove("EdCs", 109, 362);
  b.editAbove("EdCa", 370, 136);
  b.anchor("LBtube", 150, 280, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelI", 328, 415, 64, m::kLabelHeight);
  b.anchor("LabelVa", 216, 156, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk", 318, 441, 64, m::kLabelHeight);
  b.anchor("LabelRe", 424, 334, 60, m::kLabelHeight);
  b.anchor("LabelVe", 432, 372, 64, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
