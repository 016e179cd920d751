#include "text/EngValue.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velmorin {
namespace {

const Locale kDot{".", ","};
const Locale kComma{",", "."};

struct EngCase {
  const char* text;
  double expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const EngCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseEngValueDot : public ::testing::TestWithParam<EngCase> {};

TEST_P(ParseEngValueDot, Reads) {
  const EngCase& c = GetParam();
  EXPECT_DOUBLE_EQ(parseEngValue(c.text, kDot), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ParseEngValueDot,
    ::testing::Values(
        // suffix letters stand for the decimal point and the power of ten
        EngCase{"4k7", 4700}, EngCase{"2M2", 2.2e6}, EngCase{"100k", 100000}, EngCase{"1n5", 1.5e-9},
        EngCase{"470p", 4.7e-10}, EngCase{"100\u00B5", 1e-4}, EngCase{"10k", 10000}, EngCase{"22m", 0.022},
        EngCase{"k5", 500}, EngCase{"  4k7  ", 4700}, EngCase{"\t250\t", 250},
        // plain numbers
        EngCase{"250", 250}, EngCase{"10.", 10}, EngCase{".5", 0.5}, EngCase{"-1.5", -1.5}, EngCase{"+3", 3},
        EngCase{"1e3", 1000}, EngCase{"2.5E-3", 0.0025}, EngCase{"1e+2", 100}, EngCase{"0", 0},
        EngCase{"-0k5", -500}, EngCase{"1e2k", 1},
        // a later letter overrides the factor, each letter stands for a point:
        // "1m2k" becomes "1.2." (not a number); "k" alone becomes "."
        EngCase{"1m2k", 1}, EngCase{"k", 1}, EngCase{"2kk", 1},
        // not numbers: exactly 1, whatever the suffix
        EngCase{"1.5k", 1}, EngCase{"abc", 1}, EngCase{"10K", 1}, EngCase{"", 1}, EngCase{"   ", 1},
        EngCase{"10u", 1}, EngCase{"10\u03BC", 1}, EngCase{"1,000", 1}, EngCase{"0x10", 1}, EngCase{"inf", 1},
        EngCase{"nan", 1}, EngCase{"1 000", 1}, EngCase{"12abc", 1}, EngCase{"1e", 1}, EngCase{"e3", 1},
        EngCase{"1.2.3", 1}, EngCase{"--1", 1}, EngCase{"+", 1}, EngCase{".", 1}, EngCase{"1e999", 1},
        EngCase{"1e308M", 1}, EngCase{"1e-999", 1}));

TEST(ParseEngValue, UsesTheLocaleDecimalSeparator) {
  EXPECT_DOUBLE_EQ(parseEngValue("4k7", kComma), 4700);
  EXPECT_DOUBLE_EQ(parseEngValue("1,5", kComma), 1.5);
  EXPECT_DOUBLE_EQ(parseEngValue("10,", kComma), 10);
  EXPECT_DOUBLE_EQ(parseEngValue("2M2", kComma), 2.2e6);
  EXPECT_EQ(parseEngValue("1.5", kComma), 1);
  EXPECT_EQ(parseEngValue("1,5k", kComma), 1);
  EXPECT_EQ(parseEngValue("1,5", kDot), 1);
}

TEST(ParseEngValue, MultiByteDecimalSeparator) {
  const Locale arabic{"\u066B", "\u066C"};
  EXPECT_DOUBLE_EQ(parseEngValue("4k7", arabic), 4700);
  EXPECT_DOUBLE_EQ(parseEngValue("1\u066B5", arabic), 1.5);
  EXPECT_EQ(parseEngValue("1.5", arabic), 1);
}

} // namespace
} // namespace velmorin
