#include "EntryBoxes.h"

#include "catalogue/FrameControls.h"
#include "schematics/ControlMetrics.h"

#include <algorithm>

namespace velmorin::streams {

namespace {

namespace m = metrics;
using plot::PointF;

// The grey of the frame's entry fields, with a thin edge so the field shows
// on the white paper once the picture is scaled down.
constexpr plot::Argb kFieldFill = 0xFFEBEBEB;
constexpr plot::Argb kFieldEdge = 0xFFB4B4B4;
constexpr plot::Argb kListFill = 0xFFF2F2F2;
constexpr plot::Argb kListEdge = 0xFF9A9A9A;
constexpr plot::Argb kCaptionInk = 0xFF202020;
constexpr plot::Argb kCheckInk = 0xFF008080; // the check boxes' text colour on the frame
// 11 pixels: the frame's caption font, about as wide as the drawing reserves per character.
constexpr double kCaptionSize = 11 / plot::kPixelsPerPoint;
constexpr double kCheckSide = 11;

void field(plot::Scene& s, double x, double y, double w, double h, plot::Argb fill, plot::Argb edge) {
  s.rect(x, y, w, h, fill);
  s.polyline({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}}, edge, 1, false);
}

// The caption's baseline centred on a line of height h starting at y.
double baselineIn(double y, double h) {
  return y + h / 2 + kCaptionSize * plot::kPixelsPerPoint * 0.35;
}

void edit(plot::Scene& s, const ControlAnchor& a, const FrameControl& c, bool withCaptions) {
  if (a.caption == CaptionSide::Above) {
    const double top = a.y + std::max(0.0, a.h - m::kEditHeight);
    field(s, a.x, top, a.w, a.h - (top - a.y), kFieldFill, kFieldEdge);
    if (withCaptions && !c.caption.empty())
      s.text({a.x + a.w / 2, top - 4}, c.caption, kCaptionInk, kCaptionSize, plot::Anchor::Center);
    return;
  }
  const double w = std::min(m::kEditWidth, a.w);
  field(s, a.right() - w, a.y, w, a.h, kFieldFill, kFieldEdge);
  if (withCaptions && !c.caption.empty())
    s.text({a.right() - w - 4, baselineIn(a.y, a.h)}, c.caption, kCaptionInk, kCaptionSize,
           plot::Anchor::Right);
}

void list(plot::Scene& s, const ControlAnchor& a) {
  field(s, a.x, a.y, a.w, a.h, kListFill, kListEdge);
  // The drop-down arrow at the right end.
  const double cx = a.right() - std::min(10.0, a.w / 4), cy = a.y + a.h / 2;
  const double half = std::min(4.0, a.h / 5);
  s.polyline({{cx - half, cy - half / 2}, {cx, cy + half / 2}, {cx + half, cy - half / 2}}, kListEdge, 1.5);
}

void checkBox(plot::Scene& s, const ControlAnchor& a, const FrameControl& c, bool withCaptions) {
  const double side = std::min(kCheckSide, a.h);
  field(s, a.x + 1, a.y + (a.h - side) / 2, side, side, 0xFFFFFFFF, kListEdge);
  if (withCaptions && !c.caption.empty())
    s.text({a.x + side + 6, baselineIn(a.y, a.h)}, c.caption, kCheckInk, kCaptionSize);
}

void fixedLabel(plot::Scene& s, const ControlAnchor& a, const FrameControl& c) {
  const double x = a.align == plot::Anchor::Right    ? a.right()
                   : a.align == plot::Anchor::Center ? a.x + a.w / 2
                                                     : a.x;
  s.text({x, baselineIn(a.y, a.h)}, c.caption, kCaptionInk, kCaptionSize, a.align);
}

} // namespace

void addEntryBoxes(Schematic& schematic, int n, bool withCaptions) {
  plot::Scene& s = schematic.scene;
  for (const FrameControl& c : frameControls(n)) {
    const ControlAnchor* a = schematic.anchor(c.name);
    if (!a || !(a->w > 0) || !(a->h > 0))
      continue;
    switch (c.kind) {
    case ControlKind::LabelledEdit:
      edit(s, *a, c, withCaptions);
      break;
    case ControlKind::TubeList:
    case ControlKind::SelectionList:
      list(s, *a);
      break;
    case ControlKind::CheckBox:
      checkBox(s, *a, c, withCaptions);
      break;
    case ControlKind::FixedLabel:
      if (withCaptions)
        fixedLabel(s, *a, c);
      break;
    case ControlKind::ValueLabel:
      break;
    }
  }
}

} // namespace velmorin::streams
