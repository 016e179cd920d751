#include "TubeFixtures.h"
#include "models/IterationLimits.h"
#include "models/TTube.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace velmorin {
namespace {

using testing::ecc83;
using testing::el34;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool finitePoint(const TTube& t) {
  return std::isfinite(t.Vak()) && std::isfinite(t.Vgk()) && std::isfinite(t.Ia());
}

// --- basicBiasSuccApprox ------------------------------------------------------

TEST(BasicBiasSuccApprox, TwelveAX7SelfBiasIn13Evaluations) {
  TTube t(ecc83(), "T1");
  Trace trace;
  trace.tag = 1;
  const double Ia = t.basicBiasSuccApprox(250, 100e3, 1.5e3, &trace);
  EXPECT_NEAR(Ia, 0.80e-3, 0.005e-3);
  EXPECT_EQ(t.Ia(), Ia);
  // the last evaluation was at the last guess, within 1 µA of the result
  EXPECT_NEAR(t.Vak(), 250 - 101500 * Ia, 101500 * 1e-6);
  EXPECT_NEAR(t.Vgk(), -1500 * Ia, 1500 * 1e-6);
  EXPECT_NEAR(t.Vak(), 250 + 101500 / 1500.0 * t.Vgk(), 1e-9);
  // the start point, then one per evaluation
  EXPECT_EQ(trace.pointCount(), 14u);
  EXPECT_EQ(trace.points[0], 0);
  EXPECT_EQ(trace.points[26], 13);
  EXPECT_EQ(trace.points[27], Ia);
  // the start is half of 250 V over 101.5 kΩ
  EXPECT_EQ(trace.caption, "C1 - T1 ECC83 / 12AX7 - 14 iter. Res ±1µA Ia 1.23=>0.80mA");
  EXPECT_TRUE(trace.displayed);

  TTube untraced(ecc83(), "T1");
  EXPECT_EQ(untraced.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr), Ia);
}

TEST(BasicBiasSuccApprox, CaptionUsesTheTubesLocale) {
  TTube t(ecc83(), "T2", Locale{",", "."});
  Trace trace;
  trace.tag = 19;
  t.basicBiasSuccApprox(250, 100e3, 1.5e3, &trace);
  EXPECT_EQ(trace.caption, "C19 - T2 ECC83 / 12AX7 - 14 iter. Res ±1µA Ia 1,23=>0,80mA");
}

TEST(BasicBiasSuccApprox, IsBoundedOnInputsThatAreNotNumbers) {
  TTube t(ecc83(), "T1");
  Trace trace;
  t.basicBiasSuccApprox(kNaN, 100e3, 1.5e3, &trace);
  EXPECT_EQ(trace.pointCount(), std::size_t(limits::kSuccApproxEvaluations) + 1);
  EXPECT_NE(trace.caption.find(" - 1001 iter. "), std::string::npos) << trace.caption;
}

// --- basicBiasPoints ------------------------------------------------------------

TEST(BasicBiasPoints, AgreesWithTheBisection) {
  TTube a(ecc83(), "T1");
  const double expected = a.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr);
  TTube t(ecc83(), "T1");
  Trace trace;
  double Vak = 0, Vgk = 0, Ia = 0;
  const int n = t.basicBiasPoints(250, 100e3, 1.5e3, Vak, Vgk, Ia, &trace);
  EXPECT_LT(n, 1000);
  EXPECT_NEAR(Ia, expected, 2e-6);
  EXPECT_NEAR(Vgk, -1.5e3 * expected, 5e-3);
  EXPECT_EQ(t.Vak(), Vak);
  EXPECT_EQ(t.Ia(), Ia);
  // the start point and one per evaluation, the first two both at x = 0
  EXPECT_EQ(trace.pointCount(), std::size_t(n) + 2);
  EXPECT_EQ(trace.points[2], 0);
  EXPECT_NE(trace.caption.find(" - " + std::to_string(n) + " iter. Res ±1µA Ia "), std::string::npos);
}

TEST(BasicBiasPoints, WithoutResistorsStartsFromFiftyMilliAmps) {
  TTube t(ecc83(), "T1");
  Trace trace;
  double Vak = 0, Vgk = 0, Ia = 0;
  const int n = t.basicBiasPoints(250, 0, 0, Vak, Vgk, Ia, &trace);
  ASSERT_GE(trace.points.size(), 2u);
  EXPECT_EQ(trace.points[0], 0);
  EXPECT_EQ(trace.points[1], 0.05);
  EXPECT_NE(trace.caption.find(" Ia 50.00=>"), std::string::npos) << trace.caption;
  EXPECT_LT(n, 1000);
  EXPECT_EQ(Vak, 250);
  TTube ref(ecc83(), "test");
  EXPECT_NEAR(Ia, ref.getMaxCurrent(250), 1e-5);
}

// --- gridBiasPoints ------------------------------------------------------------

TEST(GridBiasPoints, GroundedGridAgreesWithSelfBias) {
  TTube a(ecc83(), "T1");
  const double expected = a.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr);
  TTube t(ecc83(), "T1");
  Trace trace;
  double Vak = 0, Vgk = 0, Ia = 0;
  const int n = t.gridBiasPoints(250, 100e3, 1.5e3, 0, Vak, Vgk, Ia, &trace);
  EXPECT_LT(n, 1000);
  EXPECT_NEAR(Ia, expected, 5e-6);
  EXPECT_EQ(trace.pointCount(), std::size_t(n) + 1);
  EXPECT_NE(trace.caption.find(" iter. Res ±2µA Ia "), std::string::npos) << trace.caption;
}

TEST(GridBiasPoints, APositiveGridClampsVgkAndResetsTheGuess) {
  // Vg = 12 V over Rk = 10 kΩ: the first guess leaves the grid 3 V positive.
  const double Vb = 250, Ra = 100e3, Rk = 10e3, Vg = 12;
  TTube ref(ecc83(), "test");
  double Vakmin = 0, Iamax = 0;
  ref.LoadLineNullVgk(Vb, Ra + Rk, Vakmin, Iamax);
  double I = Iamax / 2;
  double Vak1 = Vb - (Ra + Rk) * I;
  if (Vak1 < Vakmin)
    Vak1 = Vakmin;
  ASSERT_GT(Vg - Rk * (Vb - Vak1) / (Ra + Rk), 0);
  ASSERT_LT(Vg / Rk, Iamax);                                   // so that the reset guess is not clamped again
  const double Ia1 = std::min(ref.getMaxCurrent(Vak1), Iamax); // evaluated at Vgk = 0
  const double expectedGuess = std::min(Vg / Rk + (Ia1 - Vg / Rk) / 100, Iamax);

  TTube t(ecc83(), "T1");
  Trace trace;
  double Vak = 0, Vgk = 0, Ia = 0;
  t.gridBiasPoints(Vb, Ra, Rk, Vg, Vak, Vgk, Ia, &trace);
  ASSERT_GE(trace.pointCount(), 2u);
  EXPECT_EQ(trace.points[1], I);
  EXPECT_EQ(trace.points[2], 1);
  EXPECT_DOUBLE_EQ(trace.points[3], expectedGuess);
}

TEST(GridBiasPoints, WithoutResistorsTheAnodeSitsAtTheSupply) {
  TTube t(ecc83(), "T1");
  double Vak = 0, Vgk = 0, Ia = 0;
  const int n = t.gridBiasPoints(250, 0, 0, -1, Vak, Vgk, Ia, nullptr);
  EXPECT_LT(n, 1000);
  EXPECT_EQ(Vak, 250);
  EXPECT_EQ(Vgk, -1);
  TTube ref(ecc83(), "test");
  double expected = 0;
  ref.CalculerNK(250, -1, expected);
  EXPECT_NEAR(Ia, expected, 2e-6);
  // and a positive grid with no cathode resistor is clamped, not divided by 0
  t.gridBiasPoints(250, 100e3, 0, 5, Vak, Vgk, Ia, nullptr);
  EXPECT_EQ(Vgk, 0);
  EXPECT_TRUE(finitePoint(t));
}

TEST(GridBiasPoints, LongCathodeResistorsStillReachTheOperatingPoint) {
  // A biased grid over a long tail: the fixed damping alone diverges here.
  struct Case {
    double Vb, Ra, Rk, Vg;
  };
  for (const Case c : {Case{300, 100e3, 100e3, 100}, Case{300, 47e3, 200e3, 150}, Case{250, 1e6, 47e3, 50}}) {
    TTube ref(ecc83(), "test");
    double lo = 0, hi = c.Vb / (c.Ra + c.Rk);
    for (int n = 0; n < 200; ++n) {
      double m = (lo + hi) / 2, ia = 0;
      ref.CalculerNK(c.Vb - (c.Ra + c.Rk) * m, std::min(c.Vg - c.Rk * m, 0.0), ia);
      (ia > m ? lo : hi) = m;
    }
    TTube t(ecc83(), "T1");
    double Vak = 0, Vgk = 0, Ia = 0;
    const int n = t.gridBiasPoints(c.Vb, c.Ra, c.Rk, c.Vg, Vak, Vgk, Ia, nullptr);
    EXPECT_LT(n, 1000) << c.Rk;
    EXPECT_NEAR(Ia, lo, 3e-6) << c.Rk; // the stated 2 µA stop, seen through the loop gain
    EXPECT_NEAR(Vak, c.Vb - (c.Ra + c.Rk) * Ia, (c.Ra + c.Rk) * 2.5e-6) << c.Rk;
  }
}

// --- gridFixedBiasDephaseur ------------------------------------------------------

TEST(GridFixedBiasDephaseur, AnodeVoltageTooLowForTheMinimalCurrent) {
  // Vg·(Ra + Rk)/Rk = 300 V ≥ 250 V
  TTube t(ecc83(), "T2");
  Trace trace;
  const std::string msg = t.gridFixedBiasDephaseur(250, 100, 100e3, 50e3, &trace);
  EXPECT_EQ(msg, "The circuit cannot be operated normally because of tube T2:\n\n"
                 "the anode cathode voltage cannot provide the minimal current\n"
                 "  2mA (100V onto 50000Ω)\n"
                 "drop voltage across Ra and Rk is too large 300V\n\n"
                 "Suggestions:\n"
                 "- reduce the DC voltage on grid to allow a larger Vak\n"
                 "- increase Ra and Rk\n"
                 "- use a tube able to deliver more current");
  EXPECT_EQ(trace.pointCount(), 0u);
  EXPECT_EQ(trace.caption, "Wait...");
  EXPECT_FALSE(trace.displayed);
}

TEST(GridFixedBiasDephaseur, TubeCannotPassTheMinimalCurrent) {
  // 10 mA needed; at Vak = 300 − 20 kΩ × 10 mA = 100 V and Vgk = 0 a 12AX7
  // passes 2·(100/600·ln(1 + e^6))^1.4 / 1060 A, about 1.9 mA.
  TTube t(ecc83(), "T1");
  Trace trace;
  const std::string msg = t.gridFixedBiasDephaseur(300, 100, 10e3, 10e3, &trace);
  EXPECT_EQ(msg, "The circuit cannot be operated normally:\n\n"
                 "the tube cannot provide the minimal current\n"
                 "  10mA (100V onto 10000Ω),\n\n"
                 "being itself limited to\n"
                 "  1.9mA @ Vgk null and Vak=100V\n\n"
                 "Suggestions:\n"
                 "- reduce the DC voltage on grid\n"
                 "- increase the value of Rk2\n"
                 "- use a tube able to deliver more current");
  EXPECT_EQ(trace.pointCount(), 0u);
  EXPECT_EQ(trace.caption, "Wait...");
}

TEST(GridFixedBiasDephaseur, SolvesTheCathodyne) {
  const double Vb = 300, Vg = 50, Ra = 47e3, Rk = 47e3;
  TTube t(ecc83(), "T1");
  Trace trace;
  trace.tag = 3;
  EXPECT_EQ(t.gridFixedBiasDephaseur(Vb, Vg, Ra, Rk, &trace), "");
  // the cathode sits at Vg − Vgk and carries the anode current through Rk
  const double Vk = Vg - t.Vgk();
  EXPECT_LT(t.Vgk(), 0);
  EXPECT_NEAR(t.Ia(), Vk / Rk, 1e-6);
  EXPECT_NEAR(t.Vak(), Vb - Vk - Ra * Vk / Rk, 1e-9);
  const int n = int(trace.pointCount());
  EXPECT_GT(n, 0);
  EXPECT_LT(n, 100);
  EXPECT_EQ(trace.points[2 * (n - 1) + 1], t.Ia());
  char expected[128];
  std::snprintf(expected, sizeof expected, "C3 - T1 ECC83 / 12AX7 - %d iter. Res ±1µA Ia 0.00=>%.2fmA", n,
                t.Ia() * 1000);
  EXPECT_EQ(trace.caption, expected);
  EXPECT_TRUE(trace.displayed);
}

TEST(GridFixedBiasDephaseur, GivesUpAfterAThousandSteps) {
  // 1e30 V: the bisection cannot resolve the current to 1 µA.
  TTube t(ecc83(), "T1");
  Trace trace;
  EXPECT_EQ(t.gridFixedBiasDephaseur(1e30, 1, 1e3, 1e3, &trace), "Too many iterations");
  EXPECT_EQ(trace.pointCount(), 1000u);
  EXPECT_NE(trace.caption.find(" - 1000 iter. Res ±1µA Ia 0.00=>"), std::string::npos) << trace.caption;
}

TEST(GridFixedBiasDephaseur, WithoutCathodeResistorTheCathodeIsGrounded) {
  TTube t(ecc83(), "T1");
  Trace trace;
  EXPECT_EQ(t.gridFixedBiasDephaseur(250, -1, 100e3, 0, &trace), "");
  EXPECT_TRUE(finitePoint(t));
  EXPECT_EQ(t.Vgk(), -1);
  // the anode current is the one its anode voltage gives on the load line
  EXPECT_NEAR(t.Vak(), 250 - 100e3 * t.Ia(), 0.1);
  EXPECT_LT(trace.pointCount(), 1000u);

  EXPECT_EQ(t.gridFixedBiasDephaseur(250, 5, 100e3, 0, nullptr), "");
  EXPECT_EQ(t.Vgk(), 0);
  EXPECT_TRUE(finitePoint(t));
}

// --- basicFollower ----------------------------------------------------------------

TEST(BasicFollower, SolvesTheFollowerWithoutCaption) {
  const double Vb = 300, Vg = 100, Rk = 47e3;
  TTube t(ecc83(), "T1");
  Trace trace;
  EXPECT_EQ(t.basicFollower(Vb, Vg, Rk, &trace), "");
  const double Vk = Vg - t.Vgk();
  EXPECT_LT(t.Vgk(), 0);
  EXPECT_NEAR(t.Ia(), Vk / Rk, 1e-6);
  EXPECT_NEAR(t.Vak(), Vb - Vk, 1e-9);
  EXPECT_GT(trace.pointCount(), 0u);
  EXPECT_EQ(trace.caption, "Wait...");
  EXPECT_FALSE(trace.displayed);
}

TEST(BasicFollower, TubeCannotPassTheMinimalCurrent) {
  // 10 mA needed; at Vak = 200 − 100 V and Vgk = 0 about 1.9 mA
  TTube t(ecc83(), "T1");
  const std::string msg = t.basicFollower(200, 100, 10e3, nullptr);
  EXPECT_EQ(msg, "The circuit cannot be operated normally:\n\n"
                 "the tube cannot provide the minimal current\n"
                 "  10mA (100V onto 10000Ω),\n\n"
                 "being itself limited to\n"
                 "  1.9mA @ Vgk null and Vak=100V\n\n"
                 "Suggestions:\n"
                 "- reduce the DC voltage on grid\n"
                 "- increase the value of Rk2\n"
                 "- use a tube able to deliver more current");
}

TEST(BasicFollower, GivesUpAfterFiveHundredAndOneSteps) {
  TTube t(ecc83(), "T1");
  Trace trace;
  EXPECT_EQ(t.basicFollower(1e30, 1, 1e3, &trace), "Too many iterations");
  EXPECT_EQ(trace.pointCount(), 501u);
  EXPECT_EQ(trace.caption, "Wait...");
  EXPECT_FALSE(trace.displayed);
}

TEST(BasicFollower, WithoutCathodeResistorTheCathodeIsGrounded) {
  TTube t(ecc83(), "T1");
  TTube ref(ecc83(), "test");
  for (double Vg : {-2.0, 3.0}) {
    EXPECT_EQ(t.basicFollower(250, Vg, 0, nullptr), "");
    double expected = 0;
    ref.CalculerNK(250, std::min(Vg, 0.0), expected);
    EXPECT_EQ(t.Ia(), expected);
    EXPECT_EQ(t.Vak(), 250);
  }
}

TEST(BiasSolvers, UseTheTriodeEquationForAPentode) {
  TubeModel asTriode = el34();
  asTriode.t35 = 3;
  TTube p(el34(), "T1"), ref(asTriode, "T1");
  EXPECT_EQ(p.basicBiasSuccApprox(400, 2e3, 100, nullptr), ref.basicBiasSuccApprox(400, 2e3, 100, nullptr));
  EXPECT_EQ(p.getMaxCurrent(300), ref.getMaxCurrent(300));
}

} // namespace
} // namespace velmorin
