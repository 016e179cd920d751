#include "plot/BodePlot.h"

#include "plot/Colors.h"
#include "text/Format.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmorin::plot {

namespace {

constexpr Argb kLightGrey = 0xFFC0C0C0;
constexpr double kFontSize = kDiagramFontSize;
constexpr double kBottomGain = 0.1; // -20 dB, the foot of the gain axis
constexpr double kHalfPower = 0.7071;

bool plottable(double g) {
  return std::isfinite(g) && g > 0;
}

bool isDecade(double f) {
  for (double d : {0.1, 1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1e6})
    if (std::abs(f - d) <= 1e-9 * d)
      return true;
  return false;
}

// The largest plottable value of a curve, 0 when it has none.
double largest(const std::vector<double>& gains) {
  double top = 0;
  for (double g : gains)
    if (plottable(g) && g > top)
      top = g;
  return top;
}

class Axes {
public:
  Axes(const BodeData& d, double W, double H) : W_(W), H_(H) {
    const auto& F = d.frequencies;
    f0_ = F.empty() ? 1 : F.front();
    fN_ = F.empty() ? 1 : F.back();
    logF0_ = std::log10(f0_);
    logSpan_ = std::log10(fN_) - logF0_;

    Gtop_ = std::max(largest(d.overall.gains), plottable(d.Gmax) ? d.Gmax : 0.0);
    for (const BodeCurve& c : d.outputs)
      Gtop_ = std::max(Gtop_, largest(c.gains));
    // The axis runs from Gtop down to 0.1: with nothing above 0.1 to show it
    // would have no height, so it then spans -20..0 dB.
    if (!(Gtop_ > kBottomGain && std::isfinite(Gtop_)))
      Gtop_ = 1;
    logGtop_ = std::log10(Gtop_);
  }

  double x(double f) const {
    const double t = logSpan_ > 0 ? (std::log10(f) - logF0_) / logSpan_ : 0;
    return 60 + t * (W_ - 90);
  }
  double y(double g) const {
    return 30 + (logGtop_ - std::log10(g)) / (logGtop_ - std::log10(kBottomGain)) * (H_ - 60);
  }
  double f0() const { return f0_; }
  double fN() const { return fN_; }
  double Gtop() const { return Gtop_; }

private:
  double W_, H_;
  double f0_, fN_, logF0_, logSpan_;
  double Gtop_, logGtop_;
};

// One polyline per run of plottable points: a gain of 0 or a value that is
// not a number has no place on a logarithmic axis.
// A curve ends at the foot of the gain axis: the part below -20 dB is cut
// off where it crosses it, so it never runs over the legends underneath.
void drawCurve(Scene& scene, const Axes& ax, const std::vector<double>& freqs, const BodeCurve& c,
               double width) {
  const double bottom = ax.y(kBottomGain);
  std::vector<PointF> run;
  auto flush = [&] {
    if (run.size() >= 2)
      scene.polyline(run, c.color, width);
    run.clear();
  };
  auto crossing = [&](PointF a, PointF b) {
    const double t = (bottom - a.y) / (b.y - a.y);
    return PointF{a.x + t * (b.x - a.x), bottom};
  };
  std::optional<PointF> last;
  for (std::size_t i = 0; i < freqs.size() && i < c.gains.size(); ++i) {
    if (!plottable(c.gains[i])) {
      flush();
      last.reset();
      continue;
    }
    const PointF p{ax.x(freqs[i]), ax.y(c.gains[i])};
    const bool below = p.y > bottom;
    if (last && (last->y > bottom) != below && last->y != bottom && p.y != bottom)
      run.push_back(crossing(*last, p));
    if (below)
      flush();
    else
      run.push_back(p);
    last = p;
  }
  flush();
}

std::string summaryLine(const BodeData& d, const Locale& locale, double Gover) {
  const std::string head = Gover > 10 ? "Max gain x%.0f %.1fdB @ " : "Max gain x%.1f %.1fdB @ ";
  const double dB = 20 * std::log10(Gover);
  if (d.fLow > 0 && d.fHigh > 0)
    return sformat(locale, head + "~%.0fHz BW -3dB %.0fHz-%.0fkHz", Gover, dB, d.fmaxGain, d.fLow,
                   d.fHigh / 1000);
  if (d.fHigh > 0)
    return sformat(locale, head + "%.0nHz BW -3dB HI %.0nHz", Gover, dB, d.fmaxGain, d.fHigh);
  if (d.fLow > 0)
    return sformat(locale, head + "%.0nHz BW -3dB LO %.0fHz", Gover, dB, d.fmaxGain, d.fLow);
  return sformat(locale, head + "%.0nHz BW not calculable", Gover, dB, d.fmaxGain);
}

} // namespace

Scene bodeScene(const BodeData& d, const Locale& locale, double W, double H) {
  Scene scene;
  scene.width = W;
  scene.height = H;
  const Axes ax(d, W, H);
  const double xLeft = ax.x(ax.f0()), xRight = ax.x(ax.fN());
  const double yBottom = ax.y(kBottomGain), yTop = ax.y(ax.Gtop());

  scene.text({W - 30, 10}, sformat(locale, "%s [%s]", d.title, d.caption), kBlack, kFontSize, Anchor::Right);
  if (d.β != 0)
    scene.text({W - 30, 22.5}, sformat(locale, "%.3f feedback fraction", d.β), kBlack, kFontSize,
               Anchor::Right);

  scene.line({xLeft, yBottom}, {xRight, yBottom}, kGrey, 2);
  scene.text({xRight, H - 3}, "F (Hz)", kBlack, kFontSize, Anchor::Center);

  for (double f : d.frequencies) {
    const double xf = ax.x(f);
    if (isDecade(f)) {
      scene.line({xf, yBottom}, {xf, yTop}, kBlack, 0.3);
      const std::string label = f >= 1 ? sformat(locale, "%.0n", f) : sformat(locale, "%.1f", f);
      scene.text({xf, H - 15}, label, kBlack, kFontSize, Anchor::Center);
    } else {
      scene.line({xf, yBottom}, {xf, yTop}, kGrey, 0.15);
    }
  }

  scene.line({xLeft, yBottom}, {xLeft, yTop}, kGrey, 2);
  scene.text({xLeft, 15}, "G (dB)", kBlack, kFontSize, Anchor::Center);

  // Gover is 0 when no overall gain could be computed: nothing to mark then.
  const double Gover = largest(d.overall.gains);
  auto levelLabel = [&](double g) {
    scene.text({xLeft + 2, ax.y(g) - 1}, sformat(locale, "%.1fdB", 20 * std::log10(g)), kGrey, kFontSize);
  };
  if (Gover > 0) {
    if (d.overallShown) {
      const double g3 = kHalfPower * Gover;
      scene.line({xLeft, ax.y(g3)}, {xRight, ax.y(g3)}, kBlack, 0.25);
      levelLabel(g3);
      scene.line({xLeft, ax.y(Gover)}, {xRight, ax.y(Gover)}, kBlack, 0.25);
    }
    levelLabel(Gover);
  }

  // Gain grid in 10 dB steps from -20 dB up to the multiple of 10 above Gtop.
  const double L = std::ceil(std::nearbyint(ax.Gtop()) / 10) * 10;
  double g = kBottomGain;
  do {
    scene.line({xLeft, ax.y(g)}, {xRight, ax.y(g)}, kLightGrey, 0.25);
    scene.text({xLeft - 10, ax.y(g)}, sformat(locale, "%.0fdB", 20 * std::log10(g)), kBlack, kFontSize,
               Anchor::Right);
    g *= std::sqrt(10.0);
  } while (g < L);

  for (const BodeCurve& c : d.outputs)
    if (c.ticked)
      drawCurve(scene, ax, d.frequencies, c, 1);
  if (d.overallShown && d.overall.ticked)
    drawCurve(scene, ax, d.frequencies, d.overall, 2);

  int k = 0;
  for (const TRecLégende& legend : d.legends)
    if (legend.légende_display) {
      ++k;
      scene.text({W / 2, H - 45 - 12.0 * k}, legend.légende_titre, legend.légende_color, kFontSize);
    }

  if (d.overallShown && Gover > 0)
    scene.text({W / 2, H - 35}, summaryLine(d, locale, Gover), kBlack, kFontSize, Anchor::Center);
  return scene;
}

} // namespace velmorin::plot
