// Circuit C17, the single-triode series regulator: the ballast's anode on
// the supply, its grid on the zener reference fed by R from the supply, its
// cathode the output, which the load draws the constant current Io from.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC17() {
  SchematicBuilder b(520, 440);
  const double rail = 50, grid = 200, out = 300;

  b.supply({100, 24});
  b.partName({119, 28}, "V", Anchor::Right);
  b.wire({100, 28}, {100, rail});
  b.junction({100, rail});
  b.wire({100, rail}, {330, rail});

  // The reference: R from the supply, the zener to ground.
  const PointF ref{100, grid};
  b.resistor({100, rail}, ref);
  b.junction(ref);
  b.zener(ref, {100, 290});
  b.ground({100, 290});

  // The ballast, its grid on the reference, its cathode the output.
  const TriodePins t = b.triode({330, grid}, 34);
  b.tubeName({370, 190}, "Ballast");
  b.wire({330, rail}, t.anode);
  b.wire(ref, t.grid);
  const PointF vo{330, out};
  b.wire(t.cathode, vo);
  b.wire(vo, {502, out});
  b.terminal({506, out});
  b.partName({506, out - 12}, "Out", Anchor::Center);
  b.junction({420, out});
  b.currentSource({420, out}, {420, 400});
  b.ground({420, 400});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 120, 24, 0);
  b.editLeft("EdR", 34, 125, 1);
  b.editLeft("EdVref", 116, 245, 8);
  parts::editAboveWide(b, "EdIo", 404, out - 5, 128);
  b.anchor("LBtube", 366, 120, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVo", 250, 306, 74, Anchor::Right);
  return b.finish();
}

} // namespace velmorin::drawings
