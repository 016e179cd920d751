#include "SolverFixtures.h"

#include "solvers/Solve.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmorin {
namespace {

using namespace velmorin::testing;

const char* const kEcc83 = "ECC83 / 12AX7";
const char* const kEcc82 = "ECC82 / 12AU7";

// Root of a function that falls with x, by bisection.
double fallingRoot(const std::function<double(double)>& f, double lo, double hi) {
  for (int i = 0; i < 300; ++i) {
    double m = (lo + hi) / 2;
    (f(m) > 0 ? lo : hi) = m;
  }
  return (lo + hi) / 2;
}

// The current of a self-biased stage: I = NK(Vb − (Ra + Rk)·I, Vg − Rk·I).
double stageCurrent(const TubeModel& m, double Vb, double Ra, double Rk, double Vg) {
  return fallingRoot([&](double i) { return nkTriode(m, Vb - (Ra + Rk) * i, Vg - Rk * i) - i; }, 0, 1);
}

// The anode voltage at which a triode passes current i at grid voltage vgk.
double anodeVoltageFor(const TubeModel& m, double i, double vgk) {
  return fallingRoot([&](double v) { return i - nkTriode(m, v, vgk); }, 0, 5000);
}

// The value a report shows after `label`, e.g. "Va <FONT color=..><b>123.456 V".
double reportValue(const std::string& report, const std::string& label) {
  const std::string head = label + " <FONT color=\"";
  std::size_t at = report.find(head);
  if (at == std::string::npos)
    throw std::runtime_error("no " + label + " in the report");
  at = report.find("<b>", at) + 3;
  return std::stod(report.substr(at));
}

// A results-table cell as a number (thousands separators dropped).
double cellValue(const std::string& cell) {
  std::string s;
  for (char c : cell)
    if (c != ',')
      s += c;
  return std::stod(s);
}

double columnSum(const plot::StackColumn& column) {
  double sum = 0;
  for (const auto& s : column.segments)
    sum += s.volts;
  return sum;
}

double segment(const plot::StackColumn& column, const std::string& name) {
  for (const auto& s : column.segments)
    if (s.name == name)
      return s.volts;
  throw std::runtime_error("no segment " + name);
}

std::string labelOf(const SolveResult& r, const std::string& name) {
  for (const auto& [n, caption] : r.labels)
    if (n == name)
      return caption;
  return "(none)";
}

std::size_t column(const SolveResult& r, const std::string& caption) {
  for (std::size_t i = 0; i < r.resultsColumns.size(); ++i)
    if (r.resultsColumns[i] == caption)
      return i;
  throw std::runtime_error("no column " + caption);
}

double cellUnder(const SolveResult& r, const std::string& caption) {
  return cellValue(r.resultsRow.at(column(r, caption)));
}

// The shape every run of these circuits has: a full row, two traces, two
// load lines, a Bode plot with the overall curve.
void expectCompleteResult(const SolveResult& r) {
  ASSERT_FALSE(r.refused);
  EXPECT_EQ(r.resultsRow.size(), r.resultsColumns.size());
  EXPECT_EQ(r.traces.size(), 2u);
  ASSERT_EQ(r.loadLines.size(), 2u);
  EXPECT_EQ(r.loadLines[0].title.rfind("T1 ", 0), 0u);
  EXPECT_EQ(r.loadLines[1].title.rfind("T2 ", 0), 0u);
  ASSERT_TRUE(r.frequency);
  ASSERT_EQ(r.frequency->bode.legends.size(), 5u);
  EXPECT_EQ(r.frequency->bode.legends[4].légende_titre, "Overall gain");
}

// ---------------------------------------------------------------------------
// C4: common cathode plus DC-coupled cathode follower

SolveRequest followerRequest() {
  SolveRequest req = defaultRequest(4, kEcc83);
  setEntry(req, "LBtube2", kEcc82);
  setEntry(req, "EdVb", "300");
  setEntry(req, "EdRk1", "1k5");
  setEntry(req, "EdRk2", "47k");
  return req;
}

TEST(CircuitC4, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(4, followerRequest(), models);
  expectCompleteResult(r);
  EXPECT_TRUE(r.success) << r.dcReport;
  EXPECT_TRUE(r.messages.empty());

  const double I1 = stageCurrent(builtIn(kEcc83), 300, 100e3, 1.5e3, 0);
  const double Vg = 300 - 100e3 * I1;
  const double I2 = stageCurrent(builtIn(kEcc82), 300, 0, 47e3, Vg);
  EXPECT_NEAR(reportValue(r.dcReport, "Ia1") / 1000, I1, 0.005 * I1);
  EXPECT_NEAR(reportValue(r.dcReport, "Ia2") / 1000, I2, 0.005 * I2);
  EXPECT_NEAR(cellUnder(r, "Ia1 (mA)") / 1000, I1, 0.005 * I1);
  EXPECT_NEAR(cellUnder(r, "Ia2 (mA)") / 1000, I2, 0.005 * I2);

  // Both paths add up to the supply, and the reported nodes lie on them:
  // the follower's grid is T1's anode.
  ASSERT_EQ(r.stacks.size(), 2u);
  EXPECT_NEAR(columnSum(r.stacks[0]), 300, 0.2);
  EXPECT_NEAR(columnSum(r.stacks[1]), 300, 0.2);
  const double Va = reportValue(r.dcReport, "Va"), Vk1 = reportValue(r.dcReport, "Vk1");
  const double Vk2 = reportValue(r.dcReport, "Vk2");
  EXPECT_NEAR(300 - Va, segment(r.stacks[0], "Ra"), 0.01);
  EXPECT_NEAR(Va - Vk1, segment(r.stacks[0], "T1"), 0.2);
  // The follower stops within 1 µA: 47 mV across Rk2.
  EXPECT_NEAR(300 - Vk2, segment(r.stacks[1], "T2"), 0.06);
  EXPECT_NEAR(cellUnder(r, "Vgk2 (V)"), Va - Vk2, 0.1);
  EXPECT_EQ(labelOf(r, "LabelVg"), sformat(Locale{}, "%.2fV", Va));
  EXPECT_EQ(r.dcReport.find("Warning"), std::string::npos);

  // The first stage drives an open load; the total is the product of the stages.
  EXPECT_NEAR(cellUnder(r, "A1.A2"), cellUnder(r, "A1") * cellUnder(r, "A2"), 0.1);
  EXPECT_NE(r.acReport.find("<BR><P INDENT=\"0\">Total gain (Rk1 BYpassed)   <FONT color=\"#AA0066\"><b>"),
            std::string::npos);
}

TEST(CircuitC4, LayoutOfTheReportAndDiagrams) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(4, followerRequest(), models);
  expectCompleteResult(r);
  EXPECT_EQ(
      r.dcReport.rfind("<p><b>Common-cathode amplifier and DC-coupled cathode-follower</b></p>"
                       "<p><font color=\"#909090\">Velmorin</font></p>"
                       "<br><P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b>300 V</b>",
                       0),
      0u);
  EXPECT_NE(r.dcReport.find("</p><br><br>Ia1 <FONT color=\"#73369E\"><b>"), std::string::npos);
  EXPECT_EQ(r.acReport.rfind("<B>Small signal estimations:</B><BR><P INDENT=\"0\">T1 ECC83 / 12AX7</p>", 0),
            0u);
  EXPECT_NE(r.acReport.find("<P INDENT=\"0\">T2 ECC82 / 12AU7</P>"), std::string::npos);
  EXPECT_NE(r.acReport.find("</P>Total gain (Rk1 UNbypassed) <FONT"), std::string::npos);

  // Captions of the follower form, with no iteration count.
  EXPECT_EQ(r.traces[0].caption,
            sformat(Locale{}, "C4 - T1 ECC83 / 12AX7 - Res ±1µA Ia %.2fmA", cellUnder(r, "Ia1 (mA)")));
  EXPECT_EQ(r.traces[1].caption.rfind("C4 - T2 ECC82 / 12AU7 - Res ±1µA Ia ", 0), 0u);
  EXPECT_TRUE(r.traces[1].displayed);

  EXPECT_EQ(r.resultsRow[1], kEcc83);
  EXPECT_EQ(r.resultsRow[2], kEcc82);
  std::vector<std::string> labels;
  for (const auto& l : r.labels)
    labels.push_back(l.first);
  EXPECT_EQ(labels,
            (std::vector<std::string>{"LabelVk1", "LabelVk2", "LabelVg", "LabelIa1", "LabelIa2", "LabelIt"}));
  EXPECT_EQ(r.stacks[1].segments.size(), 2u);
  EXPECT_TRUE(r.loadLines[0].withLoadLine && r.loadLines[1].withLoadLine);
  EXPECT_NEAR(r.loadLines[1].Imax, 300 / 47e3, 1e-12);
}

// The default Rk2 of 1 kΩ asks the follower for far more current than it can
// pass: its cathode stays below its grid.
TEST(CircuitC4, FollowerThatCannotReachItsGridIsWarnedAbout) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(4, defaultRequest(4, kEcc83), models);
  expectCompleteResult(r);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(
      r.messages[0].text.rfind("The circuit cannot be operated normally:\n\nthe tube cannot provide", 0), 0u);
  EXPECT_NE(r.dcReport.find("<br><font color=\"#ff4444\">Vgk > 0</font>"), std::string::npos);
  EXPECT_NE(r.dcReport.find("</font><BR><BR><FONT COLOR=\"#DD0000\">Warning: the tube T2 cannot deliver the "
                            "current<BR>which is imposed by its (high) grid voltage and (low) cathode "
                            "resistor.</FONT><br><P line-height=\"2\">Total power supply"),
            std::string::npos);
  EXPECT_EQ(r.resultsRow[0], "ERROR");
  // The first stage alone is sound: one failing block only.
  EXPECT_EQ(r.dcReport.find("No convergence"), r.dcReport.rfind("No convergence"));
}

// ---------------------------------------------------------------------------
// C6: true cascode

// An independent solution of the two series tubes: the search runs over the
// shared current, the middle node following from the lower tube.
struct PairPoint {
  double I, Vm;
};

PairPoint cascodeByCurrent(const TubeModel& m, double Vb, double Vg2, double Ra, double Rk) {
  auto vm = [&](double i) { return anodeVoltageFor(m, i, -Rk * i) + Rk * i; };
  double I = fallingRoot([&](double i) { return nkTriode(m, Vb - Ra * i - vm(i), Vg2 - vm(i)) - i; }, 0,
                         Vb / (Ra + Rk + 1));
  return {I, vm(I)};
}

TEST(CircuitC6, BiasMatchesTheCircuitEquations) {
  struct Case {
    const char* tube;
    const char *Vb, *Rg1, *Rg2, *Ra, *Rk;
    bool gridAboveCathode;
  };
  const Case cases[] = {
      // The defaults: Rg1 = Rg2 puts the grid at Vb/2, and with 100 kΩ the
      // upper tube must lift its grid just above its cathode to pass T1's current.
      {kEcc83, "250", "1M", "1M", "100k", "1k", true},
      {kEcc82, "300", "470k", "1M", "47k", "2k2", false},
      {"ECC88 / 6DJ8", "200", "330k", "470k", "22k", "680", false},
  };
  MapModelLookup models = builtInLookup();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tube) + " Ra=" + c.Ra);
    SolveRequest req = defaultRequest(6, c.tube);
    setEntry(req, "EdVb", c.Vb);
    setEntry(req, "EdRg1", c.Rg1);
    setEntry(req, "EdRg2", c.Rg2);
    setEntry(req, "EdRa", c.Ra);
    setEntry(req, "EdRk", c.Rk);
    SolveResult r = solve(6, req, models);
    expectCompleteResult(r);
    EXPECT_EQ(r.success, !c.gridAboveCathode) << r.dcReport;
    EXPECT_EQ(
        r.dcReport.find("No convergence !</b></font><br><font color=\"#ff4444\">Vgk > 0</font><br><P") !=
            std::string::npos,
        c.gridAboveCathode);

    const double Vb = std::stod(c.Vb), Rg1 = cellUnder(r, "Rg1 (Ω)"), Rg2 = cellUnder(r, "Rg2 (Ω)");
    const double Ra = cellUnder(r, "Ra (Ω)"), Rk = cellUnder(r, "Rk (Ω)");
    const double Vg = Vb * Rg1 / (Rg1 + Rg2);
    const PairPoint ref = cascodeByCurrent(builtIn(c.tube), Vb, Vg, Ra, Rk);
    EXPECT_NEAR(reportValue(r.dcReport, "Ia1") / 1000, ref.I, 0.005 * ref.I);
    EXPECT_NEAR(cellUnder(r, "Ia1 (mA)") / 1000, ref.I, 0.005 * ref.I);
    EXPECT_NEAR(cellUnder(r, "Ia2 (mA)") / 1000, ref.I, 0.005 * ref.I);
    EXPECT_NEAR(reportValue(r.dcReport, "Irg"), 1000 * Vb / (Rg1 + Rg2), 1e-3);

    // The nodes add up along both paths.
    const double Va = reportValue(r.dcReport, "Va"), Vm = reportValue(r.dcReport, "Vm");
    const double Vk = reportValue(r.dcReport, "Vk");
    EXPECT_NEAR(reportValue(r.dcReport, "Vg"), Vg, 1e-3);
    EXPECT_NEAR(Vm, ref.Vm, 0.01 * ref.Vm);
    ASSERT_EQ(r.stacks.size(), 2u);
    EXPECT_NEAR(columnSum(r.stacks[0]), Vb, 1e-6);
    EXPECT_NEAR(segment(r.stacks[0], "Rg1"), Vg, 1e-6);
    EXPECT_NEAR(columnSum(r.stacks[1]), Vb, 1e-3);
    EXPECT_NEAR(Vb - Va, segment(r.stacks[1], "Ra"), 2e-3);
    EXPECT_NEAR(Va - Vm, segment(r.stacks[1], "T2"), 2e-3);
    EXPECT_NEAR(Vm - Vk, segment(r.stacks[1], "T1"), 2e-3);
    EXPECT_NEAR(Vk, segment(r.stacks[1], "Rk"), 2e-3);
    EXPECT_NEAR(cellUnder(r, "Vgk2 (V)"), Vg - Vm, 2e-3);
  }
}

TEST(CircuitC6, LayoutOfTheReportAndDiagrams) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(6, defaultRequest(6, kEcc83), models);
  expectCompleteResult(r);
  EXPECT_NE(r.dcReport.find("<br><br>Irg <FONT color=\"#73369E\"><b>0.125 mA</b></FONT><br><br>Va "),
            std::string::npos);
  EXPECT_NE(r.dcReport.find("<br>Vg <FONT color=\"#990000\"><b>125.000 V</b></FONT><br>Vm "),
            std::string::npos);
  EXPECT_EQ(r.acReport.rfind("<B>Small signal estimations:</B><BR><P INDENT=\"0\">T1 ECC83 / 12AX7</P>", 0),
            0u);
  EXPECT_EQ(labelOf(r, "LabelVg"), "125.00V");
  EXPECT_EQ(r.traces[0].caption.rfind("C6 - T1 ECC83 / 12AX7 - ", 0), 0u);
  EXPECT_FALSE(r.loadLines[0].withLoadLine);
  EXPECT_EQ(r.loadLines[0].Imax, builtIn(kEcc83).imax);
  std::vector<std::string> names;
  for (const auto& s : r.stacks[1].segments)
    names.push_back(s.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Ra", "T2", "T1", "Rk"}));
  EXPECT_EQ(r.stacks[1].segments[1].color, 0xFFFF7F00u);
}

TEST(CircuitC6, DividerWithoutResistanceIsRefused) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = defaultRequest(6, kEcc83);
  setEntry(req, "EdRg1", "0");
  setEntry(req, "EdRg2", "0");
  SolveResult r = solve(6, req, models);
  ASSERT_TRUE(r.refused);
  EXPECT_EQ(*r.refused, "Resistor(s) cannot be null !");
  EXPECT_EQ(r.refusedAs, RefusedAs::Report);
  EXPECT_TRUE(r.dcReport.empty());
  EXPECT_TRUE(r.resultsRow.empty());
  EXPECT_TRUE(r.stacks.empty());

  // One side of the divider alone may be 0: the grid then sits at a rail.
  setEntry(req, "EdRg2", "1M");
  r = solve(6, req, models);
  ASSERT_FALSE(r.refused);
  EXPECT_EQ(labelOf(r, "LabelVg"), "0.00V");
}

// ---------------------------------------------------------------------------
// C8: cascode SRPP

PairPoint stackedByCurrent(const TubeModel& m, double Vb, double Rk1, double Rk2, double Rx) {
  auto vm = [&](double i) { return anodeVoltageFor(m, i, -Rk1 * i) + Rk1 * i; };
  double I = fallingRoot([&](double i) { return nkTriode(m, Vb - vm(i) - (Rk2 + Rx) * i, -Rk2 * i) - i; }, 0,
                         Vb / (Rk1 + Rk2 + Rx + 1));
  return {I, vm(I)};
}

TEST(CircuitC8, BiasMatchesTheCircuitEquations) {
  struct Case {
    const char* tube;
    const char *Vb, *Rk1, *Rk2, *Ra, *shortRa;
  };
  const Case cases[] = {
      {kEcc83, "250", "1k", "1k", "100k", "0"}, // the defaults
      {kEcc83, "250", "1k", "1k", "100k", "1"},
      {kEcc82, "300", "1k", "680", "10k", "0"},
      {"ECC88 / 6DJ8", "200", "470", "1k", "4k7", "1"},
  };
  MapModelLookup models = builtInLookup();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tube) + " Ra=" + c.Ra + " short=" + c.shortRa);
    SolveRequest req = defaultRequest(8, c.tube);
    setEntry(req, "EdVb", c.Vb);
    setEntry(req, "EdRk1", c.Rk1);
    setEntry(req, "EdRk2", c.Rk2);
    setEntry(req, "EdRa", c.Ra);
    setEntry(req, "CheckBoxRa", c.shortRa);
    SolveResult r = solve(8, req, models);
    expectCompleteResult(r);
    EXPECT_TRUE(r.success) << r.dcReport;

    const bool shorted = std::string(c.shortRa) == "1";
    const double Vb = std::stod(c.Vb), Rk1 = cellUnder(r, "Rk1 (Ω)"), Rk2 = cellUnder(r, "Rk2 (Ω)");
    const double Rx = shorted ? 0 : cellUnder(r, "Ra (Ω)");
    const PairPoint ref = stackedByCurrent(builtIn(c.tube), Vb, Rk1, Rk2, Rx);
    EXPECT_NEAR(reportValue(r.dcReport, "Ia1") / 1000, ref.I, 0.005 * ref.I);
    EXPECT_NEAR(reportValue(r.dcReport, "Ia2") / 1000, ref.I, 0.005 * ref.I);

    // From the supply down: Ra, T2, Rk2, the middle node, T1, Rk1.
    const double Va2 = reportValue(r.dcReport, "Va2"), Vk2 = reportValue(r.dcReport, "Vk2");
    const double Va1 = reportValue(r.dcReport, "Va1"), Vk1 = reportValue(r.dcReport, "Vk1");
    EXPECT_EQ(reportValue(r.dcReport, "Vg2"), Va1);
    EXPECT_NEAR(Va1, ref.Vm, 0.01 * ref.Vm);
    ASSERT_EQ(r.stacks.size(), 1u);
    const plot::StackColumn& path = r.stacks[0];
    EXPECT_NEAR(columnSum(path), Vb, 1e-3);
    EXPECT_NEAR(Va2 - Vk2, segment(path, "T2"), 0.01);
    EXPECT_NEAR(Vk2 - Va1, segment(path, "Rk2"), 0.01);
    EXPECT_NEAR(Va1 - Vk1, segment(path, "T1"), 0.01);
    EXPECT_NEAR(Vk1, segment(path, "Rk1"), 1e-3);
    if (shorted) {
      EXPECT_EQ(Va2, Vb);
    } else {
      EXPECT_NEAR(Vb - Va2, segment(path, "Ra"), 0.01);
    }
  }
}

TEST(CircuitC8, ShortedRaLeavesNoTraceOfRa) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = defaultRequest(8, kEcc83);
  setEntry(req, "CheckBoxRa", "1");
  SolveResult r = solve(8, req, models);
  expectCompleteResult(r);
  EXPECT_EQ(r.resultsRow.at(column(r, "Ra (Ω)")), "0");
  EXPECT_EQ(r.dcReport.find("<br>Ra "), std::string::npos);
  EXPECT_EQ(r.dcReport.find(">Ra"), std::string::npos);
  for (const auto& s : r.stacks.at(0).segments)
    EXPECT_NE(s.color, 0xFF7F00FFu) << s.name;
  EXPECT_EQ(r.stacks[0].segments.size(), 4u);
  EXPECT_EQ(labelOf(r, "LabelVa2"), "250.0V");
  EXPECT_NE(r.dcReport.find("<br><br>Va2 <FONT color=\"#990000\"><b>250.00 V</b></FONT>"), std::string::npos);

  setEntry(req, "CheckBoxRa", "0");
  r = solve(8, req, models);
  EXPECT_EQ(r.resultsRow.at(column(r, "Ra (Ω)")), "100,000");
  EXPECT_EQ(r.stacks.at(0).segments.at(0).name, "Ra");
  EXPECT_EQ(r.stacks[0].segments[0].color, 0xFF7F00FFu);
  EXPECT_NE(r.dcReport.find("<BR>Ra "), std::string::npos);
}

TEST(CircuitC8, LayoutOfTheReportAndTheOptimumCells) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(8, defaultRequest(8, kEcc83), models);
  expectCompleteResult(r);
  const int passes = std::stoi(r.traces[0].caption.substr(r.traces[0].caption.find(" - ", 6) + 3));
  EXPECT_EQ(
      r.dcReport.rfind(sformat(Locale{},
                               "<p><b>Cascode SRPP</b></p><p><font color=\"#909090\">Velmorin</font></p>"
                               "<p>%d iterations</p><P line-height=\"2\">Total power supply ",
                               passes),
                       0),
      0u)
      << r.dcReport.substr(0, 200);
  EXPECT_EQ(r.acReport.rfind(
                "Small signal estimations:<BR><I>Reference: The Optimized SRPP Amp (Part 2), by Tavio "
                "Quelvane, in Audio Express June 2010</I><BR><BR><BR><P INDENT=\"0\"><B>SRPP optimised",
                0),
            0u);

  // Aopt = −µ1·ρ2/(ρ1 + ρ2) and Zopt = (ρ1 + ρ2)/4 with the parameters the
  // report shows (ρ to the ohm, µ to the unit).
  auto parameter = [&](const std::string& name, std::size_t from) {
    std::size_t at = r.acReport.find(name + "<FONT color=\"", from);
    at = r.acReport.find("<b>", at) + 3;
    return std::stod(r.acReport.substr(at));
  };
  const std::size_t t2 = r.acReport.find("T2 ECC83");
  const double ρ1 = parameter("ρ~", 0), µ1 = parameter("µ~", 0), ρ2 = parameter("ρ~", t2);
  EXPECT_NEAR(cellUnder(r, "Zopt (Ω)"), (ρ1 + ρ2) / 4, 1);
  EXPECT_NEAR(cellUnder(r, "Aopt"), -µ1 * ρ2 / (ρ1 + ρ2), 0.01 * µ1);
  EXPECT_LT(cellUnder(r, "Aopt"), 0);
}

// ---------------------------------------------------------------------------
// C9: two common-cathode stages in direct coupling

SolveRequest directCouplingRequest() {
  SolveRequest req = defaultRequest(9, kEcc83);
  setEntry(req, "LBtube2", kEcc82);
  setEntry(req, "EdVb", "300");
  setEntry(req, "EdRk1", "1k5");
  setEntry(req, "EdRa2", "10k");
  setEntry(req, "EdRk2", "100k");
  return req;
}

TEST(CircuitC9, BiasMatchesTheCircuitEquations) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(9, directCouplingRequest(), models);
  expectCompleteResult(r);
  EXPECT_TRUE(r.success) << r.dcReport;
  EXPECT_TRUE(r.messages.empty());

  const double I1 = stageCurrent(builtIn(kEcc83), 300, 100e3, 1.5e3, 0);
  const double Vg = 300 - 100e3 * I1;
  const double I2 = stageCurrent(builtIn(kEcc82), 300, 10e3, 100e3, Vg);
  EXPECT_NEAR(reportValue(r.dcReport, "Ia1") / 1000, I1, 0.005 * I1);
  EXPECT_NEAR(reportValue(r.dcReport, "Ia2") / 1000, I2, 0.005 * I2);
  EXPECT_NEAR(cellUnder(r, "Ia2 (mA)") / 1000, I2, 0.005 * I2);

  ASSERT_EQ(r.stacks.size(), 2u);
  EXPECT_NEAR(columnSum(r.stacks[0]), 300, 0.2);
  EXPECT_NEAR(columnSum(r.stacks[1]), 300, 0.2);
  const double Va1 = reportValue(r.dcReport, "Va1"), Va2 = reportValue(r.dcReport, "Va2");
  const double Vk1 = reportValue(r.dcReport, "Vk1"), Vk2 = reportValue(r.dcReport, "Vk2");
  EXPECT_NEAR(Va1 - Vk1, segment(r.stacks[0], "T1"), 0.2);
  EXPECT_NEAR(Va2 - Vk2, segment(r.stacks[1], "T2"), 0.2);
  EXPECT_NEAR(300 - Va2, segment(r.stacks[1], "Ra2"), 0.01);
  // The second grid is the first anode.
  EXPECT_NEAR(cellUnder(r, "Vgk2 (V)"), Va1 - Vk2, 0.2);
  EXPECT_EQ(r.dcReport.find("cannot deliver"), std::string::npos);

  EXPECT_EQ(r.acReport.rfind("Small signal estimations:<BR><BR><P INDENT=\"0\">T1 ECC83 / 12AX7</p>", 0), 0u);
  EXPECT_NE(r.acReport.find("<P INDENT=\"0\"></P><BR>Total gain, BYpassed cathode resistors   <FONT"),
            std::string::npos);
  EXPECT_NE(r.acReport.find("<BR>Total gain, UNbypassed cathode resistors <FONT"), std::string::npos);
  EXPECT_EQ(labelOf(r, "LabelVa1"), sformat(Locale{}, "%.1fV", Va1));
  EXPECT_EQ(r.traces[0].caption.rfind("C9 - T1 ECC83 / 12AX7 - ", 0), 0u);
  EXPECT_EQ(r.traces[1].caption.rfind("C9 - T2 ECC82 / 12AU7 - ", 0), 0u);
}

TEST(CircuitC9, UnknownSecondTubeIsRefused) {
  MapModelLookup models = builtInLookup();
  SolveRequest req = directCouplingRequest();
  setEntry(req, "LBtube2", "NoSuchTube");
  SolveResult r = solve(9, req, models);
  ASSERT_TRUE(r.refused);
  EXPECT_NE(r.refused->find("NoSuchTube"), std::string::npos);
  EXPECT_TRUE(r.dcReport.empty());
  EXPECT_TRUE(r.resultsRow.empty());
  EXPECT_TRUE(r.traces.empty());
}

// The default Rk2 of 1 kΩ under a grid near 130 V: the second stage cannot
// carry the current and says so; the run still completes.
TEST(CircuitC9, SecondStageThatCannotCarryTheCurrentIsReported) {
  MapModelLookup models = builtInLookup();
  SolveResult r = solve(9, defaultRequest(9, kEcc83), models);
  expectCompleteResult(r);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].text.rfind("The circuit cannot be operated normally because of tube T2:", 0), 0u);
  const std::string tail = "<br>Tube T2 cannot deliver current in these conditions";
  ASSERT_GE(r.dcReport.size(), tail.size());
  EXPECT_EQ(r.dcReport.substr(r.dcReport.size() - tail.size()), tail);
  EXPECT_EQ(r.resultsRow[0], "ERROR");
  EXPECT_EQ(allTexts(r).find("nan"), std::string::npos);
}

// ---------------------------------------------------------------------------
// Coupling and cathode capacitors entered as 0 stand for a small capacitor in
// the frequency response only: 1 pF in C4 and C9, 2 pF in the cascodes.

TEST(DcCoupledStages, ZeroCapacitorsOnlyChangeTheBandwidth) {
  struct Case {
    int circuit;
    const char* entry;
    const char* standsFor;
  };
  const Case cases[] = {
      {4, "EdCs", "1p"}, {4, "EdCko", "1p"}, {6, "EdCs", "2p"}, {6, "EdCa", "2p"}, {6, "EdCk", "2p"},
      {8, "EdCs", "2p"}, {8, "EdCa", "2p"},  {8, "EdCk", "2p"}, {9, "EdCs", "1p"}, {9, "EdCa", "1p"},
  };
  // Circuits whose stages all conduct, so that every capacitor shows.
  auto working = [](int circuit) {
    return circuit == 4   ? followerRequest()
           : circuit == 9 ? directCouplingRequest()
                          : defaultRequest(circuit, kEcc83);
  };
  MapModelLookup models = builtInLookup();
  for (const Case& c : cases) {
    SCOPED_TRACE(sformat(Locale{}, "C%d %s", c.circuit, c.entry));
    SolveRequest zero = working(c.circuit);
    setEntry(zero, c.entry, "0");
    SolveRequest small = working(c.circuit);
    setEntry(small, c.entry, c.standsFor);
    SolveResult a = solve(c.circuit, zero, models), b = solve(c.circuit, small, models);
    SolveResult base = solve(c.circuit, working(c.circuit), models);
    EXPECT_EQ(a.dcReport, base.dcReport);
    ASSERT_TRUE(a.frequency && b.frequency);
    EXPECT_EQ(a.frequency->bode.overall.gains, b.frequency->bode.overall.gains);
    EXPECT_NE(a.frequency->bode.overall.gains, base.frequency->bode.overall.gains);
    EXPECT_TRUE(std::isfinite(a.frequency->bode.Gmax));
  }
}

// ---------------------------------------------------------------------------
// Hostile entries: every run returns, and no text shows "nan" or "inf".

using EntryCase = std::vector<std::pair<std::string, std::string>>;

void expectNoNanOrInf(int circuit, const std::vector<EntryCase>& cases,
                      const std::vector<const char*>& tubes) {
  MapModelLookup models = builtInLookup();
  for (const char* tube : tubes)
    for (const auto& c : cases) {
      SolveRequest req = defaultRequest(circuit, tube);
      std::string what = sformat(Locale{}, "C%d %s", circuit, tube);
      for (const auto& [name, value] : c) {
        setEntry(req, name, value);
        what += " " + name + "=" + value;
      }
      SolveResult r = solve(circuit, req, models);
      const std::string texts = allTexts(r);
      EXPECT_EQ(texts.find("nan"), std::string::npos) << what;
      EXPECT_EQ(texts.find("inf"), std::string::npos) << what;
      if (!r.refused) {
        EXPECT_EQ(r.resultsRow.size(), r.resultsColumns.size()) << what;
      }
    }
}

TEST(CircuitC4, HostileEntriesNeverProduceNanOrInf) {
  expectNoNanOrInf(
      4,
      {
          {{"EdRa", "0"}, {"EdRk1", "0"}, {"EdRk2", "0"}},
          {{"EdRk2", "0"}, {"EdRo", "0"}},
          {{"EdRa", "1e12"}, {"EdRk1", "1e12"}, {"EdRk2", "1e12"}, {"EdRo", "1e12"}},
          {{"EdRa", "1p"}, {"EdRk1", "1p"}, {"EdRk2", "1p"}, {"EdRo", "1p"}},
          {{"EdRk1", "10M"}},                 // T1 cut off: T2's grid at the supply
          {{"EdRa", "10M"}, {"EdRk2", "1k"}}, // T1 saturated: T2's grid near 0 V
          {{"EdVb", "20"}, {"EdRk2", "100k"}},
          {{"EdVb", "0"}},
          {{"EdRk2", "47k"}, {"EdRo", "abc"}, {"EdRa", "abc"}},
          {{"EdCs", "0"}, {"EdCko", "0"}, {"EdCk", "0"}, {"EdCo", "0"}, {"EdCg", "0"}, {"EdCgs", "0"}},
          {{"EdRs", "0"}, {"EdRg", "0"}, {"EdRgs", "0"}, {"EdRko", "0"}},
          {{"EdRs", "1e12"}, {"EdRg", "1e12"}, {"EdCs", "1e12"}, {"EdRko", "1e12"}},
      },
      {kEcc83, kEcc82, "300B"});
}

TEST(CircuitC6, HostileEntriesNeverProduceNanOrInf) {
  expectNoNanOrInf(
      6,
      {
          {{"EdRa", "0"}, {"EdRk", "0"}},
          {{"EdRg1", "0"}},
          {{"EdRg2", "0"}},
          {{"EdRg1", "1p"}, {"EdRg2", "1p"}},
          {{"EdRa", "1e12"}, {"EdRk", "1e12"}, {"EdRg1", "1e12"}, {"EdRg2", "1e12"}, {"EdRo", "1e12"}},
          {{"EdRa", "1p"}, {"EdRk", "1p"}, {"EdRo", "1p"}},
          {{"EdRo", "0"}},
          {{"EdRk", "10M"}}, // cut off
          {{"EdVb", "20"}, {"EdRa", "10M"}},
          {{"EdVb", "0"}},
          {{"EdRa", "abc"}, {"EdRk", "abc"}},
          {{"EdCa", "0"}, {"EdCs", "0"}, {"EdCk", "0"}, {"EdCo", "0"}, {"EdCg", "0"}, {"EdCgs", "0"}},
          {{"EdRs", "0"}, {"EdRg", "0"}, {"EdRgs", "0"}},
          {{"EdRs", "1e12"}, {"EdRg", "1e12"}, {"EdCs", "1e12"}},
      },
      {kEcc83, "ECC88 / 6DJ8", "300B"});
}

TEST(CircuitC8, HostileEntriesNeverProduceNanOrInf) {
  expectNoNanOrInf(
      8,
      {
          {{"EdRk1", "0"}, {"EdRk2", "0"}, {"EdRa", "0"}},
          {{"EdRk1", "0"}, {"EdRk2", "0"}, {"CheckBoxRa", "1"}},
          {{"EdRk1", "1e12"}, {"EdRk2", "1e12"}, {"EdRa", "1e12"}, {"EdRo", "1e12"}},
          {{"EdRk1", "1p"}, {"EdRk2", "1p"}, {"EdRa", "1p"}, {"EdRo", "1p"}},
          {{"EdRo", "0"}},
          {{"EdRk1", "10M"}}, // cut off
          {{"EdVb", "20"}, {"EdRa", "10M"}},
          {{"EdVb", "0"}},
          {{"EdRa", "abc"}, {"EdRk1", "abc"}},
          {{"EdCa", "0"}, {"EdCs", "0"}, {"EdCk", "0"}, {"EdCo", "0"}, {"EdCg", "0"}, {"EdCgs", "0"}},
          {{"EdRs", "0"}, {"EdRg", "0"}, {"EdRgs", "0"}},
          {{"EdRs", "1e12"}, {"EdRg", "1e12"}, {"EdCs", "1e12"}},
      },
      {kEcc83, kEcc82, "300B"});
}

TEST(CircuitC9, HostileEntriesNeverProduceNanOrInf) {
  expectNoNanOrInf(
      9,
      {
          {{"EdRa1", "0"}, {"EdRa2", "0"}, {"EdRk1", "0"}, {"EdRk2", "0"}},
          {{"EdRk2", "0"}, {"EdRo", "0"}},
          {{"EdRa1", "1e12"}, {"EdRa2", "1e12"}, {"EdRk1", "1e12"}, {"EdRk2", "1e12"}, {"EdRo", "1e12"}},
          {{"EdRa1", "1p"}, {"EdRa2", "1p"}, {"EdRk1", "1p"}, {"EdRk2", "1p"}, {"EdRo", "1p"}},
          {{"EdRk1", "10M"}},                    // T1 cut off: the second grid at the supply
          {{"EdRa1", "10M"}, {"EdRk2", "100k"}}, // T1 saturated: the second grid near 0 V
          {{"EdRa2", "10k"}, {"EdRk2", "100k"}},
          {{"EdVb", "20"}, {"EdRk2", "100k"}},
          {{"EdVb", "0"}},
          {{"EdRa1", "abc"}, {"EdRk2", "abc"}},
          {{"EdCa", "0"}, {"EdCs", "0"}, {"EdCk1", "0"}, {"EdCk2", "0"}, {"EdCo", "0"}, {"EdCg", "0"}},
          {{"EdRs", "0"}, {"EdRg", "0"}, {"EdRgs", "0"}},
          {{"EdRs", "1e12"}, {"EdRg", "1e12"}, {"EdCs", "1e12"}},
      },
      {kEcc83, kEcc82, "300B"});
}

} // namespace
} // namespace velmorin
