// Construction of a tube from its model, and the NK triode and pentode
// equations with the screen current.
#include "models/TTube.h"

#include <cmath>
#include <utility>

namespace velmorin {

namespace {

// ln(1 + e^u). Far above the knee e^u overflows even in extended precision,
// where the logarithm is u to the last bit anyway.
long double softPlus(long double u) {
  const long double e = std::exp(u);
  if (std::isinf(e))
    return u;
  return std::log(1.0L + e);
}

// (1 + sgn(E1)) · E1^x: 2·E1^x above zero, 0 at and below it (no power of a
// negative number is ever taken), and not-a-number stays so. The power goes
// through the logarithm: the extended-precision pow of the C library costs
// several times the rest of the equation, and e^(x·ln E1) in extended
// precision is still exact to far below a double's last bit.
long double signedPower(long double E1, long double x) {
  if (E1 > 0)
    return 2.0L * std::exp(x * std::log(E1));
  if (E1 <= 0)
    return 0.0L;
  return E1;
}

} // namespace

TTube::TTube(const TubeModel& model, std::string reference, Locale locale)
    : Fkp(model.kp), Fmu(model.mu), Fkvb(model.kvb), FEx(model.ex), FKg1(model.kg1), FKg2(model.kg2),
      FIamax(model.imax), FPamax(model.pmax), FVamax(model.vmax), FPemax(model.pemax), FVemax(model.vemax),
      FCgk(model.cgk), FCga(model.cga), FCak(model.cak), FReference(std::move(reference)), FName(model.name),
      FT35(model.t35), FLocale(std::move(locale)) {}

void TTube::CalculerNK(double Vak, double Vgk, double& Ia) {
  const long double va = Vak;
  const long double s = std::sqrt(Fkvb + va * va);
  const long double u = Fkp * (1.0L / Fmu + Vgk / s);
  const long double E1 = (va / Fkp) * softPlus(u);
  Ia = double(signedPower(E1, FEx) / FKg1);
  FVak = Vak;
  FVgk = Vgk;
  FIa = Ia;
}

double TTube::CalculerNKpentode(double Vak, double Vgk, double Vek) {
  double Ia = 0;
  // At a screen voltage of 0 or below the anode current is the limit of the
  // equation from above: nothing. The quotient Vgk / Vek is not formed there.
  if (Vek > 0 || std::isnan(Vek)) {
    const long double ve = Vek;
    const long double u = Fkp * (1.0L / Fmu + Vgk / ve);
    const long double E1 = (ve / Fkp) * softPlus(u);
    Ia = double(signedPower(E1, FEx) / FKg1 * std::atan(static_cast<long double>(Vak) / Fkvb));
  }
  FIa = Ia;
  FVak = Vak;
  CalculerEcranPentode(Vgk, Vek);
  return Ia;
}

double TTube::CalculerEcranPentode(double Vgk, double Vek) {
  const long double w = static_cast<long double>(Vek) / Fmu + Vgk;
  const double Ie = w >= 0 ? double(w * std::sqrt(w) / FKg2) : 0.0; // w^1.5
  FIe = Ie;
  FVgk = Vgk;
  FVek = Vek;
  return Ie;
}

std::string TTube::getType() const {
  switch (FT35) {
  case 3:
    return "triode";
  case 5:
    return "pentode";
  default:
    return "";
  }
}

double TTube::currentByKind(double Vak, double Vgk, double Vek) {
  if (FT35 == 5)
    return CalculerNKpentode(Vak, Vgk, Vek);
  double Ia = 0;
  CalculerNK(Vak, Vgk, Ia);
  return Ia;
}

} // namespace velmorin
