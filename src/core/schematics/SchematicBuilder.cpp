#include "schematics/SchematicBuilder.h"

#include "schematics/ControlMetrics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmorin {

using plot::PointF;

namespace {

constexpr double kResistorLength = 32;
constexpr double kResistorWidth = 10;
constexpr double kPlateGap = 8;
constexpr double kPlateLength = 18;
constexpr double kTerminalRadius = 4;
constexpr double kSourceRadius = 14;

struct Axis {
  PointF a, b;
  double length = 0;
  double ux = 0, uy = 0; // unit vector from a to b
  double nx = 0, ny = 0; // unit normal

  Axis(PointF from, PointF to) : a(from), b(to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    length = std::hypot(dx, dy);
    if (length > 0) {
      ux = dx / length;
      uy = dy / length;
    }
    nx = -uy;
    ny = ux;
  }
  // The point at distance t along the axis, offset by n across it.
  PointF at(double t, double n = 0) const { return {a.x + ux * t + nx * n, a.y + uy * t + ny * n}; }
};

} // namespace

SchematicBuilder::SchematicBuilder(double width, double height) {
  s_.scene.width = width;
  s_.scene.height = height;
  // Paper white, so the grey entry fields stand out on the drawing.
  s_.scene.background = plot::kWhite;
}

void SchematicBuilder::wire(PointF a, PointF b) {
  s_.scene.line(a, b, kInk, kWireWidth);
}

void SchematicBuilder::wire(std::initializer_list<PointF> path) {
  s_.scene.polyline(std::vector<PointF>(path), kInk, kWireWidth);
}

void SchematicBuilder::circle(PointF c, double r, double width, plot::Argb color) {
  constexpr int kSegments = 48;
  std::vector<PointF> pts;
  pts.reserve(kSegments + 1);
  for (int k = 0; k <= kSegments; ++k) {
    const double a = 2 * std::numbers::pi * k / kSegments;
    pts.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  s_.scene.polyline(std::move(pts), color, width);
}

void SchematicBuilder::dashed(PointF a, PointF b, double dash, double gap, double width) {
  const Axis ax(a, b);
  for (double t = 0; t < ax.length; t += dash + gap)
    s_.scene.line(ax.at(t), ax.at(std::min(t + dash, ax.length)), kInk, width, false);
}

void SchematicBuilder::junction(PointF p) {
  // A ring as wide as its radius closes into a disc.
  circle(p, 1.6, 3.2);
}

void SchematicBuilder::ground(PointF p) {
  const double y = p.y + 10;
  wire(p, {p.x, y});
  s_.scene.line({p.x - 10, y}, {p.x + 10, y}, kInk, 2);
  s_.scene.line({p.x - 6, y + 4}, {p.x + 6, y + 4}, kInk, 2);
  s_.scene.line({p.x - 2, y + 8}, {p.x + 2, y + 8}, kInk, 2);
}

void SchematicBuilder::supply(PointF p) {
  circle(p, kTerminalRadius, kWireWidth);
}

void SchematicBuilder::terminal(PointF p) {
  circle(p, kTerminalRadius, kWireWidth);
}

void SchematicBuilder::resistor(PointF a, PointF b) {
  const Axis ax(a, b);
  const double body = std::min(kResistorLength, ax.length * 0.8);
  const double start = (ax.length - body) / 2;
  const double half = kResistorWidth / 2;
  wire(a, ax.at(start));
  wire(ax.at(start + body), b);
  s_.scene.polyline({ax.at(start, -half), ax.at(start + body, -half), ax.at(start + body, half),
                     ax.at(start, half), ax.at(start, -half)},
                    kInk, kWireWidth, false);
}

void SchematicBuilder::capacitor(PointF a, PointF b, bool polarised) {
  const Axis ax(a, b);
  const double gap = std::min(kPlateGap, ax.length);
  const double p1 = (ax.length - gap) / 2, p2 = p1 + gap;
  const double half = kPlateLength / 2;
  wire(a, ax.at(p1));
  wire(ax.at(p2), b);
  s_.scene.line(ax.at(p1, -half), ax.at(p1, half), kInk, 2.5, false);
  s_.scene.line(ax.at(p2, -half), ax.at(p2, half), kInk, 2.5, false);
  if (polarised) {
    // A plus sign beside the positive plate.
    const PointF c = ax.at(p1 - 6, -(half + 2));
    s_.scene.line({c.x - 3, c.y}, {c.x + 3, c.y}, kInk, 1.2, false);
    s_.scene.line({c.x, c.y - 3}, {c.x, c.y + 3}, kInk, 1.2, false);
  }
}

void SchematicBuilder::source(PointF top, PointF bottom) {
  const Axis ax(top, bottom);
  const double mid = ax.length / 2;
  const double r = std::min(kSourceRadius, mid);
  const PointF c = ax.at(mid);
  wire(top, ax.at(mid - r));
  wire(ax.at(mid + r), bottom);
  circle(c, r, kWireWidth);
  std::vector<PointF> sine;
  for (int k = 0; k <= 24; ++k) {
    const double t = double(k) / 24;
    sine.push_back({c.x - 0.6 * r + 1.2 * r * t, c.y - 0.35 * r * std::sin(2 * std::numbers::pi * t)});
  }
  s_.scene.polyline(std::move(sine), kInk, 1.2);
}

void SchematicBuilder::currentArrow(PointF from, PointF to, plot::Argb color) {
  const Axis ax(from, to);
  s_.scene.line(from, to, color, 1.2);
  const double head = std::min(6.0, ax.length);
  s_.scene.polyline({ax.at(ax.length - head, -3.5), to, ax.at(ax.length - head, 3.5)}, color, 1.2);
}

TriodePins SchematicBuilder::triode(PointF c, double r) {
  return triodeFacing(c, r, -1);
}

TriodePins SchematicBuilder::mirroredTriode(PointF c, double r) {
  return triodeFacing(c, r, 1);
}

TriodePins SchematicBuilder::triodeFacing(PointF c, double r, double g) {
  // g is the side of the grid lead: -1 left, +1 right.
  circle(c, r, kWireWidth);
  const double plateY = c.y - 0.45 * r, gridY = c.y, cathodeY = c.y + 0.45 * r;
  const double half = 0.38 * r;
  s_.scene.line({c.x + g * half, plateY}, {c.x - g * half, plateY}, kInk, 2.5, false);
  wire({c.x, c.y - r}, {c.x, plateY});
  // The grid's dashes start from its lead.
  dashed({c.x + g * (half + 2), gridY}, {c.x - g * (half + 2), gridY}, 4, 3, 1.5);
  wire({c.x + g * r, gridY}, {c.x + g * (half + 2), gridY});
  // The indirectly heated cathode: a sleeve whose ends turn toward the lead.
  s_.scene.polyline({{c.x + g * half, cathodeY - 3}, {c.x + g * half, cathodeY}, {c.x - g * half, cathodeY}},
                    kInk, 2, false);
  wire({c.x, cathodeY}, {c.x, c.y + r});
  return {{c.x, c.y - r}, {c.x + g * r, gridY}, {c.x, c.y + r}};
}

void SchematicBuilder::currentSource(PointF top, PointF bottom) {
  constexpr double kRadius = 14, kArrow = 8, kHead = 4; // the signal source's circle
  const double x = top.x, mid = (top.y + bottom.y) / 2;
  const double r = std::min(kRadius, (bottom.y - top.y) / 2);
  wire(top, {x, mid - r});
  wire({x, mid + r}, bottom);
  circle({x, mid}, r, kWireWidth);
  const double arrow = std::min(kArrow, 0.6 * r);
  s_.scene.line({x, mid - arrow}, {x, mid + arrow}, kInk, kWireWidth);
  s_.scene.polyline({{x - kHead, mid + arrow - kHead}, {x, mid + arrow}, {x + kHead, mid + arrow - kHead}}, kInk,
                    kWireWidth);
}

void SchematicBuilder::zener(PointF top, PointF bottom) {
  const double x = top.x, mid = (top.y + bottom.y) / 2;
  constexpr double kHalfHeight = 7, kHalfWidth = 8, kBend = 4;
  wire(top, {x, mid - kHalfHeight});
  wire({x, mid + kHalfHeight}, bottom);
  // The triangle points at the cathode bar: the diode conducts upward, so
  // in reverse it holds the node above it at its breakdown voltage.
  s_.scene.polyline({{x - kHalfWidth, mid + kHalfHeight},
                     {x + kHalfWidth, mid + kHalfHeight},
                     {x, mid - kHalfHeight},
                     {x - kHalfWidth, mid + kHalfHeight}},
                    kInk, kWireWidth, false);
  s_.scene.polyline({{x - kHalfWidth - kBend, mid - kHalfHeight + kBend},
                     {x - kHalfWidth, mid - kHalfHeight},
                     {x + kHalfWidth, mid - kHalfHeight},
                     {x + kHalfWidth + kBend, mid - kHalfHeight - kBend}},
                    kInk, 2, false);
}

PentodePins SchematicBuilder::pentode(PointF c, double r) {
  circle(c, r, kWireWidth);
  const double plateY = c.y - 0.55 * r, g3Y = c.y - 0.3 * r, g2Y = c.y - 0.05 * r, g1Y = c.y + 0.2 * r,
               cathodeY = c.y + 0.5 * r;
  const double half = 0.4 * r;
  s_.scene.line({c.x - half, plateY}, {c.x + half, plateY}, kInk, 2.5, false);
  wire({c.x, c.y - r}, {c.x, plateY});
  dashed({c.x - half, g3Y}, {c.x + half, g3Y}, 4, 3, 1.2);
  dashed({c.x - half, g2Y}, {c.x + half, g2Y}, 4, 3, 1.2);
  dashed({c.x - half, g1Y}, {c.x + half, g1Y}, 4, 3, 1.2);
  // The suppressor is tied to the cathode inside the envelope.
  wire({{c.x - half, g3Y}, {c.x - half - 6, g3Y}, {c.x - half - 6, cathodeY}, {c.x - half, cathodeY}});
  wire({c.x - r, g1Y}, {c.x - half, g1Y});
  wire({c.x + half, g2Y}, {c.x + r, g2Y});
  s_.scene.line({c.x - half, cathodeY}, {c.x + half, cathodeY}, kInk, 2, false);
  wire({c.x, cathodeY}, {c.x, c.y + r});
  return {{c.x, c.y - r}, {c.x - r, g1Y}, {c.x + r, g2Y}, {c.x, c.y + r}};
}

TransformerPins SchematicBuilder::transformer(PointF c) {
  constexpr int kTurns = 4;
  constexpr double kTurnRadius = 7.5;
  const double height = 2 * kTurnRadius * kTurns;
  const double top = c.y - height / 2;
  auto coil = [&](double x, int side) {
    std::vector<PointF> pts;
    for (int turn = 0; turn < kTurns; ++turn) {
      const double cy = top + kTurnRadius * (2 * turn + 1);
      for (int k = 0; k <= 12; ++k) {
        const double a = -std::numbers::pi / 2 + std::numbers::pi * k / 12;
        pts.push_back({x + side * kTurnRadius * std::cos(a), cy + kTurnRadius * std::sin(a)});
      }
    }
    s_.scene.polyline(std::move(pts), kInk, kWireWidth);
  };
  const double primaryX = c.x - 8, secondaryX = c.x + 8;
  coil(primaryX, -1);
  coil(secondaryX, 1);
  s_.scene.line({c.x - 2, top}, {c.x - 2, top + height}, kInk, 1.5, false);
  s_.scene.line({c.x + 2, top}, {c.x + 2, top + height}, kInk, 1.5, false);
  return {{primaryX, top},
          {primaryX, c.y},
          {primaryX, top + height},
          {secondaryX, top},
          {secondaryX, top + height}};
}

void SchematicBuilder::text(PointF pos, std::string s, plot::Argb color, double pointSize,
                            plot::Anchor anchor, bool bold) {
  s_.scene.text(pos, std::move(s), color, pointSize, anchor, bold);
}

void SchematicBuilder::tubeName(PointF pos, std::string s, plot::Anchor anchor) {
  text(pos, std::move(s), kInk, 10, anchor, true);
}

void SchematicBuilder::partName(PointF pos, std::string s, plot::Anchor anchor) {
  text(pos, std::move(s), kInk, kTextSize, anchor);
}

void SchematicBuilder::anchor(std::string name, double x, double y, double w, double h, CaptionSide caption,
                              plot::Anchor align) {
  s_.anchors.push_back({std::move(name), x, y, w, h, caption, align});
}

Schematic SchematicBuilder::finish() {
  return std::move(s_);
}

void SchematicBuilder::editAbove(std::string name, double centreX, double bottom) {
  anchor(std::move(name), centreX - metrics::kEditWidth / 2, bottom - metrics::kEditAboveHeight,
         metrics::kEditWidth, metrics::kEditAboveHeight, CaptionSide::Above);
}

void SchematicBuilder::editLeft(std::string name, double x, double centreY, int captionChars) {
  anchor(std::move(name), x, centreY - metrics::kEditHeight / 2, metrics::editLeftWidth(captionChars),
         metrics::kEditHeight, CaptionSide::Left);
}

void SchematicBuilder::groupBox(double x, double y, double w, double h, std::string caption) {
  constexpr plot::Argb kFrame = 0xFFA0A0A0;
  const double captionWidth = plot::textWidth(caption, kTextSize) + 8;
  s_.scene.line({x, y}, {x + 6, y}, kFrame, 1, false);
  s_.scene.line({x + 6 + captionWidth, y}, {x + w, y}, kFrame, 1, false);
  s_.scene.line({x + w, y}, {x + w, y + h}, kFrame, 1, false);
  s_.scene.line({x + w, y + h}, {x, y + h}, kFrame, 1, false);
  s_.scene.line({x, y + h}, {x, y}, kFrame, 1, false);
  s_.scene.text({x + 10, y + 4}, std::move(caption), kInk, kTextSize);
}

} // namespace velmorin
