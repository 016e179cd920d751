// TTube: one tube of a circuit. Holds a model's NK parameters, limits and
// capacitances, its label in the circuit and one operating point; evaluates
// the NK triode and pentode equations, the small-signal parameters, the
// operating-point report and the bias-point solvers.
//
// Every evaluation stores the evaluated point in the object: the bias
// solvers hand their solution back this way, and callers read Vak, Vgk, Ia
// (and Vek, Ie) from the object afterwards.
#pragma once

#include "models/Trace.h"
#include "models/TubeModel.h"
#include "text/Locale.h"

#include <string>

namespace velmorin {

class TTube {
public:
  TTube() = default;
  // `locale` sets the separators of the texts the tube writes (operating-point
  // report, solver messages, trace captions).
  TTube(const TubeModel& model, std::string reference, Locale locale = Locale{});

  // --- model parameters -----------------------------------------------------
  double kp() const { return Fkp; }
  double mu() const { return Fmu; }
  double kvb() const { return Fkvb; }
  double Ex() const { return FEx; }
  double Kg1() const { return FKg1; }
  double Pamax() const { return FPamax; }
  void setPamax(double v) { FPamax = v; }
  double Iamax() const { return FIamax; }
  void setIamax(double v) { FIamax = v; }
  double Vamax() const { return FVamax; }
  double Pemax() const { return FPemax; }
  double Vemax() const { return FVemax; }
  double Cgk() const { return FCgk; }
  void setCgk(double v) { FCgk = v; }
  double Cga() const { return FCga; }
  void setCga(double v) { FCga = v; }
  double Cak() const { return FCak; }
  void setCak(double v) { FCak = v; }
  int t35() const { return FT35; }
  const std::string& Reference() const { return FReference; }
  const std::string& ModelName() const { return FName; }
  const Locale& locale() const { return FLocale; }

  // --- operating point --------------------------------------------------------
  double Vak() const { return FVak; }
  void setVak(double v) { FVak = v; }
  double Vgk() const { return FVgk; }
  void setVgk(double v) { FVgk = v; }
  double Ia() const { return FIa; }
  void setIa(double v) { FIa = v; }
  double Vek() const { return FVek; }
  void setVek(double v) { FVek = v; }
  double Ie() const { return FIe; }
  void setIe(double v) { FIe = v; }

  // --- small-signal values at the operating point ------------------------------
  double ρ() const { return Fρ; }
  double µ() const { return Fµ; }
  double gm() const { return Fgm; }

  // --- equations ----------------------------------------------------------------
  // NK triode equation; stores FVak, FVgk, FIa.
  void CalculerNK(double Vak, double Vgk, double& Ia);
  // NK pentode equation with the screen current; stores FIa, FIe, FVak, FVgk, FVek.
  double CalculerNKpentode(double Vak, double Vgk, double Vek);
  // Screen current alone; stores FIe, FVgk, FVek.
  double CalculerEcranPentode(double Vgk, double Vek);
  // "triode", "pentode" or "".
  std::string getType() const;
  // The current at (Vak, Vgk) by the tube's kind, Vek the screen voltage of a pentode.
  double currentByKind(double Vak, double Vgk, double Vek);

  // --- small-signal parameters and reports ----------------------------------------
  void calculerParamètresIntrinsèques();
  double getGm();
  double getRo();
  double getMu();
  double getGm(double Va, double Vg, double Vs);
  double getRo(double Va, double Vg, double Vs);
  double getMu(double Va, double Vg, double Vs);
  bool checkOP(double Vak, double Vgk, double Ia, double Vsk);
  bool LoadLineNullVgk(double Vb, double sumR, double& Vakmin, double& Iamax);
  bool loadLineOK(double VB, double sumR, double Vakmin, double Iamax) const;
  std::string displayOP() const;

  // --- bias-point solvers (trace may be null: no trace) --------------------------------
  double getMaxCurrent(double Vak);
  double basicBiasSuccApprox(double Vb, double Ra, double Rk, Trace* trace);
  int basicBiasPoints(double Vb, double Ra, double Rk, double& Vak, double& Vgk, double& Ia, Trace* trace);
  int gridBiasPoints(double Vb, double Ra, double Rk, double Vg, double& Vak, double& Vgk, double& Ia,
                     Trace* trace);
  std::string gridFixedBiasDephaseur(double Vb, double Vg, double Ra, double Rk, Trace* trace);
  std::string basicFollower(double Vb, double Vg, double Rk, Trace* trace);
  double whichVg(double Ia, double Va, double Vs);
  double whichVa(double Ia, double Vg, double Vs);
  double whichVgOld(double Ia, double Va, double Vs, double vgstart);

  // Sets the trace line "C%d - %s %s - %d iter. Res ±%.0fµA Ia %.2f=>%.2fmA" on
  // `trace` (if any) and asks for a redraw.
  void setTraceCaption(Trace* trace, int iterations, double tolerance, double startCurrent) const;

private:
  double Fkp = 0, Fmu = 0, Fkvb = 0, FEx = 0, FKg1 = 0, FKg2 = 0;
  double FIamax = 0, FPamax = 0, FVamax = 0, FPemax = 0, FVemax = 0;
  double FIa = 0, FVak = 0, FVgk = 0, FVek = 0, FIe = 0;
  double Fµ = 0, Fgm = 0, Fρ = 0;
  double FCgk = 0, FCga = 0, FCak = 0;
  std::string FReference;
  std::string FName;
  int FT35 = 0;
  Locale FLocale;
};

} // namespace velmorin
