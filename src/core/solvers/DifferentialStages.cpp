// Circuits C7 and C10: differential stages, two tubes of one model sharing a
// cathode node, fed by a common cathode resistor (C7) or by a constant-current
// tail (C10).
#include "solvers/Circuits.h"

#include "plot/Colors.h"
#include "solvers/Framework.h"
#include "solvers/ResistorTable.h"
#include "solvers/SolverRun.h"
#include "solvers/StageTexts.h"
#include "text/Format.h"
#include "text/ReportValues.h"

#include <cmath>

namespace velmorin {

namespace {

constexpr plot::Argb kYellow = 0xFFFFFF00;

std::string supplyLine(const Locale& l, double Vb, double I) {
  return sformat(l, "<br><P line-height=\"2\">Total power supply %s  %s  %s</p>", fmtVolt(l, "", 0, Vb),
                 fmtMilliAmp(l, "", 3, I * 1000), fmtMilliWatt(l, "", 0, Vb * 1000 * I));
}

std::string reportHeadWithCount(const Locale& l, int count) {
  return sformat(l, "<p><font color=\"#909090\">Velmorin</font></p>%d iterations", count);
}

std::string parameterLine(const TTube& t, int gmDecimals) {
  const Locale& l = t.locale();
  return sformat(l, "%s   %s  => %s", fmtOhm(l, "ρ~", 0, t.ρ()),
                 fmtGm(l, "g<SUB>m</SUB>~", gmDecimals, t.gm()), fmtNum(l, "µ~", 0, t.µ()));
}

// The non-inverting and differential gain lines, shared by both circuits.
std::string outputGainLines(const Locale& l, const DiffPairGains& g) {
  std::string s;
  const std::string nonInverting = fmtNum(l, "Gain on non-inverting output T2  ", 1, g.A2);
  if (g.A2 > 0)
    s += sformat(l, "<BR>%s  %0.1fdB", nonInverting, 20 * std::log10(g.A2));
  else
    s += sformat(l, "<BR>%s", nonInverting);
  s += sformat(l, "<BR>%s  %0.1fdB", fmtNum(l, "Differential gain                ", 1, g.Adiff),
               20 * std::log10(g.Adiff));
  return s;
}

// An anode resistor in parallel with its output load.
double parallel(double a, double b) {
  return a * b / (a + b);
}

// The input network, the pair and the two output networks.
std::vector<TQuadripole> differentialChain(TTube& T1, double Cg, double Rg, double Ra1, double Ra2, double Rk,
                                           double Ca1, double Ro1, double Ca2, double Ro2, double s,
                                           bool ignore) {
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{0, Cg, Rg, 1e-12, 0, 1e-12, s}, std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeDifférentiel, &T1, std::vector<int>{2, 3}, std::vector<double>{Ra1, Ra2, Rk, s},
                     std::vector<bool>{ignore});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ca1, Ro1, 1e-12, s},
                     std::vector<bool>{ignore});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ca2, Ro2, 1e-12, s},
                     std::vector<bool>{ignore});
  return chain;
}

// C7's balancing loop: each tube is solved with a cathode resistor of its
// own, Rk1 and Rk2 kept in parallel equal to Rk, until both cathodes sit at
// the same voltage.
constexpr double kC7Tolerance = 1e-4; // V
constexpr int kC7MaxCount = 1001;
constexpr int kC7ItersOK = 1000;
// The smallest relative step of Rk1: 1e-7 of a cathode voltage is below the
// tolerance for any cathode under 1 kV.
constexpr double kC7SmallestStep = 1e-7;

// C10's search on the common cathode voltage.
constexpr double kC10Tolerance = 1e-6; // A
constexpr int kC10MaxCount = 1500;
// Doublings of the bracket above the grid voltage: 20 V × 2^16 is far above
// any supply.
constexpr int kC10Widenings = 16;

} // namespace

SolveResult solveC7(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(2);

  const double Vb = run.supply();
  const double Vg = run.number("EdVg");
  const double Ra1 = run.number("EdRa1");
  const double Ra2 = run.number("EdRa2");
  // Each tube is solved with a cathode resistor of its own, twice Rk to
  // start with: a zero tail is taken as 1 Ω.
  double Rk = run.number("EdRk");
  if (Rk == 0)
    Rk = 1;
  const std::string model = run.text("LBtube");

  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  std::optional<TTube> T2 = run.makeTube(model, "T2");
  std::optional<TTube> test = run.makeTube(model, "test");

  double Rk1 = 2 * Rk, Rk2 = 2 * Rk;
  double Vak1 = 0, Vgk1 = 0, Ia1 = 0, Vak2 = 0, Vgk2 = 0, Ia2 = 0;
  // Rk1 moves by 1 % per pass. A fixed step would leave the unbalance
  // swinging about zero by far more than the tolerance once the cathodes sit
  // more than a volt or two above ground, so every reversal of direction
  // halves the step.
  double step = 0.01;
  int direction = 0;
  int count = 0;
  while (count < kC7MaxCount) {
    T1->gridBiasPoints(Vb, Ra1, Rk1, Vg, Vak1, Vgk1, Ia1, nullptr);
    T2->gridBiasPoints(Vb, Ra2, Rk2, Vg, Vak2, Vgk2, Ia2, nullptr);
    // Compare the cathode voltages the tubes were solved at, Vg − Vgk.
    // Rk1·Ia1 and Rk2·Ia2 stray from them by Rk1 or Rk2 times the bias
    // solver's 2 µA tolerance: tens of millivolts with a tail of tens of
    // kilohms, which would leave the two currents off by percents.
    const double unbalance = Vgk2 - Vgk1;
    int towards = 0;
    if (unbalance > kC7Tolerance)
      towards = -1;
    else if (unbalance < -kC7Tolerance)
      towards = 1;
    else
      break;
    if (direction != 0 && towards != direction) {
      step /= 2;
      // The balance now lies within a step too small to move the cathodes by
      // the tolerance: what remains of the unbalance is the bias solver's own
      // resolution, which no further pass can improve.
      if (step < kC7SmallestStep)
        break;
    }
    direction = towards;
    double next = Rk1 * (1 + towards * step);
    // Rk1 must stay on its side of Rk, or Rk2 would be infinite or negative:
    // a step that would reach Rk goes halfway there instead (T2 is then
    // nearly cut off and Rk2 very large).
    if (!((next - Rk) * (Rk1 - Rk) > 0))
      next = (Rk1 + Rk) / 2;
    if (next != Rk) {
      Rk1 = next;
      Rk2 = Rk1 * Rk / (Rk1 - Rk);
    }
    ++count;
  }

  for (auto [tube, trace] : {std::pair{&*T1, traces[0]}, std::pair{&*T2, traces[1]}})
    tube->setTraceCaption(trace, count, 0, 0);

  const double It = Ia1 + Ia2;
  const double Vk = It * Rk;
  const bool opOK = test->checkOP(Vak1, Vgk1, Ia1, 0) && test->checkOP(Vak2, Vgk2, Ia2, 0);
  const bool vgkOK = Vgk1 < 0 && Vgk2 < 0;
  const bool stOK = stackOK(1, Ra1 * Ia1 + Vak1 + Vk, Vb) && stackOK(1, Ra2 * Ia2 + Vak2 + Vk, Vb);
  const bool itersOK = count < kC7ItersOK;

  // DC report
  const double Va1 = Vb - Ra1 * Ia1, Va2 = Vb - Ra2 * Ia2;
  std::string t = reportHeadWithCount(l, count);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, itersOK);
  t += supplyLine(l, Vb, It);
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia1", 3, Ia1 * 1000));
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia2", 3, Ia2 * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va1", 3, Va1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Va2", 3, Va2));
  t += sformat(l, "<br>%s", fmtVolt(l, "Va1-Va2", 3, Va1 - Va2));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Vg", 3, Vg));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Vk", 3, Vk));
  t += "<br>" + T1->displayOP() + T2->displayOP();
  std::vector<TResistor> rows(3);
  setResistor("Ra1", rows[0], Ia1, Ra1);
  setResistor("Ra2", rows[1], Ia2, Ra2);
  setResistor("Rk ", rows[2], It, Rk);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  T1->calculerParamètresIntrinsèques();
  T2->calculerParamètresIntrinsèques();
  const double Ro1 = run.number("EdRo1"), Ro2 = run.number("EdRo2");
  const DiffPairGains g = diffPairGains(*T1, *T2, parallel(Ra1, Ro1), parallel(Ra2, Ro2), Rk);
  std::string ac = "<B>Small signal estimations:</B>";
  ac += sformat(l, "<BR>Both tubes %s", model);
  ac += sformat(l, "<BR>%s", T1->Reference());
  ac += "<BR><P INDENT=\"20\">" + parameterLine(*T1, 1) + "</P>";
  ac += sformat(l, "<BR><P INDENT=\"0\">%s</P>", T2->Reference());
  ac += "<P INDENT=\"20\">" + parameterLine(*T2, 1) + "</P>";
  ac += sformat(l, "<P INDENT=\"0\"></P><BR>%s  %0.1fdB",
                fmtNum(l, "Gain on inverting output T1     ", 1, g.A1), 20 * std::log10(std::fabs(g.A1)));
  ac += outputGainLines(l, g);
  r.acReport = ac;

  run.label("LabelVk", sformat(l, "%.2fV", Vk));
  run.label("LabelVa1", sformat(l, "%.2fV", Va1));
  run.label("LabelVa2", sformat(l, "%.2fV", Va2));
  run.label("LabelIa1", sformat(l, "%.2fmA", Ia1 * 1000));
  run.label("LabelIa2", sformat(l, "%.2fmA", Ia2 * 1000));
  run.label("LabelIt", sformat(l, "%.2fmA", It * 1000));

  // The grid columns: Vgk is negative, so its segment rises from the bottom
  // of the white one.
  plot::StackColumn grid1, path1, grid2, path2;
  grid1.add("", Vb - Vgk1, plot::kWhite);
  grid1.add("Vg1", Vgk1, plot::kNavy);
  path1.add("Ra1", Ra1 * Ia1, plot::kRed);
  path1.add("T1", Vak1, kYellow);
  path1.add("Rk", Vk, plot::kGreen);
  grid2.add("", Vb - Vgk2, plot::kWhite);
  grid2.add("Vg2", Vgk2, plot::kNavy);
  path2.add("Ra2", Ra2 * Ia2, plot::kRed);
  path2.add("T2", Vak2, kYellow);
  path2.add("Rk", Vk, plot::kGreen);
  r.stacks = {grid1, path1, grid2, path2};
  r.stackVb = Vb;

  r.loadLines.push_back(plot::makeLoadLineData(*T1, false, T1->Iamax(), Vb));
  r.loadLines.push_back(plot::makeLoadLineData(*T2, false, T2->Iamax(), Vb));

  const double drops = Ra1 * Ia1 - Ra2 * Ia2;
  run.addResultRow(success, {T1->ModelName(),
                             run.cell(0, 1, Vb),
                             run.cell(0, 1, Ra1),
                             run.cell(0, 1, Ra2),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1, Vgk1 - Vgk2),
                             run.cell(0, 1, Va1),
                             run.cell(0, 1, Va2),
                             run.cell(3, 1, drops),
                             Vgk1 != Vgk2 ? run.cell(1, 1, drops / (Vgk1 - Vgk2)) : std::string(),
                             run.cell(0, 1, Rk),
                             run.cell(3, 1, Vk),
                             run.cell(0, 1, Vak1),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1000, Ia1),
                             run.cell(0, 1, Vak2),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1000, Ia2),
                             run.cell(0, 1000, It * Vb),
                             run.cell(0, 1000, Vak1 * Ia1),
                             run.cell(0, 1000, Vak2 * Ia2),
                             run.cell(0, 1000, Ra1 * Ia1 * Ia1),
                             run.cell(0, 1000, Ra2 * Ia2 * Ia2),
                             run.cell(0, 1000, Rk * It * It),
                             run.cell(1, 1, g.A2),
                             run.cell(1, 1, g.A1),
                             run.cell(1, 1, std::fabs(g.A1) + g.A2)});

  // Frequency response. A zero Cg has no reactance to compute with: it is
  // taken as 1 pF, as the coupling capacitors are.
  const double Rg = run.number("EdRg");
  const double Cg = orOnePicofarad(run.number("EdCg"));
  const double Ca1 = orOnePicofarad(run.number("EdCa1"));
  const double Ca2 = orOnePicofarad(run.number("EdCa2"));
  run.frequencyResponse(
      differentialChain(*T1, Cg, Rg, Ra1, Ra2, Rk, Ca1, Ro1, Ca2, Ro2, run.strayCap(), run.ignoreMiller()));
  return run.finish();
}

SolveResult solveC10(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(2);

  const double Vb = run.supply();
  const double Ra1 = run.number("EdRa1");
  const double Ra2 = run.number("EdRa2");
  const double Vg = run.number("EdVg");
  double Ics = run.number("EdIcs");
  if (Ics == 0)
    Ics = 1e-4;
  const std::string model = run.text("LBtube");

  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  std::optional<TTube> T2 = run.makeTube(model, "T2");
  std::optional<TTube> test = run.makeTube(model, "Test");

  const double start = Ics / 2;
  double I1 = start, I2 = start;
  traces[0]->AddPoint(0, I1);
  traces[1]->AddPoint(0, I2);
  // The current of one tube with its cathode at Vk, its anode resistor
  // passing I (stored in the tube).
  auto evaluate = [&](TTube& tube, double Ra, double I, double Vk) {
    double Vak = Vb - Ra * I - Vk;
    if (Vak < 0)
      Vak = 10;
    double Vgk = Vg - Vk;
    if (Vgk > 0)
      Vgk = 0;
    double Ia = 0;
    tube.CalculerNK(Vak, Vgk, Ia);
    return Ia;
  };
  // The cathode voltage lies between the grid voltage and 20 V above it for
  // most pairs; a low-µ pair may need its cathode higher than that to pass
  // only Ics, and the search, which only ever narrows its bracket, would end
  // on the bracket's edge. The upper bound is widened until the pair passes
  // no more than Ics there.
  double lo = Vg, hi = Vg + 20;
  for (int k = 0; k < kC10Widenings && evaluate(*T1, Ra1, I1, hi) + evaluate(*T2, Ra2, I2, hi) > Ics; ++k)
    hi = Vg + 2 * (hi - Vg);
  double Vk = Vg, Ia1 = 0, Ia2 = 0;
  int count = 0;
  while (count < kC10MaxCount) {
    Vk = (lo + hi) / 2;
    Ia1 = evaluate(*T1, Ra1, I1, Vk);
    Ia2 = evaluate(*T2, Ra2, I2, Vk);
    const double v = Ia1 + Ia2 - Ics;
    if (v > kC10Tolerance)
      lo = lo + (Vk - lo) * 0.05;
    else if (v < -kC10Tolerance)
      hi = hi - (hi - Vk) * 0.05;
    else
      break;
    // The evaluated currents, rescaled to sum to Ics, pull the working
    // currents along. A pair that passes nothing at all says nothing about
    // the split: the working currents are kept.
    const double c = (Ia1 + Ia2) / Ics;
    if (c > 0) {
      Ia1 = Ia1 / c;
      Ia2 = Ia2 / c;
      I1 = I1 + (Ia1 - I1) * 0.1;
      I2 = I2 + (Ia2 - I2) * 0.1;
      if (I1 < 0)
        I1 = 0;
      if (I2 < 0)
        I2 = 0;
    }
    ++count;
    traces[0]->AddPoint(count, I1);
    traces[1]->AddPoint(count, I2);
  }

  for (auto [tube, trace] : {std::pair{&*T1, traces[0]}, std::pair{&*T2, traces[1]}})
    tube->setTraceCaption(trace, count, kC10Tolerance, start);

  // The report shows the points stored in the tubes; the results row the
  // currents of the last pass.
  const double sIa1 = T1->Ia(), sIa2 = T2->Ia();
  const double Vak1 = T1->Vak(), Vgk1 = T1->Vgk(), Vak2 = T2->Vak(), Vgk2 = T2->Vgk();
  const bool opOK = test->checkOP(Vak1, Vgk1, Ia1, 0) && test->checkOP(Vak2, Vgk2, Ia2, 0);
  const bool vgkOK = Vgk1 < 0 && Vgk2 < 0;
  const bool stOK = stackOK(5, Ra1 * sIa1 + Vak1, Vb - Vk) && stackOK(5, Ra2 * sIa2 + Vak2, Vb - Vk);
  const bool itersOK = count < kC10MaxCount;

  // DC report
  const double Va1 = Vb - Ra1 * sIa1, Va2 = Vb - Ra2 * sIa2;
  std::string t = reportHeadWithCount(l, count);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, itersOK);
  t += supplyLine(l, Vb, sIa1 + sIa2);
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia1", 3, sIa1 * 1000));
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia2", 3, sIa2 * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va1", 3, Va1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Va2", 3, Va2));
  t += sformat(l, "<br>%s", fmtVolt(l, "ΔVa", 3, Ra2 * sIa2 - Ra1 * sIa1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vg", 3, Vg));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk", 3, Vk));
  t += "<br>" + T1->displayOP() + T2->displayOP();
  std::vector<TResistor> rows(2);
  setResistor("Ra1", rows[0], sIa1, Ra1);
  setResistor("Ra2", rows[1], sIa2, Ra2);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  T1->calculerParamètresIntrinsèques();
  T2->calculerParamètresIntrinsèques();
  const double Rsrc = run.number("EdRk");
  const double Ro1 = run.number("EdRo1"), Ro2 = run.number("EdRo2");
  const DiffPairGains g = diffPairGains(*T1, *T2, parallel(Ra1, Ro1), parallel(Ra2, Ro2), Rsrc);
  std::string ac = "<B>Small signal estimations:</B>";
  ac += "<BR>T1: " + parameterLine(*T1, 2);
  ac += "<BR>T2: " + parameterLine(*T2, 2);
  ac += sformat(l, "<BR><BR>%s  %0.1fdB", fmtNum(l, "Gain on inverting output T1     ", 1, g.A1),
                20 * std::log10(std::fabs(g.A1)));
  ac += outputGainLines(l, g);
  r.acReport = ac;

  run.label("LabelVa1", sformat(l, "%.1fV", Va1));
  run.label("LabelVa2", sformat(l, "%.1fV", Va2));
  run.label("LabelVk", sformat(l, "%.1fV", Vk));
  run.label("LabelIa1", sformat(l, "%.1fmA", sIa1 * 1000));
  run.label("LabelIa2", sformat(l, "%.1fmA", sIa2 * 1000));
  run.label("LabelIt", sformat(l, "%.1fmA", (sIa1 + sIa2) * 1000));

  // The current source has no segment of its own.
  plot::StackColumn path1, path2;
  path1.add("Ra1", Ra1 * sIa1, plot::kRed);
  path1.add("T1", Vak1, kYellow);
  path2.add("Ra2", Ra2 * sIa2, plot::kRed);
  path2.add("T2", Vak2, kYellow);
  r.stacks = {path1, path2};
  r.stackVb = Vb;

  r.loadLines.push_back(plot::makeLoadLineData(*T1, false, T1->Iamax(), Vb));
  r.loadLines.push_back(plot::makeLoadLineData(*T2, false, T2->Iamax(), Vb));

  run.addResultRow(success, {T1->ModelName(),
                             run.cell(0, 1, Vb),
                             run.cell(0, 1, Ra1),
                             run.cell(0, 1, Ra2),
                             run.cell(1, 1, Vb - Ra1 * Ia1),
                             run.cell(1, 1, Vb - Ra2 * Ia2),
                             run.cell(3, 1, Vg),
                             run.cell(3, 1, Vg),
                             std::string(),
                             run.cell(3, 1000, Ics),
                             run.cell(1, 1, Vak1),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1000, Ia1),
                             run.cell(1, 1, Vak2),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1000, Ia2),
                             run.cell(0, 1000, (Ia1 + Ia2) * Vb),
                             run.cell(0, 1000, Vak1 * Ia1),
                             run.cell(0, 1000, Vak2 * Ia2),
                             run.cell(0, 1000, Ra1 * Ia1 * Ia1),
                             run.cell(0, 1000, Ra2 * Ia2 * Ia2),
                             run.cell(0, 1, Ro1),
                             run.cell(1, 1, g.A1),
                             run.cell(1, 1, g.A2),
                             run.cell(1, 1, g.Adiff)});

  const double Rg = run.number("EdRg");
  const double Cg = orOnePicofarad(run.number("EdCg"));
  const double Ca1 = orOnePicofarad(run.number("EdCa1"));
  const double Ca2 = orOnePicofarad(run.number("EdCa2"));
  run.frequencyResponse(
      differentialChain(*T1, Cg, Rg, Ra1, Ra2, Rsrc, Ca1, Ro1, Ca2, Ro2, run.strayCap(), run.ignoreMiller()));
  return run.finish();
}

} // namespace velmorin
