// Circuit C33, the White cathode follower: T2 on top with its grid at the
// input's DC level and its anode load Ra, T1 below it with cathode resistor
// Rk, its grid driven from T2's anode through a capacitor and held at 0 V by
// Rg; the output is the node between the two tubes.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC33() {
  SchematicBuilder b(500, 520);
  const double x = 310;

  // Anode of T2: supply, Ra, the anode node.
  const PointF anode{x, 150};
  b.supply({x, 24});
  b.resistor({x, 28}, anode);
  b.junction(anode);
  b.currentArrow({x - 12, 104}, {x - 12, 128});
  const TriodePins t2 = b.triode({x, 214}, 34);
  b.wire(anode, t2.anode);
  b.tubeName({x + 40, 196}, "T2");

  // The input terminal at T2's grid; its DC level is an entry.
  const PointF in{180, 214};
  b.terminal(in);
  b.wire({in.x + 4, in.y}, t2.grid);
  b.partName({in.x - 8, in.y + 4}, "In", Anchor::Right);

  // The middle node: T2's cathode, T1's anode, the output.
  const PointF middle{x, 300};
  b.wire(t2.cathode, middle);
  b.junction(middle);
  const TriodePins t1 = b.triode({x, 366}, 34);
  b.wire(middle, t1.anode);
  b.tubeName({x + 40, 352}, "T1");
  const PointF k{x, 416};
  b.wire(t1.cathode, k);
  b.resistor(k, {x, 490});
  b.ground({x, 490});

  // T1's grid follows T2's anode through a capacitor; Rg holds it at 0 V.
  const PointF g{200, 366};
  b.wire(anode, {250, 150});
  b.capacitor({250, 150}, {210, 150});
  b.wire({{210, 150}, {90, 150}, {90, 366}, g});
  b.wire(g, t1.grid);
  b.junction(g);
  b.resistor(g, {200, 456});
  b.ground({200, 456});

  // Output: a coupling capacitor to the load Ro.
  const PointF load{420, 300};
  b.wire(middle, {370, 300});
  b.capacitor({370, 300}, {400, 300});
  b.wire({400, 300}, load);
  b.junction(load);
  b.resistor(load, {420, 390});
  b.ground({420, 390});
  b.wire(load, {486, 300});
  b.terminal({490, 300});
  b.partName({488, 288}, "Out", Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdVb", x + 12, 24, 1);
  b.editLeft("EdRa", x + 12, 89, 2);
  b.editAbove("EdVg2", in.x, 205);
  b.editLeft("EdRk", x + 12, 453, 2);
  b.editLeft("EdRg", 212, 411, 2);
  b.editLeft("EdRo", 432, 345, 2);
  b.anchor("LBtube", 350, 218, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelVa", x + 10, 141, 64, m::kLabelHeight);
  b.anchor("LabelVak", x + 8, 280, 54, m::kLabelHeight);
  b.anchor("LabelVk", x + 10, 412, 64, m::kLabelHeight);
  b.anchor("LabelIa", 206, 107, 86, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
