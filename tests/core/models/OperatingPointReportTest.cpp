#include "TubeFixtures.h"
#include "models/TTube.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace velmorin {
namespace {

using testing::ecc83;
using testing::el34;

const std::string kSoaLine = "<P><B><FONT COLOR=\"#FF0000\">*** SOA issue ***</B></FONT></P>";

TEST(DisplayOP, TriodeParagraph) {
  TTube t(ecc83(), "T1");
  t.setVak(150);
  t.setVgk(-1.5);
  t.setIa(0.0012);
  const std::string expected =
      "<br><p>Quiescent state <B>T1 ECC83 / 12AX7</B></p>"
      "<p indent=\"30\">Vak <FONT color=\"#990000\"><b>150.00 V</b></FONT>     43% of Vamax (350V)</p>"
      "<P>Vgk <FONT color=\"#009900\"><b>-1.500 V</b></FONT></p>"
      "<p>Ia  <FONT color=\"#73369E\"><b>1.20 mA</b></FONT>     15% of Imax (8mA)</p>"
      "<p>Pa  <FONT color=\"#e3780E\"><b>180 mW</b></FONT>     18% of Pmax (1.0W)</p>"
      "<p indent=\"0\"></p>";
  EXPECT_EQ(t.displayOP(), expected);
}

TEST(DisplayOP, PentodeParagraphHasTheScreenBetweenCurrentAndDissipation) {
  TTube t(el34(), "T3");
  t.setVak(250);
  t.setVgk(-15);
  t.setIa(0.075);
  t.setVek(250);
  t.setIe(0.0048);
  const std::string expected =
      "<br><p>Quiescent state <B>T3 EL34</B></p>"
      "<p indent=\"30\">Vak <FONT color=\"#990000\"><b>250.00 V</b></FONT>     31% of Vamax (800V)</p>"
      "<P>Vgk <FONT color=\"#009900\"><b>-15.000 V</b></FONT></p>"
      "<p>Ia  <FONT color=\"#73369E\"><b>75.00 mA</b></FONT>     50% of Imax (150mA)</p>"
      "<p>Vsk <FONT color=\"#990000\"><b>250.00 V</b></FONT>  50% of Vsmax (500V)</p>"
      "<p>Is <FONT color=\"#73369E\"><b>4.80 mA</b></FONT></p>"
      "<p>Pscreen  <FONT color=\"#e3780E\"><b>1200 mW</b></FONT>  15% of Pmax (8.0W)</p>"
      "<p>Pa  <FONT color=\"#e3780E\"><b>18750 mW</b></FONT>     75% of Pmax (25.0W)</p>"
      "<p indent=\"0\"></p>";
  EXPECT_EQ(t.displayOP(), expected);
}

TEST(DisplayOP, UsesTheTubesLocale) {
  TTube t(ecc83(), "T1", Locale{",", "."});
  t.setVak(150);
  t.setIa(0.0012);
  const std::string r = t.displayOP();
  EXPECT_NE(r.find("<b>150,00 V</b>"), std::string::npos) << r;
  EXPECT_NE(r.find("(1,0W)"), std::string::npos) << r;
}

struct SoaCase {
  const char* what;
  bool pentode;
  double Vak, Ia, Vek, Ie;
  bool issue;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SoaCase& c, std::ostream* os) { *os << c.what; }

class DisplayOPSoa : public ::testing::TestWithParam<SoaCase> {};

TEST_P(DisplayOPSoa, Verdict) {
  const SoaCase& c = GetParam();
  TTube t(c.pentode ? el34() : ecc83(), "T1");
  t.setVak(c.Vak);
  t.setIa(c.Ia);
  t.setVek(c.Vek);
  t.setIe(c.Ie);
  const std::string r = t.displayOP();
  const std::string tail = kSoaLine + "<p indent=\"0\"></p>";
  const bool hasLine = r.size() >= tail.size() && r.compare(r.size() - tail.size(), tail.size(), tail) == 0;
  EXPECT_EQ(hasLine, c.issue) << r;
  EXPECT_EQ(r.find(kSoaLine) != std::string::npos, c.issue) << r;
}

// ECC83: Pamax 1 W, Iamax 8 mA, Vamax 350 V. EL34: 25 W, 150 mA, 800 V,
// screen 8 W and 500 V. 256 V × 1/256 A is exactly 1 W.
INSTANTIATE_TEST_SUITE_P(
    Limits, DisplayOPSoa,
    ::testing::Values(SoaCase{"anode power at its maximum", false, 256, 1.0 / 256, 0, 0, false},
                      SoaCase{"anode power above", false, 256, 1.0 / 256 * (1 + 1e-12), 0, 0, true},
                      SoaCase{"anode voltage at its maximum", false, 350, 1e-3, 0, 0, false},
                      SoaCase{"anode voltage above", false, 350.001, 1e-3, 0, 0, true},
                      SoaCase{"anode current at its maximum", false, 100, 0.008, 0, 0, false},
                      SoaCase{"anode current above", false, 100, 0.0081, 0, 0, true},
                      SoaCase{"triode ignores the screen", false, 100, 1e-3, 900, 1, false},
                      SoaCase{"screen below its maximum", true, 250, 0.05, 499.99, 0.01, false},
                      SoaCase{"screen voltage at its maximum", true, 250, 0.05, 500, 0.01, true},
                      SoaCase{"screen power at its maximum", true, 250, 0.05, 256, 8.0 / 256, false},
                      SoaCase{"screen power above", true, 250, 0.05, 256, 8.0 / 256 * (1 + 1e-12), true}),
    [](const ::testing::TestParamInfo<SoaCase>& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (ch == ' ')
          ch = '_';
      return name;
    });

TEST(DisplayOP, ZeroLimitsShowNotAvailableAndStillJudge) {
  TubeModel m = el34();
  m.vmax = m.imax = m.pmax = m.vemax = m.pemax = 0;
  TTube t(m, "T1");
  t.setVak(250);
  t.setIa(0.05);
  t.setVek(0); // 0 / 0 as well as x / 0
  t.setIe(0);
  const std::string r = t.displayOP();
  EXPECT_EQ(r.find("nan"), std::string::npos) << r;
  EXPECT_EQ(r.find("inf"), std::string::npos) << r;
  EXPECT_NE(r.find("n/a% of Vamax (0V)"), std::string::npos) << r;
  EXPECT_NE(r.find("n/a% of Imax (0mA)"), std::string::npos) << r;
  EXPECT_NE(r.find("n/a% of Vsmax (0V)"), std::string::npos) << r;
  EXPECT_NE(r.find("n/a% of Pmax (0.0W)"), std::string::npos) << r;
  EXPECT_NE(r.find(kSoaLine), std::string::npos) << r;
}

} // namespace
} // namespace velmorin
