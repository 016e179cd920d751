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

// The pins of a triode drawn mirrored: its grid enters from the right, so the
// second tube of a pair can take its grid from the outside of the pair.
TriodePins mirroredTriodePins(plot::PointF centre, double radius = kTubeRadius);
// Draws that triode into a finished drawing, stroke for stroke the builder's
// triode turned left for right.
void drawMirroredTriode(plot::Scene& scene, plot::PointF centre, double radius = kTubeRadius);

// A constant-current source between two points on a vertical line: a circle
// as large as the signal source's, with an arrow pointing from top to bottom,
// the way its current flows.
void drawCurrentSource(plot::Scene& scene, plot::PointF top, plot::PointF bottom);

// The long-tailed pair of C7 and C10, all but its tail: the supply rail,
// Ra1 and Ra2 (with their current arrows), T1 taking the input from the left
// through Cg, T2 facing right, T1's output network to the left and T2's to
// the right, the joined cathodes, and the bias line along the bottom from the
// bias terminal at the lower left to Rg and round to T2's grid. The tail hangs
// from `cathodes` and must stay above the bias line.
struct DifferentialPair {
  plot::PointF cathodes; // the junction of the two cathodes
  plot::PointF bias;     // the bias terminal
  plot::PointF t2Centre; // where finishDifferentialPair draws T2
};
inline constexpr double kBiasLineY = 505;
DifferentialPair differentialPair(SchematicBuilder& b);
// Finishes the drawing and adds T2, which the builder cannot draw.
Schematic finishDifferentialPair(SchematicBuilder& b, const DifferentialPair& pair);

} // namespace c2to10

} // namespace velmorin::drawings
