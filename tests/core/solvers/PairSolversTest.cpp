#include "SolverFixtures.h"

#include "models/TTube.h"
#include "solvers/PairSolvers.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmorin {
namespace {

using testing::builtIn;
using testing::nkTriode;

// Root of a function that falls with x, by bisection.
double fallingRoot(const std::function<double(double)>& f, double lo, double hi) {
  for (int i = 0; i < 300; ++i) {
    double m = (lo + hi) / 2;
    (f(m) > 0 ? lo : hi) = m;
  }
  return (lo + hi) / 2;
}

// The anode voltage at which a triode passes current i at grid voltage vgk.
double anodeVoltageFor(const TubeModel& m, double i, double vgk) {
  return fallingRoot([&](double v) { return i - nkTriode(m, v, vgk); }, 0, 5000);
}

// An independent solution of the two series tubes: the search runs over the
// shared current, the middle node following from the lower tube.
struct PairPoint {
  double I, Vm;
};

PairPoint cascodeByCurrent(const TubeModel& m1, const TubeModel& m2, double Vb, double Vg2, double R,
                           double Rk) {
  auto vm = [&](double i) { return anodeVoltageFor(m1, i, -Rk * i) + Rk * i; };
  double I = fallingRoot([&](double i) { return nkTriode(m2, Vb - R * i - vm(i), Vg2 - vm(i)) - i; }, 0,
                         Vb / (R + Rk + 1));
  return {I, vm(I)};
}

PairPoint stackedByCurrent(const TubeModel& m1, const TubeModel& m2, double Vb, double Rk1, double Rk2,
                           double Rx) {
  auto vm = [&](double i) { return anodeVoltageFor(m1, i, -Rk1 * i) + Rk1 * i; };
  double I = fallingRoot([&](double i) { return nkTriode(m2, Vb - vm(i) - (Rk2 + Rx) * i, -Rk2 * i) - i; }, 0,
                         Vb / (Rk1 + Rk2 + Rx + 1));
  return {I, vm(I)};
}

struct CascodeCase {
  const char* tube;
  double Vb, Vg2, Ra, Rk, Rx;
};

TEST(SolveCascodePair, StopsAtTheCircuitsOwnOperatingPoint) {
  const CascodeCase cases[] = {
      {"ECC83 / 12AX7", 300, 150, 100e3, 1e3, 0},   // a cascode gain stage
      {"ECC83 / 12AX7", 300, 150, 47e3, 1e3, 10e3}, // with a series resistor
      {"ECC88 / 6DJ8", 250, 120, 0, 4.7e3, 0},      // no anode resistor
      {"ECC82 / 12AU7", 300, 150, 0, 10e3, 0},      {"ECC81 / 12AT7", 250, 100, 22e3, 470, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tube + std::string(" Ra=") + std::to_string(c.Ra) + " Rk=" + std::to_string(c.Rk));
    const TubeModel& m = builtIn(c.tube);
    TTube T1(m, "T1"), T2(m, "T2");
    Trace w1, w2;
    w1.tag = w2.tag = 6;
    int passes = solveCascodePair(T1, T2, 1000, c.Vb, c.Vg2, c.Ra, c.Rk, c.Rx, &w1, &w2);
    ASSERT_LT(passes, 1000);

    PairPoint ref = cascodeByCurrent(m, m, c.Vb, c.Vg2, c.Ra + c.Rx, c.Rk);
    EXPECT_NEAR(T1.Ia(), ref.I, 0.002 * ref.I);
    EXPECT_NEAR(T2.Ia(), ref.I, 0.002 * ref.I);
    // Each tube sits on its own equation ...
    EXPECT_NEAR(T1.Ia(), nkTriode(m, T1.Vak(), T1.Vgk()), 1e-9);
    EXPECT_NEAR(T2.Ia(), nkTriode(m, T2.Vak(), T2.Vgk()), 1e-9);
    // ... and the drops add up along the path.
    const double vm = T1.Vak() + c.Rk * T1.Ia();
    EXPECT_NEAR(vm, ref.Vm, 0.01);
    EXPECT_NEAR((c.Ra + c.Rx) * T2.Ia() + T2.Vak() + T1.Vak() + c.Rk * T1.Ia(), c.Vb, 1e-3);
    EXPECT_NEAR(T2.Vgk(), c.Vg2 - vm, 1e-3);
    EXPECT_NEAR(T1.Vgk(), -c.Rk * T1.Ia(), 1e-6);

    // One trace point per pass and tube, after the start points; the caption names the passes.
    EXPECT_EQ(w1.pointCount(), static_cast<std::size_t>(passes) + 2);
    EXPECT_EQ(w2.pointCount(), static_cast<std::size_t>(passes) + 1);
    EXPECT_EQ(w1.caption.rfind(sformat(Locale{}, "C6 - T1 %s - %d iter. Res ±1µA Ia ", c.tube, passes), 0),
              0u)
        << w1.caption;
    EXPECT_TRUE(w2.displayed);
  }
}

struct StackedCase {
  const char* tube;
  double Vb, Rk1, Rk2, Rx;
};

TEST(SolveStackedPair, StopsAtTheCircuitsOwnOperatingPoint) {
  const StackedCase cases[] = {
      {"ECC83 / 12AX7", 300, 1.5e3, 1.5e3, 0},
      {"ECC83 / 12AX7", 300, 1e3, 3.3e3, 0}, // unequal cathode resistors
      {"ECC88 / 6DJ8", 250, 470, 1e3, 0},
      {"ECC82 / 12AU7", 300, 1e3, 680, 10e3}, // optimised SRPP with a series resistor
      {"ECC99", 400, 220, 220, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tube + std::string(" Rk1=") + std::to_string(c.Rk1) + " Rk2=" + std::to_string(c.Rk2));
    const TubeModel& m = builtIn(c.tube);
    TTube T1(m, "T1"), T2(m, "T2");
    Trace w1, w2;
    int passes = solveStackedPair(T1, T2, 1000, c.Vb, c.Rk1, c.Rk2, c.Rx, &w1, &w2);
    ASSERT_LT(passes, 1000);

    PairPoint ref = stackedByCurrent(m, m, c.Vb, c.Rk1, c.Rk2, c.Rx);
    EXPECT_NEAR(T1.Ia(), ref.I, 0.002 * ref.I);
    EXPECT_NEAR(T2.Ia(), ref.I, 0.002 * ref.I);
    EXPECT_NEAR(T1.Ia(), nkTriode(m, T1.Vak(), T1.Vgk()), 1e-9);
    EXPECT_NEAR(T2.Ia(), nkTriode(m, T2.Vak(), T2.Vgk()), 1e-9);
    EXPECT_NEAR(T2.Vak() + (c.Rk2 + c.Rx) * T2.Ia() + T1.Vak() + c.Rk1 * T1.Ia(), c.Vb, 1e-3);
    EXPECT_NEAR(T2.Vgk(), -c.Rk2 * T2.Ia(), 1e-6);
    EXPECT_EQ(w1.pointCount(), static_cast<std::size_t>(passes) + 1);
    EXPECT_EQ(w2.pointCount(), static_cast<std::size_t>(passes) + 1);
  }
}

TEST(PairSolvers, DegenerateCircuitsReturnInBoundedTime) {
  const TubeModel& m = builtIn("ECC83 / 12AX7");
  for (double Vb : {0.0, 1.0, 500.0})
    for (double R : {0.0, 1e-12, 1e12}) {
      TTube a(m, "T1"), b(m, "T2");
      int n = solveCascodePair(a, b, 1000, Vb, Vb / 2, R, R, 0, nullptr, nullptr);
      EXPECT_LE(n, 1000);
      EXPECT_TRUE(std::isfinite(a.Ia()) && std::isfinite(b.Ia()));
      TTube c(m, "T1"), d(m, "T2");
      n = solveStackedPair(c, d, 1000, Vb, R, R, R, nullptr, nullptr);
      EXPECT_LE(n, 1000);
      EXPECT_TRUE(std::isfinite(c.Ia()) && std::isfinite(d.Ia()));
    }
}

} // namespace
} // namespace velmorin
