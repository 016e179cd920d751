#include "frequency/FrequencyResponse.h"

#include "ChainFixtures.h"
#include "frequency/Sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <variant>

using namespace velmorin;

namespace {

constexpr double kPi = std::numbers::pi;

std::vector<TQuadripole> chainOf(std::initializer_list<TQuadripole> stages) {
  return stages;
}

const StageTubeValues kNoCaps{.µ = 200, .gm = 0.02, .ρ = 10e3};

TLégendes legendsNamed(std::initializer_list<const char*> titles) {
  TLégendes l;
  plot::Argb color = 0xFF000001;
  for (const char* t : titles)
    l.push_back({t, true, color++});
  return l;
}

bool allCoordinatesFinite(const plot::Scene& scene) {
  auto ok = [](plot::PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  for (const plot::Item& item : scene.items) {
    if (const auto* l = std::get_if<plot::Line>(&item); l && !(ok(l->a) && ok(l->b)))
      return false;
    if (const auto* p = std::get_if<plot::Polyline>(&item);
        p && !std::all_of(p->points.begin(), p->points.end(), ok))
      return false;
    if (const auto* t = std::get_if<plot::Text>(&item); t && !ok(t->pos))
      return false;
  }
  return true;
}

std::string summaryOf(const plot::Scene& scene) {
  for (const plot::Item& item : scene.items)
    if (const auto* t = std::get_if<plot::Text>(&item); t && t->text.starts_with("Max gain"))
      return t->text;
  return "";
}

} // namespace

TEST(FrequencyResponse, RcChainCornersFollowTheirClosedForms) {
  // Low-pass: grid stopper into its capacitor, fed from a source of 0 Ω
  // (coupling capacitor shunted) and with no grid resistor to speak of.
  const double Rgs = 10e3, fc = 1e5, Cgs = 1 / (2 * kPi * Rgs * fc);
  // High-pass: coupling capacitor into the load.
  const double Ro = 1e9, Cs = 1e-11;
  auto chain = chainOf({
      TQuadripole(tqpInputGrid, nullptr, {1}, {0, 1e-6, 1e15, 0, Rgs, Cgs, 0}, {false, true}),
      TQuadripole(tqpOutputLoad, nullptr, {}, {0, Cs, Ro, 0, 0}, {false}),
  });
  const FrequencyResult r =
      frequencyResponse("", std::move(chain), legendsNamed({"in", "out", "all"}), "C1", 0, 1e6, 1);
  const plot::BodeData& b = r.bode;
  ASSERT_GT(b.Gmax, 0.95);
  const double T = 0.7071 * b.Gmax;
  // |H| = 1/sqrt(1 + (f/fc)²) for the low-pass; the high-pass adds the
  // moduli, |H| = Ro/(Ro + X(Cs)).
  const double fHigh = fc * std::sqrt(1 / (T * T) - 1);
  const double fLow = 1 / (2 * kPi * Cs * Ro * (1 / T - 1));
  EXPECT_NEAR(b.fHigh, fHigh, 0.005 * fHigh);
  EXPECT_NEAR(b.fLow, fLow, 0.005 * fLow);
  EXPECT_NEAR(b.fHigh, 1 / (2 * kPi * Rgs * Cgs), 0.01 * fc);
  EXPECT_GT(b.fmaxGain, b.fLow);
  EXPECT_LT(b.fmaxGain, b.fHigh);
}

TEST(FrequencyResponse, FeedbackDividesTheOverallGainButNotTheTable) {
  // A stage of flat gain µ·Ra/(Ra + ρ) = 100 with nothing frequency-dependent.
  auto chain = chainOf({TQuadripole(tqpTubeCatCom, kNoCaps, {}, {10e3, 0, 0, 0}, {false, false})});
  const FrequencyResult r =
      frequencyResponse("Cfg", std::move(chain), legendsNamed({"T1", "Overall gain"}), "C1", 0.1, 1e5, 1);
  for (double g : r.bode.overall.gains)
    EXPECT_NEAR(g, 100.0 / 11, 1e-9);
  EXPECT_NEAR(r.bode.outputs[0].gains[0], 100, 1e-9);
  EXPECT_NEAR(r.bode.Gmax, 100.0 / 11, 1e-9);
  EXPECT_NEAR(r.table[0].av, 100, 1e-9);

  // Equal maxima: the first wins, so the maximum is sought around index 5
  // (5..7 Hz) and the flat slope stops at the first midpoint. With no -3 dB
  // point anywhere, both searches end at their brackets' ends.
  EXPECT_EQ(r.bode.fmaxGain, 6);
  EXPECT_NEAR(r.bode.fLow, 0.01, 1e-6);
  EXPECT_NEAR(r.bode.fHigh, 1e6, 1e-3);
  EXPECT_EQ(summaryOf(plot::bodeScene(r.bode, Locale{}, 800, 500)),
            "Max gain x9.1 19.2dB @ ~6Hz BW -3dB 0Hz-1000kHz");
}

TEST(FrequencyResponse, TableHasABlockPerFrequencyEachClosedBySeparator) {
  const TTube t = velmorin::testing::biasedEcc83();
  const TLégendes legends = velmorin::testing::c1Legends();
  const FrequencyResult r =
      frequencyResponse("Cfg", velmorin::testing::c1Chain(t, false), legends, "C1", 0, 1e5, 1);
  ASSERT_EQ(r.table.size(), 7u * 4);

  const double blockFreq[] = {r.bode.fmaxGain, 1, 10, 100, 1e3, 1e4, 1e5};
  const char* natures[] = {"RC-in", "Cat-com", "RC-out"};
  for (std::size_t b = 0; b < 7; ++b) {
    for (std::size_t i = 0; i < 3; ++i) {
      const TDataQP& row = r.table[4 * b + i];
      EXPECT_EQ(row.titre, legends[i].légende_titre);
      EXPECT_EQ(row.couleur, legends[i].légende_color);
      EXPECT_EQ(row.nature, natures[i]);
      EXPECT_EQ(row.fréq, blockFreq[b]);
    }
    EXPECT_EQ(r.table[4 * b + 3].titre, "") << "separator after block " << b;
  }

  // The 1 kHz block holds the stages at 1 kHz: the sweep's gains there and
  // the input impedances of a fresh chain evaluated at that frequency.
  const auto freqs = sweepFrequencies(1, 1e5);
  const std::size_t i1k = std::size_t(std::find(freqs.begin(), freqs.end(), 1e3) - freqs.begin());
  auto fresh = velmorin::testing::c1Chain(t, false);
  chainGain(fresh, 0, 1e3);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(r.table[16 + i].av, r.bode.outputs[i].gains[i1k]);
    EXPECT_DOUBLE_EQ(r.table[16 + i].zin, fresh[i].Zi());
  }
  // Mid-band the stage gain dominates; the cutoffs lie around the audio band.
  EXPECT_GT(r.table[17].av, 30);
  EXPECT_GT(r.bode.fLow, 10);
  EXPECT_LT(r.bode.fLow, 100);
  EXPECT_GT(r.bode.fHigh, 5e3);
  EXPECT_LT(r.bode.fHigh, 1e5);
}

TEST(FrequencyResponse, TwoOutputStagesTakeTwoLegendsAndLeaveNoOverallCurve) {
  const StageTubeValues tube{.µ = 100, .gm = 1.6e-3, .ρ = 62e3, .Cgk = 1e-12, .Cga = 1e-12, .Cak = 1e-12};
  const double s = 1e-12;
  auto chain = chainOf({
      TQuadripole(tqpInputGrid, nullptr, {1}, {1e3, 47e-9, 1e6, 0, 1e3, 1e-12, s}, {false, false}),
      TQuadripole(tqpTubeCathodyne, tube, {2, 3}, {47e3, 47e3, 1e6, 1e3, 100e-6, s}, {false}),
      TQuadripole(tqpOutputLoad, nullptr, {}, {0, 100e-9, 100e3, 0, s}, {false}),
      TQuadripole(tqpOutputLoad, nullptr, {}, {0, 100e-9, 22e3, 0, s}, {false}),
  });
  const TLégendes legends = legendsNamed({"RC input", "Anode", "Cathode", "Out a", "Out k"});
  const FrequencyResult r = frequencyResponse("", std::move(chain), legends, "C2", 0, 1e5, 1);

  ASSERT_EQ(r.bode.outputs.size(), 5u);
  EXPECT_FALSE(r.bode.overallShown);
  EXPECT_EQ(r.bode.outputs[2].title, "Cathode");
  ASSERT_EQ(r.table.size(), 7u * 6);
  EXPECT_EQ(r.table[1].nature, "Cathodyne");
  EXPECT_EQ(r.table[2].nature, "Cathodyne");
  EXPECT_EQ(r.table[2].titre, "Cathode");
  // Unequal loads: the anode (main) and cathode (second) gains differ.
  EXPECT_NE(r.table[1].av, r.table[2].av);
  EXPECT_EQ(r.table[1].zin, r.table[2].zin);
  EXPECT_EQ(summaryOf(plot::bodeScene(r.bode, Locale{}, 800, 500)), "");
}

TEST(FrequencyResponse, MillerCapacitanceLowersTheUpperCutoff) {
  const TTube t = velmorin::testing::biasedEcc83();
  const TLégendes legends = velmorin::testing::c1Legends();
  const FrequencyResult ignoring =
      frequencyResponse("", velmorin::testing::c1Chain(t, true), legends, "C1", 0, 1e5, 1);
  const FrequencyResult miller =
      frequencyResponse("", velmorin::testing::c1Chain(t, false), legends, "C1", 0, 1e5, 1);
  EXPECT_LT(miller.bode.fHigh, 0.8 * ignoring.bode.fHigh);
  EXPECT_NEAR(miller.bode.Gmax, ignoring.bode.Gmax, 0.02 * ignoring.bode.Gmax);
}

TEST(FrequencyResponse, MaximumAtAnEndOfTheSweepIsSoughtInside) {
  // Rising throughout: a coupling capacitor far too small, behind a flat
  // stage of gain 1000 so the slope stays above the search's threshold.
  const StageTubeValues bigMu{.µ = 2000, .gm = 0.2, .ρ = 10e3};
  auto rising = [&] {
    return chainOf({
        TQuadripole(tqpOutputLoad, nullptr, {}, {0, 1e-9, 1e3, 0, 0}, {false}),
        TQuadripole(tqpTubeCatCom, bigMu, {}, {10e3, 0, 0, 0}, {false, false}),
    });
  };
  const TLégendes legends = legendsNamed({"out", "T1", "all"});
  // 46 points: k = 45 - 5 = 40 (50 kHz), bracket 40..60 kHz, driven to its top.
  const FrequencyResult r = frequencyResponse("", rising(), legends, "C1", 0, 1e5, 1);
  EXPECT_GT(r.bode.fmaxGain, 5.99e4);
  EXPECT_LE(r.bode.fmaxGain, 6e4);

  // With the 10 MHz sweep the maximum lies above 1 MHz; fHigh stays at 1 MHz.
  const FrequencyResult r10 = frequencyResponse("", rising(), legends, "C1", 0, 1e7, 1);
  EXPECT_GT(r10.bode.fmaxGain, 1e6);
  EXPECT_GT(r10.bode.fHigh, 0);
  EXPECT_LE(r10.bode.fHigh, 1e6);

  // Falling throughout (a 2 Hz low-pass): largest at the first point, sought
  // around index 5, bracket 5..7 Hz, driven to its bottom.
  const double Cgs = 1 / (2 * kPi * 1e6 * 2);
  auto falling =
      chainOf({TQuadripole(tqpInputGrid, nullptr, {}, {0, 1e-6, 1e15, 0, 1e6, Cgs, 0}, {false, true})});
  const FrequencyResult f =
      frequencyResponse("", std::move(falling), legendsNamed({"in", "all"}), "C1", 0, 1e5, 1);
  EXPECT_GE(f.bode.fmaxGain, 5);
  EXPECT_LT(f.bode.fmaxGain, 5.01);
}

TEST(FrequencyResponse, GainsThatAreNotNumbersGiveADefinedResult) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto chain = chainOf({
      TQuadripole(tqpInputGrid, nullptr, {1}, {1e3, 47e-9, 1e6, 0, 1e3, 1e-12, 1e-12}, {false, false}),
      TQuadripole(tqpOutputLoad, nullptr, {}, {0, 100e-9, nan, 0, 1e-12}, {false}),
  });
  const FrequencyResult r =
      frequencyResponse("Cfg", std::move(chain), legendsNamed({"in", "out", "all"}), "C1", 0.01, 1e5, 1);
  EXPECT_EQ(r.bode.fLow, 0);
  EXPECT_EQ(r.bode.fHigh, 0);
  EXPECT_TRUE(std::isfinite(r.bode.fmaxGain));
  EXPECT_EQ(r.table.size(), 7u * 3);
  const plot::Scene scene = plot::bodeScene(r.bode, Locale{}, 800, 500);
  EXPECT_TRUE(allCoordinatesFinite(scene));
  for (const plot::Item& item : scene.items) {
    if (const auto* t = std::get_if<plot::Text>(&item)) {
      EXPECT_EQ(t->text.find("nan"), std::string::npos) << t->text;
    }
  }
}
