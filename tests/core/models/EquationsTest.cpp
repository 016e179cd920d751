#include "TubeFixtures.h"
#include "models/TTube.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmorin {
namespace {

using testing::ecc83;
using testing::el34;

TEST(TTubeCreate, TakesEveryColumnOfTheModel) {
  TubeModel m = el34();
  m.cgk = 1e-12, m.cga = 2e-12, m.cak = 3e-12;
  const TTube t(m, "T2");
  EXPECT_EQ(t.Reference(), "T2");
  EXPECT_EQ(t.ModelName(), "EL34");
  EXPECT_EQ(t.kp(), 47.01);
  EXPECT_EQ(t.mu(), 14.18);
  EXPECT_EQ(t.kvb(), 3.6);
  EXPECT_EQ(t.Ex(), 1.175);
  EXPECT_EQ(t.Kg1(), 282.3);
  EXPECT_EQ(t.Pamax(), 25);
  EXPECT_EQ(t.Iamax(), 0.15);
  EXPECT_EQ(t.Vamax(), 800);
  EXPECT_EQ(t.Pemax(), 8);
  EXPECT_EQ(t.Vemax(), 500);
  EXPECT_EQ(t.Cgk(), 1e-12);
  EXPECT_EQ(t.Cga(), 2e-12);
  EXPECT_EQ(t.Cak(), 3e-12);
  EXPECT_EQ(t.t35(), 5);
  // the operating point and the small-signal values start at 0
  EXPECT_EQ(t.Vak(), 0);
  EXPECT_EQ(t.Ia(), 0);
  EXPECT_EQ(t.Ie(), 0);
  EXPECT_EQ(t.ρ(), 0);
  EXPECT_EQ(t.µ(), 0);
  EXPECT_EQ(t.gm(), 0);
}

TEST(TTubeGetType, NamesTheKind) {
  TubeModel m = ecc83();
  EXPECT_EQ(TTube(m, "T1").getType(), "triode");
  EXPECT_EQ(TTube(el34(), "T1").getType(), "pentode");
  m.t35 = 4;
  EXPECT_EQ(TTube(m, "T1").getType(), "");
  EXPECT_EQ(TTube().getType(), "");
}

TEST(CalculerNK, TwelveAX7AtZeroBias) {
  TTube t(ecc83(), "T1");
  double Ia = 0;
  t.CalculerNK(250, 0, Ia);
  EXPECT_NEAR(Ia, 2 * std::pow(2.501, 1.4) / 1060, 2e-7);
  EXPECT_NEAR(Ia, 6.8e-3, 0.05e-3);
  EXPECT_EQ(t.Vak(), 250);
  EXPECT_EQ(t.Vgk(), 0);
  EXPECT_EQ(t.Ia(), Ia);
}

TEST(CalculerNK, NoCurrentAtOrBelowZeroAnodeVoltage) {
  TTube t(ecc83(), "T1");
  t.setVek(7);
  t.setIe(0.5);
  for (double Vak : {0.0, -0.0, -1e-9, -50.0}) {
    double Ia = 1;
    t.CalculerNK(Vak, -1.5, Ia);
    EXPECT_EQ(Ia, 0) << Vak;
    EXPECT_EQ(t.Ia(), 0);
    EXPECT_EQ(t.Vak(), Vak);
    EXPECT_EQ(t.Vgk(), -1.5);
  }
  // the triode equation leaves the screen alone
  EXPECT_EQ(t.Vek(), 7);
  EXPECT_EQ(t.Ie(), 0.5);
}

TEST(CalculerNK, StaysFiniteFarAboveTheKnee) {
  TTube t(ecc83(), "T1");
  double Ia = 0;
  t.CalculerNK(250, 10000, Ia); // e^u overflows here even in extended precision
  EXPECT_TRUE(std::isfinite(Ia));
  EXPECT_GT(Ia, 1);
}

TEST(CalculerNKpentode, EL34AnodeAndScreenCurrents) {
  TTube t(el34(), "T1");
  const double Ia = t.CalculerNKpentode(250, -15, 250);
  EXPECT_NEAR(Ia, 75.9e-3, 0.05e-3);
  EXPECT_NEAR(t.Ie(), std::pow(250 / 14.18 - 15, 1.5) / 1147, 1e-12);
  EXPECT_NEAR(t.Ie(), 3.7e-3, 0.05e-3);
  EXPECT_EQ(t.Ia(), Ia);
  EXPECT_EQ(t.Vak(), 250);
  EXPECT_EQ(t.Vgk(), -15);
  EXPECT_EQ(t.Vek(), 250);
}

TEST(CalculerNKpentode, ScreenCutOffLeavesTheAnodeCurrent) {
  TTube t(el34(), "T1");
  t.setIe(1);
  // 250 / 14.18 - 18 < 0: the screen takes nothing, the anode still some
  const double Ia = t.CalculerNKpentode(250, -18, 250);
  EXPECT_EQ(t.Ie(), 0);
  EXPECT_GT(Ia, 1e-3);
}

TEST(CalculerNKpentode, NoAnodeCurrentWithoutScreenVoltage) {
  TTube t(el34(), "T1");
  for (double Vek : {0.0, -10.0}) {
    EXPECT_EQ(t.CalculerNKpentode(250, -5, Vek), 0) << Vek;
    EXPECT_EQ(t.Ia(), 0);
    EXPECT_EQ(t.Vek(), Vek);
  }
}

TEST(CalculerEcranPentode, LeavesTheAnodeSideAlone) {
  TTube t(el34(), "T1");
  t.setVak(123);
  t.setIa(0.042);
  const double Ie = t.CalculerEcranPentode(-15, 250);
  EXPECT_NEAR(Ie, std::pow(250 / 14.18 - 15, 1.5) / 1147, 1e-12);
  EXPECT_EQ(t.Ie(), Ie);
  EXPECT_EQ(t.Vgk(), -15);
  EXPECT_EQ(t.Vek(), 250);
  EXPECT_EQ(t.Vak(), 123);
  EXPECT_EQ(t.Ia(), 0.042);
}

TEST(CurrentByKind, ChoosesTheEquationOfTheKind) {
  TTube triode(ecc83(), "T1");
  double expected = 0;
  triode.CalculerNK(200, -1, expected);
  EXPECT_EQ(triode.currentByKind(200, -1, 999), expected);
  EXPECT_EQ(triode.Vek(), 0);

  TTube pentode(el34(), "T2");
  TTube reference(el34(), "T3");
  EXPECT_EQ(pentode.currentByKind(300, -20, 250), reference.CalculerNKpentode(300, -20, 250));
  EXPECT_EQ(pentode.Vek(), 250);
  EXPECT_EQ(pentode.Ie(), reference.Ie());
}

} // namespace
} // namespace velmorin
