#include "TubeFixtures.h"
#include "models/IterationLimits.h"
#include "models/TTube.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace velmorin {
namespace {

using testing::ecc83;
using testing::el34;
using testing::t300b;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Request {
  const char* model;
  double Ia, V, Vs; // V: the anode voltage for whichVg, the grid voltage for whichVa
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Request& c, std::ostream* os) { *os << c.model << " Ia " << c.Ia << " V " << c.V; }

TubeModel modelNamed(const char* name) {
  const std::string n = name;
  return n == "EL34" ? el34() : n == "300B" ? t300b() : ecc83();
}

// --- whichVg --------------------------------------------------------------------

class WhichVgFinds : public ::testing::TestWithParam<Request> {};

TEST_P(WhichVgFinds, AGridVoltageWithinOneMicroAmp) {
  const Request& r = GetParam();
  TTube t(modelNamed(r.model), "T1");
  const double Vg = t.whichVg(r.Ia, r.V, r.Vs);
  EXPECT_LT(Vg, 0);
  TTube ref(modelNamed(r.model), "test");
  EXPECT_NEAR(ref.currentByKind(r.V, Vg, r.Vs), r.Ia, 1e-6) << Vg;
}

INSTANTIATE_TEST_SUITE_P(Models, WhichVgFinds,
                         ::testing::Values(Request{"ECC83", 1e-3, 250, 0}, Request{"ECC83", 1e-5, 300, 0},
                                           Request{"300B", 60e-3, 350, 0}, Request{"EL34", 50e-3, 250, 250},
                                           Request{"EL34", 0, 250, 250}));

TEST(WhichVg, ExactlyZeroAboveTheZeroBiasCurrent) {
  TTube t(ecc83(), "T1");
  EXPECT_EQ(t.whichVg(t.getMaxCurrent(250) + 1e-9, 250, 0), 0.0);
  TTube p(el34(), "T1");
  EXPECT_EQ(p.whichVg(p.CalculerNKpentode(250, 0, 250) + 1e-9, 250, 250), 0.0);
}

TEST(WhichVg, BoundedWhenNoGridVoltageReachesTheRequest) {
  TTube t(ecc83(), "T1");
  // no grid voltage makes the current negative: the lowest voltage searched
  EXPECT_EQ(t.whichVg(-1e-3, 250, 0), -double(limits::kWhichVgSteps));
  EXPECT_TRUE(std::isfinite(t.whichVg(kNaN, 250, 0)));
  EXPECT_TRUE(std::isfinite(t.whichVg(1e-3, kNaN, 0)));
}

// --- whichVa --------------------------------------------------------------------

class WhichVaFinds : public ::testing::TestWithParam<Request> {};

TEST_P(WhichVaFinds, AnAnodeVoltageWithinOneMicroAmp) {
  const Request& r = GetParam();
  TTube t(modelNamed(r.model), "T1");
  const double Va = t.whichVa(r.Ia, r.V, r.Vs);
  EXPECT_GT(Va, 0);
  TTube ref(modelNamed(r.model), "test");
  EXPECT_NEAR(ref.currentByKind(Va, r.V, r.Vs), r.Ia, 1e-6) << Va;
}

// The 300B cases are far from the start (Vamax / 2): the fixed steps do not
// meet 1 µA in their bound and the search finishes by bisection.
INSTANTIATE_TEST_SUITE_P(Models, WhichVaFinds,
                         ::testing::Values(Request{"ECC83", 1e-3, -1, 0}, Request{"ECC83", 3e-3, -2, 0},
                                           Request{"ECC83", 0.1, -10, 0}, Request{"300B", 0.05, -60, 0},
                                           Request{"300B", 0.1, -30, 0}, Request{"EL34", 50e-3, -10, 250},
                                           Request{"EL34", 1e-3, -30, 250}));

TEST(WhichVa, ZeroMaximumVoltageStillFindsThePoint) {
  TubeModel m = ecc83();
  m.vmax = 0;
  TTube t(m, "T1");
  const double Va = t.whichVa(1e-3, -1, 0);
  TTube ref(ecc83(), "test");
  EXPECT_NEAR(ref.currentByKind(Va, -1, 0), 1e-3, 1e-6) << Va;
}

TEST(WhichVa, BoundedWhenNoAnodeVoltageGivesTheCurrent) {
  // An EL34 at Vg2 = 250 V and Vg1 = −30 V saturates far below 50 mA: the
  // highest anode voltage searched.
  TTube p(el34(), "T1");
  EXPECT_EQ(p.whichVa(50e-3, -30, 250), limits::kWhichVaCeilingVolts);
  // A negative current: no anode voltage above 0 gives it.
  TTube t(ecc83(), "T1");
  EXPECT_EQ(t.whichVa(-1e-3, -1, 0), 0.0);
  EXPECT_TRUE(std::isfinite(t.whichVa(kNaN, -1, 0)));
  EXPECT_TRUE(std::isfinite(t.whichVa(1e-3, kNaN, 0)));
}

// --- whichVgOld -----------------------------------------------------------------

TEST(WhichVgOld, StepsDownByMilliVolts) {
  TTube t(ecc83(), "T1");
  const double exact = t.whichVg(1e-3, 250, 0);
  const double Vg = t.whichVgOld(1e-3, 250, 0, 0);
  EXPECT_LE(Vg, exact + 1e-5 / 1.0e-3); // within 10 µA, with gm about 1 mA/V
  EXPECT_GT(Vg, exact - 0.0015);
}

TEST(WhichVgOld, OneWhenTheStartGivesTooLittle) {
  TTube t(ecc83(), "T1");
  EXPECT_EQ(t.whichVgOld(t.getMaxCurrent(250) + 1e-6, 250, 0, 0), 1.0);
}

TEST(WhichVgOld, BoundedWhenTheCurrentNeverFallsThatFar) {
  TTube t(ecc83(), "T1");
  const double Vg = t.whichVgOld(-1e-3, 250, 0, 0);
  EXPECT_NEAR(Vg, -0.001 * limits::kWhichVgOldSteps, 1e-3);
}

} // namespace
} // namespace velmorin
