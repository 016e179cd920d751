#include "widgets/Icons.h"

#include "widgets/ScenePainter.h"

#include <cmath>
#include <numbers>

namespace velmorin::gui::icons {

namespace {

using plot::PointF;
constexpr plot::Argb kInk = 0xFF303840;
constexpr plot::Argb kAccent = 0xFF2A6FB0;

plot::Scene canvas(double size) {
  plot::Scene s;
  s.width = s.height = size;
  s.background = 0x00000000;
  return s;
}

void box(plot::Scene& s, double x, double y, double w, double h, plot::Argb color, double width) {
  s.polyline({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}}, color, width, false);
}

void circle(plot::Scene& s, PointF c, double r, plot::Argb color, double width) {
  std::vector<PointF> pts;
  for (int k = 0; k <= 40; ++k) {
    const double a = 2 * std::numbers::pi * k / 40;
    pts.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  s.polyline(std::move(pts), color, width);
}

QPixmap pixmap(const plot::Scene& s) {
  return QPixmap::fromImage(renderScene(s, 2.0));
}

// Two sheets, the front one with lines of text.
plot::Scene copyScene(double z) {
  plot::Scene s = canvas(20 * z);
  box(s, 3 * z, 2 * z, 10 * z, 12 * z, kInk, 1.3 * z);
  s.rect(7 * z, 6 * z, 10 * z, 12 * z, 0xFFFFFFFF);
  box(s, 7 * z, 6 * z, 10 * z, 12 * z, kAccent, 1.3 * z);
  for (int k = 0; k < 3; ++k)
    s.line({9 * z, (9.5 + 2.5 * k) * z}, {15 * z, (9.5 + 2.5 * k) * z}, kAccent, 1 * z, false);
  return s;
}

} // namespace

QIcon copy() {
  return QIcon(pixmap(copyScene(1)));
}

QIcon load() {
  plot::Scene s = canvas(20);
  s.polyline({{2, 16}, {2, 4}, {7, 4}, {9, 6}, {16, 6}, {16, 9}}, kInk, 1.3, false);
  s.polyline({{2, 16}, {5, 9}, {19, 9}, {16, 16}, {2, 16}}, kAccent, 1.3, false);
  return QIcon(pixmap(s));
}

QIcon save() {
  plot::Scene s = canvas(20);
  s.polyline({{3, 3}, {14, 3}, {17, 6}, {17, 17}, {3, 17}, {3, 3}}, kInk, 1.3, false);
  box(s, 6, 3, 7, 4.5, kAccent, 1.2);
  box(s, 6, 11, 8, 6, kAccent, 1.2);
  return QIcon(pixmap(s));
}

QIcon options() {
  plot::Scene s = canvas(20);
  for (int k = 0; k < 3; ++k) {
    const double y = 5 + 5 * k, x = k == 1 ? 12 : 7;
    s.line({3, y}, {17, y}, kInk, 1.3);
    s.rect(x - 2, y - 2.5, 4, 5, kAccent);
  }
  return QIcon(pixmap(s));
}

QPixmap clipboardFlash(int size) {
  const double z = size / 20.0;
  plot::Scene s = canvas(size);
  s.rect(3 * z, 3 * z, 14 * z, 16 * z, 0xFFF4E9C8);
  box(s, 3 * z, 3 * z, 14 * z, 16 * z, kInk, 1.2 * z);
  s.rect(7 * z, 1.5 * z, 6 * z, 3 * z, kInk);
  for (int k = 0; k < 4; ++k)
    s.line({6 * z, (8 + 2.5 * k) * z}, {14 * z, (8 + 2.5 * k) * z}, kAccent, 1 * z, false);
  return pixmap(s);
}

QPixmap circuitIcon(int tubes, int size) {
  tubes = std::clamp(tubes, 1, 4);
  plot::Scene s = canvas(size);
  const int cols = tubes == 1 ? 1 : 2, rows = tubes > 2 ? 2 : 1;
  const double cell = double(size) / std::max(cols, rows);
  const double r = cell * 0.38;
  for (int k = 0; k < tubes; ++k) {
    const PointF c{cell * (k % cols + 0.5) + (rows > cols ? cell / 2 : 0),
                   cell * (k / cols + 0.5) + (cols > rows ? cell / 2 : 0)};
    circle(s, c, r, kInk, std::max(1.0, size / 32.0));
    s.line({c.x - r * 0.5, c.y - r * 0.45}, {c.x + r * 0.5, c.y - r * 0.45}, kAccent,
           std::max(1.5, size / 24.0), false);
    s.line({c.x - r * 0.5, c.y + r * 0.45}, {c.x + r * 0.5, c.y + r * 0.45}, 0xFFC05020,
           std::max(1.5, size / 24.0), false);
    for (int d = 0; d < 3; ++d)
      s.line({c.x - r * 0.5 + d * r * 0.4, c.y}, {c.x - r * 0.3 + d * r * 0.4, c.y}, kInk,
             std::max(1.0, size / 40.0), false);
  }
  return pixmap(s);
}

} // namespace velmorin::gui::icons
