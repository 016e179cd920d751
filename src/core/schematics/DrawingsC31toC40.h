// The drawings of circuits C31 to C40, and the parts they need that the
// builder draws in one orientation only or not at all.
#pragma once

#include "schematics/Schematic.h"
#include "schematics/SchematicBuilder.h"

#include <vector>

namespace velmorin::drawings {

Schematic drawC31();
Schematic drawC32();
Schematic drawC33();
Schematic drawC34();
Schematic drawC35();
Schematic drawC36();
Schematic drawC37();
Schematic drawC38();
Schematic drawC39();
Schematic drawC40();

// The shared parts, in a namespace of their own so that the other ranges'
// helpers of the same names never clash with them.
namespace c31to40 {

// The ends of an output transformer lying on its side: the primary below
// the core, left to right with its centre tap, the secondary above it.
struct LyingTransformerPins {
  plot::PointF primaryLeft, primaryTap, primaryRight;
  plot::PointF secondaryLeft, secondaryRight;
};

// Parts turned from the builder's orientation: each is drawn by a scratch
// builder, so it keeps the strokes of its upright twin, then mirrored or
// rotated. They join the drawing when it is finished.
class TurnedParts {
public:
  // A tube facing left: its grid on the right, for the second tube of a
  // push-pull pair, whose drive comes from the right.
  TriodePins triodeFacingLeft(plot::PointF centre, double radius);
  PentodePins pentodeFacingLeft(plot::PointF centre, double radius);
  // The builder's transformer turned a quarter counter-clockwise.
  LyingTransformerPins lyingTransformer(plot::PointF centre);

  void addTo(Schematic& s) const;

private:
  std::vector<plot::Item> items_;
};

// A loudspeaker: magnet and cone, its two leads on the left side of the
// magnet at `leadTop` and 12 pixels below it.
void loudspeaker(SchematicBuilder& b, plot::PointF leadTop);

// The power stages' lists: the number of tubes in parallel, a narrow list
// followed by the words "in parallel", its box at (x, y); the transformer's
// power yield with `caption` on its left, the list's box ending at `right`.
void parallelTubesList(SchematicBuilder& b, double x, double y);
void yieldList(SchematicBuilder& b, double right, double y, const char* caption);

inline constexpr const char* kYieldCaption = "Transformer power yield (%)";

} // namespace c31to40

} // namespace velmorin::drawings
