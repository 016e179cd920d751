// A circuit drawing: the picture as a Scene, and where each control of the
// circuit's frame sits on it (edits, tube lists, check boxes, value labels).
#pragma once

#include "plot/Scene.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmorin {

// Where a labelled edit shows its caption inside its box.
enum class CaptionSide { Left, Above };

// The box of one control, in pixels of the drawing. A labelled edit puts its
// caption and its text field in the box; a value label aligns its text in it.
struct ControlAnchor {
  std::string name; // the control's component name
  double x = 0, y = 0, w = 0, h = 0;
  CaptionSide caption = CaptionSide::Left;
  plot::Anchor align = plot::Anchor::Left;

  double right() const { return x + w; }
  double bottom() const { return y + h; }
};

struct Schematic {
  plot::Scene scene;
  std::vector<ControlAnchor> anchors; // in the order they were placed

  // The anchor of a control, or nullptr when the drawing has none.
  const ControlAnchor* anchor(std::string_view name) const {
    for (const ControlAnchor& a : anchors)
      if (a.name == name)
        return &a;
    return nullptr;
  }
};

} // namespace velmorin
