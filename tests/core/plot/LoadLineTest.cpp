#include "plot/LoadLine.h"

#include "SceneQueries.h"
#include "TubeFixture.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace velmorin::plot {
namespace {

using testing::allFinite;
using testing::ecc83At;
using testing::ecc83Model;
using testing::findText;
using testing::indexOf;
using testing::itemsOf;

constexpr double kW = 600, kH = 300;
const Locale kDot{".", ","};

// The diagram's coordinates for a scale, as the drawing defines them.
struct Axes {
  double Imax, Vmax;
  double X(double v) const { return v / Vmax * (kW - 120) + 60; }
  double Y(double i) const { return (Imax - i) / Imax * (kH - 120) + 60; }
};

void expectPoint(PointF p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-9);
  EXPECT_NEAR(p.y, y, 1e-9);
}

std::optional<Line> findLine(const Scene& s, Argb color, double width) {
  for (const Line& l : itemsOf<Line>(s))
    if (l.color == color && l.width == width)
      return l;
  return std::nullopt;
}

std::vector<Line> linesOf(const Scene& s, Argb color, double width) {
  std::vector<Line> out;
  for (const Line& l : itemsOf<Line>(s))
    if (l.color == color && l.width == width)
      out.push_back(l);
  return out;
}

// C1-like stage: 250 V supply, 100k anode and 1k5 cathode resistors.
class LoadLineScene : public ::testing::Test {
protected:
  TTube tube = ecc83At(150, -1.5);
  Axes ax{250 / 101500.0, 250};
  Scene scene = loadLineScene(makeLoadLineData(tube, true, ax.Imax, ax.Vmax), kW, kH, kDot);
};

TEST_F(LoadLineScene, FramesTheAxesAndScales) {
  EXPECT_EQ(scene.width, kW);
  EXPECT_EQ(scene.height, kH);
  EXPECT_EQ(scene.background, kWhite);
  for (const Text& t : itemsOf<Text>(scene)) {
    EXPECT_EQ(t.pointSize, plot::kDiagramFontSize) << t.text;
    EXPECT_EQ(t.family, "Noto Mono");
  }

  auto title = findText(scene, "T1 ECC83");
  ASSERT_TRUE(title);
  expectPoint(title->pos, kW - 60, 30);
  EXPECT_EQ(title->anchor, Anchor::Right);
  EXPECT_EQ(title->color, kBlack);

  auto axes = linesOf(scene, kGrey, 2);
  ASSERT_EQ(axes.size(), 2u);
  expectPoint(axes[0].a, ax.X(0), ax.Y(0));
  expectPoint(axes[0].b, ax.X(250) + 30, kH - 60);
  expectPoint(axes[1].a, 60, kH - 60);
  expectPoint(axes[1].b, 60, ax.Y(ax.Imax) - 30);
  expectPoint(findText(scene, "Vak")->pos, ax.X(250) + 30, kH - 60);
  expectPoint(findText(scene, "Ia")->pos, 60, 30);

  auto iScale = findText(scene, "2.5mA");
  ASSERT_TRUE(iScale);
  expectPoint(iScale->pos, 57, 60);
  auto vScale = findText(scene, "250V");
  ASSERT_TRUE(vScale);
  expectPoint(vScale->pos, kW - 60, kH - 48);
  EXPECT_EQ(vScale->anchor, Anchor::Left);
}

TEST_F(LoadLineScene, DrawsTheLoadLineWithItsResistance) {
  auto ll = findLine(scene, kNavy, 2);
  ASSERT_TRUE(ll);
  expectPoint(ll->a, ax.X(0), ax.Y(ax.Imax));
  expectPoint(ll->b, ax.X(ax.Vmax), ax.Y(0));
  auto r = findText(scene, "101500Ω");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->color, kNavy);
  expectPoint(r->pos, ax.X(125), ax.Y(ax.Imax / 2));
}

TEST_F(LoadLineScene, WithoutLoadLineKeepsEverythingElse) {
  Scene bare = loadLineScene(makeLoadLineData(tube, false, ax.Imax, ax.Vmax), kW, kH, kDot);
  EXPECT_FALSE(findLine(bare, kNavy, 2));
  EXPECT_FALSE(findText(bare, "101500Ω"));
  // One item fewer of each: the line and its label.
  EXPECT_EQ(bare.items.size() + 2, scene.items.size());
  EXPECT_EQ(linesOf(bare, kRed, 2).size(), 2u);
  EXPECT_EQ(linesOf(bare, kNavy, 0.3).size(), 2u);
  EXPECT_EQ(itemsOf<Polyline>(bare).size(), 3u); // dissipation and two characteristics
}

TEST_F(LoadLineScene, MarksTheOperatingPoint) {
  auto op = linesOf(scene, kNavy, 0.3);
  ASSERT_EQ(op.size(), 2u);
  const double Ia = tube.Ia();
  expectPoint(op[0].a, ax.X(0), ax.Y(Ia));
  expectPoint(op[0].b, ax.X(150), ax.Y(Ia));
  expectPoint(op[1].a, ax.X(150), ax.Y(0));
  expectPoint(op[1].b, ax.X(150), ax.Y(Ia));
  auto ia = findText(scene, sformat(kDot, "%.1fmA", Ia * 1000));
  ASSERT_TRUE(ia);
  EXPECT_EQ(ia->color, kNavy);
  expectPoint(ia->pos, 57, ax.Y(Ia));
  auto vak = findText(scene, "150V");
  ASSERT_TRUE(vak);
  EXPECT_EQ(vak->color, kNavy);
  expectPoint(vak->pos, ax.X(150), kH - 30);
}

TEST(LoadLineLimits, DrawsCurrentVoltageAndDissipationLimitsInRed) {
  const Axes ax{0.01, 400};
  const TTube tube = ecc83At(200, -2);
  const Scene s = loadLineScene(makeLoadLineData(tube, true, ax.Imax, ax.Vmax), kW, kH, kDot);

  auto limits = linesOf(s, kRed, 2);
  ASSERT_EQ(limits.size(), 2u);
  // Iamax 8 mA up to where it meets the 1 W hyperbola at 125 V.
  expectPoint(limits[0].a, ax.X(0), ax.Y(0.008));
  expectPoint(limits[0].b, ax.X(125), ax.Y(0.008));
  expectPoint(limits[1].a, ax.X(350), ax.Y(0));
  expectPoint(limits[1].b, ax.X(350), ax.Y(1.0 / 350));
  auto iLabel = findText(s, "8.0mA");
  ASSERT_TRUE(iLabel);
  EXPECT_EQ(iLabel->color, kRed);
  expectPoint(iLabel->pos, 57, ax.Y(0.008));
  auto vLabel = findText(s, "350V");
  ASSERT_TRUE(vLabel);
  EXPECT_EQ(vLabel->color, kRed);
  expectPoint(vLabel->pos, ax.X(350), kH - 48);

  // The hyperbola from 125 V every 2 V while below 350 V.
  const int curve = indexOf<Polyline>(s, [](const Polyline& p) { return p.color == kRed; });
  ASSERT_GE(curve, 0);
  const auto& pts = std::get<Polyline>(s.items[curve]).points;
  ASSERT_EQ(pts.size(), 113u);
  for (std::size_t k = 0; k < pts.size(); ++k) {
    const double v = 125 + 2.0 * k;
    expectPoint(pts[k], ax.X(v), ax.Y(1 / v));
  }
  EXPECT_EQ(std::get<Polyline>(s.items[curve]).width, 2);
}

TEST(LoadLineCharacteristics, NavyAtTheGridVoltageThenMaroonAtZero) {
  const Axes ax{0.01, 300};
  TTube tube = ecc83At(180, -1.5);
  const LoadLineData d = makeLoadLineData(tube, true, ax.Imax, ax.Vmax);
  // The solved tube keeps its operating point.
  EXPECT_EQ(tube.Vak(), 180);
  EXPECT_EQ(tube.Vgk(), -1.5);

  ASSERT_EQ(d.characteristics.size(), 2u);
  EXPECT_EQ(d.characteristics[0].color, kNavy);
  EXPECT_EQ(d.characteristics[0].Vgk, -1.5);
  EXPECT_EQ(d.characteristics[1].color, kMaroon);
  EXPECT_EQ(d.characteristics[1].Vgk, 0);
  TTube scratch(ecc83Model(), "");
  for (const Characteristic& c : d.characteristics) {
    ASSERT_FALSE(c.points.empty());
    for (std::size_t k = 0; k < c.points.size(); ++k) {
      double Ia = 0;
      scratch.CalculerNK(2.0 * k, c.Vgk, Ia);
      EXPECT_EQ(c.points[k], (VoltAmp{2.0 * k, Ia}));
    }
    EXPECT_EQ(c.labelAt, (VoltAmp{2.0 * c.points.size(), c.points.back().i}));
  }

  const Scene s = loadLineScene(d, kW, kH, kDot);
  for (const Characteristic& c : d.characteristics) {
    const int label =
        indexOf<Text>(s, [&](const Text& t) { return t.text.rfind("Vg ", 0) == 0 && t.color == c.color; });
    const int curve = indexOf<Polyline>(s, [&](const Polyline& p) { return p.color == c.color; });
    ASSERT_GE(label, 0);
    ASSERT_GE(curve, 0);
    EXPECT_LT(label, curve);
    const Text& t = std::get<Text>(s.items[label]);
    EXPECT_EQ(t.text, c.Vgk == 0 ? "Vg 0.00" : "Vg -1.50");
    expectPoint(t.pos, ax.X(c.labelAt.v), ax.Y(c.labelAt.i));
    const Polyline& p = std::get<Polyline>(s.items[curve]);
    EXPECT_EQ(p.width, 2);
    ASSERT_EQ(p.points.size(), c.points.size());
    expectPoint(p.points.back(), ax.X(c.points.back().v), ax.Y(c.points.back().i));
  }
  const int navy = indexOf<Polyline>(s, [](const Polyline& p) { return p.color == kNavy; });
  const int maroon = indexOf<Polyline>(s, [](const Polyline& p) { return p.color == kMaroon; });
  EXPECT_LT(navy, maroon);

  // Labels follow the locale's decimal separator.
  const Scene comma = loadLineScene(d, kW, kH, Locale{",", "."});
  EXPECT_TRUE(findText(comma, "Vg -1,50"));
  EXPECT_TRUE(findText(comma, "10,0mA"));
}

TEST(LoadLineCharacteristics, ZeroGridVoltageDrawsTheSameCurveTwice) {
  const LoadLineData d = makeLoadLineData(ecc83At(100, 0), true, 0.01, 300);
  ASSERT_EQ(d.characteristics.size(), 2u);
  EXPECT_EQ(d.characteristics[0].points, d.characteristics[1].points);
}

enum class Stop { Volts, Current, Power };

struct StopCase {
  const char* name;
  double Vgk, Imax, Vmax, Pamax;
  Stop stop;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class CharacteristicStops : public ::testing::TestWithParam<StopCase> {};

// The loop tests the next voltage with the last current after each point:
// every point but the last passed all three tests, the last failed the one
// that ends the curve.
TEST_P(CharacteristicStops, AtTheFirstPointPastTheLimit) {
  const StopCase& c = GetParam();
  TTube tube = ecc83At(100, c.Vgk);
  tube.setPamax(c.Pamax);
  const Characteristic ch = makeLoadLineData(tube, true, c.Imax, c.Vmax).characteristics[0];
  ASSERT_GE(ch.points.size(), 2u);
  for (std::size_t k = 0; k + 1 < ch.points.size(); ++k) {
    const double next = ch.points[k].v + 2, i = ch.points[k].i;
    EXPECT_TRUE(next < c.Vmax && i < c.Imax && next * i < c.Pamax) << k;
  }
  const double V = ch.labelAt.v, I = ch.labelAt.i;
  switch (c.stop) {
  case Stop::Volts:
    EXPECT_GE(V, c.Vmax);
    break;
  case Stop::Current:
    EXPECT_GE(I, c.Imax);
    break;
  case Stop::Power:
    EXPECT_GE(V * I, c.Pamax);
    break;
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, CharacteristicStops,
                         ::testing::Values(StopCase{"Vmax", -4, 0.01, 100, 1, Stop::Volts},
                                           StopCase{"Imax", 0, 0.001, 400, 1, Stop::Current},
                                           StopCase{"Pamax", 0, 1, 400, 0.05, Stop::Power}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadLineBounds, CurvesStopAtTheCapWhateverTheScale) {
  TubeModel m = ecc83Model();
  m.vmax = 1e300; // the dissipation curve would never reach it
  m.pmax = 1e-3;
  const TTube tube = ecc83At(100, -1e6, m); // a cut-off tube never reaches Imax
  const LoadLineData d = makeLoadLineData(tube, true, 0.01, 1e300);
  EXPECT_EQ(d.characteristics[0].points.size(), kMaxCurvePoints);
  EXPECT_EQ(d.dissipation.size(), kMaxCurvePoints);
  EXPECT_TRUE(allFinite(loadLineScene(d, kW, kH, kDot)));
}

struct DegenerateCase {
  const char* name;
  double Imax, Vmax;
  double Iamax = 0.008, Pamax = 1, Vamax = 350;
  double Ia = 1e-3;
  double width = kW, height = kH;
};

void PrintTo(const DegenerateCase& c, std::ostream* os) { *os << c.name; }

class LoadLineDegenerate : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(LoadLineDegenerate, GivesADefinedScene) {
  const DegenerateCase& c = GetParam();
  TubeModel m = ecc83Model();
  m.vmax = c.Vamax;
  TTube tube = ecc83At(150, -1.5, m);
  tube.setIamax(c.Iamax);
  tube.setPamax(c.Pamax);
  tube.setIa(c.Ia);
  const Scene s = loadLineScene(makeLoadLineData(tube, true, c.Imax, c.Vmax), c.width, c.height, kDot);
  EXPECT_TRUE(allFinite(s));
  EXPECT_TRUE(findText(s, "T1 ECC83"));
  const bool scale = std::isfinite(c.Imax) && c.Imax > 0 && std::isfinite(c.Vmax) && c.Vmax > 0;
  if (!scale) {
    // Title and bare axes only.
    EXPECT_EQ(linesOf(s, kGrey, 2).size(), 2u);
    EXPECT_EQ(s.items.size(), 5u);
  }
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Inputs, LoadLineDegenerate,
    ::testing::Values(DegenerateCase{"ImaxZero", 0, 250}, DegenerateCase{"ImaxNegative", -0.01, 250},
                      DegenerateCase{"ImaxNan", kNan, 250}, DegenerateCase{"ImaxInf", kInf, 250},
                      DegenerateCase{"VmaxZero", 0.01, 0}, DegenerateCase{"VmaxNegative", 0.01, -5},
                      DegenerateCase{"VmaxNan", 0.01, kNan}, DegenerateCase{"VmaxInf", 0.01, kInf},
                      DegenerateCase{"IamaxZero", 0.01, 250, 0},
                      DegenerateCase{"PamaxZero", 0.01, 250, 0.008, 0},
                      DegenerateCase{"VamaxZero", 0.01, 250, 0.008, 1, 0},
                      DegenerateCase{"LimitsAllZero", 0.01, 250, 0, 0, 0},
                      DegenerateCase{"IaNan", 0.01, 250, 0.008, 1, 350, kNan},
                      DegenerateCase{"TinyImax", 1e-320, 250},
                      DegenerateCase{"SizeNan", 0.01, 250, 0.008, 1, 350, 1e-3, kNan, kNan},
                      DegenerateCase{"SizeTooSmall", 0.01, 250, 0.008, 1, 350, 1e-3, 50, -3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmorin::plot
