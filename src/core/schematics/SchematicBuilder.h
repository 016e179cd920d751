// The parts a circuit drawing is made of (wires, junctions, ground, supply,
// terminals, resistors, capacitors, a signal source, triodes, pentodes, a
// transformer, texts) placed in pixel coordinates, and the control anchors.
#pragma once

#include "plot/Colors.h"
#include "schematics/Schematic.h"

#include <initializer_list>
#include <string>

namespace velmorin {

// The pins of a tube symbol: where wires attach on the envelope.
struct TriodePins {
  plot::PointF anode, grid, cathode;
};

struct PentodePins {
  plot::PointF anode, grid1, grid2, cathode;
};

struct TransformerPins {
  plot::PointF primaryTop, primaryTap, primaryBottom;
  plot::PointF secondaryTop, secondaryBottom;
};

class SchematicBuilder {
public:
  // Drawings are laid out on a 10-pixel grid; the parts' pins fall on it
  // when they are placed on it.
  static constexpr double kGrid = 10;
  static constexpr double kWireWidth = 1.5;
  static constexpr plot::Argb kInk = 0xFF202020;
  static constexpr double kTextSize = 9;

  SchematicBuilder(double width, double height);

  void wire(plot::PointF a, plot::PointF b);
  void wire(std::initializer_list<plot::PointF> path);
  // A filled dot where three or more wires meet.
  void junction(plot::PointF p);
  // The ground symbol hanging below p, with its lead.
  void ground(plot::PointF p);
  // The supply terminal: an open circle centred on p; wires leave it downward.
  void supply(plot::PointF p);
  // An input or output terminal: an open circle centred on p.
  void terminal(plot::PointF p);

  // Two-terminal parts between two points on one horizontal or vertical
  // line: the body sits in the middle, lead wires fill the rest.
  void resistor(plot::PointF a, plot::PointF b);
  void capacitor(plot::PointF a, plot::PointF b, bool polarised = false);
  // The signal generator: a circle with a sine, between two points on a vertical line.
  void source(plot::PointF top, plot::PointF bottom);
  // A constant-current source on a vertical line: a circle as large as the
  // signal source's with an arrow from top to bottom, the way its current flows.
  void currentSource(plot::PointF top, plot::PointF bottom);
  // A zener reference on a vertical line, its cathode (the bar) at `top`.
  void zener(plot::PointF top, plot::PointF bottom);
  // A small arrow along a wire, showing the direction of a current.
  void currentArrow(plot::PointF from, plot::PointF to, plot::Argb color = kInk);

  TriodePins triode(plot::PointF centre, double radius = 36);
  // The same triode turned left for right, its grid lead leaving on the
  // right: the right-hand tube of a symmetric pair.
  TriodePins mirroredTriode(plot::PointF centre, double radius = 36);
  PentodePins pentode(plot::PointF centre, double radius = 40);
  TransformerPins transformer(plot::PointF centre);

  void text(plot::PointF pos, std::string s, plot::Argb color = kInk, double pointSize = kTextSize,
            plot::Anchor anchor = plot::Anchor::Left, bool bold = false);
  // A tube's designation ("T1", "T1 and T2", "Ballast"): bold, a size above the other texts.
  void tubeName(plot::PointF pos, std::string s, plot::Anchor anchor = plot::Anchor::Left);
  // The name of a part or terminal ("Rk", "Out", "Vg2") in the drawing's text size.
  void partName(plot::PointF pos, std::string s, plot::Anchor anchor = plot::Anchor::Left);

  // The box of one control of the frame.
  void anchor(std::string name, double x, double y, double w, double h,
              CaptionSide caption = CaptionSide::Left, plot::Anchor align = plot::Anchor::Left);
  // A labelled edit with its caption above, centred on x, its bottom at `bottom`.
  void editAbove(std::string name, double centreX, double bottom);
  // A labelled edit with a caption of `captionChars` characters on its left,
  // the box starting at x, centred on y.
  void editLeft(std::string name, double x, double centreY, int captionChars);
  // A group box around some controls: a thin frame with its caption on the top edge.
  void groupBox(double x, double y, double w, double h, std::string caption);

  Schematic finish();

private:
  void circle(plot::PointF centre, double radius, double width, plot::Argb color = kInk);
  // A triode whose grid lead leaves on the left (side -1) or the right (+1).
  TriodePins triodeFacing(plot::PointF centre, double radius, double side);
  void dashed(plot::PointF a, plot::PointF b, double dash, double gap, double width);

  Schematic s_;
};

} // namespace velmorin
