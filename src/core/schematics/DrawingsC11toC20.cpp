// The drawings of circuits C11 to C20, and the parts they draw beside the
// builder's.
#include "schematics/DrawingsC11toC20.h"

#include "schematics/CircuitDrawings.h"
#include "schematics/ControlMetrics.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <utility>
#include <variant>
#include <vector>

namespace velmorin::drawings {

void registerC11toC20(DrawingTable& table) {
  table[11] = drawC11;
  table[12] = drawC12;
  table[13] = drawC13;
  table[14] = drawC14;
  table[15] = drawC15;
  table[16] = drawC16;
  table[17] = drawC17;
  table[18] = drawC18;
  table[19] = drawC19;
  table[20] = drawC20;
}

namespace parts {

using plot::PointF;

namespace {

constexpr plot::Argb kInk = SchematicBuilder::kInk;
constexpr double kStroke = SchematicBuilder::kWireWidth;

std::vector<PointF> circlePoints(PointF c, double r) {
  constexpr int kSegments = 48;
  std::vector<PointF> pts;
  pts.reserve(kSegments + 1);
  for (int k = 0; k <= kSegments; ++k) {
    const double a = 2 * std::numbers::pi * k / kSegments;
    pts.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  return pts;
}

} // namespace

void Extras::wire(PointF a, PointF b) {
  scene_.line(a, b, kInk, kStroke);
}

TriodePins Extras::mirroredTriode(PointF c, double r) {
  // Drawn by the builder, then turned over about the tube's vertical axis,
  // so both tubes of a pair look alike in every stroke.
  SchematicBuilder single(2 * c.x, 2 * c.y);
  single.triode(c, r);
  const Schematic drawn = single.finish();
  const auto mirror = [&](PointF p) { return PointF{2 * c.x - p.x, p.y}; };
  for (const plot::Item& item : drawn.scene.items) {
    if (const auto* l = std::get_if<plot::Line>(&item)) {
      scene_.line(mirror(l->a), mirror(l->b), l->color, l->width, l->roundEnds);
    } else if (const auto* p = std::get_if<plot::Polyline>(&item)) {
      std::vector<PointF> pts;
      pts.reserve(p->points.size());
      std::transform(p->points.begin(), p->points.end(), std::back_inserter(pts), mirror);
      scene_.polyline(std::move(pts), p->color, p->width, p->roundEnds);
    }
  }
  return {{c.x, c.y - r}, {c.x + r, c.y}, {c.x, c.y + r}};
}

void Extras::zener(PointF top, PointF bottom) {
  const double x = top.x, mid = (top.y + bottom.y) / 2;
  constexpr double kHalfHeight = 7, kHalfWidth = 8, kBend = 4;
  wire(top, {x, mid - kHalfHeight});
  wire({x, mid + kHalfHeight}, bottom);
  // The triangle points at the cathode bar: the diode conducts upward, so
  // in reverse it holds the node above it at its breakdown voltage.
  scene_.polyline({{x - kHalfWidth, mid + kHalfHeight},
                   {x + kHalfWidth, mid + kHalfHeight},
                   {x, mid - kHalfHeight},
                   {x - kHalfWidth, mid + kHalfHeight}},
                  kInk, kStroke, false);
  scene_.polyline({{x - kHalfWidth - kBend, mid - kHalfHeight + kBend},
                   {x - kHalfWidth, mid - kHalfHeight},
                   {x + kHalfWidth, mid - kHalfHeight},
                   {x + kHalfWidth + kBend, mid - kHalfHeight - kBend}},
                  kInk, 2, false);
}

void Extras::currentSource(PointF top, PointF bottom) {
  const double x = top.x, mid = (top.y + bottom.y) / 2;
  constexpr double kRadius = 14, kArrow = 8, kHead = 4;
  wire(top, {x, mid - kRadius});
  wire({x, mid + kRadius}, bottom);
  scene_.polyline(circlePoints({x, mid}, kRadius), kInk, kStroke);
  scene_.line({x, mid - kArrow}, {x, mid + kArrow}, kInk, kStroke);
  scene_.polyline({{x - kHead, mid + kArrow - kHead}, {x, mid + kArrow}, {x + kHead, mid + kArrow - kHead}},
                  kInk, kStroke);
}

Schematic Extras::finish(SchematicBuilder& b) {
  Schematic s = b.finish();
  for (plot::Item& item : scene_.items)
    s.scene.items.push_back(std::move(item));
  scene_.items.clear();
  return s;
}

void editAboveWide(SchematicBuilder& b, std::string controlName, double centreX, double bottom,
                   double width) {
  width = std::max(width, metrics::kEditWidth);
  b.anchor(std::move(controlName), centreX - width / 2, bottom - metrics::kEditAboveHeight, width,
           metrics::kEditAboveHeight, CaptionSide::Above);
}

void valueLabel(SchematicBuilder& b, std::string controlName, double x, double y, double width,
                plot::Anchor align) {
  b.anchor(std::move(controlName), x, y, width, metrics::kLabelHeight, CaptionSide::Left, align);
}

} // namespace parts

} // namespace velmorin::drawings
