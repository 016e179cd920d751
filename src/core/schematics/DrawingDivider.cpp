// The resistive divider of the tools window.
#include "schematics/Drawings.h"

#include "schematics/ControlMetrics.h"
#include "schematics/SchematicBuilder.h"

namespace velmorin {

Schematic dividerSchematic() {
  using plot::Anchor;
  SchematicBuilder b(230, 250);
  const double x = 60;
  b.terminal({x, 20});
  b.text({x - 12, 24}, "V1", SchematicBuilder::kInk, 10, Anchor::Right, true);
  b.resistor({x, 24}, {x, 115});
  b.text({x - 14, 74}, "R1", SchematicBuilder::kInk, 10, Anchor::Right, true);
  b.junction({x, 115});
  b.wire({x, 115}, {x + 66, 115});
  b.terminal({x + 70, 115});
  b.text({x + 70, 103}, "V2", SchematicBuilder::kInk, 10, Anchor::Center, true);
  b.resistor({x, 115}, {x, 206});
  b.text({x - 14, 165}, "R2", SchematicBuilder::kInk, 10, Anchor::Right, true);
  b.ground({x, 206});
  b.anchor("Lab1", x + 14, 61, 140, metrics::kLabelHeight);
  b.anchor("LabV2", x + 80, 106, 86, metrics::kLabelHeight);
  b.anchor("Lab2", x + 14, 152, 140, metrics::kLabelHeight);
  return b.finish();
}

} // namespace velmorin
