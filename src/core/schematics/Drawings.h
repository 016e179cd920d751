// The circuit drawings of the catalogue, by circuit number, and the other
// small pictures drawn with the same parts.
#pragma once

#include "schematics/Schematic.h"

#include <optional>

namespace velmorin {

// The drawing of circuit n with an anchor for every control of its frame,
// or nothing when circuit n has no drawing yet (its frame then shows its
// controls in a plain grid).
std::optional<Schematic> circuitSchematic(int n);
bool hasSchematic(int n);

// The resistive divider of the tools window: V1 at the top, R1, the output
// tap V2, R2 to ground. Anchors "Lab1", "Lab2" and "LabV2" hold the result labels.
Schematic dividerSchematic();

} // namespace velmorin
