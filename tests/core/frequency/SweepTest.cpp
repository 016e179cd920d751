#include "frequency/Sweep.h"

#include <gtest/gtest.h>

#include <limits>

using namespace velmorin;

TEST(Sweep, NinePointsPerDecadeUpToTheUpperBound) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double fmin, fmax;
    std::size_t count;
    double first, last;
  };
  const Case cases[] = {
      {1, 1e5, 46, 1, 1e5},
      {0.1, 1e4, 46, 0.1, 1e4},
      {10, 1e6, 46, 10, 1e6},
      {100, 1e7, 46, 100, 1e7},
      {1, 1e7, 64, 1, 1e7},
      // An upper bound off the 1-to-9 grid finishes its decade.
      {1, 15e3, 45, 1, 9e4},
      // Bounds that would never end the loop fall back to 1 Hz .. 100 kHz.
      {0, 1e5, 46, 1, 1e5},
      {-5, 1e5, 46, 1, 1e5},
      {1, inf, 46, 1, 1e5},
      {std::numeric_limits<double>::quiet_NaN(), 1e5, 46, 1, 1e5},
  };
  for (const Case& c : cases) {
    const auto f = sweepFrequencies(c.fmin, c.fmax);
    ASSERT_EQ(f.size(), c.count) << c.fmin << ".." << c.fmax;
    EXPECT_EQ(f.front(), c.first);
    EXPECT_EQ(f.back(), c.last);
  }
  const auto f = sweepFrequencies(1, 1e5);
  EXPECT_EQ(f[8], 9);
  EXPECT_EQ(f[9], 10);
  EXPECT_EQ(f[10], 20);
}
