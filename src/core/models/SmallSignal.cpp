// Small-signal parameters by finite differences, the consistency test of a
// solved point and the meeting of a load line with the zero-bias curve.
#include "models/TTube.h"

#include <cmath>

namespace velmorin {

namespace {

// 0.1 V over the current step. A flat curve (deep cut-off) has no finite
// internal resistance: it reads 0 there, and so does a step so small that the
// quotient overflows.
double resistance(double dV, double dI) {
  if (dI == 0)
    return 0;
  const double r = dV / dI;
  return std::isinf(r) ? 0 : r;
}

} // namespace

void TTube::calculerParamètresIntrinsèques() {
  const double Vak0 = FVak, Vgk0 = FVgk, Ia0 = FIa, Ie0 = FIe;

  const double Iplus = currentByKind(Vak0 + 0.1, Vgk0, FVek);
  FVak = Vak0;
  const double Iminus = currentByKind(Vak0 - 0.1, Vgk0, FVek);
  Fρ = resistance(2 * 0.1, Iplus - Iminus);
  FVak = Vak0;

  const double Jminus = currentByKind(Vak0, Vgk0 - 0.05, FVek);
  FVgk = Vgk0;
  const double Jplus = currentByKind(Vak0, Vgk0 + 0.05, FVek);
  Fgm = (Jplus - Jminus) * 0.5 / 0.05;
  FVgk = Vgk0;

  Fµ = Fρ * Fgm;
  FIa = Ia0;
  FIe = Ie0;
}

double TTube::getGm() {
  const double Vak0 = FVak, Vgk0 = FVgk, Ia0 = FIa;
  double I0 = 0, I1 = 0;
  CalculerNK(Vak0, Vgk0, I0);
  CalculerNK(Vak0, Vgk0 - 0.01, I1);
  const double gm = (I1 - I0) / (-0.01);
  FVak = Vak0;
  FVgk = Vgk0;
  FIa = Ia0;
  return gm;
}

double TTube::getRo() {
  const double Vak0 = FVak, Vgk0 = FVgk, Ia0 = FIa;
  double I0 = 0, I1 = 0;
  CalculerNK(Vak0, Vgk0, I0);
  CalculerNK(Vak0 + 0.1, Vgk0, I1);
  const double ro = resistance(0.1, I1 - I0);
  FVak = Vak0;
  FVgk = Vgk0;
  FIa = Ia0;
  return ro;
}

double TTube::getMu() {
  const double ro = getRo();
  return ro * getGm();
}

double TTube::getGm(double Va, double Vg, double Vs) {
  const double I0 = currentByKind(Va, Vg, Vs);
  const double I1 = currentByKind(Va, Vg - 0.01, Vs);
  return (I1 - I0) / (-0.01);
}

double TTube::getRo(double Va, double Vg, double Vs) {
  const double I0 = currentByKind(Va, Vg, Vs);
  const double I1 = currentByKind(Va + 0.1, Vg, Vs);
  return resistance(0.1, I1 - I0);
}

double TTube::getMu(double Va, double Vg, double Vs) {
  const double ro = getRo(Va, Vg, Vs);
  return ro * getGm(Va, Vg, Vs);
}

bool TTube::checkOP(double Vak, double Vgk, double Ia, double Vsk) {
  const double I = currentByKind(Vak, Vgk, Vsk);
  return std::fabs(Ia - I) < 1e-5;
}

bool TTube::LoadLineNullVgk(double Vb, double sumR, double& Vakmin, double& Iamax) {
  // Without resistance the load line stands upright at Vb: it meets the curve
  // there, and the damped search below would start from an infinite current.
  if (!(sumR > 0)) {
    Vakmin = Vb < 0 ? 1.0 : Vb;
    CalculerNK(Vakmin, 0, Iamax);
    return true;
  }
  double I = Vb / sumR / 2;
  for (int i = 1; i < 2000; ++i) {
    Vakmin = Vb - sumR * I;
    if (Vakmin < 0)
      Vakmin = 1.0;
    CalculerNK(Vakmin, 0, Iamax);
    const double d = Iamax - I;
    if (std::fabs(d) < 1e-5)
      return true;
    I = I + d / 20;
  }
  return false;
}

bool TTube::loadLineOK(double VB, double sumR, double Vakmin, double Iamax) const {
  const double Iline = (VB - FVak) / sumR;
  if (FVak < Vakmin)
    return false;
  if (!(FIa < Iamax + 3e-5))
    return false;
  return std::fabs(FIa - Iline) < 3e-5;
}

} // namespace velmorin
