#include "text/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace velmorin {
namespace {

const Locale kDot{".", ","};
const Locale kComma{",", "."};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberCase {
  const char* fmt;
  FormatArg arg;
  const char* dot;   // with decimal "." and thousands ","
  const char* comma; // with decimal "," and thousands "."
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.fmt << " -> \"" << c.dot << '"'; }

class SformatNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SformatNumber, MatchesBothLocales) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(sformatv(kDot, c.fmt, {c.arg}), c.dot) << c.fmt;
  EXPECT_EQ(sformatv(kComma, c.fmt, {c.arg}), c.comma) << c.fmt;
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, SformatNumber,
    ::testing::Values(
        // fixed: no thousands separators
        NumberCase{"%.2f", 1234567.891, "1234567.89", "1234567,89"},
        NumberCase{"%0.1f", 25.0, "25.0", "25,0"}, NumberCase{"%.0f", 99.4, "99", "99"},
        NumberCase{"%0.0f", -0.4, "0", "0"}, NumberCase{"%f", 3.14159, "3.14", "3,14"},
        NumberCase{"%.3f", -1.5, "-1.500", "-1,500"},
        // number: thousands separators on the integer part only
        NumberCase{"%.3n", 1234567.8915, "1,234,567.892", "1.234.567,892"},
        NumberCase{"%.0n", 100000.0, "100,000", "100.000"}, NumberCase{"%.0n", 999.0, "999", "999"},
        NumberCase{"%.2n", -1234.5, "-1,234.50", "-1.234,50"},
        NumberCase{"%n", 1000.0, "1,000.00", "1.000,00"},
        NumberCase{"%.1n", -999999.96, "-1,000,000.0", "-1.000.000,0"},
        // halves round away from zero, after taking 15 significant digits
        NumberCase{"%.2f", 0.125, "0.13", "0,13"}, NumberCase{"%.0f", 2.5, "3", "3"},
        NumberCase{"%.0f", -2.5, "-3", "-3"}, NumberCase{"%.3f", 1.2345, "1.235", "1,235"},
        NumberCase{"%.1f", 0.05, "0.1", "0,1"}, NumberCase{"%.2f", 1.005, "1.01", "1,01"},
        NumberCase{"%.0f", 0.5, "1", "1"}, NumberCase{"%.0f", 0.49999999999999994, "1", "1"},
        NumberCase{"%.2f", 9.995, "10.00", "10,00"}, NumberCase{"%.1f", 1e-20, "0.0", "0,0"},
        NumberCase{"%.0f", 1e20, "100000000000000000000", "100000000000000000000"},
        NumberCase{"%.2f", 123456789012345678.0, "123456789012346000.00", "123456789012346000,00"},
        // nothing rounds to "-0"
        NumberCase{"%.2f", -0.001, "0.00", "0,00"}, NumberCase{"%.2f", -0.0, "0.00", "0,00"},
        NumberCase{"%.0n", -0.3, "0", "0"}, NumberCase{"%d", -0.4, "0", "0"},
        // not finite
        NumberCase{"%.2f", kNaN, "n/a", "n/a"}, NumberCase{"%.0n", kInf, "n/a", "n/a"},
        NumberCase{"%.1f", -kInf, "n/a", "n/a"}, NumberCase{"%d", kNaN, "n/a", "n/a"},
        // integers
        NumberCase{"%d", std::int64_t(-42), "-42", "-42"}, NumberCase{"%.d", std::int64_t(7), "7", "7"},
        NumberCase{"%.3d", std::int64_t(7), "007", "007"},
        NumberCase{"%d", std::numeric_limits<std::int64_t>::min(), "-9223372036854775808",
                   "-9223372036854775808"},
        NumberCase{"%d", 2.5, "3", "3"}, NumberCase{"%d", -2.5, "-3", "-3"},
        NumberCase{"%.1f", std::int64_t(12), "12.0", "12,0"},
        NumberCase{"%.0n", std::int64_t(12345), "12,345", "12.345"},
        // widths pad with blanks, '-' on the right
        NumberCase{"[%5d]", std::int64_t(42), "[   42]", "[   42]"},
        NumberCase{"[%-6.1f]", 1.25, "[1.3   ]", "[1,3   ]"}));

TEST(Sformat, ReportLinesWithTextAndPercent) {
  EXPECT_EQ(sformat(kDot, "C%d - %s %s - %d iter. Res ±%.0fµA Ia %.2f=>%.2fmA", 1, "T1", "ECC83", 12, 1.0,
                    1.23456, 1.2),
            "C1 - T1 ECC83 - 12 iter. Res ±1µA Ia 1.23=>1.20mA");
  EXPECT_EQ(sformat(kComma, "%s     %.0f%% of Pmax (%0.1fW)", "Pa", 87.5, 1.0), "Pa     88% of Pmax (1,0W)");
  EXPECT_EQ(sformat(kDot, "100%%"), "100%");
  EXPECT_EQ(sformat(kDot, "%s", std::string("ρ~ Ω µ ±")), "ρ~ Ω µ ±");
  EXPECT_EQ(sformat(kDot, "[%.3s|%-4s|%4s]", "µΩabc", "Ω", "µ"), "[µΩa|Ω   |   µ]");
}

TEST(Sformat, MissingOrMismatchedArgumentsWriteNothing) {
  EXPECT_EQ(sformat(kDot, "a%sb%dc%.2fd"), "abcd");
  EXPECT_EQ(sformat(kDot, "%s=%.1f V", "Vak"), "Vak= V");
  // Each conversion still takes its argument, so later ones stay in place.
  EXPECT_EQ(sformat(kDot, "[%d][%s][%.1f]", "text", 5, 2.0), "[][][2.0]");
}

TEST(Sformat, UnknownConversionsAreKeptAsWritten) {
  EXPECT_EQ(sformat(kDot, "50% off %x %", 1), "50% off %x %");
  EXPECT_EQ(sformat(kDot, "%.2q%d", 3), "%.2q3");
}

TEST(Sformat, PrecisionIsCapped) {
  std::string s = sformat(kDot, "%.1000000f", 1.0);
  EXPECT_EQ(s, "1.000000000000000000");
}

} // namespace
} // namespace velmorin
