#include "SolverFixtures.h"

#include "plot/Colors.h"
#include "solvers/Solve.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <regex>

namespace velmorin {
namespace {

using namespace velmorin::testing;

const char* const kEcc83 = "ECC83 / 12AX7";
constexpr plot::Argb kYellow = 0xFFFFFF00;

// Root of a function that falls with x, by bisection.
double fallingRoot(const std::function<double(double)>& f, double lo, double hi) {
  for (int i = 0; i < 200; ++i) {
    double m = (lo + hi) / 2;
    (f(m) > 0 ? lo : hi) = m;
  }
  return (lo + hi) / 2;
}

// The current of a triode whose anode resistor is Ra, cathode at Vk and grid
// at Vg: Ia = NK(Vb − Ra·Ia − Vk, Vg − Vk).
double currentWithCathodeAt(const TubeModel& m, double Vb, double Ra, double Vg, double Vk) {
  return fallingRoot([&](double i) { return nkTriode(m, Vb - Ra * i - Vk, Vg - Vk) - i; }, 0, Vb / Ra);
}

struct PairPoint {
  double Vk, Ia1, Ia2;
};

PairPoint pairWithCathodeAt(const TubeModel& m, double Vb, double Vg, double Ra1, double Ra2, double Vk) {
  return {Vk, currentWithCathodeAt(m, Vb, Ra1, Vg, Vk), currentWithCathodeAt(m, Vb, Ra2, Vg, Vk)};
}

// The long-tailed pair worked out on its own: the common cathode voltage at
// which both tubes together pass Vk/Rk.
PairPoint tailResistorPair(const TubeModel& m, double Vb, double Vg, double Ra1, double Ra2, double Rk) {
  double Vk = fallingRoot(
      [&](double vk) {
        PairPoint p = pairWithCathodeAt(m, Vb, Vg, Ra1, Ra2, vk);
        return p.Ia1 + p.Ia2 - vk / Rk;
      },
      0, Vb);
  return pairWithCathodeAt(m, Vb, Vg, Ra1, Ra2, Vk);
}

// The pair on an ideal current source: the cathode voltage at which it passes Ics.
PairPoint currentSourcePair(const TubeModel& m, double Vb, double Vg, double Ra1, double Ra2, double Ics) {
  double Vk = fallingRoot(
      [&](double vk) {
        PairPoint p = pairWithCathodeAt(m, Vb, Vg, Ra1, Ra2, vk);
        return p.Ia1 + p.Ia2 - Ics;
      },
      Vg, Vb);
  return pairWithCathodeAt(m, Vb, Vg, Ra1, Ra2, Vk);
}

// µ and ρ of a triode at a point, by central differences of the NK equation.
struct MuRho {
  double mu, rho;
};
MuRho muRho(const TubeModel& m, double vak, double vgk) {
  double rho = 0.2 / (nkTriode(m, vak + 0.1, vgk) - nkTriode(m, vak - 0.1, vgk));
  double gm = (nkTriode(m, vak, vgk + 0.05) - nkTriode(m, vak, vgk - 0.05)) / 0.1;
  return {rho * gm, rho};
}

// The inverting gain of a pair: T1 driven, T2's grid grounded, both anodes
// loaded by R1L, R2L, cathodes joined to ground through Rk. Written from the
// small-signal circuit: node equations at the two anodes and the cathode.
double invertingGain(MuRho t1, MuRho t2, double R1L, double R2L, double Rk) {
  // i1 = (µ1·(vg − vk) − vk) / (ρ1 + R1L), i2 = (−µ2·vk − vk) / (ρ2 + R2L),
  // vk = Rk·(i1 + i2), vout1 = −R1L·i1, for vg = 1.
  double a1 = t1.rho + R1L, a2 = t2.rho + R2L;
  double vk = (Rk * t1.mu / a1) / (1 + Rk * (t1.mu + 1) / a1 + Rk * (t2.mu + 1) / a2);
  return -R1L * (t1.mu * (1 - vk) - vk) / a1;
}

std::string num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.12g", v);
  return buf;
}

const std::string& cellUnder(const SolveResult& r, const std::string& caption) {
  for (std::size_t i = 0; i < r.resultsColumns.size(); ++i)
    if (r.resultsColumns[i] == caption)
      return r.resultsRow.at(i);
  throw std::runtime_error("no column " + caption);
}

double numberUnder(const SolveResult& r, const std::string& caption) {
  std::string s;
  for (char c : cellUnder(r, caption))
    if (c != ',')
      s += c;
  return std::stod(s);
}

std::string labelOf(const SolveResult& r, const std::string& name) {
  for (const auto& [n, caption] : r.labels)
    if (n == name)
      return caption;
  throw std::runtime_error("no label " + name);
}

double sum(const plot::StackColumn& c) {
  double s = 0;
  for (const auto& seg : c.segments)
    s += seg.volts;
  return s;
}

// A report with the shown values and the iteration count replaced by "#",
// so that its markup, labels and blanks can be compared as they are.
std::string skeleton(const std::string& report) {
  std::string s = std::regex_replace(report, std::regex("<b>-?[0-9][0-9,]*(\\.[0-9]+)?"), "<b>#");
  return std::regex_replace(s, std::regex("</p>[0-9]+ iterations"), "</p># iterations");
}

// A gain line of the AC report as a pattern: the value as the row shows it,
// then any decibel figure.
std::string gainLine(const std::string& label, const std::string& value) {
  return "<BR>" + label + "<FONT color=\"#AA0066\"><b>" + value + "</b></FONT>  [0-9.]+dB";
}

int iterations(const SolveResult& r) {
  std::smatch m;
  if (!std::regex_search(r.dcReport, m, std::regex("</p>([0-9]+) iterations")))
    throw std::runtime_error("no iteration count");
  return std::stoi(m[1]);
}

SolveRequest request(int circuit, const std::string& tube,
                     const std::vector<std::pair<std::string, std::string>>& changes) {
  SolveRequest req = defaultRequest(circuit, tube);
  for (const auto& [name, value] : changes)
    setEntry(req, name, value);
  return req;
}

// ---------------------------------------------------------------------------
// C7: long-tailed pair with a common cathode resistor

// A phase splitter with unequal anode loads and its grids on a bias supply.
struct LtpCase {
  const char* tube;
  double Vb, Vg, Ra1, Ra2, Rk;
};

SolveRequest ltpRequest(const LtpCase& c) {
  return request(7, c.tube,
                 {{"EdVb", num(c.Vb)},
                  {"EdVg", num(c.Vg)},
                  {"EdRa1", num(c.Ra1)},
                  {"EdRa2", num(c.Ra2)},
                  {"EdRk", num(c.Rk)}});
}

TEST(CircuitC7, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  const LtpCase cases[] = {
      // Grids on a bias supply and a high tail resistor, as in a power amplifier.
      {kEcc83, 300, 60, 100e3, 82e3, 39e3},
      {kEcc83, 250, 50, 100e3, 150e3, 47e3},
      {"ECC82 / 12AU7", 350, 80, 47e3, 39e3, 22e3},
      // Grids at ground.
      {kEcc83, 250, 0, 100e3, 47e3, 1e3},
      {"ECC88 / 6DJ8", 250, 0, 22e3, 27e3, 470},
      // A low-µ pair whose cathodes sit 26 V up.
      {"300B", 400, 0, 10e3, 8e3, 500},
  };
  for (const LtpCase& c : cases) {
    SCOPED_TRACE(std::string(c.tube) + " Vg " + num(c.Vg) + " Rk " + num(c.Rk));
    SolveResult r = solve(7, ltpRequest(c), models);
    ASSERT_FALSE(r.refused);
    EXPECT_TRUE(r.success) << r.dcReport;
    EXPECT_LT(iterations(r), 1000);
    PairPoint p = tailResistorPair(builtIn(c.tube), c.Vb, c.Vg, c.Ra1, c.Ra2, c.Rk);
    // The cells show µA: 0.5 % plus the cell's rounding.
    EXPECT_NEAR(numberUnder(r, "Ia1 (mA)") / 1000, p.Ia1, 0.005 * p.Ia1 + 0.5e-6);
    EXPECT_NEAR(numberUnder(r, "Ia2 (mA)") / 1000, p.Ia2, 0.005 * p.Ia2 + 0.5e-6);
    EXPECT_NEAR(numberUnder(r, "Vk (V)"), p.Vk, 0.005 * p.Vk + 0.01);

    // Each anode path adds up to the supply, the grid columns exactly.
    ASSERT_EQ(r.stacks.size(), 4u);
    EXPECT_NEAR(sum(r.stacks[1]), c.Vb, 0.5);
    EXPECT_NEAR(sum(r.stacks[3]), c.Vb, 0.5);
    EXPECT_DOUBLE_EQ(sum(r.stacks[0]), c.Vb);
    EXPECT_DOUBLE_EQ(sum(r.stacks[2]), c.Vb);
  }
}

TEST(CircuitC7, ReportsLabelsStacksAndRowOfAPhaseSplitter) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(7, ltpRequest({kEcc83, 300, 60, 100e3, 82e3, 39e3}), models);
  ASSERT_TRUE(r.success);

  const std::string head =
      "<p><font color=\"#909090\">Velmorin</font></p># iterations"
      "<br><P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b># V</b></FONT>   "
      "<FONT color=\"#73369E\"><b># mA</b></FONT>   <FONT color=\"#e3780E\"><b># mW</b></FONT></p>"
      "<br>Ia1 <FONT color=\"#73369E\"><b># mA</b></FONT>"
      "<br>Ia2 <FONT color=\"#73369E\"><b># mA</b></FONT>"
      "<br><br>Va1 <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br>Va2 <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br>Va1-Va2 <FONT color=\"#009900\"><b># V</b></FONT>"
      "<br><br>Vg <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br><br>Vk <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br><br><p>Quiescent state <B>T1 ECC83 / 12AX7</B></p>";
  const std::string dc = skeleton(r.dcReport);
  EXPECT_EQ(dc.substr(0, head.size()), head);
  // T2's paragraph follows T1's directly, then the table with its three rows.
  EXPECT_NE(dc.find("<p indent=\"0\"></p><br><p>Quiescent state <B>T2 ECC83 / 12AX7</B></p>"),
            std::string::npos);
  EXPECT_NE(dc.find("<p indent=\"0\"></p><br>Ra1<FONT color=\"#601010\">"), std::string::npos);
  EXPECT_NE(dc.find("<BR>Ra2<FONT color=\"#601010\">"), std::string::npos);
  EXPECT_NE(dc.find("<BR>Rk <FONT color=\"#601010\">   39kΩ</FONT>"), std::string::npos);

  // The AC report: both tubes' parameters, then the three gains from the row.
  const std::string& inv = cellUnder(r, "Gain Inv");
  const std::string& ninv = cellUnder(r, "Gain Ninv");
  const std::string& diff = cellUnder(r, "Gain diff");
  EXPECT_EQ(r.acReport.rfind("<B>Small signal estimations:</B><BR>Both tubes ECC83 / 12AX7<BR>T1"
                             "<BR><P INDENT=\"20\">ρ~<FONT color=\"#601010\"><b>",
                             0),
            0u);
  EXPECT_TRUE(
      std::regex_search(r.acReport, std::regex("</P><BR><P INDENT=\"0\">T2</P><P INDENT=\"20\">ρ~<FONT "
                                               "color=\"#601010\"><b>[0-9]+Ω</b></FONT>   g<SUB>m</SUB>~"
                                               "<FONT color=\"#00AA66\"><b>[0-9]+\\.[0-9]mA/V</b></FONT>  "
                                               "=> µ~<FONT color=\"#AA0066\"><b>[0-9]+</b></FONT></P>")));
  const std::string gains = "<P INDENT=\"0\"></P>" + gainLine("Gain on inverting output T1     ", inv) +
                            gainLine("Gain on non-inverting output T2  ", ninv) +
                            gainLine("Differential gain                ", diff) + "$";
  EXPECT_TRUE(std::regex_search(r.acReport, std::regex(gains))) << r.acReport;

  // The gains against the pair's own small-signal circuit, at the reported
  // operating points and the default loads of 500 kΩ.
  const TubeModel& m = builtIn(kEcc83);
  MuRho t1 = muRho(m, numberUnder(r, "Vak1 (V)"), numberUnder(r, "Vgk1 (V)"));
  MuRho t2 = muRho(m, numberUnder(r, "Vak2 (V)"), numberUnder(r, "Vgk2 (V)"));
  const double A1 = invertingGain(t1, t2, 100e3 * 500e3 / 600e3, 82e3 * 500e3 / 582e3, 39e3);
  EXPECT_NEAR(numberUnder(r, "Gain Inv"), A1, 0.02 * std::fabs(A1));
  EXPECT_NEAR(numberUnder(r, "Gain diff"), numberUnder(r, "Gain Ninv") - numberUnder(r, "Gain Inv"), 0.11);

  // Labels, in their order and formats.
  ASSERT_EQ(r.labels.size(), 6u);
  const char* names[] = {"LabelVk", "LabelVa1", "LabelVa2", "LabelIa1", "LabelIa2", "LabelIt"};
  for (std::size_t i = 0; i < 6; ++i)
    EXPECT_EQ(r.labels[i].first, names[i]);
  EXPECT_TRUE(std::regex_match(labelOf(r, "LabelVk"), std::regex("[0-9]+\\.[0-9]{2}V")));
  EXPECT_TRUE(std::regex_match(labelOf(r, "LabelIt"), std::regex("[0-9]+\\.[0-9]{2}mA")));
  EXPECT_NEAR(std::stod(labelOf(r, "LabelVk")), numberUnder(r, "Vk (V)"), 0.006);
  EXPECT_NEAR(std::stod(labelOf(r, "LabelIt")), numberUnder(r, "Ia1 (mA)") + numberUnder(r, "Ia2 (mA)"),
              0.006);

  // Four stack columns: grid, path of T1, grid, path of T2.
  ASSERT_EQ(r.stacks.size(), 4u);
  const auto& g1 = r.stacks[0].segments;
  ASSERT_EQ(g1.size(), 2u);
  EXPECT_EQ(g1[0].name, "");
  EXPECT_EQ(g1[0].color, plot::kWhite);
  EXPECT_EQ(g1[1].name, "Vg1");
  EXPECT_EQ(g1[1].color, plot::kNavy);
  EXPECT_LT(g1[1].volts, 0);
  EXPECT_EQ(r.stacks[2].segments.at(1).name, "Vg2");
  for (std::size_t k : {1u, 3u}) {
    const auto& path = r.stacks[k].segments;
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path[0].name, k == 1 ? "Ra1" : "Ra2");
    EXPECT_EQ(path[0].color, plot::kRed);
    EXPECT_EQ(path[1].name, k == 1 ? "T1" : "T2");
    EXPECT_EQ(path[1].color, kYellow);
    EXPECT_EQ(path[2].name, "Rk");
    EXPECT_EQ(path[2].color, plot::kGreen);
    EXPECT_NEAR(path[2].volts, numberUnder(r, "Vk (V)"), 0.0005);
  }
  EXPECT_EQ(r.stackVb, 300);

  // The row under its columns.
  ASSERT_EQ(r.resultsColumns.size(), 29u);
  ASSERT_EQ(r.resultsRow.size(), 29u);
  EXPECT_EQ(r.resultsRow[0], "12:00:00");
  EXPECT_EQ(cellUnder(r, "T1 & T2"), kEcc83);
  EXPECT_EQ(cellUnder(r, "Rk (Ω)"), "39,000");
  EXPECT_EQ(cellUnder(r, "Vg1 (V)"), cellUnder(r, "Vgk1 (V)"));
  const double dVa = numberUnder(r, "Va1-Va2 (V)"), dVg = numberUnder(r, "Vg1-Vg2 (V)");
  // The drop difference is Va2 − Va1.
  EXPECT_NEAR(dVa, numberUnder(r, "Va2 (V)") - numberUnder(r, "Va1 (V)"), 1.01);
  EXPECT_NEAR(numberUnder(r, "ΔVa/ΔVg"), dVa / dVg, 0.05 * std::fabs(dVa / dVg) + 0.05);

  // Load lines without a line, scaled to the tube's current limit.
  ASSERT_EQ(r.loadLines.size(), 2u);
  for (const auto& ll : r.loadLines) {
    EXPECT_FALSE(ll.withLoadLine);
    EXPECT_EQ(ll.Imax, m.imax);
    EXPECT_EQ(ll.Vmax, 300);
  }
  EXPECT_EQ(r.loadLines[1].title, "T2 ECC83 / 12AX7");

  // Captions only: no trace points.
  ASSERT_EQ(r.traces.size(), 2u);
  const std::string count = std::to_string(iterations(r));
  EXPECT_EQ(r.traces[0].caption.rfind("C7 - T1 ECC83 / 12AX7 - " + count + " iter. Res ±0µA Ia 0.00=>", 0),
            0u);
  EXPECT_EQ(r.traces[1].caption.rfind("C7 - T2 ECC83 / 12AX7 - " + count + " iter. Res ±0µA Ia 0.00=>", 0),
            0u);
  EXPECT_TRUE(r.traces[0].points.empty());
  EXPECT_TRUE(r.traces[0].displayed);

  // Input network, the pair with its two outputs, two output networks.
  ASSERT_TRUE(r.frequency);
  EXPECT_EQ(r.frequency->bode.outputs.size(), 5u);
  EXPECT_FALSE(r.frequency->bode.overallShown);
  EXPECT_EQ(r.frequency->bode.legends.size(), 5u);
}

TEST(CircuitC7, EqualAnodeResistorsBalanceAtTheFirstPass) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(7, request(7, kEcc83, {{"EdVg", "0"}}), models);
  ASSERT_TRUE(r.success) << r.dcReport;
  EXPECT_EQ(iterations(r), 0);
  EXPECT_EQ(cellUnder(r, "Vgk1 (V)"), cellUnder(r, "Vgk2 (V)"));
  EXPECT_EQ(cellUnder(r, "Vg1-Vg2 (V)"), "0.000");
  EXPECT_EQ(cellUnder(r, "ΔVa/ΔVg"), "");
  EXPECT_EQ(cellUnder(r, "Ia1 (mA)"), cellUnder(r, "Ia2 (mA)"));
  EXPECT_EQ(r.traces[0].caption.rfind("C7 - T1 ECC83 / 12AX7 - 0 iter.", 0), 0u);
}

TEST(CircuitC7, BalancingLoopIsBoundedAndSaysWhenItRunsOut) {
  MapModelLookup models = builtInLookup();
  // T1 with a teraohm anode load never conducts enough to balance T2: Rk1
  // grows at every pass.
  // The balancing loop is bounded; whether it ends balanced or runs out,
  // the report says which.
  SolveResult r = solve(7, request(7, kEcc83, {{"EdVg", "0"}, {"EdRa1", "1000000M"}}), models);
  const bool ranOut = iterations(r) > 1000;
  EXPECT_LE(iterations(r), 1001);
  EXPECT_EQ(r.dcReport.find("<br><font color=\"#ff4444\">Too many iterations</font>") != std::string::npos,
            ranOut);
  if (ranOut) {
    EXPECT_EQ(r.resultsRow.at(0), "ERROR");
  }
}

TEST(CircuitC7, NearlyCutOffT2LeavesT1CarryingTheTail) {
  MapModelLookup models = builtInLookup();
  // Balancing drives Rk1 down towards Rk and Rk2 up without bound; Rk1 must
  // not pass Rk on the way.
  SolveResult r = solve(7, request(7, kEcc83, {{"EdVg", "0"}, {"EdRa2", "100M"}}), models);
  PairPoint p = tailResistorPair(builtIn(kEcc83), 250, 0, 100e3, 100e6, 1e3);
  EXPECT_NEAR(numberUnder(r, "Ia1 (mA)") / 1000, p.Ia1, 0.005 * p.Ia1);
  EXPECT_LT(numberUnder(r, "Vgk1 (V)"), 0);
  EXPECT_LT(numberUnder(r, "Ia2 (mA)"), 0.01);
}

TEST(CircuitC7, ZeroCathodeResistorIsOneOhm) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(7, request(7, kEcc83, {{"EdVg", "0"}, {"EdRk", "0"}}), models);
  EXPECT_EQ(cellUnder(r, "Rk (Ω)"), "1");
  EXPECT_NE(r.dcReport.find("<BR>Rk <FONT color=\"#601010\">     1Ω</FONT>"), std::string::npos)
      << r.dcReport;
  // Almost no bias: the grids sit about at the cathodes.
  EXPECT_GT(numberUnder(r, "Vgk1 (V)"), -0.01);
}

TEST(CircuitC7, ZeroInputCapacitorIsOnePicofarad) {
  MapModelLookup models = builtInLookup();
  SolveRequest base = request(7, kEcc83, {{"EdVg", "0"}, {"EdRa2", "82k"}, {"EdCg", "1p"}});
  SolveResult one = solve(7, base, models);
  setEntry(base, "EdCg", "0");
  SolveResult zero = solve(7, base, models);
  EXPECT_EQ(zero.dcReport, one.dcReport);
  ASSERT_TRUE(zero.frequency && one.frequency);
  ASSERT_EQ(zero.frequency->bode.outputs.size(), one.frequency->bode.outputs.size());
  for (std::size_t k = 0; k < zero.frequency->bode.outputs.size(); ++k) {
    EXPECT_EQ(zero.frequency->bode.outputs[k].gains, one.frequency->bode.outputs[k].gains);
    for (double g : zero.frequency->bode.outputs[k].gains)
      EXPECT_TRUE(std::isfinite(g));
  }
}

TEST(CircuitC7, UnloadedNonInvertingOutputHasNoDecibels) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(7, request(7, kEcc83, {{"EdVg", "0"}, {"EdRo2", "0"}}), models);
  EXPECT_NE(r.acReport.find("<BR>Gain on non-inverting output T2  <FONT color=\"#AA0066\"><b>0.0</b></FONT>"
                            "<BR>Differential gain"),
            std::string::npos)
      << r.acReport;
  EXPECT_EQ(allTexts(r).find("n/a"), std::string::npos);
}

// ---------------------------------------------------------------------------
// C10: differential pair on a constant-current tail

struct CcsCase {
  const char* tube;
  double Vb, Vg, Ra1, Ra2, Ics;
};

SolveRequest ccsRequest(const CcsCase& c) {
  return request(10, c.tube,
                 {{"EdVb", num(c.Vb)},
                  {"EdVg", num(c.Vg)},
                  {"EdRa1", num(c.Ra1)},
                  {"EdRa2", num(c.Ra2)},
                  {"EdIcs", num(c.Ics)}});
}

TEST(CircuitC10, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  const CcsCase cases[] = {
      {kEcc83, 250, 0, 100e3, 47e3, 1e-3},
      // A negative grid supply.
      {kEcc83, 250, -100, 100e3, 120e3, 1e-3},
      // Cut off at the first guess of the cathode voltage.
      {kEcc83, 300, 100, 100e3, 82e3, 2e-3},
      {"ECC82 / 12AU7", 300, 0, 47e3, 39e3, 4e-3},
      // A low-µ pair whose cathodes sit 40 V above the grids.
      {"300B", 400, 0, 10e3, 8e3, 40e-3},
  };
  for (const CcsCase& c : cases) {
    SCOPED_TRACE(std::string(c.tube) + " Vg " + num(c.Vg) + " Ics " + num(c.Ics));
    SolveResult r = solve(10, ccsRequest(c), models);
    ASSERT_FALSE(r.refused);
    EXPECT_TRUE(r.success) << r.dcReport;
    PairPoint p = currentSourcePair(builtIn(c.tube), c.Vb, c.Vg, c.Ra1, c.Ra2, c.Ics);
    const double Ia1 = numberUnder(r, "Ia1 (mA)") / 1000, Ia2 = numberUnder(r, "Ia2 (mA)") / 1000;
    EXPECT_NEAR(Ia1, p.Ia1, 0.005 * p.Ia1 + 0.5e-6);
    EXPECT_NEAR(Ia2, p.Ia2, 0.005 * p.Ia2 + 0.5e-6);
    EXPECT_NEAR(Ia1 + Ia2, c.Ics, 2e-6);
    EXPECT_NEAR(std::stod(labelOf(r, "LabelVk")), p.Vk, 0.06);

    // Each anode path, down to the shared cathode, adds up to the supply.
    ASSERT_EQ(r.stacks.size(), 2u);
    const double Vk = std::stod(labelOf(r, "LabelVk"));
    EXPECT_NEAR(sum(r.stacks[0]) + Vk, c.Vb, 0.5);
    EXPECT_NEAR(sum(r.stacks[1]) + Vk, c.Vb, 0.5);
  }
}

TEST(CircuitC10, ReportsLabelsStacksAndRowOfAPhaseSplitter) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = ccsRequest({kEcc83, 250, 0, 100e3, 47e3, 1e-3});
  setEntry(req, "EdRk", "1M"); // the source's own impedance
  SolveResult r = solve(10, req, models);
  ASSERT_TRUE(r.success);

  const std::string head =
      "<p><font color=\"#909090\">Velmorin</font></p># iterations"
      "<br><P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b># V</b></FONT>   "
      "<FONT color=\"#73369E\"><b># mA</b></FONT>   <FONT color=\"#e3780E\"><b># mW</b></FONT></p>"
      "<br><br>Ia1 <FONT color=\"#73369E\"><b># mA</b></FONT>"
      "<br>Ia2 <FONT color=\"#73369E\"><b># mA</b></FONT>"
      "<br><br>Va1 <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br>Va2 <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br>ΔVa <FONT color=\"#009900\"><b># V</b></FONT>"
      "<br>Vg <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br>Vk <FONT color=\"#990000\"><b># V</b></FONT>"
      "<br><br><p>Quiescent state <B>T1 ECC83 / 12AX7</B></p>";
  const std::string dc = skeleton(r.dcReport);
  EXPECT_EQ(dc.substr(0, head.size()), head);
  EXPECT_NE(dc.find("<p indent=\"0\"></p><br><p>Quiescent state <B>T2 ECC83 / 12AX7</B></p>"),
            std::string::npos);
  EXPECT_NE(dc.find("<p indent=\"0\"></p><br>Ra1<FONT color=\"#601010\">"), std::string::npos);
  EXPECT_EQ(dc.find("Rk"), std::string::npos); // the current source has no resistor

  const std::string param = "ρ~<FONT color=\"#601010\"><b>[0-9]+Ω</b></FONT>   g<SUB>m</SUB>~<FONT "
                            "color=\"#00AA66\"><b>[0-9]+\\.[0-9]{2}mA/V</b></FONT>  => µ~<FONT "
                            "color=\"#AA0066\"><b>[0-9]+</b></FONT>";
  const std::string gains = "<BR>" + gainLine("Gain on inverting output T1     ", cellUnder(r, "A1")) +
                            gainLine("Gain on non-inverting output T2  ", cellUnder(r, "A2")) +
                            gainLine("Differential gain                ", cellUnder(r, "Adiff"));
  EXPECT_TRUE(std::regex_match(r.acReport, std::regex("<B>Small signal estimations:</B><BR>T1: " + param +
                                                      "<BR>T2: " + param + gains)))
      << r.acReport;
  const TubeModel& m = builtIn(kEcc83);
  MuRho t1 = muRho(m, numberUnder(r, "Vak1 (V)"), numberUnder(r, "Vgk1 (V)"));
  MuRho t2 = muRho(m, numberUnder(r, "Vak2 (V)"), numberUnder(r, "Vgk2 (V)"));
  const double A1 = invertingGain(t1, t2, 100e3 * 500e3 / 600e3, 47e3 * 500e3 / 547e3, 1e6);
  EXPECT_NEAR(numberUnder(r, "A1"), A1, 0.02 * std::fabs(A1));

  ASSERT_EQ(r.labels.size(), 6u);
  const char* names[] = {"LabelVa1", "LabelVa2", "LabelVk", "LabelIa1", "LabelIa2", "LabelIt"};
  for (std::size_t i = 0; i < 6; ++i)
    EXPECT_EQ(r.labels[i].first, names[i]);
  EXPECT_EQ(labelOf(r, "LabelIt"), "1.0mA");
  EXPECT_TRUE(std::regex_match(labelOf(r, "LabelVa1"), std::regex("[0-9]+\\.[0-9]V")));

  ASSERT_EQ(r.stacks.size(), 2u);
  ASSERT_EQ(r.stacks[1].segments.size(), 2u);
  EXPECT_EQ(r.stacks[1].segments[0].name, "Ra2");
  EXPECT_EQ(r.stacks[1].segments[0].color, plot::kRed);
  EXPECT_EQ(r.stacks[1].segments[1].name, "T2");
  EXPECT_EQ(r.stacks[1].segments[1].color, kYellow);

  ASSERT_EQ(r.resultsColumns.size(), 26u);
  ASSERT_EQ(r.resultsRow.size(), 26u);
  EXPECT_EQ(cellUnder(r, "Vg1 (V)"), "0.000");
  EXPECT_EQ(cellUnder(r, "Vg2 (V)"), "0.000");
  EXPECT_EQ(cellUnder(r, "δVa/δVg"), "");
  EXPECT_EQ(cellUnder(r, "Ic (mA)"), "1.000");
  EXPECT_EQ(cellUnder(r, "Ro (Ω)"), "500,000");

  ASSERT_EQ(r.loadLines.size(), 2u);
  EXPECT_FALSE(r.loadLines[0].withLoadLine);
  EXPECT_EQ(r.loadLines[0].Imax, m.imax);

  // Traced from the half-current start, one point per pass.
  ASSERT_EQ(r.traces.size(), 2u);
  const int count = iterations(r);
  for (const Trace& t : r.traces) {
    EXPECT_EQ(t.pointCount(), std::size_t(count) + 1);
    EXPECT_EQ(t.points[0], 0);
    EXPECT_EQ(t.points[1], 0.5e-3);
  }
  EXPECT_EQ(r.traces[1].caption.rfind(
                "C10 - T2 ECC83 / 12AX7 - " + std::to_string(count) + " iter. Res ±1µA Ia 0.50=>", 0),
            0u);

  ASSERT_TRUE(r.frequency);
  EXPECT_EQ(r.frequency->bode.outputs.size(), 5u);
}

TEST(CircuitC10, ZeroTailCurrentIsATenthOfAMilliampere) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(10, request(10, kEcc83, {{"EdVg", "0"}, {"EdIcs", "0"}}), models);
  EXPECT_TRUE(r.success) << r.dcReport;
  EXPECT_EQ(cellUnder(r, "Ic (mA)"), "0.100");
  EXPECT_NEAR(numberUnder(r, "Ia1 (mA)") + numberUnder(r, "Ia2 (mA)"), 0.1, 0.002);
  EXPECT_EQ(r.traces[0].points.at(1), 0.05e-3);
}

TEST(CircuitC10, TailCurrentBeyondTheTubesRunsOut) {
  MapModelLookup models = builtInLookup();
  // 50 mA is far more than two ECC83 pass with their grids at the cathode.
  SolveResult r = solve(10, request(10, kEcc83, {{"EdVg", "0"}, {"EdIcs", "50m"}}), models);
  EXPECT_EQ(iterations(r), 1500);
  EXPECT_NE(r.dcReport.find("<br><font color=\"#ff4444\">Too many iterations</font>"), std::string::npos);
  EXPECT_EQ(r.resultsRow.at(0), "ERROR");
}

// ---------------------------------------------------------------------------
// Hostile entries: every run returns, and no text shows "nan" or "inf".

void expectClean(int circuit, const std::vector<std::vector<std::pair<std::string, std::string>>>& cases) {
  MapModelLookup models = builtInLookup();
  for (const char* tube : {kEcc83, "300B"}) {
    for (const auto& c : cases) {
      std::string what = tube;
      for (const auto& [name, value] : c)
        what += " " + name + "=" + value;
      SolveResult r = solve(circuit, request(circuit, tube, c), models);
      std::string texts = allTexts(r);
      EXPECT_EQ(texts.find("nan"), std::string::npos) << what;
      EXPECT_EQ(texts.find("inf"), std::string::npos) << what;
      EXPECT_EQ(r.resultsRow.size(), r.resultsColumns.size()) << what;
    }
  }
}

TEST(CircuitC7, HostileEntriesNeverProduceNanOrInf) {
  expectClean(7, {
                     // The defaults: grids at the supply.
                     {},
                     {{"EdVg", "0"}, {"EdRa1", "0"}, {"EdRa2", "0"}},
                     {{"EdVg", "0"}, {"EdRa1", "0"}},
                     {{"EdVg", "0"}, {"EdRo1", "0"}, {"EdRo2", "0"}},
                     {{"EdVg", "0"}, {"EdRa1", "1e12"}},
                     // T2 cut off: Rk1 falls towards Rk.
                     {{"EdVg", "0"}, {"EdRa2", "1e12"}},
                     {{"EdVg", "-5"}, {"EdRa2", "1e12"}, {"EdRk", "100k"}},
                     {{"EdVg", "0"}, {"EdRa1", "1p"}, {"EdRa2", "1p"}, {"EdRk", "1p"}},
                     {{"EdVg", "0"}, {"EdRk", "1e12"}},
                     {{"EdVg", "0"}, {"EdRk", "-1k"}},
                     // Cut off.
                     {{"EdVg", "-1000"}},
                     {{"EdVg", "1e12"}},
                     {{"EdVg", "0"}, {"EdVb", "20"}, {"EdRa1", "10M"}, {"EdRa2", "10M"}},
                     {{"EdVg", "0"}, {"EdRg", "0"}, {"EdCg", "0"}, {"EdCa1", "0"}, {"EdCa2", "0"}},
                     {{"EdVg", "0"}, {"EdRg", "-1M"}, {"EdCg", "-10n"}, {"EdCa1", "-1n"}, {"EdCa2", "1e12"}},
                     {{"EdVg", "abc"}, {"EdRa1", "abc"}, {"EdRk", "abc"}},
                 });
}

TEST(CircuitC10, HostileEntriesNeverProduceNanOrInf) {
  expectClean(10, {
                      // The defaults: grids at the supply.
                      {},
                      {{"EdVg", "0"}, {"EdRa1", "0"}, {"EdRa2", "0"}},
                      {{"EdVg", "0"}, {"EdRa2", "1e12"}},
                      {{"EdVg", "0"}, {"EdRa1", "1p"}, {"EdRa2", "1p"}},
                      {{"EdVg", "0"}, {"EdIcs", "1p"}},
                      {{"EdVg", "0"}, {"EdIcs", "1e12"}},
                      {{"EdVg", "0"}, {"EdIcs", "-1m"}},
                      {{"EdVg", "-1e12"}},
                      {{"EdVg", "1e12"}},
                      {{"EdVg", "-1000"}},
                      {{"EdVg", "0"}, {"EdRk", "0"}, {"EdRo1", "0"}, {"EdRo2", "0"}},
                      {{"EdVg", "0"}, {"EdRk", "1e12"}, {"EdRg", "0"}},
                      {{"EdVg", "0"}, {"EdCg", "0"}, {"EdCa1", "0"}, {"EdCa2", "0"}, {"EdCo1", "0"}},
                      {{"EdVg", "0"}, {"EdVb", "20"}, {"EdRa1", "10M"}},
                  });
}

} // namespace
} // namespace velmorin
