#include "TubeFixtures.h"
#include "models/TTube.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmorin {
namespace {

using testing::ecc83;
using testing::el34;

struct Point {
  double Vak, Vgk, Ia, Vek, Ie;
};

Point pointOf(const TTube& t) {
  return {t.Vak(), t.Vgk(), t.Ia(), t.Vek(), t.Ie()};
}

void expectSamePoint(const Point& a, const Point& b) {
  EXPECT_EQ(a.Vak, b.Vak);
  EXPECT_EQ(a.Vgk, b.Vgk);
  EXPECT_EQ(a.Ia, b.Ia);
  EXPECT_EQ(a.Vek, b.Vek);
  EXPECT_EQ(a.Ie, b.Ie);
}

TEST(CalculerParametresIntrinseques, TriodeAtItsPointRestoresIt) {
  TTube t(ecc83(), "T1");
  double Ia = 0;
  t.CalculerNK(250, -2, Ia);
  const Point before = pointOf(t);
  t.calculerParamètresIntrinsèques();
  expectSamePoint(pointOf(t), before);
  EXPECT_EQ(t.µ(), t.ρ() * t.gm());
  // a 12AX7 in its usual region: some 60 kΩ, about 1.6 mA/V, µ below 100
  EXPECT_GT(t.ρ(), 40e3);
  EXPECT_LT(t.ρ(), 100e3);
  EXPECT_GT(t.gm(), 1e-3);
  EXPECT_LT(t.gm(), 2.5e-3);
  EXPECT_GT(t.µ(), 80);
  EXPECT_LT(t.µ(), 100);
}

TEST(CalculerParametresIntrinseques, PentodeUsesItsScreenVoltage) {
  TTube t(el34(), "T1");
  t.CalculerNKpentode(250, -15, 250);
  const Point before = pointOf(t);
  t.calculerParamètresIntrinsèques();
  expectSamePoint(pointOf(t), before);
  EXPECT_EQ(t.µ(), t.ρ() * t.gm());
  // flat pentode curves: a high internal resistance, and a gm of several mA/V
  TTube ref(el34(), "test");
  const double slope =
      (ref.CalculerNKpentode(250.1, -15, 250) - ref.CalculerNKpentode(249.9, -15, 250)) / 0.2;
  EXPECT_NEAR(t.ρ(), 1 / slope, 1e-6 / slope);
  EXPECT_GT(t.ρ(), 20e3);
  EXPECT_GT(t.gm(), 5e-3);
}

TEST(CalculerParametresIntrinseques, CutOffGivesZerosNotInfinities) {
  TTube t(ecc83(), "T1");
  double Ia = 0;
  t.CalculerNK(250, -100, Ia);
  ASSERT_EQ(Ia, 0);
  t.calculerParamètresIntrinsèques();
  EXPECT_EQ(t.ρ(), 0);
  EXPECT_EQ(t.gm(), 0);
  EXPECT_EQ(t.µ(), 0);
}

TEST(GetRoGetGm, AtTheStoredPointUseTheTriodeEquationAndRestore) {
  // A pentode object still differentiates the triode equation here: compare
  // with the same model read as a triode.
  TubeModel asTriode = el34();
  asTriode.t35 = 3;
  TTube ref(asTriode, "test");
  TTube t(el34(), "T1");
  t.CalculerNKpentode(250, -15, 250);
  const Point before = pointOf(t);

  const double gm = t.getGm();
  expectSamePoint(pointOf(t), before);
  const double ro = t.getRo();
  expectSamePoint(pointOf(t), before);
  const double mu = t.getMu();
  expectSamePoint(pointOf(t), before);

  EXPECT_EQ(gm, ref.getGm(250, -15, 0));
  EXPECT_EQ(ro, ref.getRo(250, -15, 0));
  EXPECT_EQ(mu, ro * gm);
}

TEST(GetRoGetGm, WithVoltagesDispatchOnTheKindAndMoveThePoint) {
  TTube t(el34(), "T1");
  const double ro = t.getRo(250, -15, 250);
  EXPECT_EQ(t.Vak(), 250.1);
  const double gm = t.getGm(250, -15, 250);
  EXPECT_EQ(t.Vgk(), -15 - 0.01);
  EXPECT_EQ(t.Vek(), 250);
  EXPECT_EQ(t.getMu(250, -15, 250), ro * gm);
  EXPECT_EQ(t.Vgk(), -15 - 0.01); // getGm ran last
  TTube ref(el34(), "test");
  const double I0 = ref.CalculerNKpentode(250, -15, 250);
  EXPECT_EQ(gm, (ref.CalculerNKpentode(250, -15.01, 250) - I0) / -0.01);
}

TEST(GetRoGetGm, EqualCurrentsGiveZero) {
  TTube t(ecc83(), "T1");
  EXPECT_EQ(t.getRo(250, -100, 0), 0);
  EXPECT_EQ(t.getMu(250, -100, 0), 0);
  t.setVak(250);
  t.setVgk(-100);
  EXPECT_EQ(t.getRo(), 0);
}

TEST(CheckOP, ToleratesTenMicroAmps) {
  TTube t(ecc83(), "test");
  double Ia = 0;
  t.CalculerNK(180, -1.2, Ia);
  EXPECT_TRUE(t.checkOP(180, -1.2, Ia, 0));
  EXPECT_TRUE(t.checkOP(180, -1.2, Ia + 9e-6, 0));
  EXPECT_FALSE(t.checkOP(180, -1.2, Ia + 20e-6, 0));
  EXPECT_FALSE(t.checkOP(180, -1.2, Ia - 20e-6, 0));
  EXPECT_EQ(t.Ia(), Ia); // left at the model's current

  TTube p(el34(), "test");
  const double Ip = p.CalculerNKpentode(250, -15, 250);
  EXPECT_TRUE(p.checkOP(250, -15, Ip, 250));
  EXPECT_FALSE(p.checkOP(250, -15, Ip, 200)); // the screen voltage counts
}

TEST(LoadLineNullVgk, MeetsTheZeroBiasCurveOnTheLine) {
  TTube t(ecc83(), "T1");
  double Vakmin = 0, Iamax = 0;
  ASSERT_TRUE(t.LoadLineNullVgk(250, 100e3, Vakmin, Iamax));
  // the object holds the meeting point; it lies on the line within the
  // search's tolerance (10 µA over 100 kΩ)
  EXPECT_EQ(t.Vak(), Vakmin);
  EXPECT_EQ(t.Vgk(), 0);
  EXPECT_EQ(t.Ia(), Iamax);
  EXPECT_NEAR(Vakmin, 250 - 100e3 * Iamax, 1.0);
  EXPECT_GT(Iamax, 1e-3);
  EXPECT_LT(Iamax, 2.5e-3);
}

TEST(LoadLineNullVgk, ANegativeAnodeVoltageIsEvaluatedAtOneVolt) {
  // 10 V over 10 MΩ: the second guess overshoots the line's end.
  TTube t(ecc83(), "T1");
  double Vakmin = 0, Iamax = 0;
  EXPECT_TRUE(t.LoadLineNullVgk(10, 10e6, Vakmin, Iamax));
  EXPECT_EQ(Vakmin, 1.0);
  TTube ref(ecc83(), "test");
  EXPECT_EQ(Iamax, ref.getMaxCurrent(1.0));
}

TEST(LoadLineNullVgk, NoResistanceMeansTheSupplyItself) {
  TTube t(ecc83(), "T1");
  TTube ref(ecc83(), "test");
  double Vakmin = 0, Iamax = 0;
  EXPECT_TRUE(t.LoadLineNullVgk(250, 0, Vakmin, Iamax));
  EXPECT_EQ(Vakmin, 250);
  EXPECT_EQ(Iamax, ref.getMaxCurrent(250));
}

TEST(LoadLineOK, ChecksLineAndLimits) {
  struct Case {
    double Vak, Ia;
    bool ok;
  };
  // line: 300 V over 100 kΩ; limits Vakmin 50 V, Iamax 2 mA
  const Case cases[] = {
      {200, 1e-3, true},                                // on the line
      {200, 1e-3 + 2.9e-5, true},                       // within 30 µA of it
      {200, 1e-3 + 3.1e-5, false}, {40, 2.6e-3, false}, // on the line, below Vakmin
      {50, 2.5e-3, false},                              // on the line, above Iamax + 30 µA
      {200, 1.5e-3, false},                             // off the line
  };
  for (const Case& c : cases) {
    TTube t(ecc83(), "T1");
    t.setVak(c.Vak);
    t.setIa(c.Ia);
    EXPECT_EQ(t.loadLineOK(300, 100e3, 50, 2e-3), c.ok) << c.Vak << " V " << c.Ia << " A";
  }
}

} // namespace
} // namespace velmorin
