// The drawings of circuits C21 to C30, and the small parts they share that
// the builder does not draw.
#pragma once

#include "schematics/ControlMetrics.h"
#include "schematics/Schematic.h"
#include "schematics/SchematicBuilder.h"

#include <string>
#include <vector>

namespace velmorin::drawings {

Schematic drawC21();
Schematic drawC22();
Schematic drawC23();
Schematic drawC24();
Schematic drawC25();
Schematic drawC26();
Schematic drawC27();
Schematic drawC28();
Schematic drawC29();
Schematic drawC30();

// Kept in a namespace of their own: the other ranges have helpers of the
// same names.
namespace c21to30 {

// The tube size of every drawing, as in C1.
inline constexpr double kTubeRadius = 34;
// Value labels hold "123.45V" or "12.34mA" in the frame's small font.
inline constexpr double kValueWidth = 64;

// A value label of kValueWidth centred on y, starting at x (left aligned) or
// ending at x (right aligned, for labels left of their node).
void valueRight(SchematicBuilder& b, std::string name, double x, double centreY, double width = kValueWidth);
void valueLeft(SchematicBuilder& b, std::string name, double right, double centreY,
               double width = kValueWidth);

// The tube list, its top-left corner at (x, y).
void tubeList(SchematicBuilder& b, std::string name, double x, double y);

} // namespace c21to30

} // namespace velmorin::drawings
