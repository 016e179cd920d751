#include "frequency/TQuadripole.h"

#include "ChainFixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

using namespace velmorin;

namespace {

constexpr double kPi = std::numbers::pi;
double X(double f, double C) {
  return 1 / (2 * kPi * f * C);
}
double Zp(double f, double R, double C) {
  return R / std::sqrt(1 + std::pow(2 * kPi * f * R * C, 2));
}

double gainAt(TQuadripole& q, double f, double ZL) {
  double av1 = 0, av0 = 0;
  q.getVarGains(std::array{f, ZL}, av1, av0);
  return av0;
}

const StageTubeValues kTube{.µ = 100, .gm = 1.6e-3, .ρ = 62e3, .Cgk = 2e-12, .Cga = 3e-12, .Cak = 5e-12};

} // namespace

TEST(TQuadripole, NodeCapacitancesPerKind) {
  const double s = 1e-12, Cgk = kTube.Cgk, Cga = kTube.Cga, Cak = kTube.Cak;
  struct Case {
    TTypeQuadripole kind;
    double Cpin, Cpou;
  };
  const Case cases[] = {
      {tqpInputGrid, s, 2 * s},
      {tqpOutputLoad, s, 2 * s},
      {tqpLevelShifter, 2 * s, 2 * s},
      {tqpInterStage, s, 2 * s},
      {tqpTubeCatCom, s + Cgk, 2 * s + Cak},
      {tqpTubeCatFol, s + Cga, 2 * s + Cak},
      {tqpTubeGriCom, 3 * s + Cgk, 2 * s + Cak + Cga},
      {tqpTubeAnoCom, 2 * s + Cgk + Cak, 2 * s + Cak},
      {tqpTubePullUpDn, s + Cgk + Cak, s + Cgk + Cak},
      {tqpTubeCathodyne, 2 * s + Cgk + Cak, 2 * s + Cak + Cga + Cgk},
      {tqpTubeDifférentiel, s + Cgk + Cak, 3 * s + Cak + Cga},
      {tqpTubeMixer, s + Cgk, 4 * s + 2 * Cak},
  };
  for (const Case& c : cases) {
    const TQuadripole q(c.kind, kTube, {}, {1, 2, 3, 4, 5, 6, s}, {false});
    EXPECT_DOUBLE_EQ(q.elements().Cpin, c.Cpin) << "kind " << c.kind;
    EXPECT_DOUBLE_EQ(q.elements().Cpou, c.Cpou) << "kind " << c.kind;
  }
}

TEST(TQuadripole, ElementsTakeTheKindsValueOrder) {
  const double s = 1e-12;
  const TQuadripole in(tqpInputGrid, nullptr, {1}, {10, 20, 30, 40, 50, 60, s}, {true, true});
  EXPECT_EQ(in.elements().R1, 10);
  EXPECT_EQ(in.elements().C1, 20);
  EXPECT_EQ(in.elements().R2, 30);
  EXPECT_DOUBLE_EQ(in.elements().C2, 40 + 3 * s);
  EXPECT_EQ(in.elements().R3, 50);
  EXPECT_EQ(in.elements().C3, 60);
  EXPECT_TRUE(in.elements().C1Shunted);
  EXPECT_TRUE(in.ignoreBootstrap());

  const TQuadripole gc(tqpTubeGriCom, kTube, {}, {1, 2, 3, s}, {false});
  EXPECT_EQ(gc.elements().Ck, 1);
  EXPECT_EQ(gc.elements().Rk, 2);
  EXPECT_EQ(gc.elements().Ra, 3);

  const TQuadripole cd(tqpTubeCathodyne, kTube, {}, {1, 2, 3, 4, 5, s}, {false});
  EXPECT_EQ(cd.elements().Ra, 1);
  EXPECT_EQ(cd.elements().Rk, 2);
  EXPECT_EQ(cd.elements().Rg, 3);
  EXPECT_EQ(cd.elements().Rgk, 4);
  EXPECT_EQ(cd.elements().Ck, 5);

  const TQuadripole ls(tqpLevelShifter, nullptr, {}, {1, 2, 3, 4, 5, s}, {false});
  EXPECT_DOUBLE_EQ(ls.elements().C2, 4 * s);
  EXPECT_EQ(ls.elements().R3, 4);
  EXPECT_EQ(ls.elements().C3, 5);

  // Values the caller left out read as 0 rather than past the end.
  const TQuadripole shortValues(tqpTubeCatCom, kTube, {}, {s}, {});
  EXPECT_EQ(shortValues.elements().Ra, 0);
  EXPECT_DOUBLE_EQ(shortValues.elements().Cpin, s + kTube.Cgk);
  EXPECT_FALSE(shortValues.ignoreBootstrap());
}

TEST(TQuadripole, PullUpDownHasUnityGain) {
  TQuadripole q(tqpTubePullUpDn, kTube, {}, {1e3, 1e-12}, {false});
  for (double f : {0.1, 1e3, 1e7})
    for (double ZL : {1.0, 1e5, 1e12})
      EXPECT_EQ(gainAt(q, f, ZL), 1);
}

TEST(TQuadripole, CommonCathodeInputImpedanceCarriesMillerCapacitance) {
  const double s = 1e-12;
  TQuadripole ignoring(tqpTubeCatCom, kTube, {}, {100e3, 1.5e3, 100e-6, s}, {true, true});
  TQuadripole miller(tqpTubeCatCom, kTube, {}, {100e3, 1.5e3, 100e-6, s}, {false, true});
  for (double f : {10.0, 1e3, 1e5}) {
    const double G = gainAt(miller, f, 1e6);
    gainAt(ignoring, f, 1e6);
    EXPECT_DOUBLE_EQ(ignoring.Zi(), X(f, s + kTube.Cgk)) << f;
    EXPECT_DOUBLE_EQ(miller.Zi(), X(f, s + kTube.Cgk + G * kTube.Cga)) << f;
    EXPECT_EQ(miller.ZinQPMémorisé(), miller.Zi());
    EXPECT_EQ(miller.GainQPMémorisé(), G);
  }
}

TEST(TQuadripole, ShuntedInputCapacitorLeavesTheGainButNotTheInputImpedance) {
  const double s = 1e-12, f = 10, ZL = 1e6;
  auto inputGrid = [&](double Cin, bool shunted) {
    return TQuadripole(tqpInputGrid, nullptr, {1}, {10e3, Cin, 1e6, 100e-12, 1e3, 100e-12, s},
                       {false, shunted});
  };
  TQuadripole shunted = inputGrid(1e-9, true);
  TQuadripole open = inputGrid(1e-9, false);
  TQuadripole hugeCin = inputGrid(1e6, false);
  double av1 = 0, gShunted = 0, gOpen = 0, gHuge = 0;
  const std::array values{f, ZL};
  shunted.getVarGains(values, av1, gShunted, std::array{true});
  open.getVarGains(values, av1, gOpen, std::array{false});
  hugeCin.getVarGains(values, av1, gHuge, std::array{false});

  EXPECT_NEAR(gShunted, gHuge, 1e-9 * gHuge); // the source is Rs alone
  EXPECT_LT(gOpen, 0.5 * gShunted);
  EXPECT_DOUBLE_EQ(shunted.Zi(), open.Zi()); // Cin still in series at the input
  EXPECT_GT(shunted.Zi(), X(f, 1e-9));
}

TEST(TQuadripole, CathodyneBootstrapsItsGridResistor) {
  const double s = 1e-12, f = 1e3;
  for (const double Rg : {1e6, 1e12}) {
    TQuadripole q(tqpTubeCathodyne, kTube, {}, {47e3, 47e3, Rg, 1e3, 100e-6, s}, {false});
    const double Cpin = q.elements().Cpin;
    q.setAv1(0.9);
    q.setZinQuadripole(f, 0);
    // Below 1e12 the grid resistor is multiplied by 1/(1 - 0.9) = 10.
    const double Rb = Rg < 1e12 ? 10 * Rg : Rg;
    EXPECT_NEAR(q.Zi(), Zp(f, Rb, Cpin), 1e-9 * q.Zi()) << Rg;
  }
}

TEST(TQuadripole, MidBandGainsMatchTheStageFormulas) {
  const TTube t = velmorin::testing::biasedEcc83();
  const double µ = t.µ(), ρ = t.ρ(), Ra = 100e3, Rk = 1.5e3, Ro = 100e3, f = 1e3;
  ASSERT_GT(µ, 50);
  ASSERT_GT(ρ, 1e4);
  const double RL = Ra * Ro / (Ra + Ro);

  auto stage = [&](TTypeQuadripole kind, const std::vector<double>& values, bool ck) {
    std::vector<TQuadripole> chain;
    chain.emplace_back(kind, &t, std::vector<int>{1}, values, std::vector<bool>{false, ck});
    // Negligible strays and a coupling capacitor that is a short at 1 kHz.
    chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, 1.0, Ro, 0, 0},
                       std::vector<bool>{false});
    chainGain(chain, 0, f);
    return chain[0].Av0();
  };
  // Common cathode, bypassed and not; cathode follower loaded by Ro.
  EXPECT_NEAR(stage(tqpTubeCatCom, {Ra, Rk, 1.0, 0}, true), µ * RL / (ρ + RL), 1e-5 * µ);
  EXPECT_NEAR(stage(tqpTubeCatCom, {Ra, Rk, 1.0, 0}, false), µ * RL / (ρ + RL + (µ + 1) * Rk), 1e-5 * µ);
  const double RLk = Rk * Ro / (Rk + Ro);
  EXPECT_NEAR(stage(tqpTubeCatFol, {Rk, 0}, false), µ * RLk / (RLk * (µ + 1) + ρ), 1e-6);
}

TEST(TQuadripole, MissingLoadIsAnOpenCircuit) {
  StageTubeValues noCaps = kTube;
  noCaps.Cak = 0;
  TQuadripole q(tqpTubeCatCom, noCaps, {}, {100e3, 0, 0, 0}, {false, false});
  double av1 = 0, av0 = 0;
  q.getVarGains(std::array{1e3}, av1, av0);
  EXPECT_NEAR(av0, kTube.µ * 100e3 / (kTube.ρ + 100e3), 1e-9);
  EXPECT_TRUE(std::isfinite(q.Zi()));
}

TEST(TQuadripole, ResistiveLimitsOfThePassiveAndGridKinds) {
  // No strays and no tube capacitances; coupling capacitors large enough to
  // be shorts, shunt capacitors absent: what is left are resistive dividers
  // and the textbook stage gains.
  StageTubeValues tube = kTube;
  tube.Cgk = tube.Cga = tube.Cak = 0;
  const double µ = tube.µ, ρ = tube.ρ, f = 1e3, ZL = 220e3, ZL2 = 47e3;
  auto par = [](double a, double b) { return a * b / (a + b); };
  auto gain = [&](TTypeQuadripole kind, const std::vector<double>& values, double& av1) {
    TQuadripole q(kind, tube, {}, values, {false});
    double av0 = 0;
    q.getVarGains(std::array{f, ZL, ZL2}, av1, av0);
    return av0;
  };
  double av1 = 0;

  // Grid stopper into the next grid.
  EXPECT_NEAR(gain(tqpInterStage, {1e6, 1e6, 10e3, 0, 0}, av1), ZL / (ZL + 10e3), 1e-9);

  // R1 over R2 parallel to (R3 + load), then R3 into the load.
  const double R1 = 100e3, R2 = 330e3, R3 = 10e3;
  const double lower = par(R2, R3 + ZL);
  EXPECT_NEAR(gain(tqpLevelShifter, {R1, 0, R2, R3, 0, 0}, av1), lower / (lower + R1) * ZL / (ZL + R3), 1e-9);

  // Grounded grid: (µ + 1)·RL/(ρ + RL).
  const double Ra = 100e3, RL = par(Ra, ZL);
  EXPECT_NEAR(gain(tqpTubeGriCom, {1e6, 1e3, Ra, 0}, av1), (µ + 1) * RL / (ρ + RL), 1e-6 * µ);

  // Differential pair of identical tubes: the pair gains of the stage texts.
  const double R1L = par(Ra, ZL), R2L = par(47e3, ZL2), Rk = 10e3, h = µ + 1;
  const double D = (R1L + ρ + h * Rk) * (R2L + ρ + h * Rk) - h * h * Rk * Rk;
  EXPECT_NEAR(gain(tqpTubeDifférentiel, {Ra, 47e3, Rk, 0}, av1), µ * R1L * (R2L + ρ + h * Rk) / D, 1e-9);
  EXPECT_NEAR(av1, µ * R2L * Rk * h / D, 1e-9);
}
