// Circuit C1: the common-cathode amplifier with cathode bias.
#include "solvers/Circuits.h"

#include "plot/Colors.h"
#include "solvers/Framework.h"
#include "solvers/ResistorTable.h"
#include "solvers/SolverRun.h"
#include "solvers/StageTexts.h"
#include "text/Format.h"
#include "text/ReportValues.h"

namespace velmorin {

SolveResult solveC1(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(1);

  const double Vb = run.supply();
  const double Ra = run.number("EdRa");
  const double Rk = run.number("EdRk");
  const double RL = run.number("EdRo");
  const std::string model = run.text("LBtube");

  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  T1->basicBiasSuccApprox(Vb, Ra, Rk, traces[0]);
  std::optional<TTube> test = run.makeTube(model, "test");

  const double Ia = T1->Ia(), Vak = T1->Vak(), Vgk = T1->Vgk();
  const bool opOK = test->checkOP(Vak, Vgk, Ia, 0);
  const bool vgkOK = Vgk < 0;
  const bool stOK = stackOK(1, Ra * Ia + Vak + Rk * Ia, Vb);

  // DC report
  std::string t = reportHead(l, request.title);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, true);
  t += sformat(l, "<br><P line-height=\"2\">Total power supply %s  %s  %s</p>", fmtVolt(l, "", 0, Vb),
               fmtMilliAmp(l, "", 3, Ia * 1000), fmtMilliWatt(l, "", 0, Vb * 1000 * Ia));
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia", 3, Ia * 1000));
  t += sformat(l, "<br>%s", fmtVolt(l, "Va", 1, Vb - Ra * Ia));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk", 3, Rk * Ia));
  t += "<br>" + T1->displayOP();
  std::vector<TResistor> rows(2);
  setResistor("Ra", rows[0], Ia, Ra);
  setResistor("Rk", rows[1], Ia, Rk);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  double Abyp = 0, Aunb = 0;
  r.acReport = "<B>Small signal estimations:</B>" + textCommonCathode(*T1, RL, Rk, Ra, Abyp, Aunb);

  run.label("LabelVa", sformat(l, "%.1fV", Vb - Ra * Ia));
  run.label("LabelVk", sformat(l, "%.2fV", Rk * Ia));
  run.label("LabelIa", sformat(l, "%.2fmA", Ia * 1000));

  plot::StackColumn column;
  column.add("Ra", Ra * Ia, plot::kRed);
  column.add("T1", Vak, 0xFFFFFF00 /* yellow */);
  column.add("Rk", Rk * Ia, plot::kGreen);
  r.stacks.push_back(column);
  r.stackVb = Vb;

  run.addResultRow(success, {T1->ModelName(), run.cell(0, 1, Vb), run.cell(0, 1, Ra), run.cell(0, 1, Rk),
                             run.cell(0, 1, Vb - Ra * Ia), run.cell(3, 1, Rk * Ia), run.cell(0, 1, Vak),
                             run.cell(3, 1, Vgk), run.cell(3, 1000, Ia), run.cell(0, 1000, Vb * Ia),
                             run.cell(0, 1000, Vak * Ia), run.cell(0, 1000, Ra * Ia * Ia), run.cell(0, 1, RL),
                             run.cell(1, 1, Abyp), run.cell(1, 1, Aunb)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, true, Vb / (Ra + Rk), Vb));

  // Frequency response
  const double Rs = run.number("EdRs"), Rg = run.number("EdRg"), Rgs = run.number("EdRgs");
  const double Cgs = orOnePicofarad(run.number("EdCgs"));
  const double Cin = orOnePicofarad(run.number("EdCi"));
  const double Cout = orOnePicofarad(run.number("EdCs"));
  const double Ck = run.number("EdCk"), Co = run.number("EdCo"), Cg = run.number("EdCg");
  const bool ckConnected = run.ticked("CheckBoxCkconnected");
  const bool cinShunted = run.ticked("CheckBoxC1shunted");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{Rs, Cin, Rg, Cg, Rgs, Cgs, s},
                     std::vector<bool>{ignore, cinShunted});
  chain.emplace_back(tqpTubeCatCom, &*T1, std::vector<int>{2}, std::vector<double>{Ra, Rk, Ck, s},
                     std::vector<bool>{ignore, ckConnected});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Cout, RL, Co, s},
                     std::vector<bool>{ignore});
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

} // namespace velmorin
