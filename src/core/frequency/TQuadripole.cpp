#include "frequency/TQuadripole.h"

#include "models/TTube.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace velmorin {

namespace {

constexpr double kOpen = std::numeric_limits<double>::infinity();

// The impedance helpers take their limits where a part is open (infinite) or
// both branches are shorted, so an absent load or a missing capacitor does
// not turn into 0/0.
double par(double a, double b) {
  if (std::isinf(a))
    return b;
  if (std::isinf(b))
    return a;
  const double sum = a + b;
  if (sum == 0)
    return 0;
  return a * b / sum;
}

struct AtFrequency {
  double ω;

  double X(double C) const { return 1 / (ω * C); }
  // |R parallel C|
  double Zp(double R, double C) const {
    if (std::isinf(R))
      return X(C);
    const double wrc = ω * R * C;
    return R / std::sqrt(1 + wrc * wrc);
  }
  // |R series C|
  double Zs(double R, double C) const {
    const double x = X(C);
    return std::sqrt(R * R + x * x);
  }
};

double at(std::span<const double> v, std::size_t i, double missing) {
  return i < v.size() ? v[i] : missing;
}

} // namespace

bool hasSecondOutput(TTypeQuadripole kind) {
  return kind == tqpTubeCathodyne || kind == tqpTubeDifférentiel;
}

StageTubeValues StageTubeValues::of(const TTube& tube) {
  return StageTubeValues{tube.µ(), tube.gm(), tube.ρ(), tube.Cgk(), tube.Cga(), tube.Cak()};
}

TQuadripole::TQuadripole(TTypeQuadripole nature, const TTube* tube, std::vector<int> faval,
                         const std::vector<double>& values, const std::vector<bool>& flags)
    : TQuadripole(nature, tube ? StageTubeValues::of(*tube) : StageTubeValues{}, std::move(faval), values,
                  flags) {}

TQuadripole::TQuadripole(TTypeQuadripole nature, const StageTubeValues& tube, std::vector<int> faval,
                         const std::vector<double>& values, const std::vector<bool>& flags)
    : tqp(nature), Tube(tube), FFaval(std::move(faval)) {
  FignoreBootstrap = !flags.empty() && flags[0];
  const bool flag1 = flags.size() > 1 && flags[1];
  // The stray capacitance is always the last value; the kind's elements come
  // before it, and any the caller left out count as 0.
  const double s = values.empty() ? 0 : values.back();
  const std::size_t n = values.empty() ? 0 : values.size() - 1;
  auto v = [&](std::size_t i) { return i < n ? values[i] : 0.0; };
  const double Cgk = Tube.Cgk, Cga = Tube.Cga, Cak = Tube.Cak;

  switch (tqp) {
  case tqpInputGrid:
    el.R1 = v(0);
    el.C1 = v(1);
    el.R2 = v(2);
    el.C2 = v(3) + 3 * s;
    el.R3 = v(4);
    el.C3 = v(5);
    el.Cpin = s;
    el.Cpou = 2 * s;
    el.C1Shunted = flag1;
    break;
  case tqpOutputLoad:
    el.Rs = v(0);
    el.Cs = v(1);
    el.Ro = v(2);
    el.Co = v(3);
    el.Cpin = s;
    el.Cpou = 2 * s;
    break;
  case tqpLevelShifter:
    el.R1 = v(0);
    el.C1 = v(1);
    el.R2 = v(2);
    el.C2 = 4 * s;
    el.R3 = v(3);
    el.C3 = v(4);
    el.Cpin = 2 * s;
    el.Cpou = 2 * s;
    break;
  case tqpInterStage:
    el.Ca = v(0);
    el.Rg = v(1);
    el.Rgs = v(2);
    el.Cgs = v(3);
    el.Cpin = s;
    el.Cpou = 2 * s;
    break;
  case tqpTubeCatCom:
    el.Ra = v(0);
    el.Rk = v(1);
    el.Ck = v(2);
    el.Cpin = s + Cgk;
    el.Cpou = 2 * s + Cak;
    el.Ckconnected = flag1;
    break;
  case tqpTubeCatFol:
    el.Rk = v(0);
    el.Cpin = s + Cga;
    el.Cpou = 2 * s + Cak;
    break;
  case tqpTubeGriCom:
    el.Ck = v(0);
    el.Rk = v(1);
    el.Ra = v(2);
    el.Cpin = 3 * s + Cgk;
    el.Cpou = 2 * s + Cak + Cga;
    break;
  case tqpTubeAnoCom:
    el.Rk = v(0);
    el.Cpin = 2 * s + Cgk + Cak;
    el.Cpou = 2 * s + Cak;
    break;
  case tqpTubePullUpDn:
    el.Rk = v(0);
    el.Cpin = s + Cgk + Cak;
    el.Cpou = el.Cpin;
    break;
  case tqpTubeCathodyne:
    el.Ra = v(0);
    el.Rk = v(1);
    el.Rg = v(2);
    el.Rgk = v(3);
    el.Ck = v(4);
    el.Cpin = 2 * s + Cgk + Cak;
    el.Cpou = 2 * s + Cak + Cga + Cgk;
    break;
  case tqpTubeDifférentiel:
    el.Ra1 = v(0);
    el.Ra2 = v(1);
    el.Rk = v(2);
    el.Cpin = s + Cgk + Cak;
    el.Cpou = 3 * s + Cak + Cga;
    break;
  case tqpTubeMixer:
    el.Ra = v(0);
    el.Rk = v(1);
    el.Ck = v(2);
    el.Cpin = s + Cgk;
    el.Cpou = 4 * s + 2 * Cak;
    el.Ckconnected = flag1;
    break;
  }
}

void TQuadripole::getVarGains(std::span<const double> values, double& Av1, double& Av0,
                              std::span<const bool> flags) {
  const double f = at(values, 0, 0);
  const double ZL = at(values, 1, kOpen);
  const AtFrequency w{2 * std::numbers::pi * f};
  const double µ = Tube.µ, ρ = Tube.ρ;
  double load = ZL; // what the input impedance sees downstream

  switch (tqp) {
  case tqpInputGrid: {
    if (!flags.empty())
      el.C1Shunted = flags[0];
    const double Zsrc = el.C1Shunted ? el.R1 : w.Zs(el.R1, el.C1);
    const double Zg = w.Zp(el.R2, el.C2);
    // The load seen as the capacitance that would draw the same current.
    const double Ceq = 1 / (w.ω * ZL);
    const double Ct = el.C3 + el.Cpou + Ceq;
    const double Zb = w.Zs(el.R3, Ct);
    Av0 = w.X(Ct) * Zg / (Zsrc * (Zg + Zb) + Zg * Zb);
    break;
  }
  case tqpOutputLoad: {
    const double Zo = w.Zp(el.Ro, el.Co + el.Cpou);
    Av0 = Zo / (Zo + w.Zs(el.Rs, el.Cs));
    load = 0;
    break;
  }
  case tqpLevelShifter: {
    const double e = par(ZL, w.X(el.C3 + el.Cpou));
    const double g = par(el.R3 + e, w.Zp(el.R2, el.C2));
    Av0 = e * g / ((g + w.Zp(el.R1, el.C1)) * (e + el.R3));
    break;
  }
  case tqpInterStage: {
    const double e = par(ZL, w.X(el.Cgs + el.Cpou));
    const double g = par(el.Rgs + e, el.Rg);
    Av0 = e * g / ((g + w.X(el.Ca)) * (e + el.Rgs));
    break;
  }
  case tqpTubeCatCom: {
    const double e = par(ZL, w.Zp(el.Ra, el.Cpou));
    const double Zk = el.Ckconnected ? w.Zp(el.Rk, el.Cpou + el.Ck) : w.Zp(el.Rk, el.Cpou);
    Av0 = e * µ / (Zk * (µ + 1) + e + ρ);
    break;
  }
  case tqpTubeCatFol: {
    const double e = par(w.Zp(el.Rk, el.Cpou), ZL);
    Av0 = µ * e / (e * (µ + 1) + ρ);
    load = e;
    break;
  }
  case tqpTubeGriCom: {
    const double e = par(w.Zp(el.Ra, el.Cpou), ZL);
    const double h = par((e + ρ) / (µ + 1), w.Zp(el.Rk, el.Cpin));
    Av0 = e * (µ + 1) * (h / (h + w.X(el.Ck))) / (e + ρ);
    break;
  }
  case tqpTubeAnoCom: {
    const double e = par(ZL, ρ);
    const double fk = e * Tube.gm * el.Rk;
    Av0 = (e + fk) / (e + el.Rk + fk);
    break;
  }
  case tqpTubePullUpDn:
    Av0 = 1;
    break;
  case tqpTubeCathodyne: {
    const double ZL2 = at(values, 2, kOpen);
    const double e = par(w.Zp(el.Ra, el.Cpou), ZL);   // anode load
    const double fk = par(w.Zp(el.Rk, el.Cpou), ZL2); // cathode load
    const double D = e + ρ + (µ + 1) * (w.Zp(el.Rgk, el.Ck) + fk);
    Av0 = e * µ / D;
    Av1 = fk * µ / D;
    Fav1 = Av1;
    load = ZL2;
    break;
  }
  case tqpTubeDifférentiel: {
    const double ZL2 = at(values, 2, kOpen);
    const double fa = par(ZL, w.Zp(el.Ra1, el.Cpou));
    const double g = par(ZL2, w.Zp(el.Ra2, el.Cpou));
    const double z = w.Zp(el.Rk, el.Cpin);
    const double h = µ + 1;
    const double m = g + ρ + z * h;
    const double L = (fa + ρ + z * h) * m - z * z * h * h;
    Av0 = µ * fa * m / L;
    Av1 = h * z * g * µ / L;
    load = 0;
    break;
  }
  case tqpTubeMixer: {
    const double e = par(ZL, w.Zp(el.Ra, el.Cpou));
    const double Zk = el.Ckconnected ? w.Zp(el.Rk, el.Cpou + el.Ck) : w.Zp(el.Rk, el.Cpou);
    Av0 = e * µ / (2 * e + ρ + µ * Zk);
    break;
  }
  }
  gainQuadripole = Av0;
  FAv0 = Av0;
  setZinQuadripole(f, load);
}

void TQuadripole::setZinQuadripole(double fréquence, double LoadExterne) {
  const AtFrequency w{2 * std::numbers::pi * fréquence};
  const double ZL = LoadExterne;
  const double G = gainQuadripole;
  const double µ = Tube.µ, ρ = Tube.ρ;
  double Zin = 0;

  switch (tqp) {
  case tqpInputGrid: {
    const double b = par(ZL, w.X(el.C3 + el.Cpou));
    // The coupling capacitor stays in the source path even when shunted.
    Zin = par(b + el.R3, w.Zp(el.R2, el.C2)) + w.Zs(el.R1, el.C1);
    break;
  }
  case tqpOutputLoad:
    Zin = w.Zp(el.Ro, el.Co + el.Cpou) + w.Zs(el.Rs, el.Cs);
    break;
  case tqpLevelShifter: {
    const double b = par(ZL, w.X(el.C3));
    Zin = par(w.Zp(el.R1, el.C1) + par(el.R3 + b, w.Zp(el.R2, el.C2)), w.X(el.Cpin));
    break;
  }
  case tqpInterStage: {
    const double b = par(ZL, w.X(el.Cgs + el.Cpou));
    Zin = par(el.Rgs + b, el.Rg) + w.X(el.Ca);
    break;
  }
  case tqpTubeCatFol:
    // The follower drives its own cathode: Cgk is bootstrapped by (1 - G).
    Zin = FignoreBootstrap ? w.X(el.Cpin) : w.X(el.Cpin + (1 - G) * Tube.Cgk);
    break;
  case tqpTubeGriCom: {
    const double b = par(ZL, w.Zp(el.Ra, el.Cpou)) + ρ;
    const double z = w.Zp(el.Rk, el.Cpin);
    Zin = w.X(el.Ck) + par(b * z / (b + z * (µ + 1)), z);
    break;
  }
  case tqpTubeAnoCom:
    Zin = el.Rk + (Tube.gm * el.Rk + 1) * par(ρ, ZL);
    break;
  case tqpTubePullUpDn: {
    const double b = par(ZL, w.X(el.Cpou));
    Zin = par((µ + 1) * el.Rk + ρ, b);
    break;
  }
  case tqpTubeCathodyne: {
    // The grid resistor is bootstrapped by the cathode gain; a grid resistor
    // of 1e12 or more stands for "none" and is left as it is.
    const double Rb = el.Rg < 1e12 ? el.Rg / (1 - Fav1) : el.Rg;
    Zin = w.Zp(Rb, el.Cpin);
    break;
  }
  case tqpTubeCatCom:
  case tqpTubeDifférentiel:
  case tqpTubeMixer:
    // Miller: Cga is multiplied by the stage gain.
    Zin = FignoreBootstrap ? w.X(el.Cpin) : w.X(el.Cpin + G * Tube.Cga);
    break;
  }
  ZinQuadripole = Zin;
  FZi = Zin;
}

} // namespace velmorin
