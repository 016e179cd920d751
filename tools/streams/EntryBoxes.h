// The circuit's entries drawn onto its schematic: a light box where each
// edit, list and check box of the frame sits, with its caption when asked,
// so a picture of the drawing reads as the circuit a user fills in.
#pragma once

#include "schematics/Schematic.h"

namespace velmorin::streams {

// Adds the boxes of circuit n's controls to `schematic.scene`, in drawing
// coordinates. Value labels stay empty until a solve, so they get no box.
void addEntryBoxes(Schematic& schematic, int n, bool withCaptions);

} // namespace velmorin::streams
