// Geometry checks on drawings: where lines pass, whether a control's box is
// crossed by a wire or covers a text, and whether every point is finite.
#pragma once

#include "plot/Scene.h"
#include "schematics/Schematic.h"

#include <cmath>
#include <string>
#include <vector>

namespace velmorin::testing {

struct Segment {
  plot::PointF a, b;
  double width = 1;
};

inline std::vector<Segment> segmentsOf(const plot::Scene& s) {
  std::vector<Segment> out;
  for (const plot::Item& i : s.items) {
    if (const auto* l = std::get_if<plot::Line>(&i))
      out.push_back({l->a, l->b, l->width});
    if (const auto* p = std::get_if<plot::Polyline>(&i))
      for (std::size_t k = 1; k < p->points.size(); ++k)
        out.push_back({p->points[k - 1], p->points[k], p->width});
  }
  return out;
}

// Whether the stroke of a segment (its width included) enters the box.
inline bool crosses(const Segment& s, const ControlAnchor& box) {
  const double half = s.width / 2;
  const double len = std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
  const int steps = std::max(1, int(std::ceil(len / 0.25)));
  for (int k = 0; k <= steps; ++k) {
    const double t = double(k) / steps;
    const double x = s.a.x + (s.b.x - s.a.x) * t, y = s.a.y + (s.b.y - s.a.y) * t;
    if (x + half > box.x && x - half < box.right() && y + half > box.y && y - half < box.bottom())
      return true;
  }
  return false;
}

inline bool overlap(const ControlAnchor& p, const ControlAnchor& q) {
  return p.x < q.right() && q.x < p.right() && p.y < q.bottom() && q.y < p.bottom();
}

// The box a text occupies: the monospace advance, and the point size in
// pixels above the baseline.
inline ControlAnchor textBox(const plot::Text& t) {
  const double w = plot::textWidth(t.text, t.pointSize);
  const double h = t.pointSize * plot::kPixelsPerPoint;
  const double x = t.anchor == plot::Anchor::Left     ? t.pos.x
                   : t.anchor == plot::Anchor::Center ? t.pos.x - w / 2
                                                      : t.pos.x - w;
  return {t.text, x, t.pos.y - h, w, h};
}

inline bool allFinite(const plot::Scene& s) {
  for (const Segment& seg : segmentsOf(s))
    if (!std::isfinite(seg.a.x) || !std::isfinite(seg.a.y) || !std::isfinite(seg.b.x) ||
        !std::isfinite(seg.b.y))
      return false;
  return true;
}

} // namespace velmorin::testing
