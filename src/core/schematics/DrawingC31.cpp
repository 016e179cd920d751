// Circuit C31, the cascode SRPP+: T1 at the bottom with its cathode resistor
// Rk, T2 on top with R1 and R2 in series from its cathode down to T1's anode,
// where T2's grid is tied; the output is the tap between R1 and R2.
#include "schematics/DrawingsC31toC40.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;
using namespace c31to40;

Schematic drawC31() {
  SchematicBuilder b(500, 520);
  const double x = 260;

  // T2 hangs from the supply; its cathode feeds R1, the output tap and R2.
  b.supply({x, 24});
  const TriodePins t2 = b.triode({x, 104}, 34);
  b.wire({x, 28}, t2.anode);
  b.currentArrow({x - 12, 36}, {x - 12, 60});
  b.tubeName({x + 40, 90}, "T2");
  const PointF k2{x, 150}, tap{x, 240}, middle{x, 320};
  b.wire(t2.cathode, k2);
  b.resistor(k2, tap);
  b.junction(tap);
  b.resistor(tap, middle);
  b.junction(middle);
  // T2's grid sits on the middle node, T1's anode.
  b.wire({middle, {190, 320}, {190, 104}, t2.grid});

  const TriodePins t1 = b.triode({x, 376}, 34);
  b.wire(middle, t1.anode);
  b.tubeName({x + 40, 362}, "T1");
  const PointF k1{x, 424};
  b.wire(t1.cathode, k1);
  b.resistor(k1, {x, 490});
  b.ground({x, 490});

  // The signal drives T1's grid, held at 0 V by the source.
  b.source({40, 376}, {40, 456});
  b.ground({40, 456});
  b.wire({40, 376}, t1.grid);

  // Output: the tap through a coupling capacitor to the load Ro.
  const PointF load{420, 240};
  b.wire(tap, {340, 240});
  b.capacitor({340, 240}, {380, 240});
  b.wire({380, 240}, load);
  b.junction(load);
  b.resistor(load, {420, 330});
  b.ground({420, 330});
  b.wire(load, {486, 240});
  b.terminal({490, 240});
  b.partName({488, 228}, "Out", Anchor::Center);

  // The controls, in the frame's order.
  b.editLeft("EdVb", x + 12, 24, 2);
  b.editLeft("EdR1", x + 12, 195, 2);
  b.editLeft("EdR2", x + 12, 280, 2);
  b.editLeft("EdRk", x + 12, 457, 2);
  b.editLeft("EdRo", 432, 285, 2);
  b.anchor("LBtube", 330, 364, m::kTubeListWidth, m::kTubeListHeight);
  b.anchor("LabelIa", 150, 39, 90, m::kLabelHeight, CaptionSide::Left, Anchor::Right);
  b.anchor("LabelVk2", x + 10, 146, 64, m::kLabelHeight);
  b.anchor("LabelVo", x + 10, 219, 64, m::kLabelHeight);
  b.anchor("LabelVa1", x + 10, 300, 64, m::kLabelHeight);
  b.anchor("LabelVk1", x + 10, 420, 64, m::kLabelHeight);
  return b.finish();
}

} // namespace velmorin::drawings
