// The drawings of circuits C2 to C10, and the parts they share.
#include "schematics/DrawingsC2toC10.h"

#include "schematics/CircuitDrawings.h"

#include <utility>

namespace velmorin::drawings {

using plot::PointF;

namespace c2to10 {

void terminalName(SchematicBuilder& b, PointF terminal, std::string name, plot::Anchor anchor) {
  // Centred on a terminal at the drawing's edge, the name would be clipped.
  const double x = anchor == plot::Anchor::Right  ? terminal.x + 6
                   : anchor == plot::Anchor::Left ? terminal.x - 6
                                                  : terminal.x;
  b.partName({x, terminal.y - 12}, std::move(name), anchor);
}

DifferentialPair differentialPair(SchematicBuilder& b) {
  const double x1 = 190, x2 = 310, gridY = 300, biasY = kBiasLineY;

  // Supply: the lead to the rail feeding both anode resistors.
  const PointF lead{250, 40};
  b.supply({250, 24});
  b.wire({250, 28}, lead);
  b.junction(lead);
  b.wire({x1, 40}, {x2, 40});

  // The two tubes with their anode resistors.
  const PointF a1{x1, 170}, a2{x2, 170};
  const TriodePins t1 = b.triode({x1, gridY}, kTubeRadius);
  const TriodePins t2 = b.mirroredTriode({x2, gridY}, kTubeRadius);
  b.resistor({x1, 40}, a1);
  b.resistor({x2, 40}, a2);
  b.junction(a1);
  b.junction(a2);
  b.wire(a1, t1.anode);
  b.wire(a2, t2.anode);
  b.currentArrow({202, 80}, {202, 104});
  b.currentArrow({298, 110}, {298, 134});
  b.tubeName({154, 290}, "T1", plot::Anchor::Right);
  b.tubeName({346, 290}, "T2");

  // The joined cathodes.
  const PointF k{250, 370};
  b.wire({t1.cathode, {x1, 370}, {x2, 370}, t2.cathode});
  b.junction(k);

  // Input: source and Cg to T1's grid; Rg returns it to the bias line,
  // which runs round to T2's grid.
  const PointF g1{120, gridY}, rgFoot{120, biasY}, bias{30, biasY};
  b.source({24, gridY}, {24, 370});
  b.ground({24, 370});
  b.capacitor({24, gridY}, g1);
  b.junction(g1);
  b.wire(g1, t1.grid);
  b.resistor(g1, rgFoot);
  b.junction(rgFoot);
  b.wire({bias.x + 4, biasY}, rgFoot);
  b.wire({rgFoot, {500, biasY}, {500, gridY}, t2.grid});
  b.terminal(bias);

  // Outputs: T1's to the left, T2's to the right, each through its
  // coupling capacitor to its load.
  const PointF l1{100, 170}, l2{50, 170}, r1{400, 170}, r2{450, 170};
  b.wire(a1, {170, 170});
  b.capacitor({170, 170}, {130, 170});
  b.wire({130, 170}, l1);
  b.junction(l1);
  b.resistor(l1, {100, 240});
  b.ground({100, 240});
  b.wire(l1, l2);
  b.junction(l2);
  b.capacitor(l2, {50, 240});
  b.ground({50, 240});
  b.wire(l2, {24, 170});
  b.terminal({20, 170});
  b.partName({6, 192}, "Out 1");
  b.wire(a2, {330, 170});
  b.capacitor({330, 170}, {370, 170});
  b.wire({370, 170}, r1);
  b.junction(r1);
  b.resistor(r1, {400, 240});
  b.ground({400, 240});
  b.wire(r1, r2);
  b.junction(r2);
  b.capacitor(r2, {450, 240});
  b.ground({450, 240});
  b.wire(r2, {476, 170});
  b.terminal({480, 170});
  b.partName({494, 192}, "Out 2", plot::Anchor::Right);
  return {k, bias};
}

} // namespace c2to10

void registerC2toC10(DrawingTable& table) {
  table[2] = drawC2;
  table[3] = drawC3;
  table[4] = drawC4;
  table[5] = drawC5;
  table[6] = drawC6;
  table[7] = drawC7;
  table[8] = drawC8;
  table[9] = drawC9;
  table[10] = drawC10;
}

} // namespace velmorin::drawings
