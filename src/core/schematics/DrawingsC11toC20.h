// The drawings of circuits C11 to C20 and the few parts they need beyond the
// builder's: a triode drawn with its grid on the right, a zener reference, a
// constant-current source, wide captioned edits and the common texts.
#pragma once

#include "plot/Scene.h"
#include "schematics/Schematic.h"
#include "schematics/SchematicBuilder.h"

#include <string>

namespace velmorin::drawings {

Schematic drawC11();
Schematic drawC12();
Schematic drawC13();
Schematic drawC14();
Schematic drawC15();
Schematic drawC16();
Schematic drawC17();
Schematic drawC18();
Schematic drawC19();
Schematic drawC20();

namespace parts {

// An edit whose long caption sits above it, both centred in a box `width`
// wide, room for the caption; `bottom` is the edit's lower edge.
void editAboveWide(SchematicBuilder& b, std::string controlName, double centreX, double bottom, double width);
// A value label of the usual height.
void valueLabel(SchematicBuilder& b, std::string controlName, double x, double y, double width,
                plot::Anchor align = plot::Anchor::Left);

} // namespace parts

} // namespace velmorin::drawings
