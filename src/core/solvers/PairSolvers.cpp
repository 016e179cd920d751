#include "solvers/PairSolvers.h"

#include <cmath>

namespace velmorin {

namespace {

constexpr double kTolerance = 1e-6; // the stated agreement of the two currents, A
// The middle node is refined past the stated tolerance so that the drops
// along the path add up to the supply within a millivolt even with large
// anode resistors.
constexpr double kTightTolerance = 1e-10;

double triodeCurrent(TTube& t, double vak, double vgk) {
  double ia = 0;
  t.CalculerNK(vak, vgk, ia);
  return ia;
}

// Bisection on the middle node voltage between 0 and Vb: below the solution
// the lower tube passes less than the upper one, above it more.
struct NodeSearch {
  double lo, hi;
  void narrow(double vm, double i1, double i2) {
    if (i1 > i2)
      hi = vm;
    else
      lo = vm;
  }
  double mid() const { return (lo + hi) / 2; }
};

} // namespace

double selfConsistentCurrent(TTube& tube, double vak0, double rA, double vgk0, double rK) {
  // g(I) = tube(vak0 − rA·I, vgk0 − rK·I) − I falls strictly with I:
  // g(0) ≥ 0 and g(tube(vak0, vgk0)) ≤ 0 bracket the root.
  double hi = triodeCurrent(tube, vak0, vgk0);
  if (!(hi > 0))
    return 0; // cut off: no current, and the tube sits at (vak0, vgk0)
  if (rA == 0 && rK == 0)
    return hi;
  auto g = [&](double i) { return triodeCurrent(tube, vak0 - rA * i, vgk0 - rK * i) - i; };
  // Regula falsi with the Illinois correction: superlinear on these smooth
  // curves, and never leaves the bracket.
  double lo = 0, glo = hi, ghi = g(hi);
  double x = hi, gx = ghi;
  int side = 0;
  for (int n = 0; n < 200 && std::fabs(gx) > 1e-14 && hi - lo > 1e-15; ++n) {
    x = (glo - ghi) > 0 ? hi - ghi * (hi - lo) / (ghi - glo) : (lo + hi) / 2;
    if (!(x > lo && x < hi))
      x = (lo + hi) / 2;
    gx = g(x);
    if (gx > 0) {
      lo = x;
      glo = gx;
      if (side == 1)
        ghi /= 2;
      side = 1;
    } else {
      hi = x;
      ghi = gx;
      if (side == -1)
        glo /= 2;
      side = -1;
    }
  }
  triodeCurrent(tube, vak0 - rA * x, vgk0 - rK * x);
  return x;
}

int solveCascodePair(TTube& T1, TTube& T2, int maxIter, double Vb, double Vg2, double Ra, double Rk,
                     double Rx, Trace* winT1, Trace* winT2) {
  T1.basicBiasSuccApprox(Vg2, 0, Rk, nullptr);
  const double Ia0 = T1.Ia();
  if (winT1 && winT2) {
    winT1->AddPoint(0, Ia0);
    winT2->AddPoint(0, Ia0);
  }
  if (winT1)
    winT1->AddPoint(1, Ia0);

  NodeSearch node{0, Vb > 0 ? Vb : 0};
  double vm = Vg2 > 0 && Vg2 < Vb ? Vg2 : node.mid();
  double ia1 = 0, ia2 = 0;
  int i = 1;
  while (i < maxIter) {
    ia1 = selfConsistentCurrent(T1, vm, Rk, 0, Rk);
    if (winT1)
      winT1->AddPoint(i, ia1);
    ia2 = selfConsistentCurrent(T2, Vb - vm, Ra + Rx, Vg2 - vm, 0);
    if (winT2)
      winT2->AddPoint(i, ia2);
    if (std::fabs(ia1 - ia2) < kTightTolerance || node.hi - node.lo < 1e-12)
      break;
    node.narrow(vm, ia1, ia2);
    vm = node.mid();
    ++i;
  }
  // Leave each tube at its own solved point.
  ia1 = selfConsistentCurrent(T1, vm, Rk, 0, Rk);
  ia2 = selfConsistentCurrent(T2, Vb - vm, Ra + Rx, Vg2 - vm, 0);
  if (std::fabs(ia1 - ia2) >= kTolerance)
    i = maxIter;
  T1.setTraceCaption(winT1, i, kTolerance, Ia0);
  T2.setTraceCaption(winT2, i, kTolerance, Ia0);
  return i;
}

int solveStackedPair(TTube& T1, TTube& T2, int maxIter, double Vb, double Rk1, double Rk2, double Rx,
                     Trace* winT1, Trace* winT2) {
  double vak = 0, vgk = 0, ia = 0;
  T1.basicBiasPoints(Vb / 2, 0, Rk1, vak, vgk, ia, nullptr);
  const double Ia0 = ia;
  if (winT1)
    winT1->AddPoint(0, Ia0);
  if (winT2)
    winT2->AddPoint(0, Ia0);

  NodeSearch node{0, Vb > 0 ? Vb : 0};
  double vm = node.mid();
  double ia1 = 0, ia2 = 0;
  int i = 0;
  while (i < maxIter) {
    ++i;
    ia1 = selfConsistentCurrent(T1, vm, Rk1, 0, Rk1);
    ia2 = selfConsistentCurrent(T2, Vb - vm, Rk2 + Rx, 0, Rk2);
    if (winT1)
      winT1->AddPoint(i, ia1);
    if (winT2)
      winT2->AddPoint(i, ia2);
    if (std::fabs(ia1 - ia2) < kTightTolerance || node.hi - node.lo < 1e-12)
      break;
    node.narrow(vm, ia1, ia2);
    vm = node.mid();
  }
  ia1 = selfConsistentCurrent(T1, vm, Rk1, 0, Rk1);
  ia2 = selfConsistentCurrent(T2, Vb - vm, Rk2 + Rx, 0, Rk2);
  if (std::fabs(ia1 - ia2) >= kTolerance)
    i = maxIter;
  T1.setTraceCaption(winT1, i, kTolerance, Ia0);
  T2.setTraceCaption(winT2, i, kTolerance, Ia0);
  return i;
}

} // namespace velmorin
