#include "SolverFixtures.h"

#include "models/TTube.h"
#include "plot/Colors.h"
#include "solvers/Solve.h"
#include "text/Format.h"
#include "text/ReportValues.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace velmorin {
namespace {

using namespace velmorin::testing;

const char* const kEcc83 = "ECC83 / 12AX7";
constexpr plot::Argb kYellow = 0xFFFFFF00;
constexpr plot::Argb kOrange = 0xFFFF7F00;

using Settings = std::vector<std::pair<std::string, std::string>>;

SolveRequest request(int circuit, const std::string& tube, const Settings& settings) {
  SolveRequest req = defaultRequest(circuit, tube);
  for (const auto& [name, value] : settings)
    setEntry(req, name, value);
  return req;
}

// The current I of a tube whose own voltages depend on it, I = NK(vak(I), vgk(I)),
// found by bisection: the tube's current falls as I rises.
double solveCurrent(const TubeModel& m, double hi, const std::function<double(double)>& vak,
                    const std::function<double(double)>& vgk) {
  double lo = 0;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2;
    (nkTriode(m, vak(mid), vgk(mid)) > mid ? lo : hi) = mid;
  }
  return lo;
}

double sum(const plot::StackColumn& column) {
  double s = 0;
  for (const auto& segment : column.segments)
    s += segment.volts;
  return s;
}

// A results-table cell read back as a number (thousands separators dropped).
double cellValue(const std::string& cell) {
  std::string s;
  for (char c : cell)
    if (c != ',')
      s += c;
  return std::stod(s);
}

std::string cellOf(const SolveResult& r, const std::string& column) {
  for (std::size_t i = 0; i < r.resultsColumns.size(); ++i)
    if (r.resultsColumns[i] == column)
      return r.resultsRow.at(i);
  ADD_FAILURE() << "no column " << column;
  return {};
}

const std::string kHead = "<p><b>%s</b></p><p><font color=\"#909090\">Velmorin</font></p>";

bool startsWith(const std::string& s, const std::string& prefix) {
  return s.rfind(prefix, 0) == 0;
}
bool contains(const std::string& s, const std::string& part) {
  return s.find(part) != std::string::npos;
}

// --- C2: cathodyne with self bias ------------------------------------------------

TEST(CircuitC2, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  const double Vb = 300, Ra = 47e3, Rgk = 1.5e3, Rk = 47e3;
  SolveResult r = solve(
      2, request(2, kEcc83, {{"EdVb", "300"}, {"EdRa", "47k"}, {"EdRgk", "1k5"}, {"EdRk", "47k"}}), models);
  ASSERT_FALSE(r.refused);
  EXPECT_TRUE(r.success);

  // Anode through Ra, cathode through Rgk then Rk, grid at the Rgk–Rk junction.
  const double I = solveCurrent(
      builtIn(kEcc83), Vb / (Ra + Rgk + Rk), [&](double i) { return Vb - (Ra + Rgk + Rk) * i; },
      [&](double i) { return -Rgk * i; });
  ASSERT_EQ(r.stacks.size(), 1u);
  const auto& seg = r.stacks[0].segments;
  ASSERT_EQ(seg.size(), 4u);
  const double Ia = seg[3].volts / Rk;
  EXPECT_NEAR(Ia, I, 0.005 * I);
  EXPECT_NEAR(cellValue(cellOf(r, "Vgk (V)")), -Rgk * I, 0.005 * Rgk * I);

  // The column: Ra, the tube, Rgk, Rk, adding up to the supply.
  EXPECT_EQ(seg[0], (plot::StackSegment{"Ra", Ra * Ia, plot::kRed}));
  EXPECT_EQ(seg[1].name, "T1");
  EXPECT_EQ(seg[1].color, kYellow);
  EXPECT_EQ(seg[2], (plot::StackSegment{"Rgk", Rgk * Ia, plot::kGreen}));
  EXPECT_EQ(seg[3].color, kOrange);
  EXPECT_NEAR(sum(r.stacks[0]), Vb, 0.1);
  EXPECT_EQ(r.stackVb, Vb);

  // Node voltages: the plain lines, then the same three coloured.
  const Locale l;
  const double Va = Vb - Ra * Ia, Vk = (Rgk + Rk) * Ia, Vg = Rk * Ia;
  EXPECT_TRUE(
      startsWith(r.dcReport, sformat(l, kHead, "Phase inverter, self bias cathodyne") +
                                 "<P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b>300 "
                                 "V</b></FONT>   <FONT color=\"#73369E\"><b>"))
      << r.dcReport;
  EXPECT_TRUE(contains(r.dcReport,
                       sformat(l,
                               "</p><br>%s<br>Va %0.2fV<br>Vk %0.2fV<br>Vg %0.2fV<br>%s<br>%s<br>%s<br><br>"
                               "<p>Quiescent state <B>T1 ECC83 / 12AX7</B></p>",
                               fmtMilliAmp(l, "Ia", 3, Ia * 1000), Va, Vk, Vg, fmtVolt(l, "Va", 3, Va),
                               fmtVolt(l, "Vk", 3, Vk), fmtVolt(l, "Vg", 3, Vg))))
      << r.dcReport;
  EXPECT_TRUE(contains(r.dcReport, "<BR>Rgk<FONT color=\"#601010\">  1500Ω</FONT>")) << r.dcReport;

  EXPECT_TRUE(startsWith(r.acReport,
                         "<B>Small signal estimations:</B><BR><P INDENT=\"0\">T1 ECC83 / 12AX7</P>"
                         "<BR><P INDENT=\"20\">ρ~"))
      << r.acReport;
  EXPECT_TRUE(contains(r.acReport, "<BR>Voltage gain on anode   <FONT color=\"#AA0066\"><b>-"));
  EXPECT_TRUE(contains(r.acReport, "<BR><BR>Input impedance (Rgk BYpassed) <FONT COLOR=\"#601010\">"));

  ASSERT_EQ(r.labels.size(), 4u);
  EXPECT_EQ(r.labels[0], std::make_pair(std::string("LabelVa"), sformat(l, "%.1fV", Va)));
  EXPECT_EQ(r.labels[1], std::make_pair(std::string("LabelVk"), sformat(l, "%.2fV", Vk)));
  EXPECT_EQ(r.labels[2], std::make_pair(std::string("LabelVg"), sformat(l, "%.2fV", Vg)));
  EXPECT_EQ(r.labels[3], std::make_pair(std::string("LabelIa"), sformat(l, "%.2fmA", Ia * 1000)));

  ASSERT_EQ(r.resultsColumns.size(), 20u);
  ASSERT_EQ(r.resultsRow.size(), 20u);
  EXPECT_EQ(r.resultsRow[0], "12:00:00");
  EXPECT_EQ(cellOf(r, "Rgk (Ω)"), "1,500");
  EXPECT_EQ(cellOf(r, "Vg (V)"), sformat(l, "%.1n", Vg));
  EXPECT_EQ(cellOf(r, "PRk (mW)"), sformat(l, "%.0n", Rk * Ia * Ia * 1000));

  ASSERT_EQ(r.loadLines.size(), 1u);
  EXPECT_DOUBLE_EQ(r.loadLines[0].Imax, Vb / (Ra + Rgk + Rk));
  EXPECT_EQ(r.loadLines[0].Vmax, Vb);
  ASSERT_EQ(r.traces.size(), 1u);
  EXPECT_TRUE(startsWith(r.traces[0].caption, "C2 - T1 ECC83 / 12AX7 - ")) << r.traces[0].caption;

  // Two outputs, each with its own load network: no overall curve.
  ASSERT_TRUE(r.frequency);
  EXPECT_EQ(r.frequency->bode.outputs.size(), 5u);
  EXPECT_FALSE(r.frequency->bode.overallShown);
}

// The cathode bootstraps the grid resistor: a cathode gain of 0.9 makes 1 MΩ
// look like 10 MΩ.
TEST(CircuitC2, InputImpedanceIsTheGridResistorBootstrappedByTheCathodeGain) {
  const double Vb = 300, Ra = 47e3, Rgk = 1.5e3, Rk = 47e3, Rao = 1e12;
  // The tube's µ and ρ at the bias point, to pick the cathode load that gives
  // Ak = µ·Rk'/(Ra' + ρ + (µ + 1)·Rk') = 0.9 exactly.
  TTube t(builtIn(kEcc83), "T1");
  t.basicBiasSuccApprox(Vb, Ra + Rk, Rgk, nullptr);
  t.calculerParamètresIntrinsèques();
  const double Rap = Rao * Ra / (Rao + Ra);
  const double Rkp = 0.9 * (Rap + t.ρ()) / (0.1 * t.µ() - 0.9);
  const double Rko = Rkp * Rk / (Rk - Rkp);
  char rko[64];
  std::snprintf(rko, sizeof rko, "%.6f", Rko);

  MapModelLookup models = builtInLookup();
  SolveResult r = solve(2,
                        request(2, kEcc83,
                                {{"EdVb", "300"},
                                 {"EdRa", "47k"},
                                 {"EdRgk", "1k5"},
                                 {"EdRk", "47k"},
                                 {"EdRg", "1M"},
                                 {"EdRao", "1e12"},
                                 {"EdRko", rko}}),
                        models);
  EXPECT_EQ(cellOf(r, "Ak"), "0.90");
  const std::string zin = "<BR><BR>Input impedance (Rgk BYpassed) <FONT COLOR=\"#601010\">10000 kΩ</FONT>";
  EXPECT_EQ(r.acReport.substr(r.acReport.size() - std::min(r.acReport.size(), zin.size())), zin)
      << r.acReport;
}

// --- C3: cathode follower, fixed grid voltage -----------------------------------------

TEST(CircuitC3, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  const double Vb = 250, Vg = 100, Rk = 47e3;
  SolveResult r = solve(3, request(3, kEcc83, {{"EdVb", "250"}, {"EdVg", "100"}, {"EdRk", "47k"}}), models);
  ASSERT_FALSE(r.refused);
  EXPECT_TRUE(r.success);
  EXPECT_TRUE(r.messages.empty());

  const double I = solveCurrent(
      builtIn(kEcc83), Vb / Rk, [&](double i) { return Vb - Rk * i; }, [&](double i) { return Vg - Rk * i; });
  ASSERT_EQ(r.stacks.size(), 1u);
  const auto& seg = r.stacks[0].segments;
  ASSERT_EQ(seg.size(), 2u);
  const double Ia = seg[1].volts / Rk;
  EXPECT_NEAR(Ia, I, 0.005 * I);
  EXPECT_NEAR(cellValue(cellOf(r, "Vgk (V)")), Vg - Rk * I, 0.01);
  EXPECT_EQ(seg[0].name, "T1");
  EXPECT_EQ(seg[0].color, plot::kRed);
  EXPECT_EQ(seg[1].name, "Rk");
  EXPECT_EQ(seg[1].color, kYellow);
  EXPECT_NEAR(sum(r.stacks[0]), Vb, 0.1);

  const Locale l;
  EXPECT_TRUE(
      startsWith(r.dcReport, sformat(l, kHead, "Cathode-follower, fixed bias") +
                                 "<P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b>250 "
                                 "V</b></FONT>   "))
      << r.dcReport;
  EXPECT_TRUE(contains(r.dcReport,
                       sformat(l,
                               "</p><br>%s<br>Vg <FONT color=\"#990000\"><b>100.000 V</b></FONT><br>%s<br>"
                               "<br><p>Quiescent state <B>T1 ECC83 / 12AX7</B></p>",
                               fmtMilliAmp(l, "Ia", 3, Ia * 1000), fmtVolt(l, "Vk", 3, Rk * Ia))))
      << r.dcReport;
  EXPECT_TRUE(
      startsWith(r.acReport, "<BR><BR><B>Small signal estimations:</B><P INDENT=\"0\">T1 ECC83 / 12AX7</P>"))
      << r.acReport;
  EXPECT_TRUE(contains(r.acReport, "<BR>Output impedance <FONT color=\"#601010\"><b>"));

  ASSERT_EQ(r.labels.size(), 2u);
  EXPECT_EQ(r.labels[0], std::make_pair(std::string("LabelVk"), sformat(l, "%.2fV", Rk * Ia)));
  EXPECT_EQ(r.labels[1], std::make_pair(std::string("LabelIa"), sformat(l, "%.2fmA", Ia * 1000)));
  ASSERT_EQ(r.resultsColumns.size(), 15u);
  ASSERT_EQ(r.resultsRow.size(), 15u);
  EXPECT_EQ(cellOf(r, "Vg (V)"), "100");
  EXPECT_EQ(cellOf(r, "Ro (Ω)"), "500,000");
  ASSERT_EQ(r.loadLines.size(), 1u);
  EXPECT_DOUBLE_EQ(r.loadLines[0].Imax, Vb / Rk);

  // The follower's own trace line: no iteration count.
  ASSERT_EQ(r.traces.size(), 1u);
  EXPECT_EQ(r.traces[0].caption, sformat(l, "C3 - T1 ECC83 / 12AX7 - Res ±1µA Ia %.2fmA", Ia * 1000));
  EXPECT_TRUE(r.traces[0].displayed);

  ASSERT_TRUE(r.frequency);
  EXPECT_EQ(r.frequency->bode.outputs.size(), 3u);
  EXPECT_TRUE(r.frequency->bode.overallShown);
}

// The grid may reach the cathode's voltage: a tube that cannot carry Vg/Rk
// even at zero bias ends at Vgk = 0, which the follower does not flag.
TEST(CircuitC3, GridAtTheCathodeVoltageIsNotFlagged) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(3, request(3, kEcc83, {{"EdVb", "250"}, {"EdVg", "200"}, {"EdRk", "1k"}}), models);
  ASSERT_FALSE(r.refused);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(startsWith(r.messages[0].text, "The circuit cannot be operated normally:\n\n"));
  EXPECT_EQ(cellOf(r, "Vgk (V)"), "0.000");
  EXPECT_FALSE(contains(r.dcReport, "Vgk > 0"));
  // The cathode cannot reach the grid: the drops do not add up to the supply.
  EXPECT_TRUE(contains(r.dcReport, "<br><font color=\"#ff4444\"><b>No convergence !</b></font>"
                                   "<br><font color=\"#ff4444\">Wrong stacked voltages</font>"));
  EXPECT_EQ(r.resultsRow.at(0), "ERROR");
}

// --- C5: cathodyne, fixed grid voltage ------------------------------------------------

TEST(CircuitC5, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  const double Vb = 300, Vg = 80, Ra = 47e3, Rk = 47e3;
  SolveResult r = solve(
      5, request(5, kEcc83, {{"EdVb", "300"}, {"EdVg", "80"}, {"EdRa", "47k"}, {"EdRk", "47k"}}), models);
  ASSERT_FALSE(r.refused);
  EXPECT_TRUE(r.success) << r.dcReport;
  EXPECT_TRUE(r.messages.empty());

  const double I = solveCurrent(
      builtIn(kEcc83), Vb / (Ra + Rk), [&](double i) { return Vb - (Ra + Rk) * i; },
      [&](double i) { return Vg - Rk * i; });
  // The grid divider, then the tube's path.
  ASSERT_EQ(r.stacks.size(), 2u);
  EXPECT_EQ(r.stacks[0], (plot::StackColumn{{{"", Vb - Vg, plot::kWhite}, {"Vg", Vg, kYellow}}}));
  const auto& seg = r.stacks[1].segments;
  ASSERT_EQ(seg.size(), 3u);
  const double Ia = seg[2].volts / Rk;
  EXPECT_NEAR(Ia, I, 0.005 * I);
  EXPECT_NEAR(cellValue(cellOf(r, "Vgk (V)")), Vg - Rk * I, 0.01);
  EXPECT_EQ(seg[0], (plot::StackSegment{"Ra", Ra * Ia, plot::kRed}));
  EXPECT_EQ(seg[1].name, "T1");
  EXPECT_EQ(seg[1].color, kOrange);
  EXPECT_EQ(seg[2].color, kYellow);
  EXPECT_NEAR(sum(r.stacks[1]), Vb, 0.1);

  const Locale l;
  EXPECT_TRUE(startsWith(r.dcReport,
                         sformat(l, kHead, "Phase inverter, fixed bias cathodyne") +
                             "<br><P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b>300 "
                             "V</b></FONT>   "))
      << r.dcReport;
  EXPECT_TRUE(contains(r.dcReport, sformat(l,
                                           "</p><br><br>%s<br><br>%s<br>Vg <FONT color=\"#990000\"><b>80.000 "
                                           "V</b></FONT><br>%s<br><br><p>Quiescent state",
                                           fmtMilliAmp(l, "Ia", 3, Ia * 1000),
                                           fmtVolt(l, "Va", 3, Vb - Ra * Ia), fmtVolt(l, "Vk", 3, Rk * Ia))))
      << r.dcReport;
  EXPECT_TRUE(startsWith(r.acReport,
                         "<B>Small signal estimations:</B><BR><P INDENT=\"0\">T1 ECC83 / 12AX7</P>"
                         "<BR><P INDENT=\"20\">ρ~"))
      << r.acReport;

  ASSERT_EQ(r.labels.size(), 3u);
  EXPECT_EQ(r.labels[0], std::make_pair(std::string("LabelVk"), sformat(l, "%.2fV", Rk * Ia)));
  EXPECT_EQ(r.labels[1], std::make_pair(std::string("LabelVa"), sformat(l, "%.2fV", Vb - Ra * Ia)));
  EXPECT_EQ(r.labels[2], std::make_pair(std::string("LabelIa"), sformat(l, "%.2fmA", Ia * 1000)));
  ASSERT_EQ(r.resultsColumns.size(), 19u);
  ASSERT_EQ(r.resultsRow.size(), 19u);
  EXPECT_EQ(cellOf(r, "Va (V)"), sformat(l, "%.0n", Vb - Ra * Ia));
  EXPECT_EQ(cellOf(r, "Rko (Ω)"), "1,000");
  ASSERT_EQ(r.loadLines.size(), 1u);
  EXPECT_DOUBLE_EQ(r.loadLines[0].Imax, Vb / (Ra + Rk));

  // The trace line shows the least current the grid voltage imposes, then the one found.
  ASSERT_EQ(r.traces.size(), 1u);
  EXPECT_EQ(r.traces[0].caption, sformat(l, "C5 - T1 ECC83 / 12AX7 Res ±1µA Ia 1.70=>%.2fmA", Ia * 1000));

  ASSERT_TRUE(r.frequency);
  EXPECT_EQ(r.frequency->bode.outputs.size(), 5u);
  EXPECT_FALSE(r.frequency->bode.overallShown);
}

// A cathode resistor so large that the tube is cut off: Vgk is far below 0,
// yet the cathode does not stand above the grid's fixed voltage.
TEST(CircuitC5, CathodeNotAboveTheGridVoltageIsFlaggedEvenWithANegativeVgk) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(
      5, request(5, kEcc83, {{"EdVb", "250"}, {"EdVg", "10"}, {"EdRa", "100k"}, {"EdRk", "1000M"}}), models);
  ASSERT_FALSE(r.refused);
  EXPECT_LT(cellValue(cellOf(r, "Vgk (V)")), -1);
  EXPECT_LE(cellValue(cellOf(r, "Vk (V)")), 10);
  EXPECT_TRUE(contains(r.dcReport, "<br><font color=\"#ff4444\">Vgk > 0</font>")) << r.dcReport;
  EXPECT_EQ(r.resultsRow.at(0), "ERROR");
}

TEST(CircuitC5, GridVoltageBeyondTheTubeIsRefusedWithTheReason) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(
      5, request(5, kEcc83, {{"EdVb", "250"}, {"EdVg", "200"}, {"EdRa", "47k"}, {"EdRk", "1k"}}), models);
  ASSERT_TRUE(r.refused);
  EXPECT_EQ(r.refusedAs, RefusedAs::Box);
  const double Imax = nkTriode(builtIn(kEcc83), 50, 0);
  EXPECT_EQ(*r.refused,
            sformat(Locale{},
                    "The circuit cannot be operated normally:\n\nthe tube cannot provide the minimal "
                    "current\n  200mA (200V onto 1000Ω),\n\nbeing itself limited to\n  %.1fmA @ Vgk null "
                    "and Vak=50V\n\nSuggestions:\n- reduce the DC voltage on grid\n- increase the value "
                    "of Rk2\n- use a tube able to deliver more current",
                    Imax * 1000));
  EXPECT_TRUE(r.dcReport.empty());
  EXPECT_TRUE(r.traces.empty());
  EXPECT_TRUE(r.resultsRow.empty());
  EXPECT_FALSE(r.frequency);
}

// --- shared -------------------------------------------------------------------------------

// Sane entries per circuit, on which the other tests change a few.
Settings saneEntries(int circuit) {
  switch (circuit) {
  case 2:
    return {{"EdVb", "300"}, {"EdRa", "47k"}, {"EdRgk", "1k5"}, {"EdRk", "47k"}};
  case 3:
    return {{"EdVb", "250"}, {"EdVg", "100"}, {"EdRk", "47k"}};
  default:
    return {{"EdVb", "300"}, {"EdVg", "80"}, {"EdRa", "47k"}, {"EdRk", "47k"}};
  }
}

TEST(CathodyneFollowers, ZeroCathodeResistorIsRefusedAsTheReport) {
  MapModelLookup models = builtInLookup();
  for (int circuit : {3, 5}) {
    SolveRequest req = request(circuit, kEcc83, saneEntries(circuit));
    setEntry(req, "EdRk", "0");
    SolveResult r = solve(circuit, req, models);
    ASSERT_TRUE(r.refused) << circuit;
    EXPECT_EQ(*r.refused, "Resistor(s) cannot be null !");
    EXPECT_EQ(r.refusedAs, RefusedAs::Report);
    EXPECT_TRUE(r.dcReport.empty());
    EXPECT_TRUE(r.traces.empty());
    EXPECT_TRUE(r.labels.empty());
    EXPECT_TRUE(r.resultsRow.empty());
  }
}

TEST(CathodyneFollowers, ZeroCouplingCapacitorsOnlyChangeTheBandwidth) {
  MapModelLookup models = builtInLookup();
  const std::vector<std::pair<int, std::vector<std::string>>> cases = {
      {2, {"EdCg", "EdCa", "EdCk"}}, {3, {"EdCg", "EdCs"}}, {5, {"EdCg", "EdCa", "EdCk"}}};
  for (const auto& [circuit, capacitors] : cases) {
    SolveResult base = solve(circuit, request(circuit, kEcc83, saneEntries(circuit)), models);
    SolveRequest req = request(circuit, kEcc83, saneEntries(circuit));
    for (const auto& c : capacitors)
      setEntry(req, c, "0");
    SolveResult r = solve(circuit, req, models);
    EXPECT_EQ(r.dcReport, base.dcReport) << circuit;
    EXPECT_EQ(r.acReport, base.acReport) << circuit;
    ASSERT_TRUE(r.frequency) << circuit;
    EXPECT_GT(r.frequency->bode.Gmax, 0) << circuit;
    EXPECT_NE(r.frequency->bode.Gmax, base.frequency->bode.Gmax) << circuit;
  }
}

// Hostile entries: every run returns, and no text shows "nan" or "inf".
TEST(CathodyneFollowers, HostileEntriesNeverProduceNanOrInf) {
  MapModelLookup models = builtInLookup();
  const std::vector<std::pair<int, std::vector<Settings>>> table = {
      {2,
       {
           {{"EdRa", "0"}, {"EdRgk", "0"}, {"EdRk", "0"}},
           {{"EdRgk", "0"}},
           {{"EdRk", "0"}, {"EdRko", "0"}},
           {{"EdRa", "0"}, {"EdRao", "0"}},
           {{"EdRa", "1e12"}, {"EdRgk", "1e12"}, {"EdRk", "1e12"}},
           {{"EdRa", "1p"}, {"EdRgk", "1p"}, {"EdRk", "1p"}, {"EdRko", "1p"}, {"EdRao", "1p"}},
           {{"EdRg", "0"}},
           {{"EdRg", "1e12"}, {"EdRko", "1e12"}, {"EdRao", "1e12"}},
           {{"EdVb", "0"}},
           {{"EdVb", "20"}, {"EdRa", "10M"}},
           {{"EdRgk", "1M"}},
           {{"EdRa", "abc"}, {"EdRgk", "abc"}, {"EdRk", "abc"}},
           {{"EdCg", "0"}, {"EdCa", "0"}, {"EdCk", "0"}, {"EdCao", "0"}, {"EdCko", "0"}, {"EdCgk", "0"}},
           {{"EdCg", "1e12"}, {"EdCa", "1e12"}, {"EdCk", "1e12"}, {"EdCgk", "1e12"}},
       }},
      {3,
       {
           {{"EdVg", "0"}},
           {{"EdVg", "-10"}},
           {{"EdVg", "-1e12"}},
           {{"EdVg", "250"}},
           {{"EdVg", "1e12"}},
           {{"EdVg", "0"}, {"EdRk", "1p"}},
           {{"EdRk", "1p"}},
           {{"EdRk", "1e12"}},
           {{"EdRk", "-47k"}},
           {{"EdRo", "0"}},
           {{"EdVb", "0"}, {"EdVg", "0"}},
           {{"EdVb", "20"}, {"EdVg", "19"}},
           {{"EdRs", "0"}, {"EdRg", "0"}, {"EdCs", "0"}, {"EdCg", "0"}, {"EdCo", "0"}},
           {{"EdRs", "1e12"}, {"EdRg", "1e12"}, {"EdRo", "1e12"}, {"EdCo", "1e12"}},
       }},
      {5,
       {
           {{"EdVg", "0"}},
           {{"EdVg", "-10"}},
           {{"EdVg", "-1e12"}},
           {{"EdVg", "1e12"}},
           {{"EdVg", "149"}},
           {{"EdRa", "0"}},
           {{"EdRa", "1e12"}},
           {{"EdRk", "1e12"}},
           {{"EdRk", "1p"}, {"EdVg", "0"}},
           {{"EdRk", "-47k"}},
           {{"EdRa", "-47k"}},
           {{"EdVb", "0"}, {"EdVg", "0"}},
           {{"EdRao", "0"}, {"EdRko", "0"}},
           {{"EdRg", "0"}},
           {{"EdCg", "0"}, {"EdCa", "0"}, {"EdCk", "0"}, {"EdCao", "0"}, {"EdCko", "0"}},
       }},
  };
  for (const char* tube : {kEcc83, "300B", "EL34"}) {
    for (const auto& [circuit, cases] : table) {
      for (const auto& c : cases) {
        SolveRequest req = request(circuit, tube, saneEntries(circuit));
        std::string what = "C" + std::to_string(circuit) + " " + tube;
        for (const auto& [name, value] : c) {
          setEntry(req, name, value);
          what += " " + name + "=" + value;
        }
        SolveResult r = solve(circuit, req, models);
        const std::string texts = allTexts(r);
        EXPECT_EQ(texts.find("nan"), std::string::npos) << what << "\n" << texts;
        EXPECT_EQ(texts.find("inf"), std::string::npos) << what << "\n" << texts;
        if (!r.refused) {
          EXPECT_EQ(r.resultsRow.size(), r.resultsColumns.size()) << what;
        }
      }
    }
  }
}

} // namespace
} // namespace velmorin
