// Circuits C2, C3, C5: cathodynes and the cathode follower.
#include "solvers/Circuits.h"

#include "plot/Colors.h"
#include "solvers/Framework.h"
#include "solvers/ResistorTable.h"
#include "solvers/SolverRun.h"
#include "solvers/StageTexts.h"
#include "text/Format.h"
#include "text/ReportValues.h"

namespace velmorin {

namespace {

constexpr plot::Argb kYellow = 0xFFFFFF00;
constexpr plot::Argb kOrange = 0xFFFF7F00;

constexpr const char* kNullResistor = "Resistor(s) cannot be null !";

// The supply line of the DC report, without its leading line break.
std::string supplyLine(const Locale& l, double Vb, double Ia) {
  return sformat(l, "<P line-height=\"2\">Total power supply %s  %s  %s</p>", fmtVolt(l, "", 0, Vb),
                 fmtMilliAmp(l, "", 3, Ia * 1000), fmtMilliWatt(l, "", 0, Vb * 1000 * Ia));
}

// A grid held at Vg above a cathode resistor Rk forces at least Vg/Rk through
// the tube; this is the refusal when even zero bias cannot carry it.
std::string minimalCurrentMessage(const Locale& l, double Vg, double Rk, double Imax, double Vak) {
  return sformat(l,
                 "The circuit cannot be operated normally:\n\nthe tube cannot provide the minimal current\n  "
                 "%.0fmA (%.0fV onto %.0fΩ),\n\nbeing itself limited to\n  %.1fmA @ Vgk null and Vak=%.0fV",
                 Vg * 1000 / Rk, Vg, Rk, Imax * 1000, Vak) +
         "\n\nSuggestions:\n- reduce the DC voltage on grid\n- increase the value of Rk2\n- use a tube able "
         "to "
         "deliver more current";
}

// The two output networks of a cathodyne, on the anode (index 2) and on the
// cathode (index 3).
void addCathodyneOutputs(std::vector<TQuadripole>& chain, double Ca, double Rao, double Cao, double Ck,
                         double Rko, double Cko, double s, bool ignore) {
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ca, Rao, Cao, s},
                     std::vector<bool>{ignore});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{0, Ck, Rko, Cko, s},
                     std::vector<bool>{ignore});
}

} // namespace

// The cathodyne with self bias: cathode → Rgk → grid return point → Rk →
// ground, the grid resistor returning to the junction of Rgk and Rk. Seen
// from the tube this is a self-biased stage with Rgk as cathode resistor and
// Ra + Rk as anode load.
SolveResult solveC2(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();
  std::vector<Trace*> traces = run.openConvergenceWindows(1);

  const double Vb = run.supply();
  const double Ra = run.number("EdRa");
  const double Rgk = run.number("EdRgk");
  const double Rg = run.number("EdRg");
  const double Rk = run.number("EdRk");
  const double Rao = run.number("EdRao");
  const double Rko = run.number("EdRko");
  const std::string model = run.text("LBtube");

  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  T1->basicBiasSuccApprox(Vb, Ra + Rk, Rgk, traces[0]);

  const double Ia = T1->Ia(), Vak = T1->Vak(), Vgk = T1->Vgk();
  bool opOK = false;
  {
    std::optional<TTube> test = run.makeTube(model, "test");
    opOK = test->checkOP(Vak, Vgk, Ia, 0);
  }
  const bool vgkOK = Vgk < 0;
  const bool stOK = stackOK(1, (Ra + Rgk + Rk) * Ia + Vak, Vb);

  const double Va = Vb - Ra * Ia;
  const double Vk = (Rgk + Rk) * Ia;
  const double Vg = Rk * Ia;

  // DC report
  std::string t = reportHead(l, request.title);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, true);
  t += supplyLine(l, Vb, Ia);
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia", 3, Ia * 1000));
  t += sformat(l, "<br>Va %0.2fV", Va);
  t += sformat(l, "<br>Vk %0.2fV", Vk);
  t += sformat(l, "<br>Vg %0.2fV", Vg);
  t += sformat(l, "<br>%s", fmtVolt(l, "Va", 3, Va));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk", 3, Vk));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vg", 3, Vg));
  t += "<br>" + T1->displayOP();
  std::vector<TResistor> rows(3);
  setResistor("Ra", rows[0], Ia, Ra);
  setResistor("Rgk", rows[1], Ia, Rgk);
  setResistor("Rk", rows[2], Ia, Rk);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  T1->calculerParamètresIntrinsèques();
  double Aa = 0, Ak = 0;
  std::string ac = "<B>Small signal estimations:</B>";
  ac += sformat(l, "<BR>%s", textCathodyne(*T1, Rko, Rk, Rao, Ra, Aa, Ak));
  // The grid resistor is bootstrapped by the cathode gain.
  const double Zin = Rg / (1 - Ak);
  ac += sformat(l, "<BR><BR>Input impedance (Rgk BYpassed) <FONT COLOR=\"#601010\">%.0f kΩ</FONT>",
                Zin * 0.001);
  r.acReport = ac;

  run.label("LabelVa", sformat(l, "%.1fV", Va));
  run.label("LabelVk", sformat(l, "%.2fV", Vk));
  run.label("LabelVg", sformat(l, "%.2fV", Vg));
  run.label("LabelIa", sformat(l, "%.2fmA", Ia * 1000));

  plot::StackColumn column;
  column.add("Ra", Ra * Ia, plot::kRed);
  column.add("T1", Vak, kYellow);
  column.add("Rgk", Rgk * Ia, plot::kGreen);
  column.add("Rk", Rk * Ia, kOrange);
  r.stacks.push_back(column);
  r.stackVb = Vb;

  run.addResultRow(
      success, {T1->ModelName(), run.cell(0, 1, Vb), run.cell(0, 1, Ra), run.cell(0, 1, Rgk),
                run.cell(0, 1, Rk), run.cell(0, 1, Va), run.cell(1, 1, Vk), run.cell(1, 1, Vg),
                run.cell(1, 1, Vak), run.cell(3, 1, Vgk), run.cell(3, 1000, Ia), run.cell(0, 1000, Vb * Ia),
                run.cell(0, 1000, Vak * Ia), run.cell(0, 1000, Ra * Ia * Ia), run.cell(0, 1000, Rk * Ia * Ia),
                run.cell(0, 1, Rao), run.cell(0, 1, Rko), run.cell(2, 1, Aa), run.cell(2, 1, Ak)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, true, Vb / (Ra + Rgk + Rk), Vb));

  // Frequency response. The input network is the coupling capacitor alone:
  // the grid resistor belongs to the tube stage, where the cathode
  // bootstraps it.
  const double Cg = orOnePicofarad(run.number("EdCg"));
  const double Ca = orOnePicofarad(run.number("EdCa"));
  const double Ck = orOnePicofarad(run.number("EdCk"));
  const double Cao = run.number("EdCao"), Cko = run.number("EdCko"), Cgk = run.number("EdCgk");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{0, Cg, 1e12, 1e-12, 0, 1e-12, s}, std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeCathodyne, &*T1, std::vector<int>{2, 3},
                     std::vector<double>{Ra, Rk, Rg, Rgk, Cgk, s}, std::vector<bool>{ignore});
  addCathodyneOutputs(chain, Ca, Rao, Cao, Ck, Rko, Cko, s, ignore);
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

// The cathode follower with its grid held at a fixed DC voltage Vg.
SolveResult solveC3(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();

  const double Vb = run.supply();
  const double Vg = run.number("EdVg");
  const double Rk = run.number("EdRk");
  const double Ro = run.number("EdRo");
  const std::string model = run.text("LBtube");
  if (Rk == 0)
    return run.refuse(kNullResistor, RefusedAs::Report);

  std::vector<Trace*> traces = run.openConvergenceWindows(1);
  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  const std::string message = T1->basicFollower(Vb, Vg, Rk, traces[0]);
  if (!message.empty())
    run.message(MessageKind::Error, message);
  if (Trace* w = traces[0]) {
    w->caption = sformat(l, "C%d - %s %s - Res ±%.0fµA Ia %.2fmA", run.circuit(), T1->Reference(),
                         T1->ModelName(), 1.0, T1->Ia() * 1000);
    w->Display();
  }

  const double Ia = T1->Ia(), Vak = T1->Vak(), Vgk = T1->Vgk();
  bool opOK = false;
  {
    std::optional<TTube> test = run.makeTube(model, "test");
    opOK = test->checkOP(Vak, Vgk, Ia, 0);
  }
  // The grid may sit at the cathode's voltage here: only a positive grid fails.
  const bool vgkOK = !(Vgk > 0);
  const bool stOK = stackOK(1, Rk * Ia + Vak, Vb);

  // DC report
  std::string t = reportHead(l, request.title);
  const bool success = appendErrors(t, true, opOK, vgkOK, stOK, true);
  t += supplyLine(l, Vb, Ia);
  t += sformat(l, "<br>%s", fmtMilliAmp(l, "Ia", 3, Ia * 1000));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vg", 3, Vg));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk", 3, Rk * Ia));
  t += "<br>" + T1->displayOP();
  std::vector<TResistor> rows(1);
  setResistor("Rk", rows[0], Ia, Rk);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  double A = 0, Zo = 0;
  r.acReport = "<BR><BR><B>Small signal estimations:</B>" + textCathodeFollower(*T1, Ro, Rk, A, Zo);

  run.label("LabelVk", sformat(l, "%.2fV", Rk * Ia));
  run.label("LabelIa", sformat(l, "%.2fmA", Ia * 1000));

  plot::StackColumn column;
  column.add("T1", Vak, plot::kRed);
  column.add("Rk", Rk * Ia, kYellow);
  r.stacks.push_back(column);
  r.stackVb = Vb;

  run.addResultRow(success,
                   {T1->ModelName(), run.cell(0, 1, Vb), run.cell(0, 1, Vg), run.cell(0, 1, Rk),
                    run.cell(1, 1, Rk * Ia), run.cell(1, 1, Vak), run.cell(3, 1, Vgk), run.cell(3, 1000, Ia),
                    run.cell(0, 1000, Vb * Ia), run.cell(0, 1000, Vak * Ia), run.cell(0, 1000, Rk * Ia * Ia),
                    run.cell(0, 1, Ro), run.cell(2, 1, A), run.cell(0, 1, Zo)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, true, Vb / Rk, Vb));

  // Frequency response; the output network has its own series resistance Rs.
  const double Rs = run.number("EdRs"), Rg = run.number("EdRg"), Co = run.number("EdCo");
  const double Cg = orOnePicofarad(run.number("EdCg"));
  const double Cs = orOnePicofarad(run.number("EdCs"));
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1}, std::vector<double>{0, Cg, Rg, 0, 0, 0, s},
                     std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeCatFol, &*T1, std::vector<int>{2}, std::vector<double>{Rk, s},
                     std::vector<bool>{ignore});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{}, std::vector<double>{Rs, Cs, Ro, Co, s},
                     std::vector<bool>{ignore});
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

// The cathodyne with its grid held at a fixed DC voltage Vg.
SolveResult solveC5(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  const Locale& l = run.loc();

  const double Vb = run.supply();
  const double Ra = run.number("EdRa");
  const double Rk = run.number("EdRk");
  const double Rao = run.number("EdRao");
  const double Rko = run.number("EdRko");
  const double Vg = run.number("EdVg");
  const std::string model = run.text("LBtube");
  if (Rk == 0)
    return run.refuse(kNullResistor, RefusedAs::Report);

  std::optional<TTube> T1 = run.makeTube(model, "T1");
  if (!T1)
    return run.finish();
  const double Imax = T1->getMaxCurrent(Vb - Vg);
  if (Vg / Rk > Imax)
    return run.refuse(minimalCurrentMessage(l, Vg, Rk, Imax, Vb - Vg), RefusedAs::Box);

  std::vector<Trace*> traces = run.openConvergenceWindows(1);
  const std::string message = T1->gridFixedBiasDephaseur(Vb, Vg, Ra, Rk, traces[0]);
  if (!message.empty())
    run.message(MessageKind::Error, message);
  if (Trace* w = traces[0]) {
    w->caption = sformat(l, "C%d - %s %s Res ±%.0fµA Ia %.2f=>%.2fmA", run.circuit(), T1->Reference(),
                         T1->ModelName(), 1.0, Vg * 1000 / Rk, T1->Ia() * 1000);
    w->Display();
  }

  const double Ia = T1->Ia(), Vak = T1->Vak(), Vgk = T1->Vgk();
  bool loadlineOK = true, opOK = false;
  {
    std::optional<TTube> test = run.makeTube(model, "test");
    if (Ra + Rk > 0) {
      double Vakmin = 0, Iamax = 0;
      loadlineOK =
          test->LoadLineNullVgk(Vb, Ra + Rk, Vakmin, Iamax) && T1->loadLineOK(Vb, Ra + Rk, Vakmin, Iamax);
    }
    opOK = test->checkOP(Vak, Vgk, Ia, 0);
  }
  // The cathode must also stand above the grid's fixed voltage.
  const bool vgkOK = Vgk < 0 && Rk * Ia > Vg;
  const bool stOK = stackOK(1, (Rk + Ra) * Ia + Vak, Vb);

  // DC report
  std::string t = reportHead(l, request.title);
  const bool success = appendErrors(t, loadlineOK, opOK, vgkOK, stOK, true);
  t += "<br>" + supplyLine(l, Vb, Ia);
  t += sformat(l, "<br><br>%s", fmtMilliAmp(l, "Ia", 3, Ia * 1000));
  t += sformat(l, "<br><br>%s", fmtVolt(l, "Va", 3, Vb - Ra * Ia));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vg", 3, Vg));
  t += sformat(l, "<br>%s", fmtVolt(l, "Vk", 3, Rk * Ia));
  t += "<br>" + T1->displayOP();
  std::vector<TResistor> rows(2);
  setResistor("Ra", rows[0], Ia, Ra);
  setResistor("Rk", rows[1], Ia, Rk);
  t += "<br>" + resistorTable(l, rows);
  SolveResult& r = run.result();
  r.dcReport = t;

  // AC report
  T1->calculerParamètresIntrinsèques();
  double Aa = 0, Ak = 0;
  r.acReport = "<B>Small signal estimations:</B><BR>" + textCathodyne(*T1, Rko, Rk, Rao, Ra, Aa, Ak);

  run.label("LabelVk", sformat(l, "%.2fV", Rk * Ia));
  run.label("LabelVa", sformat(l, "%.2fV", Vb - Ra * Ia));
  run.label("LabelIa", sformat(l, "%.2fmA", Ia * 1000));

  // The grid divider, then the tube's own path.
  plot::StackColumn divider;
  divider.add("", Vb - Vg, plot::kWhite);
  divider.add("Vg", Vg, kYellow);
  r.stacks.push_back(divider);
  plot::StackColumn path;
  path.add("Ra", Ra * Ia, plot::kRed);
  path.add("T1", Vak, kOrange);
  path.add("Rk", Rk * Ia, kYellow);
  r.stacks.push_back(path);
  r.stackVb = Vb;

  run.addResultRow(
      success, {T1->ModelName(), run.cell(0, 1, Vb), run.cell(0, 1, Vg), run.cell(0, 1, Ra),
                run.cell(0, 1, Vb - Ra * Ia), run.cell(0, 1, Rk), run.cell(0, 1, Rk * Ia),
                run.cell(0, 1, Vak), run.cell(3, 1, Vgk), run.cell(3, 1000, Ia), run.cell(0, 1000, Vb * Ia),
                run.cell(0, 1000, Vak * Ia), run.cell(0, 1000, Ra * Ia * Ia), run.cell(0, 1000, Rk * Ia * Ia),
                run.cell(0, 1, Rao), run.cell(0, 1, Rko), run.cell(2, 1, Aa), run.cell(2, 1, Ak)});

  r.loadLines.push_back(plot::makeLoadLineData(*T1, true, Vb / (Ra + Rk), Vb));

  // Frequency response. The grid is driven from a fixed voltage, so there is
  // no grid-to-cathode resistor to bootstrap: the stage's grid resistor is
  // "none" (1e12) and its Rgk 0.
  const double Rg = run.number("EdRg");
  const double Cg = orOnePicofarad(run.number("EdCg"));
  const double Ca = orOnePicofarad(run.number("EdCa"));
  const double Ck = orOnePicofarad(run.number("EdCk"));
  const double Cao = run.number("EdCao"), Cko = run.number("EdCko");
  const double s = run.strayCap();
  const bool ignore = run.ignoreMiller();
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{0, Cg, Rg, 1e-12, 0, 1e-12, s}, std::vector<bool>{ignore, false});
  chain.emplace_back(tqpTubeCathodyne, &*T1, std::vector<int>{2, 3},
                     std::vector<double>{Ra, Rk, 1e12, 0, 1e-12, s}, std::vector<bool>{ignore});
  addCathodyneOutputs(chain, Ca, Rao, Cao, Ck, Rko, Cko, s, ignore);
  run.frequencyResponse(std::move(chain));
  return run.finish();
}

} // namespace velmorin
