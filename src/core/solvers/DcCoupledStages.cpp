// Circuits C4 and C9: a common-cathode stage whose anode feeds, without a
// coupling capacitor, the grid of a second tube (a cathode follower in C4, a
// second common-cathode stage in C9).
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
constexpr plot::Argb kOrange = 0xFFFF7F00;

std::string supplyLine(const Locale& l, bool leadingBreak, double Vb, double I) {
  return std::string(leadingBreak ? "<br>" : "") +
         sformat(l, "<P line-height=\"2\">Total power supply %s  %s  %s</p>", fmtVolt(l, "", 0, Vb),
                 fmtMilliAmp(l, "", 3, I * 1000), fmtMilliWatt(l, "", 0, Vb * 1000 * I));
}

double dB(double gain) {
  return 20 * std::log10(std::fabs(gain));
}

} // namespace

SolveResult solveC4(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(2);

  const double Vb = run.supply();
  const double Ra = run.number("EdRa");
  const double Rk1 = run.number("EdRk1");
  const double Rk2 = run.number("EdRk2");
  const double RL = run.number("EdRo");
  const std::string model1 = run.text("LBtube1");
  const std::string model2 = run.text("LBtube2");

  std::optional<TTube> T1 = run.makeTube(model1, "T1");
  if (!T1)
    return run.finish();
  std::optional<TTube> T2 = run.makeTube(model2, "T2");
  if (!T2)
    return run.finish();
  std::optional<TTube> test1 = run.makeTube(model1, "test1");
  std::optional<TTube> test2 = run.makeTube(model2, "test2");

  T1->basicBiasSuccApprox(Vb, Ra, Rk1, traces[0]);
  const double Ia1 = T1->Ia(), Vak1 = T1->Vak(), Vgk1 = T1->Vgk();
  const bool opOK1 = test1->checkOP(Vak1, Vgk1, Ia1, 0);
  const bool vgkOK1 = !(Vgk1 > 0);
  const bool stOK1 = stackOK(1, (Ra + Rk1) * Ia1 + Vak1, Vb);

  // The follower's grid sits on T1's anode.
  const double Vg = Vb - Ra * Ia1;
  const std::string message = T2->basicFollower(Vb, Vg, Rk2, traces[1]);
  if (!message.empty())
    run.message(MessageKind::Error, message);
  const double Ia2 = T2->Ia(), Vak2 = T2->Vak(), Vgk2 = T2->Vgk();
  // The follower's solver holds its grid-to-cathode voltage at 0 or below;
  // when the tube cannot lift its cathode up to the grid, the grid really is
  // Vg − Rk2·Ia2 above the cathode, and that is what the check must judge.
  const bool cathodeBelowGrid = Rk2 * Ia2 < Vg;
  const bool opOK2 = test2->checkOP(Vak2, Vgk2, Ia2, 0);
  const bool vgkOK2 = !(Vgk2 > 0) && !cathodeBelowGrid;
  const bool stOK2 = stackOK(1, Rk2 * Ia2 + Vak2, Vb);

  for (auto [tube, trace] : {std::pair{&*T1, traces[0]}, std::pair{&*T2, traces[1]}}) {
    trace->caption = sformat(l, "C%d - %s %s - Res ±%.0fµA Ia %.2fmA", run.circuit(), tube->Reference(),
                             tube->ModelName(), 1.0, tube->Ia() * 1000);
    trace->Display();
  }

  // DC report
  std::string t = reportHead(l, request.title);
  const bool ok1 = appendErrors(t, true, opOK1, vgkOK1, stOK1, true);
  const bool ok2 = appendErrors(t, true, opOK2, vgkOK2, stOK2, true);
  const bool success = ok1 && ok2;
  if (cathodeBelowGrid)
    t += "<BR><BR><FONT COLOR=\"#DD0000\">Warning: the tube T2 cannot deliver the current<BR>"
         "which is imposed by its (high) grid voltage and (low) cathode resistor.</FONT>";
  t += supplyLine(l, true, Vb, Ia1 + Ia2);
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia1", 3, Ia1 * 1000));
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia2", 3, Ia2 * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va", 3, Vg));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk1", 3, Rk1 * Ia1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk2", 3, Rk2 * Ia2));
  t += "<br>" + T1->displayOP();
  t += "<br>" + T2->displayOP();
  std::vector<TResistor> rows(3);
  setResistor("Ra", rows[0], Ia1, Ra);
  setResistor("Rk1", rows[1], Ia1, Rk1);
  setResistor("Rk2", rows[2], Ia2, Rk2);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report: the follower's grid is an open load for the first stage.
  double A1b = 0, A1u = 0, A2 = 0, Zo = 0;
  std::string ac = "<B>Small signal estimations:</B>";
  ac += textCommonCathode(*T1, 1e8, Rk1, Ra, A1b, A1u);
  ac += textCathodeFollower(*T2, RL, Rk2, A2, Zo);
  ac += sformat(l, "<BR><P INDENT=\"0\">%s or %sdB</P>",
                fmtNum(l, "Total gain (Rk1 BYpassed)   ", 1, A1b * A2), fmtNum(l, "", 1, dB(A1b * A2)));
  ac += sformat(l, "%s or %sdB", fmtNum(l, "Total gain (Rk1 UNbypassed) ", 1, A1u * A2),
                fmtNum(l, "", 1, dB(A1u * A2)));
  r.acReport = ac;

  run.label("LabelVk1", sformat(l, "%.2fV", Rk1 * Ia1));
  run.label("LabelVk2", sformat(l, "%.2fV", Rk2 * Ia2));
  run.label("LabelVg", sformat(l, "%.2fV", Vg));
  run.label("LabelIa1", sformat(l, "%.2fmA", Ia1 * 1000));
  run.label("LabelIa2", sformat(l, "%.2fmA", Ia2 * 1000));
  run.label("LabelIt", sformat(l, "%.2fmA", (Ia1 + Ia2) * 1000));

  plot::StackColumn stage;
  stage.add("Ra", Ra * Ia1, plot::kRed);
  stage.add("T1", Vak1, kYellow);
  stage.add("Rk1", Rk1 * Ia1, plot::kGreen);
  plot::StackColumn follower;
  follower.add("T2", Vak2, plot::kRed);
  follower.add("Rk2", Rk2 * Ia2, kYellow);
  r.stacks = {stage, follower};
  r.stackVb = Vb;

  run.addResultRow(success, {T1->ModelName(),
                             T2->ModelName(),
                             run.cell(0, 1, Vb),
                             run.cell(0, 1, Ra),
                             run.cell(0, 1, Rk1),
                             run.cell(0, 1, Rk2),
                             run.cell(0, 1, Vg),
                             run.cell(1, 1, Rk1 * Ia1),
                             run.cell(1, 1, Rk2 * Ia2),
                             run.cell(0, 1, Vak1),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1000, Ia1),
                             run.cell(0, 1, Vak2),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1000, Ia2),
                             run.cell(0, 1000, (Ia1 + Ia2) * Vb),
                             run.cell(0, 1000, Vak1 * Ia1),
                             run.cell(0, 1000, Ra * Ia1 * Ia1),
                             run.cell(0, 1000, Vak2 * Ia2),
                             run.cell(0, 1000, Rk2 * Ia2 * Ia2),
                             run.cell(0, 1, RL),
                             run.cell(1, 1, A1b),
                             run.cell(2, 1, A2),
                             run.cell(1, 1, A1b * A2),
                             run.cell(0, 1, Zo)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, true, Vb / (Ra + Rk1), Vb));
  r.loadLines.push_back(plot::makeLoadLineData(*T2, true, Vb / Rk2, Vb));

  // Frequency response
  const double Rs = run.number("EdRs"), Rg = run.number("EdRg"), Rgs = run.number("EdRgs");
  const double Cs = orOnePicofarad(run.number("EdCs"));
  const double Cko = orOnePicofarad(run.number("EdCko"));
  const double Cg = run.number("EdCg"), Cgs = run.number("EdCgs"), Ck = run.number("EdCk");
  const double Rko = run.number("EdRko"), Co = run.number("EdCo");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{Rs, Cs, Rg, Cg, Rgs, Cgs, s},
                     std::vector<bool>{ignore, run.ticked("CheckBoxShunted")});
  chain.emplace_back(tqpTubeCatCom, &*T1, std::vector<int>{2}, std::vector<double>{Ra, Rk1, Ck, s},
                     std::vector<bool>{ignore, run.ticked("CheckBoxConnected")});
  chain.emplace_back(tqpTubeCatFol, &*T2, std::vector<int>{3}, std::vector<double>{Rk2, s},
                     std::vector<bool>{ignore});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{Rko, Cko, RL, Co, s},
                     std::vector<bool>{ignore});
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

SolveResult solveC9(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(2);

  const double Vb = run.supply();
  const double Ra1 = run.number("EdRa1");
  const double Ra2 = run.number("EdRa2");
  const double Rk1 = run.number("EdRk1");
  const double Rk2 = run.number("EdRk2");
  const double RL = run.number("EdRo");
  const std::string model1 = run.text("LBtube1");
  const std::string model2 = run.text("LBtube2");

  std::optional<TTube> T1 = run.makeTube(model1, "T1");
  if (!T1)
    return run.finish();
  std::optional<TTube> T2 = run.makeTube(model2, "T2");
  if (!T2)
    return run.finish();
  std::optional<TTube> test1 = run.makeTube(model1, "T1");
  std::optional<TTube> test2 = run.makeTube(model2, "T2");

  T1->basicBiasSuccApprox(Vb, Ra1, Rk1, traces[0]);
  const double Ia1 = T1->Ia(), Vak1 = T1->Vak(), Vgk1 = T1->Vgk();
  const bool opOK1 = test1->checkOP(Vak1, Vgk1, Ia1, 0);
  const bool vgkOK1 = Vgk1 < 0;
  const bool stOK1 = stackOK(1, (Ra1 + Rk1) * Ia1 + Vak1, Vb);

  // The second grid sits on the first anode.
  const double Vg = Vb - Ra1 * Ia1;
  const std::string message = T2->gridFixedBiasDephaseur(Vb, Vg, Ra2, Rk2, traces[1]);
  if (!message.empty())
    run.message(MessageKind::Error, message);
  const double Ia2 = T2->Ia(), Vak2 = T2->Vak(), Vgk2 = T2->Vgk();
  const bool opOK2 = test2->checkOP(Vak2, Vgk2, Ia2, 0);
  const bool vgkOK2 = Vgk2 < 0;
  const bool stOK2 = stackOK(1, (Ra2 + Rk2) * Ia2 + Vak2, Vb);

  // DC report
  std::string t = reportHead(l, request.title);
  const bool ok1 = appendErrors(t, true, opOK1, vgkOK1, stOK1, true);
  const bool ok2 = appendErrors(t, true, opOK2, vgkOK2, stOK2, true);
  const bool success = ok1 && ok2;
  t += supplyLine(l, false, Vb, Ia1 + Ia2);
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia1", 3, Ia1 * 1000));
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia2", 3, Ia2 * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va1", 3, Vg));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va2", 3, Vb - Ra2 * Ia2));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk1", 3, Rk1 * Ia1));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk2", 3, Rk2 * Ia2));
  t += "<br>" + T1->displayOP();
  t += "<br>" + T2->displayOP();
  std::vector<TResistor> rows(4);
  setResistor("Ra1", rows[0], Ia1, Ra1);
  setResistor("Ra2", rows[1], Ia2, Ra2);
  setResistor("Rk1", rows[2], Ia1, Rk1);
  setResistor("Rk2", rows[3], Ia2, Rk2);
  t += "<br>" + resistorTable(l, rows);
  if (Rk2 * Ia2 < Vg)
    t += "<br>Tube T2 cannot deliver current in these conditions";
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report: the second grid is an open load for the first stage.
  double A1b = 0, A1u = 0, A2b = 0, A2u = 0;
  std::string ac = "Small signal estimations:";
  ac += "<BR>" + textCommonCathode(*T1, 1e8, Rk1, Ra1, A1b, A1u) + "<P INDENT=\"0\"></P>";
  ac += "<BR>" + textCommonCathode(*T2, RL, Rk2, Ra2, A2b, A2u) + "<P INDENT=\"0\"></P>";
  ac += sformat(l, "<BR>Total gain, BYpassed cathode resistors   %s %0.1fdB", fmtNum(l, "", 2, A1b * A2b),
                dB(A1b * A2b));
  ac += sformat(l, "<BR>Total gain, UNbypassed cathode resistors %s %0.1fdB", fmtNum(l, "", 2, A1u * A2u),
                dB(A1u * A2u));
  r.acReport = ac;

  run.label("LabelVa1", sformat(l, "%.1fV", Vg));
  run.label("LabelVa2", sformat(l, "%.1fV", Vb - Ra2 * Ia2));
  run.label("LabelVk1", sformat(l, "%.1fV", Rk1 * Ia1));
  run.label("LabelVk2", sformat(l, "%.1fV", Rk2 * Ia2));
  run.label("LabelIa1", sformat(l, "%.1fmA", Ia1 * 1000));
  run.label("LabelIa2", sformat(l, "%.1fmA", Ia2 * 1000));
  run.label("LabelIt", sformat(l, "%.1fmA", (Ia1 + Ia2) * 1000));

  plot::StackColumn first;
  first.add("Ra1", Ra1 * Ia1, plot::kRed);
  first.add("T1", Vak1, kOrange);
  first.add("Rk1", Rk1 * Ia1, plot::kGreen);
  plot::StackColumn second;
  second.add("Ra2", Ra2 * Ia2, plot::kRed);
  second.add("T2", Vak2, kOrange);
  second.add("Rk2", Rk2 * Ia2, kYellow);
  r.stacks = {first, second};
  r.stackVb = Vb;

  run.addResultRow(success, {T1->ModelName(),
                             T2->ModelName(),
                             run.cell(0, 1, Vb),
                             run.cell(0, 1, Ra1),
                             run.cell(0, 1, Ra2),
                             run.cell(0, 1, Rk1),
                             run.cell(0, 1, Rk2),
                             run.cell(0, 1, Vg),
                             run.cell(0, 1, Vb - Ra2 * Ia2),
                             run.cell(1, 1, Rk1 * Ia1),
                             run.cell(1, 1, Rk2 * Ia2),
                             run.cell(0, 1, Vak1),
                             run.cell(3, 1, Vgk1),
                             run.cell(3, 1000, Ia1),
                             run.cell(0, 1, Vak2),
                             run.cell(3, 1, Vgk2),
                             run.cell(3, 1000, Ia2),
                             run.cell(0, 1000, (Ia1 + Ia2) * Vb),
                             run.cell(0, 1000, Vak1 * Ia1),
                             run.cell(0, 1000, Ra1 * Ia1 * Ia1),
                             run.cell(0, 1000, Vak2 * Ia2),
                             run.cell(0, 1000, Ra2 * Ia2 * Ia2),
                             run.cell(0, 1000, Rk2 * Ia2 * Ia2),
                             run.cell(0, 1, RL),
                             run.cell(0, 1, A1b),
                             run.cell(0, 1, A1u),
                             run.cell(1, 1, A2b),
                             run.cell(1, 1, A2u)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, true, Vb / (Ra1 + Rk1), Vb));
  r.loadLines.push_back(plot::makeLoadLineData(*T2, true, Vb / (Ra2 + Rk2), Vb));

  // Frequency response: both cathode capacitors are in place.
  const double Rs = run.number("EdRs"), Rg = run.number("EdRg"), Rgs = run.number("EdRgs");
  const double Cs = orOnePicofarad(run.number("EdCs"));
  const double Ca = orOnePicofarad(run.number("EdCa"));
  const double Cg = run.number("EdCg"), Cgs = run.number("EdCgs");
  const double Ck1 = run.number("EdCk1"), Ck2 = run.number("EdCk2"), Co = run.number("EdCo");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{Rs, Cs, Rg, Cg, Rgs, Cgs, s}, std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeCatCom, &*T1, std::vector<int>{2}, std::vector<double>{Ra1, Rk1, Ck1, s},
                     std::vector<bool>{ignore, true});
  chain.emplace_back(tqpTubeCatCom, &*T2, std::vector<int>{3}, std::vector<double>{Ra2, Rk2, Ck2, s},
                     std::vector<bool>{ignore, true});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ca, RL, Co, s},
                     std::vector<bool>{ignore});
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

} // namespace velmorin
