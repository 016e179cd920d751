// Circuits C6 and C8: two triodes in series on one DC path, the true cascode
// (upper grid on a divider) and the cascode SRPP (upper grid on the middle
// node), both biased by the pair solvers.
#include "solvers/Circuits.h"

#include "plot/Colors.h"
#include "solvers/Framework.h"
#include "solvers/PairSolvers.h"
#include "solvers/ResistorTable.h"
#include "solvers/SolverRun.h"
#include "solvers/StageTexts.h"
#include "text/Format.h"
#include "text/ReportValues.h"

namespace velmorin {

namespace {

constexpr plot::Argb kYellow = 0xFFFFFF00;
constexpr plot::Argb kOrange = 0xFFFF7F00;
constexpr plot::Argb kViolet = 0xFF7F00FF;

constexpr int kPairIterations = 1000;

// These stages' coupling and cathode capacitors entered as 0 are taken as
// 2 pF in the frequency response.
double orTwoPicofarads(double c) {
  return c == 0 ? 2e-12 : c;
}

std::string supplyLine(const Locale& l, bool leadingBreak, double Vb, double I) {
  return std::string(leadingBreak ? "<br>" : "") +
         sformat(l, "<P line-height=\"2\">Total power supply %s  %s  %s</p>", fmtVolt(l, "", 0, Vb),
                 fmtMilliAmp(l, "", 3, I * 1000), fmtMilliWatt(l, "", 0, Vb * 1000 * I));
}

// Both tubes of the pair are checked on one instance, the upper one only
// when the lower one passed.
bool bothOperatingPointsOK(TTube& test, const TTube& T1, const TTube& T2) {
  return test.checkOP(T1.Vak(), T1.Vgk(), T1.Ia(), 0) && test.checkOP(T2.Vak(), T2.Vgk(), T2.Ia(), 0);
}

} // namespace

SolveResult solveC6(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();

  const double Vb = run.supply();
  const double Rg1 = run.number("EdRg1");
  const double Rg2 = run.number("EdRg2");
  const double Ra = run.number("EdRa");
  const double Rk = run.number("EdRk");
  const double RL = run.number("EdRo");
  const std::string model = run.text("LBtube");

  // A divider of no resistance would short the supply: neither the grid
  // voltage nor the divider current exists.
  if (!(Rg1 + Rg2 > 0))
    return run.refuse("Resistor(s) cannot be null !", RefusedAs::Report);

  std::vector<Trace*> traces = run.openConvergenceWindows(2);
  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  std::optional<TTube> T2 = run.makeTube(model, "T2");
  std::optional<TTube> test = run.makeTube(model, "test");

  const double Vg = Vb * Rg1 / (Rg1 + Rg2);
  const double Irg = Vb / (Rg1 + Rg2);
  const int iterations = solveCascodePair(*T1, *T2, kPairIterations, Vb, Vg, Ra, Rk, 0, traces[0], traces[1]);
  const double Ia1 = T1->Ia(), Vak1 = T1->Vak(), Vgk1 = T1->Vgk();
  const double Ia2 = T2->Ia(), Vak2 = T2->Vak(), Vgk2 = T2->Vgk();
  const double Vm = Vb - Vak2 - Ra * Ia2;
  const double Va = Vb - Ra * Ia2;
  const double Vk = Rk * Ia1;

  const bool opOK = bothOperatingPointsOK(*test, *T1, *T2);
  const bool vgkOK = !(Vgk1 > 0) && !(Vgk2 > 0);
  const bool stOK = stackOK(3, Ra * Ia1 + Vak1 + Vak2 + Rk * Ia2, Vb);
  const bool itersOK = iterations < kPairIterations;

  // DC report
  std::string t = reportHead(l, request.title);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, itersOK);
  t += supplyLine(l, true, Vb, Ia1 + Irg);
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia1", 3, Ia1 * 1000));
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Irg", 3, Irg * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va", 3, Va));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vg", 3, Vg));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vm", 3, Vm));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk", 3, Vk));
  t += "<br>" + T1->displayOP();
  t += "<br>" + T2->displayOP();
  std::vector<TResistor> rows(4);
  setResistor("Rg1", rows[0], Irg, Rg1);
  setResistor("Rg2", rows[1], Irg, Rg2);
  setResistor("Ra", rows[2], Ia2, Ra);
  setResistor("Rk", rows[3], Ia1, Rk);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  T1->calculerParamètresIntrinsèques();
  T2->calculerParamètresIntrinsèques();
  double A = 0, Zo = 0;
  r.acReport = "<B>Small signal estimations:</B><BR>" + textCascode(*T1, *T2, Rk, RL, Ra, A, Zo);

  run.label("LabelVk", sformat(l, "%.2fV", Vk));
  run.label("LabelVa", sformat(l, "%.2fV", Va));
  run.label("LabelVg", sformat(l, "%.2fV", Vg));
  run.label("LabelVm", sformat(l, "%.2fV", Vm));
  run.label("LabelIa", sformat(l, "%.2fmA", Ia1 * 1000));
  run.label("LabelIt", sformat(l, "%.2fmA", (Ia1 + Irg) * 1000));

  plot::StackColumn divider;
  divider.add("Rg2", Rg2 * Irg, plot::kRed);
  divider.add("Rg1", Rg1 * Irg, kYellow);
  plot::StackColumn pair;
  pair.add("Ra", Ra * Ia2, plot::kRed);
  pair.add("T2", Vak2, kOrange);
  pair.add("T1", Vak1, kYellow);
  pair.add("Rk", Vk, plot::kGreen);
  r.stacks = {divider, pair};
  r.stackVb = Vb;

  run.addResultRow(success, {T1->ModelName(),
                             run.cell(0, 1, Vb),
                             run.cell(0, 1, Rg1),
                             run.cell(0, 1, Rg2),
                             run.cell(0, 1, Rg1 * Irg),
                             run.cell(0, 1, Ra),
                             run.cell(0, 1, Va),
                             run.cell(0, 1, Vm),
                             run.cell(0, 1, Rk),
                             run.cell(3, 1, Vk),
                             run.cell(0, 1, Vak1),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1000, Ia1),
                             run.cell(0, 1, Vak2),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1000, Ia2),
                             run.cell(0, 1000, (Ia2 + Irg) * Vb),
                             run.cell(0, 1000, Vak1 * Ia1),
                             run.cell(0, 1000, Vak2 * Ia2),
                             run.cell(0, 1000, Ra * Ia2 * Ia2),
                             run.cell(0, 1000, Rk * Ia1 * Ia1),
                             run.cell(0, 1000, Rg1 * Irg * Irg),
                             run.cell(0, 1000, Rg2 * Irg * Irg),
                             run.cell(0, 1, RL),
                             run.cell(1, 1, A),
                             run.cell(0, 1, Zo)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, false, T1->Iamax(), Vb));
  r.loadLines.push_back(plot::makeLoadLineData(*T2, false, T2->Iamax(), Vb));

  // Frequency response. T1's anode load is T2's cathode, not a resistor; T2's
  // grid is held firmly at signal ground by a huge capacitor and has no
  // cathode resistor of its own.
  const double Rs = run.number("EdRs"), Rg = run.number("EdRg"), Rgs = run.number("EdRgs");
  const double Cs = orTwoPicofarads(run.number("EdCs"));
  const double Ca = orTwoPicofarads(run.number("EdCa"));
  const double Ck = orTwoPicofarads(run.number("EdCk"));
  const double Cg = run.number("EdCg"), Cgs = run.number("EdCgs"), Co = run.number("EdCo");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{Rs, Cs, Rg, Cg, Rgs, Cgs, s}, std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeCatCom, &*T1, std::vector<int>{2}, std::vector<double>{1e12, Rk, Ck, s},
                     std::vector<bool>{ignore, true});
  chain.emplace_back(tqpTubeGriCom, &*T2, std::vector<int>{3}, std::vector<double>{1000, 1e12, Ra, s},
                     std::vector<bool>{ignore, true});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ca, RL, Co, s},
                     std::vector<bool>{ignore});
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

SolveResult solveC8(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(2);

  const double Vb = run.supply();
  const double Rk1 = run.number("EdRk1");
  const double Rk2 = run.number("EdRk2");
  const double Ra = run.number("EdRa");
  const double RL = run.number("EdRo");
  const bool raShorted = run.ticked("CheckBoxRa");
  const std::string model = run.text("LBtube");

  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  std::optional<TTube> T2 = run.makeTube(model, "T2");
  std::optional<TTube> test = run.makeTube(model, "test");

  const double Rx = raShorted ? 0 : Ra;
  const int iterations = solveStackedPair(*T1, *T2, kPairIterations, Vb, Rk1, Rk2, Rx, traces[0], traces[1]);
  const double Ia1 = T1->Ia(), Vak1 = T1->Vak(), Vgk1 = T1->Vgk();
  const double Ia2 = T2->Ia(), Vak2 = T2->Vak(), Vgk2 = T2->Vgk();
  const double Va1 = Rk1 * Ia1 + Vak1; // the middle node, also T2's grid
  const double Vk2 = Rk2 * Ia2 + Va1;
  const double Va2 = raShorted ? Vb : Vb - Ra * Ia2;

  const bool opOK = bothOperatingPointsOK(*test, *T1, *T2);
  const bool vgkOK = !(Vgk1 > 0) && !(Vgk2 > 0);
  const bool stOK = stackOK(2, Rk1 * Ia1 + Vak1 + Vak2 + (Rk2 + Rx) * Ia2, Vb);
  const bool itersOK = iterations < kPairIterations;

  // DC report
  std::string t = sformat(l, "<p><b>%s</b></p><p>%s</p><p>%d iterations</p>", request.title,
                          "<font color=\"#909090\">Velmorin</font>", iterations);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, itersOK);
  t += supplyLine(l, false, Vb, Ia1);
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia1", 3, Ia1 * 1000));
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia2", 3, Ia2 * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va2", 2, Va2));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk2", 2, Vk2));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vg2", 2, Va1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Va1", 2, Va1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk1", 3, Rk1 * Ia1));
  t += "<br>" + T1->displayOP() + T2->displayOP();
  std::vector<TResistor> rows(2);
  setResistor("Rk1", rows[0], Ia1, Rk1);
  setResistor("Rk2", rows[1], Ia2, Rk2);
  if (!raShorted) {
    rows.emplace_back();
    setResistor("Ra", rows.back(), Ia2, Ra);
  }
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  double Ab = 0, Au = 0, Zb = 0, Zu = 0;
  r.acReport =
      "Small signal estimations:"
      "<BR><I>Reference: The Optimized SRPP Amp (Part 2), by Tavio Quelvane, in Audio Express June 2010</I>"
      "<BR><BR>" +
      textSRPPOptimised(*T1, *T2, RL, Rx, Rk2, Rk1, Ab, Au, Zb, Zu);
  // The optimum of the stage, with Rk2 chosen for the best balance.
  const double µ1 = T1->µ(), ρ1 = T1->ρ(), ρ2 = T2->ρ();
  const double Aopt = -µ1 * ρ2 / (ρ1 + ρ2);
  const double Zopt = (ρ1 + ρ2) / 4;

  run.label("LabelVk1", sformat(l, "%.1fV", Rk1 * Ia1));
  run.label("LabelVk2", sformat(l, "%.1fV", Vk2));
  run.label("LabelVg2", sformat(l, "%.1fV", Va1));
  run.label("LabelVa2", sformat(l, "%.1fV", Va2));
  run.label("LabelIt", sformat(l, "%.2fmA", Ia1 * 1000));

  plot::StackColumn column;
  if (!raShorted)
    column.add("Ra", Ra * Ia2, kViolet);
  column.add("T2", Vak2, plot::kRed);
  column.add("Rk2", Rk2 * Ia2, plot::kGreen);
  column.add("T1", Vak1, kOrange);
  column.add("Rk1", Rk1 * Ia1, plot::kGreen);
  r.stacks = {column};
  r.stackVb = Vb;

  run.addResultRow(success, {T1->ModelName(),
                             run.cell(0, 1, Vb),
                             run.cell(0, 1, Rk1),
                             run.cell(0, 1, Rk2),
                             run.cell(3, 1, Rk1 * Ia1),
                             run.cell(0, 1, Vk2),
                             run.cell(0, 1, Va1),
                             run.cell(0, 1, Vak1),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1000, Ia1),
                             run.cell(0, 1, Vak2),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1000, Ia2),
                             run.cell(0, 1000, Vb * Ia2),
                             run.cell(0, 1000, Vak1 * Ia1),
                             run.cell(0, 1000, Vak2 * Ia2),
                             raShorted ? std::string("0") : run.cell(0, 1, Ra),
                             run.cell(0, 1, RL),
                             run.cell(1, 1, Aopt),
                             run.cell(0, 1, Zopt),
                             run.cell(1, 1, Ab),
                             run.cell(1, 1, Au),
                             run.cell(0, 1, Zb),
                             run.cell(0, 1, Zu)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, false, T1->Iamax(), Vb));
  r.loadLines.push_back(plot::makeLoadLineData(*T2, false, T2->Iamax(), Vb));

  // Frequency response: T1's anode load is the upper tube, whose cathode is
  // the output.
  T1->calculerParamètresIntrinsèques();
  T2->calculerParamètresIntrinsèques();
  const double Rs = run.number("EdRs"), Rg = run.number("EdRg"), Rgs = run.number("EdRgs");
  const double Cs = orTwoPicofarads(run.number("EdCs"));
  const double Ca = orTwoPicofarads(run.number("EdCa"));
  const double Ck = orTwoPicofarads(run.number("EdCk"));
  const double Cg = run.number("EdCg"), Cgs = run.number("EdCgs"), Co = run.number("EdCo");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{Rs, Cs, Rg, Cg, Rgs, Cgs, s}, std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeCatCom, &*T1, std::vector<int>{2}, std::vector<double>{1e12, Rk1, Ck, s},
                     std::vector<bool>{ignore, true});
  chain.emplace_back(tqpTubeAnoCom, &*T2, std::vector<int>{3}, std::vector<double>{Rk2, s},
                     std::vector<bool>{ignore});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ca, RL, Co, s},
                     std::vector<bool>{ignore});
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

} // namespace velmorin
