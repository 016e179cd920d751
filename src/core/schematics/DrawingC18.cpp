// Circuit C18, the single-triode shunt regulator: R1 feeds the output from
// the supply; T1 sinks what the load (the constant current Io) and the
// divider R2/R3 leave, its anode on the output, its cathode on the zener
// reference and its grid on the divider's tap.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/ControlMetrics.h"

namespace velmorin::drawings {

using plot::Anchor;
using plot::PointF;
namespace m = metrics;

Schematic drawC18() {
  SchematicBuilder b(520, 400);
  const double out = 100, grid = 230;

  // Supply and the series resistor R1 to the output.
  b.supply({40, 24});
  b.partName({59, 28}, "V", Anchor::Right);
  b.wire({{40, 28}, {40, out}});
  b.currentArrow({52, 50}, {52, 74});
  b.resistor({40, out}, {190, out});
  b.wire({190, out}, {486, out});
  b.terminal({490, out});
  b.partName({490, out - 12}, "Out", Anchor::Center);

  // The divider across the output.
  const PointF tap{220, grid};
  b.junction({220, out});
  b.resistor({220, out}, tap);
  b.junction(tap);
  b.resistor(tap, {220, 330});
  b.ground({220, 330});

  // T1, the shunt: anode on the output, cathode on the zener, grid on the tap.
  const TriodePins t = b.triode({330, grid}, 34);
  b.tubeName({290, 200}, "T1", Anchor::Right);
  b.junction({330, out});
  b.wire({330, out}, t.anode);
  b.currentArrow({318, 130}, {318, 154});
  b.wire(tap, t.grid);
  b.zener(t.cathode, {330, 350});
  b.ground({330, 350});

  // The load.
  b.junction({440, out});
  b.currentSource({440, out}, {440, 180});
  b.ground({440, 180});

  // The controls, in the frame's order.
  b.editLeft("EdVb", 60, 24, 0);
  b.editAbove("EdR1", 115, out + 49);
  b.editLeft("EdR2", 147, 160, 2);
  b.editLeft("EdVref", 346, 307, 8);
  b.editLeft("EdR3", 147, 280, 2);
  parts::editAboveWide(b, "EdIo", 440, 238, 128);
  b.anchor("LBtube", 366, 258, m::kTubeListWidth, m::kTubeListHeight);
  parts::valueLabel(b, "LabelVo", 336, 106, 70);
  parts::valueLabel(b, "LabelVg", 226, 236, 60);
  parts::valueLabel(b, "LabelIa", 236, 133, 76, Anchor::Right);
  parts::valueLabel(b, "LabelItot", 58, 53, 70);
  return b.finish();
}

} // namespace velmorin::drawings
