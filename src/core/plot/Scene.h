// A drawing as a display list in pixel coordinates. Every picture of the
// program (load lines, stacks, traces, Bode plots, schematics ...) is a
// Scene; the GUI paints it with QPainter, the SVG writer turns it into a file.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace velmorin::plot {

using Argb = std::uint32_t; // $AARRGGBB

struct PointF {
  double x = 0, y = 0;
  bool operator==(const PointF&) const = default;
};

struct Line {
  PointF a, b;
  Argb color = 0xFF000000;
  double width = 1;
  bool roundEnds = true;
};

struct Polyline {
  std::vector<PointF> points;
  Argb color = 0xFF000000;
  double width = 1;
  bool roundEnds = true;
};

struct Rect {
  double x = 0, y = 0, w = 0, h = 0;
  Argb fill = 0xFF000000;
};

enum class Anchor { Left, Center, Right };

// `pos` is the baseline point: its left end, centre or right end by `anchor`.
struct Text {
  PointF pos;
  std::string text;
  Argb color = 0xFF000000;
  double pointSize = 9;
  std::string family = "Noto Mono";
  Anchor anchor = Anchor::Left;
  bool bold = false;
};

using Item = std::variant<Line, Polyline, Rect, Text>;

struct Scene {
  double width = 0, height = 0;
  Argb background = 0xFFFFFFFF;
  std::vector<Item> items;

  void line(PointF a, PointF b, Argb color, double width, bool roundEnds = true) {
    items.emplace_back(Line{a, b, color, width, roundEnds});
  }
  void polyline(std::vector<PointF> pts, Argb color, double width, bool roundEnds = true) {
    items.emplace_back(Polyline{std::move(pts), color, width, roundEnds});
  }
  void rect(double x, double y, double w, double h, Argb fill) { items.emplace_back(Rect{x, y, w, h, fill}); }
  void text(PointF pos, std::string s, Argb color, double pointSize, Anchor anchor = Anchor::Left,
            bool bold = false) {
    items.emplace_back(Text{pos, std::move(s), color, pointSize, "Noto Mono", anchor, bold});
  }
};

// Pixels per point of the reference screen (96 dpi): point sizes become pixels.
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The text of the diagrams (load lines, stacks, Bode plots): 12 pixels high
// on the reference screen, so the legend lines stacked 12 pixels apart and
// the axis labels placed 12 pixels apart never overlap.
inline constexpr double kDiagramFontSize = 12 / kPixelsPerPoint;

// Width in pixels of a text in the monospace font at a point size (Noto Mono
// advances 0.6 em per character); counts UTF-8 code points.
double textWidth(const std::string& s, double pointSize);

} // namespace velmorin::plot
