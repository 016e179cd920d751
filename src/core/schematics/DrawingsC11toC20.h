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

// Parts drawn beside a SchematicBuilder, in its ink and stroke widths; they
// join the builder's picture when the drawing is finished with finish().
class Extras {
public:
  // A triode whose grid lead leaves on the right: the mirror image of the
  // builder's triode, for the right-hand tube of a symmetric pair.
  TriodePins mirroredTriode(plot::PointF centre, double radius = 34);
  // A zener reference on a vertical line, its cathode (the bar) at `top`.
  void zener(plot::PointF top, plot::PointF bottom);
  // A constant-current source on a vertical line, its arrow pointing down:
  // the current flows from `top` to `bottom`.
  void currentSource(plot::PointF top, plot::PointF bottom);

  // The builder's picture with these parts added.
  Schematic finish(SchematicBuilder& b);

private:
  void wire(plot::PointF a, plot::PointF b);
  plot::Scene scene_;
};

// An edit whose long caption sits above it, both centred in a box `width`
// wide, room for the caption; `bottom` is the edit's lower edge.
void editAboveWide(SchematicBuilder& b, std::string controlName, double centreX, double bottom, double width);
// A value label of the usual height.
void valueLabel(SchematicBuilder& b, std::string controlName, double x, double y, double width,
                plot::Anchor align = plot::Anchor::Left);

} // namespace parts

} // namespace velmorin::drawings
