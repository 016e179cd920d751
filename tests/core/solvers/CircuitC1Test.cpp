#include "SolverFixtures.h"

#include "solvers/Solve.h"
#include "text/Format.h"

#include <gtest/gtest.h>

namespace velmorin {
namespace {

using namespace velmorin::testing;

const char* const kEcc83 = "ECC83 / 12AX7";

TEST(CircuitC1, DefaultsSolveCleanly) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(1, defaultRequest(1, kEcc83), models);
  ASSERT_FALSE(r.refused);
  EXPECT_TRUE(r.success);
  EXPECT_EQ(r.dcReport.find("No convergence"), std::string::npos);
  EXPECT_EQ(r.dcReport.rfind(
                "<p><b>Common-cathode amplifier, cathode bias</b></p>"
                "<p><font color=\"#909090\">Velmorin</font></p>"
                "<br><P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b>250 V</b></FONT>   ",
                0),
            0u);

  ASSERT_EQ(r.stacks.size(), 1u);
  double sum = 0;
  for (const auto& s : r.stacks[0].segments)
    sum += s.volts;
  EXPECT_NEAR(sum, 250, 1);
  EXPECT_EQ(r.stackVb, 250);

  ASSERT_EQ(r.resultsRow.size(), 16u);
  ASSERT_EQ(r.resultsColumns.size(), 16u);
  EXPECT_EQ(r.resultsRow[0], "12:00:00");
  EXPECT_EQ(r.resultsRow[1], kEcc83);
  EXPECT_EQ(r.resultsColumns[13], "Ro (Ω)");
  EXPECT_EQ(r.resultsRow[13], "500,000"); // the load in ohms with thousands separators

  // The reported current is the tube's, and the labels agree with the report.
  ASSERT_EQ(r.labels.size(), 3u);
  EXPECT_EQ(r.labels[0].first, "LabelVa");
  EXPECT_EQ(r.labels[2].first, "LabelIa");
  EXPECT_EQ(r.loadLines.size(), 1u);
  ASSERT_EQ(r.traces.size(), 1u);
  EXPECT_EQ(r.traces[0].caption.rfind("C1 - T1 ECC83 / 12AX7 - ", 0), 0u);

  ASSERT_TRUE(r.frequency);
  EXPECT_EQ(r.frequency->bode.frequencies.size(), 46u);
  ASSERT_EQ(r.frequency->bode.legends.size(), 4u);
  EXPECT_EQ(r.frequency->bode.legends[3].légende_titre, "Overall gain");
}

TEST(CircuitC1, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = defaultRequest(1, kEcc83);
  setEntry(req, "EdRk", "1k5");
  SolveResult r = solve(1, req, models);
  // Ia = NK(Vb − (Ra + Rk)·Ia, −Rk·Ia), solved here by bisection on the current.
  const TubeModel& m = builtIn(kEcc83);
  double lo = 0, hi = 250 / 101.5e3;
  for (int i = 0; i < 200; ++i) {
    double mid = (lo + hi) / 2;
    (nkTriode(m, 250 - 101.5e3 * mid, -1.5e3 * mid) > mid ? lo : hi) = mid;
  }
  // The Ia (mA) cell: the solver's 1 µA tolerance plus the cell's rounding.
  EXPECT_NEAR(std::stod(r.resultsRow[9]) / 1000, lo, 1.5e-6);
  EXPECT_EQ(r.labels[2].second, sformat(Locale{}, "%.2fmA", lo * 1000));
}

TEST(CircuitC1, ZeroCathodeResistorFailsTheVgkCheck) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = defaultRequest(1, kEcc83);
  setEntry(req, "EdRk", "0");
  SolveResult r = solve(1, req, models);
  EXPECT_NE(r.dcReport.find("<br><font color=\"#ff4444\"><b>No convergence !</b></font>"
                            "<br><font color=\"#ff4444\">Vgk > 0</font>"),
            std::string::npos);
  EXPECT_EQ(r.resultsRow.at(0), "ERROR");
}

TEST(CircuitC1, SupplyAbove500IsComputedWith500) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = defaultRequest(1, kEcc83);
  setEntry(req, "EdVb", "650");
  SolveResult r = solve(1, req, models);
  EXPECT_NE(r.dcReport.find("Total power supply  <FONT color=\"#990000\"><b>500 V</b>"), std::string::npos);
  EXPECT_EQ(r.resultsRow.at(2), "500");
}

TEST(CircuitC1, ZeroCouplingCapacitorsOnlyChangeTheBandwidth) {
  MapModelLookup models = builtInLookup();
  SolveResult base = solve(1, defaultRequest(1, kEcc83), models);
  for (const char* name : {"EdCi", "EdCs", "EdCgs"}) {
    SolveRequest req = defaultRequest(1, kEcc83);
    setEntry(req, name, "0");
    SolveResult r = solve(1, req, models);
    EXPECT_EQ(r.dcReport, base.dcReport) << name;
    ASSERT_TRUE(r.frequency) << name;
    EXPECT_GT(r.frequency->bode.Gmax, 0) << name;
    EXPECT_EQ(allTexts(r).find("nan"), std::string::npos) << name;
  }
}

TEST(CircuitC1, UnknownOrMissingTubeIsRefused) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(1, defaultRequest(1, "NoSuchTube"), models);
  ASSERT_TRUE(r.refused);
  EXPECT_EQ(r.refusedAs, RefusedAs::Box);
  EXPECT_NE(r.refused->find("NoSuchTube"), std::string::npos);
  EXPECT_TRUE(r.dcReport.empty());
  EXPECT_TRUE(r.resultsRow.empty());

  TubeModel broken = builtIn(kEcc83);
  broken.name = "Broken";
  broken.kp = 0;
  models.add(broken);
  EXPECT_TRUE(solve(1, defaultRequest(1, "Broken"), models).refused);
}

TEST(Solve, CircuitsWithoutASolverAreRefusedClearly) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(40, defaultRequest(40, "EL34"), models);
  ASSERT_TRUE(r.refused);
  EXPECT_EQ(*r.refused, "The solver of circuit C40 is not available yet.");
  EXPECT_TRUE(solve(0, SolveRequest{}, models).refused);
  EXPECT_TRUE(solve(41, SolveRequest{}, models).refused);
}

// Hostile entries: every run returns, and no text shows "nan" or "inf".
TEST(CircuitC1, HostileEntriesNeverProduceNanOrInf) {
  MapModelLookup models = builtInLookup();
  const std::vector<std::vector<std::pair<std::string, std::string>>> cases = {
      {{"EdRa", "0"}, {"EdRk", "0"}},
      {{"EdRa", "0"}},
      {{"EdRo", "0"}},
      {{"EdRa", "1e12"}, {"EdRk", "1e12"}},
      {{"EdRa", "1p"}, {"EdRk", "1p"}},
      {{"EdVb", "20"}, {"EdRa", "10M"}},
      {{"EdRk", "1M"}},
      {{"EdRa", "abc"}, {"EdRk", "abc"}, {"EdRo", "abc"}},
      {{"EdCi", "0"}, {"EdCs", "0"}, {"EdCk", "0"}, {"EdCo", "0"}, {"EdCg", "0"}, {"EdCgs", "0"}},
      {{"EdRs", "0"}, {"EdRg", "0"}, {"EdRgs", "0"}},
      {{"EdRs", "1e12"}, {"EdRg", "1e12"}, {"EdCi", "1e12"}},
  };
  for (const char* tube : {kEcc83, "300B", "EL34"}) {
    for (const auto& c : cases) {
      SolveRequest req = defaultRequest(1, tube);
      std::string what = tube;
      for (const auto& [name, value] : c) {
        setEntry(req, name, value);
        what += " " + name + "=" + value;
      }
      SolveResult r = solve(1, req, models);
      std::string texts = allTexts(r);
      EXPECT_EQ(texts.find("nan"), std::string::npos) << what;
      EXPECT_EQ(texts.find("inf"), std::string::npos) << what;
    }
  }
}

} // namespace
} // namespace velmorin
