#include "frequency/Bandwidth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmorin;

TEST(Bandwidth, UnboundedSearchesStopAtTheirBracketEnds) {
  int calls = 0;
  const GainAt flat = [&calls](double) {
    ++calls;
    return 5.0;
  };
  // A flat gain never reaches 0.7071·Gmax: both searches run into their ends.
  EXPECT_NEAR(lowerCutoff(flat, 5, 6), 0.01, 1e-9);
  EXPECT_NEAR(upperCutoff(flat, 5, 6), 1e6, 1e-3);
  EXPECT_LT(calls, 2000);

  // A gain still rising at the end of the bracket drives the maximum there.
  const std::vector<double> freqs{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const GainMaximum m = refineMaximum(freqs, 9, [](double f) { return 10 * f; });
  EXPECT_NEAR(m.fmaxGain, 6, 1e-9); // k = 9 - 5 = 4, bracket freqs[3]..freqs[5]
  EXPECT_NEAR(m.Gmax, 60, 1e-6);
}

TEST(Bandwidth, ShortSweepsKeepTheBracketInside) {
  const GainAt falling = [](double f) { return 100 / f; };
  EXPECT_NEAR(refineMaximum({100}, 0, falling).fmaxGain, 100, 1e-9);
  const GainMaximum m = refineMaximum({1, 2, 3}, 0, falling);
  EXPECT_GE(m.fmaxGain, 1);
  EXPECT_LE(m.fmaxGain, 3);
  EXPECT_EQ(refineMaximum({}, 0, falling).fmaxGain, 0);
}

TEST(Bandwidth, GainsThatAreNotNumbersMakeTheCutoffsNotCalculable) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const GainAt broken = [nan](double) { return nan; };
  EXPECT_EQ(lowerCutoff(broken, 10, 1e3), 0);
  EXPECT_EQ(upperCutoff(broken, 10, 1e3), 0);
  EXPECT_EQ(lowerCutoff([](double) { return 1.0; }, nan, 1e3), 0);
  EXPECT_EQ(upperCutoff([](double) { return 1.0; }, 0, 1e3), 0);

  const GainMaximum m = refineMaximum({1, 2, 3, 4, 5, 6, 7}, 3, broken);
  EXPECT_EQ(m.fmaxGain, 4); // no slope: the first midpoint
  EXPECT_TRUE(std::isnan(m.Gmax));
}
