#include "text/ReportText.h"

#include <gtest/gtest.h>

namespace velmorin {
namespace {

TEST(ReportToPlainText, SmallDcReport) {
  const std::string html =
      "<p><b>C1 - Common cathode</b></p><p><font color=\"#909090\">Velmorin</font></p>"
      "<br><font color=\"#ff4444\"><b>No convergence !</b></font><br><font color=\"#ff4444\">Vgk > 0</font>"
      "<br><P line-height=\"2\">Total power supply  <FONT color=\"#990000\"><b>250 V</b></FONT>  x</p>"
      "<br><p>Quiescent state <B>T1 ECC83</B></p>"
      "<p indent=\"30\">Vak <FONT color=\"#990000\"><b>150.00 V</b></FONT>     50% of Vamax (300V)</p>"
      "<p indent=\"0\"></p>"
      "<br>Ra<FONT color=\"#601010\">  100kΩ</FONT><BR>Rk<FONT color=\"#601010\">    1kΩ</FONT><br>";
  EXPECT_EQ(reportToPlainText(html), "C1 - Common cathode\n"
                                     "Velmorin\n"
                                     "\n"
                                     "No convergence !\n"
                                     "Vgk > 0\n"
                                     "Total power supply  250 V  x\n"
                                     "\n"
                                     "Quiescent state T1 ECC83\n"
                                     "      Vak 150.00 V     50% of Vamax (300V)\n"
                                     "\n"
                                     "Ra  100kΩ\n"
                                     "Rk    1kΩ");
}

TEST(ReportToPlainText, IndentedStageText) {
  const std::string html = "<B>Small signal estimations:</B><BR><P INDENT=\"0\">T1 ECC83</p>"
                           "<P INDENT=\"20\">ρ~<FONT color=\"#601010\"><b>62kΩ</b></FONT>  "
                           "g<SUB>m</SUB>~<FONT color=\"#00AA66\"><b>1.6mA/V</b></FONT></P>"
                           "<BR><P INDENT=\"20\">if BYpassed cathode resistor:</P>"
                           "<P INDENT=\"40\">gain -50.0   34.0dB<br>second line</P>after";
  EXPECT_EQ(reportToPlainText(html), "Small signal estimations:\n"
                                     "T1 ECC83\n"
                                     "    ρ~62kΩ  gm~1.6mA/V\n"
                                     "\n"
                                     "    if BYpassed cathode resistor:\n"
                                     "        gain -50.0   34.0dB\n"
                                     "        second line\n"
                                     "after");
}

TEST(ReportToPlainText, TextThatIsNotMarkup) {
  EXPECT_EQ(reportToPlainText("a & b < c <3 >"), "a & b < c <3 >");
  EXPECT_EQ(reportToPlainText("unclosed <b"), "unclosed <b");
  EXPECT_EQ(reportToPlainText("x<HR>y\r\nz"), "x\ny\nz");
  EXPECT_EQ(reportToPlainText(""), "");
  EXPECT_EQ(reportToPlainText("<br><BR><p></p><br>"), "");
}

} // namespace
} // namespace velmorin
