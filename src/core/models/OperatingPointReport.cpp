// The operating-point paragraph of the solver reports, with the tube's share
// of each limit and its safe-operating-area verdict.
#include "models/TTube.h"
#include "text/Format.h"
#include "text/ReportValues.h"

namespace velmorin {

namespace {

bool insideSOA(const TTube& t) {
  bool inside = t.Vak() * t.Ia() <= t.Pamax() && t.Ia() <= t.Iamax() && t.Vak() <= t.Vamax();
  // The screen must stay strictly below its maximum voltage.
  if (t.t35() == 5)
    inside = inside && t.Vek() * t.Ie() <= t.Pemax() && t.Vek() < t.Vemax();
  return inside;
}

} // namespace

// A model with a zero limit makes its percentage a division by zero; the
// format shows such a value as "n/a" and the verdict still compares.
std::string TTube::displayOP() const {
  const Locale& L = FLocale;
  std::string R = sformat(L, "<br><p>Quiescent state <B>%s %s</B></p>", FReference, FName);
  R = sformat(L,
              "%s<p indent=\"30\">%s     %.0f%% of Vamax (%.0fV)</p><P>%s</p><p>%s     %.0f%% of Imax "
              "(%.0fmA)</p>",
              R, fmtVolt(L, "Vak", 2, FVak), 100 * FVak / FVamax, FVamax, fmtVolt(L, "Vgk", 3, FVgk),
              fmtMilliAmp(L, "Ia ", 2, 1000 * FIa), 100 * FIa / FIamax, 1000 * FIamax);
  if (FT35 == 5)
    R = sformat(L, "%s<p>%s  %.0f%% of Vsmax (%.0fV)</p><p>%s</p><p>%s  %.0f%% of Pmax (%0.1fW)</p>", R,
                fmtVolt(L, "Vsk", 2, FVek), 100 * FVek / FVemax, FVemax, fmtMilliAmp(L, "Is", 2, 1000 * FIe),
                fmtMilliWatt(L, "Pscreen ", 0, 1000 * FVek * FIe), 100 * FVek * FIe / FPemax, FPemax);
  R = sformat(L, "%s<p>%s     %.0f%% of Pmax (%0.1fW)</p>", R, fmtMilliWatt(L, "Pa ", 0, 1000 * FVak * FIa),
              100 * FVak * FIa / FPamax, FPamax);
  if (!insideSOA(*this))
    R = sformat(L, "%s<P><B><FONT COLOR=\"#FF0000\">*** SOA issue ***</B></FONT></P>", R);
  R += "<p indent=\"0\"></p>";
  return R;
}

} // namespace velmorin
