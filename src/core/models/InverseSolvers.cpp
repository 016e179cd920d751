// The inverse problems of the anode viewer and of some circuit solvers: the
// grid voltage, or the anode voltage, that gives a wanted current. They use
// the equation of the tube's kind, Vs being a pentode's screen voltage.
#include "models/IterationLimits.h"
#include "models/TTube.h"

#include <cmath>

namespace velmorin {

double TTube::whichVg(double Ia, double Va, double Vs) {
  if (currentByKind(Va, 0, Vs) < Ia)
    return 0;

  // Walk down until the current falls to the request: that brackets it.
  double v = 0, upper = 0;
  int steps = 0;
  while (currentByKind(Va, v, Vs) > Ia) {
    // No grid voltage within reach brings the current down that far (a
    // request below zero, a tube that never cuts off): the lowest tried.
    if (steps == limits::kWhichVgSteps)
      return v;
    v = v - 1;
    ++steps;
  }

  double m = v;
  for (int k = 0; k < limits::kBisectionSteps; ++k) {
    m = (v + upper) / 2;
    const double d = Ia - currentByKind(Va, m, Vs);
    if (std::fabs(d) < 1e-6)
      return m;
    if (d >= 0)
      v = m;
    else
      upper = m;
  }
  return m;
}

double TTube::whichVa(double Ia, double Vg, double Vs) {
  // Fixed relative steps of 0.5 % about the answer: they drift slowly onto a
  // point within 1 µA, usually after a few hundred evaluations. The point
  // that met the tolerance is the answer, not the one a further step away.
  double Va = FVamax / 2;
  for (int k = 0; k < limits::kWhichVaSteps; ++k) {
    const double I = currentByKind(Va, Vg, Vs);
    if (std::fabs(Ia - I) < 1e-6)
      return Va;
    if (I > Ia)
      Va = Va - (Va - 0.99 * Va) / 2;
    else if (I < Ia)
      Va = Va + (1.01 * Va - Va) / 2;
  }

  // The steps missed: the anode current grows with the anode voltage, so a
  // bisection over [0, ceiling] finds the point when there is one, and the
  // nearer end is the answer when there is none.
  double ceiling = limits::kWhichVaCeilingFactor * FVamax;
  if (!(ceiling > limits::kWhichVaCeilingVolts) || std::isinf(ceiling))
    ceiling = limits::kWhichVaCeilingVolts;
  double lo = 0, hi = ceiling;
  if (currentByKind(hi, Vg, Vs) < Ia)
    return hi;
  if (currentByKind(lo, Vg, Vs) > Ia)
    return lo;
  double m = lo;
  for (int k = 0; k < limits::kBisectionSteps; ++k) {
    m = (lo + hi) / 2;
    const double I = currentByKind(m, Vg, Vs);
    if (std::fabs(Ia - I) < 1e-6)
      return m;
    if (I < Ia)
      lo = m;
    else
      hi = m;
  }
  return m;
}

double TTube::whichVgOld(double Ia, double Va, double Vs, double vgstart) {
  double v = vgstart;
  if (currentByKind(Va, v, Vs) < Ia)
    return 1.0;
  for (int k = 0; k < limits::kWhichVgOldSteps; ++k) {
    v = v - 0.001;
    const double I = currentByKind(Va, v, Vs);
    if (std::fabs(Ia - I) < 1e-5 || I < Ia)
      return v;
  }
  return v;
}

} // namespace velmorin
