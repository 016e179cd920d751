#include "plot/LoadLine.h"

#include "text/Format.h"

#include <cmath>

namespace velmorin::plot {

namespace {

constexpr double kMargin = 60;
constexpr double kFontSize = kDiagramFontSize;
constexpr double kVoltStep = 2;

bool evaluable(const TTube& t) {
  return t.kp() != 0 && t.mu() != 0 && t.kvb() != 0 && t.Kg1() != 0;
}

// Steps the triode equation from 0 V in 2 V steps. The test runs after each
// step with the new voltage and the last current, so the curve ends on the
// first point past the scale or the dissipation limit.
Characteristic characteristic(const TTube& tube, Argb color, double Vgk, double Imax, double Vmax) {
  Characteristic c;
  c.Vgk = Vgk;
  c.color = color;
  if (!evaluable(tube))
    return c;
  // A scratch copy: the solved tube must keep its operating point.
  TTube scratch = tube;
  double Vak = 0, Ia = 0;
  do {
    scratch.CalculerNK(Vak, Vgk, Ia);
    if (!std::isfinite(Ia))
      break;
    c.points.push_back({Vak, Ia});
    Vak += kVoltStep;
  } while (Vak < Vmax && Ia < Imax && Vak * Ia < tube.Pamax() && c.points.size() < kMaxCurvePoints);
  c.labelAt = {Vak, Ia};
  return c;
}

std::vector<VoltAmp> dissipationCurve(double Pamax, double Iamax, double Vamax) {
  std::vector<VoltAmp> pts;
  // The hyperbola starts where it meets the current limit; without a positive
  // current limit and dissipation it has no start (and no meaning).
  if (!(Pamax > 0 && Iamax > 0 && std::isfinite(Pamax) && std::isfinite(Iamax)))
    return pts;
  for (double v = Pamax / Iamax; v < Vamax && pts.size() < kMaxCurvePoints; v += kVoltStep)
    pts.push_back({v, Pamax / v});
  return pts;
}

bool finite(PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Adds items only where they have a position: a value that cannot be
// placed (or printed) is left out rather than drawn at NaN or labelled "nan".
struct Painter {
  Scene& scene;
  const Locale& locale;

  void line(PointF a, PointF b, Argb color, double width) {
    if (finite(a) && finite(b))
      scene.line(a, b, color, width);
  }
  void text(PointF pos, std::string s, Argb color, Anchor anchor = Anchor::Left) {
    if (finite(pos))
      scene.text(pos, std::move(s), color, kFontSize, anchor);
  }
  void label(PointF pos, const char* fmt, double value, Argb color) {
    if (std::isfinite(value))
      text(pos, sformat(locale, fmt, value), color);
  }
  void polyline(std::vector<PointF> pts, Argb color, double width) {
    std::erase_if(pts, [](PointF p) { return !finite(p); });
    if (!pts.empty())
      scene.polyline(std::move(pts), color, width);
  }
};

double sanitizedSize(double v) {
  return std::isfinite(v) && v > 0 ? v : 0;
}

} // namespace

LoadLineData makeLoadLineData(const TTube& tube, bool withLoadLine, double Imax, double Vmax) {
  LoadLineData d;
  d.title = sformat(tube.locale(), "%s %s", tube.Reference(), tube.ModelName());
  d.withLoadLine = withLoadLine;
  d.Imax = Imax;
  d.Vmax = Vmax;
  d.Iamax = tube.Iamax();
  d.Vamax = tube.Vamax();
  d.Pamax = tube.Pamax();
  d.Vak = tube.Vak();
  d.Ia = tube.Ia();
  d.Vgk = tube.Vgk();
  d.characteristics.push_back(characteristic(tube, kNavy, tube.Vgk(), Imax, Vmax));
  d.characteristics.push_back(characteristic(tube, kMaroon, 0, Imax, Vmax));
  d.dissipation = dissipationCurve(d.Pamax, d.Iamax, d.Vamax);
  return d;
}

Scene loadLineScene(const LoadLineData& d, double width, double height, const Locale& locale) {
  const double W = sanitizedSize(width), H = sanitizedSize(height);
  Scene scene;
  scene.width = W;
  scene.height = H;
  scene.background = kWhite;
  Painter p{scene, locale};

  // The plot area's edges: X(0), X(Vmax), Y(0), Y(Imax) for any valid scale.
  const double left = kMargin, right = W - kMargin, top = kMargin, bottom = H - kMargin;

  // Right-aligned on the plot area's right edge: started there, the title
  // would run off the picture.
  p.text({W - kMargin, 30}, d.title, kBlack, Anchor::Right);

  p.line({left, bottom}, {right + 30, bottom}, kGrey, 2);
  p.text({right + 30, H - kMargin}, "Vak", kBlack);
  p.line({left, bottom}, {left, top - 30}, kGrey, 2);
  p.text({left, top - 30}, "Ia", kBlack);

  const bool validScale = std::isfinite(d.Imax) && d.Imax > 0 && std::isfinite(d.Vmax) && d.Vmax > 0;
  if (!validScale)
    return scene;

  auto X = [&](double v) { return v / d.Vmax * (W - 2 * kMargin) + kMargin; };
  auto Y = [&](double i) { return (d.Imax - i) / d.Imax * (H - 2 * kMargin) + kMargin; };
  auto toPixels = [&](const std::vector<VoltAmp>& pts) {
    std::vector<PointF> out;
    out.reserve(pts.size());
    for (const VoltAmp& va : pts)
      out.push_back({X(va.v), Y(va.i)});
    return out;
  };

  p.label({57, Y(d.Imax)}, "%.1fmA", d.Imax * 1000, kBlack);
  p.label({X(d.Vmax), H - 48}, "%0.0fV", d.Vmax, kBlack);

  if (d.withLoadLine) {
    p.line({X(0), Y(d.Imax)}, {X(d.Vmax), Y(0)}, kNavy, 2);
    p.label({X(d.Vmax / 2), Y(d.Imax / 2)}, "%.0fΩ", d.Vmax / d.Imax, kNavy);
  }

  p.line({X(0), Y(d.Iamax)}, {X(d.Pamax / d.Iamax), Y(d.Iamax)}, kRed, 2);
  p.label({57, Y(d.Iamax)}, "%.1fmA", d.Iamax * 1000, kRed);
  p.line({X(d.Vamax), Y(0)}, {X(d.Vamax), Y(d.Pamax / d.Vamax)}, kRed, 2);
  p.label({X(d.Vamax), H - 48}, "%0.0fV", d.Vamax, kRed);
  p.polyline(toPixels(d.dissipation), kRed, 2);

  for (const Characteristic& c : d.characteristics) {
    if (c.points.empty())
      continue;
    p.label({X(c.labelAt.v), Y(c.labelAt.i)}, "Vg %0.2f", c.Vgk, c.color);
    p.polyline(toPixels(c.points), c.color, 2);
  }

  p.line({X(0), Y(d.Ia)}, {X(d.Vak), Y(d.Ia)}, kNavy, 0.3);
  p.label({57, Y(d.Ia)}, "%.1fmA", d.Ia * 1000, kNavy);
  p.line({X(d.Vak), Y(0)}, {X(d.Vak), Y(d.Ia)}, kNavy, 0.3);
  p.label({X(d.Vak), H - 30}, "%0.0fV", d.Vak, kNavy);

  return scene;
}

} // namespace velmorin::plot
