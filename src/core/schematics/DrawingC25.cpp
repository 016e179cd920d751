// Circuit C25, the basic current sink: one triode with its anode held at Va
// and its grid at Vg, both against ground, and Rk in its cathode; the anode
// current is the sink's current.
#include "schematics/DrawingsC21toC30.h"

namespace velmorin::drawings {

using plot::PointF;
using namespace c21to30;

Schematic drawC25() {
  SchematicBuilder b(500, 420);
  const double x = 250, y = 200;

  // The anode voltage at the top, the sink current flowing into the anode.
  const PointF va{x, 40};
  b.supply(va);
  const TriodePins t = b.triode({x, y}, kTubeRadius);
  b.wire({x, va.y + 4}, t.anode);
  b.currentArrow({x - 12, 90}, {x - 12, 116});
  b.tubeName({x + 40, y - 18}, "T1");

  // The grid voltage on the left.
  const PointF vg{140, y};
  b.terminal(vg);
  b.wire({vg.x + 4, y}, t.grid);

  // Rk from the cathode to ground.
  const PointF k{x, 270};
  b.wire(t.cathode, k);
  b.resistor(k, {x, 370});
  b.ground({x, 370});

  // The controls, in the frame's order.
  b.editLeft("EdRk", x + 12, 320, 2);
  b.editLeft("EdVa", x + 12, va.y, 23);
  b.editLeft("EdVg", vg.x - 8 - metrics::editLeftWidth(6), y, 6);
  tubeList(b, "LBtube", x + 44, y + 4);
  valueLeft(b, "LabelIa", x - 20, 103, 76);
  valueRight(b, "LabelVk", x + 8, 261);
  return b.finish();
}

} // namespace velmorin::drawings
