#include "solvers/StageTexts.h"

#include "text/Format.h"
#include "text/ReportValues.h"

#include <cmath>

namespace velmorin {

namespace {

double dB(double gain) {
  return 20 * std::log10(std::fabs(gain));
}

// Two resistances in parallel; two zeros make a short, not 0/0.
double parallel(double a, double b) {
  return a + b == 0 ? 0 : a * b / (a + b);
}

// The tube's header and parameter lines with the given formats.
std::string tubeBlock(const TTube& t, const char* header, const char* params) {
  const Locale& l = t.locale();
  return sformat(l, header, t.Reference(), t.ModelName()) + sformat(l, params, fmtOhm(l, "ρ~", 0, t.ρ()),
                                                                    fmtGm(l, "g<SUB>m</SUB>~", 1, t.gm()),
                                                                    fmtNum(l, "µ~", 0, t.µ()));
}

constexpr const char* kHeader = "<P INDENT=\"0\">%s %s</P>";
constexpr const char* kHeaderBr = "<BR><P INDENT=\"0\">%s %s</P>";
constexpr const char* kParams = "<P INDENT=\"20\">%s   %s  => %s</P>";
constexpr const char* kParamsBr = "<BR><P INDENT=\"20\">%s   %s  => %s</P>";

} // namespace

double gainCatComBypassed(TTube& tube, double RL) {
  double mu = tube.getMu();
  double ro = tube.getRo();
  return -mu * RL / (ro + RL);
}

double gainCatComUnbypassed(TTube& tube, double Rk, double RL) {
  double mu = tube.getMu();
  double ro = tube.getRo();
  return -mu * RL / (ro + RL + (mu + 1) * Rk);
}

double gainCatFol(TTube& tube, double RL) {
  double mu = tube.getMu();
  double ro = tube.getRo();
  return mu * RL / (RL * (mu + 1) + ro);
}

DiffPairGains diffPairGains(const TTube& T1, const TTube& T2, double R1L, double R2L, double Rk) {
  const double mu1 = T1.µ(), mu2 = T2.µ(), r1 = T1.ρ(), r2 = T2.ρ();
  const double h1 = mu1 + 1, h2 = mu2 + 1;
  const double D = (R1L + r1 + h1 * Rk) * (R2L + r2 + h2 * Rk) - h1 * h2 * Rk * Rk;
  DiffPairGains g;
  g.A1 = -mu1 * R1L * (R2L + r2 + h2 * Rk) / D;
  g.A2 = mu2 * R2L * Rk * h2 / D;
  g.Adiff = std::fabs(g.A1) + g.A2;
  return g;
}

std::string textCommonCathode(TTube& tube, double RL, double Rk, double Ra, double& Abyp, double& Aunb) {
  tube.calculerParamètresIntrinsèques();
  const Locale& l = tube.locale();
  const double mu = tube.µ(), ro = tube.ρ();
  std::string s = tubeBlock(tube, "<BR><P INDENT=\"0\">%s %s</p>", "<P INDENT=\"20\">%s  %s  %s</P>");
  const double RLac = parallel(Ra, RL);
  s += sformat(l, "<BR>%s", fmtOhm(l, "AC load ", 0, RLac));
  s += "<BR><P INDENT=\"20\">if BYpassed cathode resistor:</P>";
  Abyp = gainCatComBypassed(tube, RLac);
  s += sformat(l, "<P INDENT=\"40\">%s   %.1fdB</P>", fmtNum(l, "gain ", 1, Abyp), dB(Abyp));
  s += sformat(l, "<P INDENT=\"40\">%s</P>", fmtOhm(l, "output impedance ", 0, Ra * ro / (Ra + ro)));
  s += "<BR><P INDENT=\"20\">if UNbypassed cathode resistor:</P>";
  Aunb = gainCatComUnbypassed(tube, Rk, RLac);
  s += sformat(l, "<P INDENT=\"40\">%s  %.1fdB</P>", fmtNum(l, "gain ", 1, Aunb), dB(Aunb));
  const double rk = ro + (mu + 1) * Rk;
  s += sformat(l, "<P INDENT=\"40\">%s</P>", fmtOhm(l, "output impedance ", 0, Ra * rk / (Ra + rk)));
  return s;
}

std::string textCathodeFollower(TTube& tube, double RL, double Rk, double& A, double& Zo) {
  tube.calculerParamètresIntrinsèques();
  const Locale& l = tube.locale();
  std::string s = tubeBlock(tube, kHeader, kParams);
  s += sformat(l, "<BR>%s", fmtOhm(l, "Output load      ", 0, RL));
  A = gainCatFol(tube, parallel(RL, Rk));
  s += sformat(l, "<BR>%s  %0.2fdB", fmtNum(l, "Voltage gain     ", 2, A), 20 * std::log10(A));
  Zo = 1 / (1 / Rk + 1 / tube.ρ() + tube.gm());
  s += sformat(l, "<BR>%s", fmtOhm(l, "Output impedance ", 0, Zo));
  s += "<BR><P INDENT=\"0\"></P>";
  return s;
}

std::string textCathodyne(const TTube& tube, double Rko, double Rk, double Rao, double Ra, double& Aa,
                          double& Ak) {
  const Locale& l = tube.locale();
  const double mu = tube.µ(), ro = tube.ρ();
  std::string s = tubeBlock(tube, kHeader, kParamsBr);
  const double Rkp = parallel(Rko, Rk);
  const double Rap = parallel(Rao, Ra);
  const double D = Rap + ro + (mu + 1) * Rkp;
  Aa = -mu * Rap / D;
  Ak = mu * Rkp / D;
  const char* anode = "Voltage gain on anode   ";
  const char* cathode = "Voltage gain on cathode  ";
  if (Aa != 0)
    s += sformat(l, "<BR>%s or %sdB", fmtNum(l, anode, 2, Aa), fmtNum(l, "", 2, dB(Aa)));
  else
    s += sformat(l, "<BR>%s", fmtNum(l, anode, 2, Aa));
  if (Ak != 0)
    s += sformat(l, "<BR>%s or %sdB", fmtNum(l, cathode, 2, Ak), fmtNum(l, "", 2, 20 * std::log10(Ak)));
  else
    s += sformat(l, "<BR>%s", fmtNum(l, cathode, 2, Ak));
  return s;
}

std::string textSRPPOptimised(TTube& T1, TTube& T2, double RL, double Ra, double Rk2, double Rk1, double& Ab,
                              double& Au, double& Zb, double& Zu) {
  T1.calculerParamètresIntrinsèques();
  T2.calculerParamètresIntrinsèques();
  const Locale& l = T1.locale();
  const double mu1 = T1.µ(), mu2 = T2.µ(), r1 = T1.ρ(), r2 = T2.ρ();
  std::string s = "<BR><P INDENT=\"0\"><B>SRPP optimised, after Quelvane</B></P>";
  s += tubeBlock(T1, kHeader, kParams);
  s += tubeBlock(T2, kHeaderBr, kParams);
  s += sformat(l, "<BR>%s", fmtOhm(l, "Output load ", 0, RL));
  s += "<BR><BR><P INDENT=\"20\">If Rk1 bypassed:</P>";
  Ab = -RL * mu1 * (r2 + Ra + Rk2 * mu2) / ((Rk2 + r1) * (r2 + Ra) + RL * (Ra + r2 + r1 + Rk2 * (mu2 + 1)));
  s += sformat(l, "<P INDENT=\"40\">%s or %sdB</P>", fmtNum(l, "Voltage gain    ", 1, Ab),
               fmtNum(l, "", 2, dB(Ab)));
  Zb = (Ra + r2) * (Rk2 + r1) / (Ra + r2 + r1 + Rk2 * (mu2 + 1));
  s += sformat(l, "%s", fmtOhm(l, "Output impedance ", 0, Zb));
  s += "<BR><BR><P INDENT=\"20\">If Rk1 UNbypassed:</P>";
  const double K = Rk1 * (mu1 + 1);
  Au = -RL * mu1 * (Ra + r2 + Rk2 * mu2) /
       ((Rk2 + r1 + K) * (Ra + r2) + RL * (Ra + r2 + r1 + K + Rk2 * (mu2 + 1)));
  s += sformat(l, "<P INDENT=\"40\">%s or %sdB</P>", fmtNum(l, "Voltage gain    ", 1, Au),
               fmtNum(l, "", 2, dB(Au)));
  const double M = (r1 + r2) / 2, N = (Rk2 + Rk1) / 2, O = (mu1 + mu2) / 2 + 2;
  Zu = (M + N) * (M + N * O) / (2 * M + 2 * O * N);
  s += sformat(l, "%s", fmtOhm(l, "Output impedance (if Rk1=Rk2)", 0, Zu));
  return s;
}

std::string textCascode(const TTube& T1, const TTube& T2, double Rk, double RL, double Ra, double& A,
                        double& Zo) {
  const Locale& l = T1.locale();
  const double mu1 = T1.µ(), mu2 = T2.µ(), r1 = T1.ρ(), r2 = T2.ρ();
  std::string s = tubeBlock(T1, kHeader, kParamsBr);
  s += tubeBlock(T2, kHeaderBr, kParamsBr);
  const double RLp = parallel(Ra, RL);
  A = -mu1 * RLp * (mu2 + 1) / (RLp + r1 + (mu2 + 1) * r2);
  Zo = RLp * ((mu2 + 1) * r1 + r2) / (RLp + r2 + (mu2 + 1) * r1);
  s += sformat(l, "<BR>%s or %sdB", fmtNum(l, "Voltage gain on anode ", 0, A), fmtNum(l, "", 2, dB(A)));
  s += sformat(l, "<BR>%s", fmtOhm(l, "Output impedance ", 0, Zo));
  const double Zk = (RLp + r2) / (mu2 + 1);
  s += sformat(l, "<BR>%s", fmtOhm(l, "Anode load caused by T2  ", 0, Zk));
  s += "<BR><BR>BYpassed cathode resistor Rk:";
  double A1 = Zk * mu1 / (Zk + r1);
  s += sformat(l, "<BR><BR><P INDENT=\"40\">%s or %sdB</P>", fmtNum(l, "Voltage gain on T1 anode ", 1, A1),
               fmtNum(l, "", 2, dB(A1)));
  double A2 = A1 * RLp * (mu2 + 1) / (RLp + r2);
  s += sformat(l, "%s or %sdB", fmtNum(l, "Voltage gain on T2 anode ", 0, A2), fmtNum(l, "", 2, dB(A2)));
  s += "<BR><BR><P INDENT=\"20\">UNbypassed cathode resistor Rk:</P>";
  A1 = Zk * mu1 / (Zk + r1 + (mu1 + 1) * Rk);
  s += sformat(l, "<BR><P INDENT=\"40\">%s or %sdB</P>", fmtNum(l, "Voltage gain on T1 anode ", 1, A1),
               fmtNum(l, "", 2, dB(A1)));
  A2 = A1 * RLp * (mu2 + 1) / (RLp + r2);
  s += sformat(l, "%s or %sdB", fmtNum(l, "Voltage gain on T2 anode ", 0, A2), fmtNum(l, "", 2, dB(A2)));
  return s;
}

std::string textHalfMuFollower(TTube& T1, TTube& T2, double Rk2, double Rk1, double& Ab, double& Zb,
                               double& Au, double& Zu, double& ZT2) {
  const Locale& l = T1.locale();
  std::string s = sformat(l, "<BR><P INDENT=\"0\"><B>Stage (half-µ follower) %s (%s) %s (%s)</B></P>",
                          T1.Reference(), T1.ModelName(), T2.Reference(), T2.ModelName());
  s += tubeBlock(T1, kHeaderBr, kParams);
  s += tubeBlock(T2, kHeaderBr, kParams);
  const double mu1 = T1.µ(), mu2 = T2.µ(), r1 = T1.ρ(), r2 = T2.ρ();
  Ab = -mu1 * r2 / (r2 + r1);
  Au = -mu1 * ((mu2 + 1) * Rk2 + r2) / (r2 + (mu1 + 1) * Rk1 + r1 + (mu2 + 1) * Rk2);
  Zb = (r1 + r2) / 4;
  Zu = Zb + Rk1 * (mu1 + mu2) / 8;
  ZT2 = (mu2 + 1) * Rk2 + r2;
  s += "<BR><P INDENT=\"0\">BYpassed cathode resistors:</P>";
  s += sformat(l, "<P INDENT=\"40\">%s or %sdB</P>", fmtNum(l, "Voltage gain ", 1, Ab),
               fmtNum(l, "", 2, dB(Ab)));
  s += sformat(l, "%s", fmtOhm(l, "Output impedance ", 0, Zb));
  s += "<BR><BR><P INDENT=\"0\">UNbypassed cathode resistors:</P>";
  s += sformat(l, "<P INDENT=\"40\">%s or %sdB</P>", fmtNum(l, "Voltage gain ", 1, Au),
               fmtNum(l, "", 2, dB(Au)));
  s += sformat(l, "%s", fmtOhm(l, "Output impedance ", 0, Zu));
  s += sformat(l, "<BR><BR><P INDENT=\"0\">%s</P>",
               fmtOhm(l, "Load presented by " + T2.Reference() + " ", 0, ZT2));
  s += "<P INDENT=\"0\"></P>";
  return s;
}

std::string textFollowerSink(TTube& Ts, TTube& Tf, double RL, double Rkf, double Rks, double& A, double& Zo) {
  const Locale& l = Ts.locale();
  std::string s =
      sformat(l, "<BR><P INDENT=\"0\"><B>Cathode-follower and current sink %s (%s) %s (%s)</B></P>",
              Ts.Reference(), Ts.ModelName(), Tf.Reference(), Tf.ModelName());
  s += tubeBlock(Ts, kHeaderBr, kParams);
  s += tubeBlock(Tf, kHeaderBr, kParams);
  const double mus = Ts.µ(), rs = Ts.ρ(), muf = Tf.µ(), rf = Tf.ρ();
  const double Zs = (mus + 1) * Rks + rs;
  const double e = RL * Zs / (RL + Zs);
  A = e * muf / ((muf + 1) * (e + Rkf) + rf);
  const double f = Rkf + rf / (muf + 1);
  Zo = Zs * f / (Zs + f);
  s += sformat(l, "<BR><P INDENT=\"0\">Impedance presented by %s %s</P>", Ts.Reference(),
               fmtOhm(l, "", 0, Zs));
  s += sformat(l, "%s   %sdB", fmtNum(l, "Voltage gain     ", 2, A), fmtNum(l, "", 2, 20 * std::log10(A)));
  s += sformat(l, "<BR>%s", fmtOhm(l, "Output impedance ", 0, Zo));
  s += "<P INDENT=\"0\"></P>";
  return s;
}

} // namespace velmorin
