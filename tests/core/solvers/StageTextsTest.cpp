#include "SolverFixtures.h"

#include "models/TTube.h"
#include "solvers/StageTexts.h"
#include "text/Format.h"

#include <gtest/gtest.h>

namespace velmorin {
namespace {

using testing::builtIn;

TTube biasedECC83() {
  TTube t(builtIn("ECC83 / 12AX7"), "T1");
  t.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr);
  return t;
}

TEST(StageTexts, CommonCathodeLinesAndGains) {
  TTube t = biasedECC83();
  double Abyp = 0, Aunb = 0;
  std::string s = textCommonCathode(t, 100e3, 1.5e3, 100e3, Abyp, Aunb);
  // The stated formulas, with the tube's own µ and ρ.
  TTube probe = t;
  const double mu = probe.getMu(), ro = probe.getRo(), RL = 50e3;
  EXPECT_DOUBLE_EQ(Abyp, -mu * RL / (ro + RL));
  EXPECT_DOUBLE_EQ(Aunb, -mu * RL / (ro + RL + (mu + 1) * 1.5e3));
  EXPECT_EQ(
      s.rfind("<BR><P INDENT=\"0\">T1 ECC83 / 12AX7</p><P INDENT=\"20\">ρ~<FONT color=\"#601010\"><b>", 0),
      0u);
  EXPECT_NE(s.find("<BR>AC load <FONT color=\"#601010\"><b>50kΩ</b></FONT>"), std::string::npos);
  // Three blanks before the bypassed dB value, two before the unbypassed one.
  EXPECT_NE(s.find("</b></FONT>   " + sformat(Locale{}, "%.1f", 20 * std::log10(-Abyp)) + "dB</P>"),
            std::string::npos);
  EXPECT_NE(s.find("</b></FONT>  " + sformat(Locale{}, "%.1f", 20 * std::log10(-Aunb)) + "dB</P>"),
            std::string::npos);
  // The operating point survives the small-signal evaluation.
  EXPECT_EQ(t.Vak(), biasedECC83().Vak());
}

TEST(StageTexts, CathodyneOmitsTheDecibelsOfAZeroGain) {
  TTube t = biasedECC83();
  t.calculerParamètresIntrinsèques();
  double Aa = 0, Ak = 0;
  std::string s = textCathodyne(t, 100e3, 10e3, 0, 10e3, Aa, Ak); // no anode load: Aa = 0
  EXPECT_EQ(Aa, 0);
  EXPECT_NE(s.find("<BR>Voltage gain on anode   <FONT color=\"#AA0066\"><b>0.00</b></FONT><BR>"),
            std::string::npos);
  EXPECT_NE(s.find("Voltage gain on cathode  <FONT color=\"#AA0066\"><b>"), std::string::npos);
  EXPECT_NE(s.find(" or <FONT color=\"#AA0066\"><b>"), std::string::npos);
}

TEST(StageTexts, GainsThatCannotExistShowNotAvailable) {
  TTube t = biasedECC83();
  double Abyp = 0, Aunb = 0;
  std::string s = textCommonCathode(t, 0, 0, 0, Abyp, Aunb); // no load at all
  EXPECT_EQ(s.find("nan"), std::string::npos);
  EXPECT_EQ(s.find("inf"), std::string::npos);
  EXPECT_NE(s.find("n/a"), std::string::npos);
}

TEST(DiffPairGains, MatchTheClosedForm) {
  TTube a = biasedECC83(), b = biasedECC83();
  a.calculerParamètresIntrinsèques();
  b.calculerParamètresIntrinsèques();
  const double R1 = 100e3, R2 = 100e3, Rk = 10e3;
  DiffPairGains g = diffPairGains(a, b, R1, R2, Rk);
  const double mu = a.µ(), r = a.ρ(), h = mu + 1;
  const double D = (R1 + r + h * Rk) * (R2 + r + h * Rk) - h * h * Rk * Rk;
  EXPECT_DOUBLE_EQ(g.A1, -mu * R1 * (R2 + r + h * Rk) / D);
  EXPECT_DOUBLE_EQ(g.A2, mu * R2 * Rk * h / D);
  EXPECT_DOUBLE_EQ(g.Adiff, std::fabs(g.A1) + g.A2);
  // The driven anode inverts, the other follows, a little weaker.
  EXPECT_LT(g.A1, 0);
  EXPECT_GT(g.A2, 0);
  EXPECT_GT(-g.A1, g.A2);
}

} // namespace
} // namespace velmorin
