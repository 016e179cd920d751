// The drawings of circuits C2 to C10, and the few parts they share that the
// builder does not draw: a mirrored triode and a constant-current source.
#pragma once

#include "schematics/Schematic.h"
#include "schematics/SchematicBuilder.h"

#include <string>

namespace velmorin::drawings {

Schematic drawC2();
Schematic drawC3();
Schematic drawC4();
Schematic drawC5();
Schematic drawC6();
Schematic drawC7();
Schematic drawC8();
Schematic drawC9();
Schematic drawC10();

// Helpers private to this range.
namespace c2to10 {

// The tube size of every drawing, as in C1.
inline constexpr double kTubeRadius = 34;

// A terminal's name ("Out"), above it: centred on it, or, at the drawing's
// edges, ending over its right side (Right) or starting over its left (Left).
void terminalName(SchematicBuilder& b, plot::PointF terminal, std::string name,
                  plot::Anchor anchor = plot::Anchor::Right);

// The long-tailed pair of C7 and C10, all but its tail: the supply rail,
// Ra1 and Ra2 (with their current arrows), T1 taking the input from the left
// through Cg, T2 facing right, T1's output network to the left and T2's to
// the right, the joined cathodes, and the bias line along the bottom from the
// bias terminal at the lower left to Rg and round to T2's grid. The tail hangs
// from `cathodes` and must stay above the bias line.
struct DifferentialPair {
  plot::PointF cathodes; // the junction of the two cathodes
  plot::PointF bias;     // the bias terminal
};
inline constexpr double kBiasLineY = 505;
DifferentialPair differentialPair(SchematicBuilder& b);

} // namespace c2to10

} // namespace velmorin::drawings
