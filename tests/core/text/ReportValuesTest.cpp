#include "text/ReportValues.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmorin {
namespace {

const Locale kDot{".", ","};
const Locale kComma{",", "."};

TEST(ReportValues, ColouredFormatsAreByteExact) {
  EXPECT_EQ(fmtVolt(kDot, "Vak", 2, 150.456), "Vak <FONT color=\"#990000\"><b>150.46 V</b></FONT>");
  EXPECT_EQ(fmtVolt(kDot, "Vgk", 3, -0.5), "Vgk <FONT color=\"#009900\"><b>-0.500 V</b></FONT>");
  EXPECT_EQ(fmtVolt(kDot, "", 0, 0), " <FONT color=\"#990000\"><b>0 V</b></FONT>");
  // Rounds to zero but is negative: green, and no "-0".
  EXPECT_EQ(fmtVolt(kDot, "Vgk", 1, -0.01), "Vgk <FONT color=\"#009900\"><b>0.0 V</b></FONT>");
  EXPECT_EQ(fmtMilliAmp(kDot, "Ia ", 2, 1.2345), "Ia  <FONT color=\"#73369E\"><b>1.23 mA</b></FONT>");
  EXPECT_EQ(fmtMilliWatt(kDot, "Pa ", 0, 512.5), "Pa  <FONT color=\"#e3780E\"><b>513 mW</b></FONT>");
  EXPECT_EQ(fmtWatt(kComma, "Pout", 1, 2.25), "Pout <FONT color=\"#e3780E\"><b>2,3 W</b></FONT>");
  EXPECT_EQ(fmtGm(kDot, "g<SUB>m</SUB>~", 1, 0.0016),
            "g<SUB>m</SUB>~<FONT color=\"#00AA66\"><b>1.6mA/V</b></FONT>");
  EXPECT_EQ(fmtNum(kDot, "µ~", 0, 99.6), "µ~<FONT color=\"#AA0066\"><b>100</b></FONT>");
  EXPECT_EQ(fmtNum(kComma, "gain ", 1, -33.25), "gain <FONT color=\"#AA0066\"><b>-33,3</b></FONT>");
}

TEST(ReportValues, OhmUnitChosenOnTheExactValue) {
  struct Case {
    double v;
    int n;
    const char* shown;
  };
  for (const Case& c :
       {Case{100000, 0, "100kΩ"}, Case{1500, 0, "1500Ω"}, Case{1200000, 0, "1200kΩ"},
        Case{2.2e6, 0, "2200kΩ"}, Case{0, 0, "0MΩ"}, Case{47.5, 0, "48Ω"}, Case{1e6, 2, "1.00MΩ"},
        Case{3e6, 0, "3MΩ"}, Case{999.9, 1, "999.9Ω"}, Case{1000.5, 0, "1001Ω"}, Case{-2000, 0, "-2kΩ"},
        Case{1e-3, 3, "0.001Ω"}, Case{std::numeric_limits<double>::quiet_NaN(), 0, "n/aΩ"},
        Case{std::numeric_limits<double>::infinity(), 0, "n/aΩ"}}) {
    EXPECT_EQ(fmtOhm(kDot, "ρ~", c.n, c.v),
              std::string("ρ~<FONT color=\"#601010\"><b>") + c.shown + "</b></FONT>")
        << c.v;
  }
  EXPECT_EQ(ohmUnitText(100000), "100kΩ");
  EXPECT_EQ(ohmUnitText(1500), "1500Ω");
  EXPECT_EQ(ohmUnitText(2.2e6), "2200kΩ");
  EXPECT_EQ(ohmUnitText(0), "0MΩ");
  EXPECT_EQ(ohmUnitText(47.5), "48Ω");
  EXPECT_EQ(ohmUnitText(std::numeric_limits<double>::quiet_NaN()), "n/aΩ");
}

TEST(ReportValues, CellUsesTheNumberConversion) {
  EXPECT_EQ(fmtCell(kDot, 3, 1000, 0.0012345), "1.235");
  EXPECT_EQ(fmtCell(kDot, 0, 1, 100000), "100,000");
  EXPECT_EQ(fmtCell(kComma, 2, 1000, 1.5), "1.500,00");
  EXPECT_EQ(fmtCell(kDot, 1, 1000, -0.00001), "0.0");
  EXPECT_EQ(fmtCell(kDot, 2, 1, std::numeric_limits<double>::infinity()), "n/a");
}

TEST(ReportValues, NonFiniteValuesShowNotAvailable) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(fmtNum(kDot, "gain ", 1, nan), "gain <FONT color=\"#AA0066\"><b>n/a</b></FONT>");
  EXPECT_EQ(fmtGm(kDot, "", 1, std::numeric_limits<double>::infinity()),
            "<FONT color=\"#00AA66\"><b>n/amA/V</b></FONT>");
  EXPECT_EQ(fmtMilliAmp(kDot, "Ia", 2, -nan), "Ia <FONT color=\"#73369E\"><b>n/a mA</b></FONT>");
}

TEST(ReportValues, NegativeDecimalCountShowsNoDecimals) {
  EXPECT_EQ(fmtNum(kDot, "", -1, 2.5), "<FONT color=\"#AA0066\"><b>3</b></FONT>");
}

} // namespace
} // namespace velmorin
