// The bias-point solvers of the elementary stages: self bias, fixed grid
// bias, cathodyne and cathode follower. All use the triode equation whatever
// the kind of the model, and leave their solution in the tube's point.
#include "models/IterationLimits.h"
#include "models/TTube.h"
#include "text/Format.h"

#include <algorithm>
#include <cmath>

namespace velmorin {

namespace {

constexpr const char* kTooManyIterations = "Too many iterations";

// The text both bisections on the cathode voltage return when even Vgk = 0
// cannot pass the current that brings the cathode up to the grid.
std::string currentLimitMessage(const Locale& L, double Vg, double Rk, double Imax, double Vak) {
  return sformat(L,
                 "The circuit cannot be operated normally:\n\nthe tube cannot provide the minimal current\n  "
                 "%.0fmA (%.0fV onto %.0fΩ),\n\nbeing itself limited to\n  %.1fmA @ Vgk null and Vak=%.0fV",
                 1000 * Vg / Rk, Vg, Rk, 1000 * Imax, Vak) +
         "\n\nSuggestions:\n- reduce the DC voltage on grid\n- increase the value of Rk2\n- use a tube able "
         "to "
         "deliver more current";
}

void addPoint(Trace* trace, double x, double y) {
  if (trace)
    trace->AddPoint(x, y);
}

} // namespace

void TTube::setTraceCaption(Trace* trace, int iterations, double tolerance, double startCurrent) const {
  if (!trace)
    return;
  trace->caption =
      sformat(FLocale, "C%d - %s %s - %d iter. Res ±%.0fµA Ia %.2f=>%.2fmA", trace->tag, FReference, FName,
              iterations, tolerance * 1000000, startCurrent * 1000, FIa * 1000);
  trace->Display();
}

double TTube::getMaxCurrent(double Vak) {
  double I = 0;
  CalculerNK(Vak, 0, I);
  return I;
}

double TTube::basicBiasSuccApprox(double Vb, double Ra, double Rk, Trace* trace) {
  const double R = Ra + Rk;
  double lo = 0;
  double hi = 0;
  CalculerNK(Vb, 0, hi);
  if (R > 0 && Vb / R < hi)
    hi = Vb / R;
  const double start = (lo + hi) / 2;
  addPoint(trace, 0, start);

  // The current that flows grows as the guess falls, so the answer stays
  // inside [lo, hi]; the bound only matters for inputs that are not numbers.
  int n = 1;
  double Ic = 0;
  bool converged = false;
  do {
    const double I = (lo + hi) / 2;
    CalculerNK(Vb - R * I, -Rk * I, Ic);
    addPoint(trace, n, Ic);
    if (Ic > I)
      lo = I;
    else
      hi = I;
    ++n;
    converged = std::fabs(Ic - I) < 1e-6;
  } while (!converged && n <= limits::kSuccApproxEvaluations);

  setTraceCaption(trace, n, 1e-6, start);
  return Ic;
}

int TTube::basicBiasPoints(double Vb, double Ra, double Rk, double& Vak, double& Vgk, double& Ia,
                           Trace* trace) {
  const double R = Ra + Rk;
  double Iamax = 0.1;
  if (R > 0) {
    double Vakmin = 0;
    LoadLineNullVgk(Vb, R, Vakmin, Iamax);
  }
  double I = Iamax / 2;
  const double start = I;
  int i = 0;
  addPoint(trace, 0, I);
  while (i < 1000) {
    Vak = Vb - R * I;
    if (Vak < 0)
      Vak = 0;
    Vgk = -Rk * I;
    CalculerNK(Vak, Vgk, Ia);
    if (Ia > Iamax)
      Ia = Iamax;
    const double d = Ia - I;
    addPoint(trace, i, Ia);
    if (std::fabs(d) < 1e-6)
      break;
    I = I + d / 10;
    ++i;
  }
  setTraceCaption(trace, i, 1e-6, start);
  return i;
}

int TTube::gridBiasPoints(double Vb, double Ra, double Rk, double Vg, double& Vak, double& Vgk, double& Ia,
                          Trace* trace) {
  const double R = Ra + Rk;
  double Vakmin = 0, Iamax = 0;
  LoadLineNullVgk(Vb, R, Vakmin, Iamax);
  double I = Iamax / 2;
  const double start = I;
  int i = 0;
  addPoint(trace, 0, I);
  while (i < 1000) {
    Vak = Vb - R * I;
    // The guess is reset to the current the clamp implies; without a
    // resistor there is no such current and the guess is kept.
    if (Vak < Vakmin) {
      Vak = Vakmin;
      if (R > 0)
        I = (Vb - Vak) / R;
    }
    Vgk = Vg - Rk * I;
    if (Vgk > 0) {
      Vgk = 0;
      if (Rk > 0)
        I = Vg / Rk;
    }
    CalculerNK(Vak, Vgk, Ia);
    if (Ia > Iamax)
      Ia = Iamax;
    const double d = Ia - I;
    if (std::fabs(d) < 2e-6)
      break;
    I = I + d / 100;
    if (I > Iamax)
      I = Iamax;
    ++i;
    addPoint(trace, i, I);
  }
  if (i >= 1000 && Iamax > 0 && std::isfinite(Iamax)) {
    // The fixed damping of 1/100 overshoots and diverges once the stage's
    // loop gain (about gm·Rk + (Ra + Rk)/ρ) passes 200, as with the long
    // tails of biased-grid pairs. The same clamped circuit is then solved
    // by bisection on the current: the tube's current falls as the guess
    // rises, so the root is bracketed by 0 and Iamax.
    double lo = 0, hi = Iamax;
    for (int n = 1; n < 1000; ++n) {
      I = (lo + hi) / 2;
      Vak = std::max(Vb - R * I, Vakmin);
      Vgk = std::min(Vg - Rk * I, 0.0);
      CalculerNK(Vak, Vgk, Ia);
      Ia = std::min(Ia, Iamax);
      addPoint(trace, n, Ia);
      if (std::fabs(Ia - I) < 2e-6) {
        i = n;
        break;
      }
      (Ia > I ? lo : hi) = I;
    }
  }
  setTraceCaption(trace, i, 2e-6, start);
  return i;
}

std::string TTube::gridFixedBiasDephaseur(double Vb, double Vg, double Ra, double Rk, Trace* trace) {
  int i = 0;
  double Ia = 0, I = 0;
  if (Rk > 0) {
    const double Imin = Vg / Rk;
    const double Vakmin = Vb - (Ra + Rk) * Imin;
    if (Vakmin <= 0)
      return sformat(
                 FLocale,
                 "The circuit cannot be operated normally because of tube %s:\n\nthe anode cathode voltage "
                 "cannot provide the minimal current\n  %.0fmA (%.0fV onto %.0fΩ)",
                 FReference, 1000 * Vg / Rk, Vg, Rk) +
             sformat(FLocale, "\ndrop voltage across Ra and Rk is too large %.0fV", (Ra + Rk) * Imin) +
             "\n\nSuggestions:\n- reduce the DC voltage on grid to allow a larger Vak\n- increase Ra and "
             "Rk\n- "
             "use a tube able to deliver more current";
    const double Imax = getMaxCurrent(Vakmin);
    if (Vg / Rk > Imax)
      return currentLimitMessage(FLocale, Vg, Rk, Imax, Vakmin);

    double lo = Vg, hi = Vb;
    do {
      const double Vk = (lo + hi) / 2;
      I = Vk / Rk;
      double Vak = Vb - Vk - Ra * I;
      if (Vak < 10)
        Vak = 10;
      double Vgk = Vg - Vk;
      if (Vgk > 0)
        Vgk = 0;
      CalculerNK(Vak, Vgk, Ia);
      addPoint(trace, i, Ia);
      if (Ia > I)
        lo = Vk;
      else
        hi = Vk;
      ++i;
    } while (!(std::fabs(Ia - I) < 1e-6 || i > 999));
  } else {
    // No cathode resistor: the cathode sits at ground and the current cannot
    // be read from its voltage, so the same bisection runs on the current
    // itself, the grid clamped to the cathode as in the loop above.
    const double Vgk = Vg > 0 ? 0 : Vg;
    double lo = 0, hi = 0;
    CalculerNK(Vb < 10 ? 10 : Vb, Vgk, hi);
    do {
      I = (lo + hi) / 2;
      double Vak = Vb - Ra * I;
      if (Vak < 10)
        Vak = 10;
      CalculerNK(Vak, Vgk, Ia);
      addPoint(trace, i, Ia);
      if (Ia > I)
        lo = I;
      else
        hi = I;
      ++i;
    } while (!(std::fabs(Ia - I) < 1e-6 || i > 999));
  }
  std::string result = i > 999 ? kTooManyIterations : "";
  setTraceCaption(trace, i, 1e-6, 0);
  return result;
}

std::string TTube::basicFollower(double Vb, double Vg, double Rk, Trace* trace) {
  if (!(Rk > 0)) {
    // No cathode resistor: the cathode sits at ground and the point is direct.
    double Ia = 0;
    CalculerNK(Vb, Vg > 0 ? 0 : Vg, Ia);
    addPoint(trace, 0, Ia);
    return "";
  }
  const double Imax = getMaxCurrent(Vb - Vg);
  if (Vg / Rk > Imax)
    return currentLimitMessage(FLocale, Vg, Rk, Imax, Vb - Vg);

  double lo = Vg, hi = Vb;
  int i = 0;
  double Ia = 0, I = 0;
  do {
    const double Vk = (lo + hi) / 2;
    I = Vk / Rk;
    double Vgk = Vg - Vk;
    if (Vgk > 0)
      Vgk = 0;
    CalculerNK(Vb - Vk, Vgk, Ia);
    addPoint(trace, i, Ia);
    if (Ia > I)
      lo = Vk;
    else
      hi = Vk;
    ++i;
  } while (!(std::fabs(Ia - I) < 1e-6 || i > 500));
  return i > 500 ? kTooManyIterations : "";
}

} // namespace velmorin
