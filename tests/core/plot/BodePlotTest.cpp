#include "plot/BodePlot.h"

#include "SceneQueries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmorin;
using namespace velmorin::plot;
using namespace velmorin::plot::testing;

namespace {

constexpr double W = 800, H = 500;

std::vector<double> decades(double fmin, int n) {
  std::vector<double> f;
  for (double b = fmin; n-- > 0; b *= 10)
    for (int m = 1; m <= 9; ++m)
      f.push_back(m * b);
  f.push_back(f.back() / 9 * 10);
  return f;
}

// Three stage outputs of constant gain and an overall curve peaking at 100.
BodeData sample() {
  BodeData d;
  d.title = "Cfg";
  d.caption = "C1";
  d.frequencies = decades(1, 5);
  const std::size_t n = d.frequencies.size();
  d.legends = {{"RC input", true, 0xFF8A2BE2},
               {"T1", false, 0xFFFF7F50},
               {"RC output", true, 0xFF008000},
               {"Overall gain", true, 0xFF00CED1}};
  const double stageGains[] = {0.9, 50, 0.8};
  for (int i = 0; i < 3; ++i) {
    const TRecLégende& l = d.legends[std::size_t(i)];
    d.outputs.push_back(
        {l.légende_titre, l.légende_color, l.légende_display, std::vector<double>(n, stageGains[i])});
  }
  d.overall = {"Overall gain", 0xFF00CED1, true, std::vector<double>(n, 36)};
  d.overall.gains[20] = 100;
  d.overallShown = true;
  d.fmaxGain = 1000;
  d.Gmax = 100;
  d.fLow = 20;
  d.fHigh = 20000;
  return d;
}

double yOf(double g, double Gtop = 100) {
  return 30 + (std::log10(Gtop) - std::log10(g)) / (std::log10(Gtop) + 1) * (H - 60);
}

Text textAt(const std::optional<Text>& t) {
  EXPECT_TRUE(t.has_value());
  return t.value_or(Text{});
}

} // namespace

TEST(BodePlot, TitleFeedbackAndAxisLabels) {
  BodeData d = sample();
  d.β = 0.002;
  const Scene s = bodeScene(d, Locale{}, W, H);

  const Text title = textAt(findText(s, "Cfg [C1]"));
  EXPECT_EQ(title.pos, (PointF{W - 30, 10}));
  EXPECT_EQ(title.anchor, Anchor::Right);
  EXPECT_EQ(title.pointSize, plot::kDiagramFontSize);
  EXPECT_EQ(title.family, "Noto Mono");
  EXPECT_EQ(title.color, 0xFF000000);
  EXPECT_EQ(indexOf<Text>(s, [](const Text& t) { return t.text == "Cfg [C1]"; }), 0);
  EXPECT_EQ(textAt(findText(s, "0.002 feedback fraction")).pos, (PointF{W - 30, 22.5}));
  EXPECT_EQ(textAt(findText(s, "F (Hz)")).pos, (PointF{W - 30, H - 3}));
  EXPECT_EQ(textAt(findText(s, "G (dB)")).pos, (PointF{60, 15}));

  const char* labels[] = {"1", "10", "100", "1,000", "10,000", "100,000"};
  for (int i = 0; i < 6; ++i) {
    const Text t = textAt(findText(s, labels[i]));
    EXPECT_NEAR(t.pos.x, 60 + i * (W - 90) / 5, 1e-9) << labels[i];
    EXPECT_EQ(t.pos.y, H - 15);
    EXPECT_EQ(t.anchor, Anchor::Center);
  }

  d.β = 0;
  EXPECT_FALSE(findText(bodeScene(d, Locale{}, W, H), "0.000 feedback fraction"));

  // Below 1 Hz the decade is written with one decimal.
  d.frequencies = decades(0.1, 5);
  const Scene low = bodeScene(d, Locale{}, W, H);
  EXPECT_EQ(textAt(findText(low, "0.1")).pos.x, 60);
  EXPECT_TRUE(findText(low, "10,000"));
}

TEST(BodePlot, AxesAndFrequencyLines) {
  const BodeData d = sample();
  const Scene s = bodeScene(d, Locale{}, W, H);
  const auto lines = itemsOf<Line>(s);
  auto has = [&](PointF a, PointF b, Argb color, double width) {
    for (const Line& l : lines)
      if (std::abs(l.a.x - a.x) < 1e-9 && std::abs(l.a.y - a.y) < 1e-9 && std::abs(l.b.x - b.x) < 1e-9 &&
          std::abs(l.b.y - b.y) < 1e-9 && l.color == color && l.width == width)
        return true;
    return false;
  };
  EXPECT_TRUE(has({60, H - 30}, {W - 30, H - 30}, 0xFF808080, 2)); // frequency axis
  EXPECT_TRUE(has({60, H - 30}, {60, 30}, 0xFF808080, 2));         // gain axis up to Gtop = 100
  const double x1k = 60 + 3 * (W - 90) / 5;
  EXPECT_TRUE(has({x1k, H - 30}, {x1k, 30}, 0xFF000000, 0.3)); // decade
  const double x2k = 60 + (3 + std::log10(2.0)) * (W - 90) / 5;
  EXPECT_TRUE(has({x2k, H - 30}, {x2k, 30}, 0xFF808080, 0.15)); // in between

  // Max and -3 dB lines across the plot, labelled in grey just above them.
  EXPECT_TRUE(has({60, yOf(100)}, {W - 30, yOf(100)}, 0xFF000000, 0.25));
  EXPECT_TRUE(has({60, yOf(70.71)}, {W - 30, yOf(70.71)}, 0xFF000000, 0.25));
  const Text max = textAt(findText(s, "40.0dB"));
  EXPECT_EQ(max.pos, (PointF{62, yOf(100) - 1}));
  EXPECT_EQ(max.color, 0xFF808080);
  EXPECT_NEAR(textAt(findText(s, "37.0dB")).pos.y, yOf(70.71) - 1, 1e-9);

  // Without an overall curve only the label of the largest overall gain stays.
  BodeData noOverall = d;
  noOverall.overallShown = false;
  const Scene n = bodeScene(noOverall, Locale{}, W, H);
  EXPECT_TRUE(findText(n, "40.0dB"));
  EXPECT_FALSE(findText(n, "37.0dB"));
  for (const Line& l : itemsOf<Line>(n))
    EXPECT_FALSE(l.width == 0.25 && l.color == 0xFF000000);
}

TEST(BodePlot, GainGridStartsAtMinusTwentyDecibels) {
  struct Case {
    double Gtop;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {100, {"-20dB", "-10dB", "0dB", "10dB", "20dB", "30dB"}},
      {44, {"-20dB", "-10dB", "0dB", "10dB", "20dB", "30dB"}},
      {5, {"-20dB", "-10dB", "0dB", "10dB"}},
      {0.5, {"-20dB"}},
  };
  for (const Case& c : cases) {
    BodeData d = sample();
    for (BodeCurve& o : d.outputs)
      o.gains.assign(d.frequencies.size(), c.Gtop / 2);
    d.overall.gains.assign(d.frequencies.size(), c.Gtop);
    d.Gmax = c.Gtop;
    const Scene s = bodeScene(d, Locale{}, W, H);
    std::vector<std::string> got;
    for (const Text& t : itemsOf<Text>(s))
      if (t.anchor == Anchor::Right && t.pos.x == 50)
        got.push_back(t.text);
    EXPECT_EQ(got, c.labels) << c.Gtop;
    const Text first = textAt(findText(s, "-20dB"));
    EXPECT_NEAR(first.pos.y, H - 30, 1e-9);
    int gridLines = 0;
    for (const Line& l : itemsOf<Line>(s))
      gridLines += l.color == 0xFFC0C0C0 && l.width == 0.25;
    EXPECT_EQ(gridLines, int(c.labels.size()));
  }
}

TEST(BodePlot, CurvesAndLegendTitlesForTickedLegendsOnly) {
  const BodeData d = sample();
  const Scene s = bodeScene(d, Locale{}, W, H);
  const auto curves = itemsOf<Polyline>(s);
  ASSERT_EQ(curves.size(), 3u); // "T1" is not ticked
  EXPECT_EQ(curves[0].color, 0xFF8A2BE2);
  EXPECT_EQ(curves[1].color, 0xFF008000);
  EXPECT_EQ(curves[2].color, 0xFF00CED1);
  EXPECT_EQ(curves[0].width, 1);
  EXPECT_EQ(curves[2].width, 2);
  ASSERT_EQ(curves[2].points.size(), d.frequencies.size());
  EXPECT_NEAR(curves[0].points[0].y, yOf(0.9), 1e-9);
  EXPECT_NEAR(curves[2].points[20].y, 30, 1e-9);
  EXPECT_EQ(curves[2].points.back().x, W - 30);

  const char* ticked[] = {"RC input", "RC output", "Overall gain"};
  for (int k = 1; k <= 3; ++k) {
    const Text t = textAt(findText(s, ticked[k - 1]));
    EXPECT_EQ(t.pos, (PointF{W / 2, H - 45 - 12.0 * k}));
  }
  EXPECT_EQ(textAt(findText(s, "RC output")).color, 0xFF008000);
  EXPECT_FALSE(findText(s, "T1"));

  // Without a legend of its own the overall curve is not drawn.
  BodeData noOverall = d;
  noOverall.overallShown = false;
  EXPECT_EQ(itemsOf<Polyline>(bodeScene(noOverall, Locale{}, W, H)).size(), 2u);
}

TEST(BodePlot, SummaryLineForms) {
  struct Case {
    double fLow, fHigh, Gover;
    const char* text;
  };
  const Case cases[] = {
      {20, 20000, 100, "Max gain x100 40.0dB @ ~1000Hz BW -3dB 20Hz-20kHz"},
      {0, 20000, 100.0 / 11, "Max gain x9.1 19.2dB @ 1,000Hz BW -3dB HI 20,000Hz"},
      {0, 0, 100, "Max gain x100 40.0dB @ 1,000Hz BW not calculable"},
      {20, 0, 5, "Max gain x5.0 14.0dB @ 1,000Hz BW -3dB LO 20Hz"},
      {20, 20000, 10, "Max gain x10.0 20.0dB @ ~1000Hz BW -3dB 20Hz-20kHz"},
  };
  for (const Case& c : cases) {
    BodeData d = sample();
    d.fLow = c.fLow;
    d.fHigh = c.fHigh;
    d.overall.gains.assign(d.frequencies.size(), 1);
    d.overall.gains[20] = c.Gover;
    const Text t = textAt(findText(bodeScene(d, Locale{}, W, H), c.text));
    EXPECT_EQ(t.pos, (PointF{W / 2, H - 35})) << c.text;
    EXPECT_EQ(t.anchor, Anchor::Center);
    EXPECT_EQ(t.color, 0xFF000000);
  }
  BodeData d = sample();
  d.overallShown = false;
  for (const Text& t : itemsOf<Text>(bodeScene(d, Locale{}, W, H)))
    EXPECT_NE(t.text.rfind("Max gain", 0), 0u) << t.text;
}

TEST(BodePlot, UnplottableDataGivesAFiniteScene) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();

  BodeData broken = sample();
  broken.overall.gains.assign(broken.frequencies.size(), nan);
  broken.outputs[0].gains[3] = 0;
  broken.outputs[0].gains[4] = inf;
  broken.outputs[2].gains.assign(broken.frequencies.size(), nan);
  broken.Gmax = nan;
  broken.fLow = broken.fHigh = 0;
  const Scene s = bodeScene(broken, Locale{}, W, H);
  EXPECT_TRUE(allFinite(s));
  // The curve with gaps is drawn in the runs around them.
  EXPECT_EQ(itemsOf<Polyline>(s).size(), 2u);
  // No overall gain to speak of: no level lines and no summary.
  EXPECT_EQ(indexOf<Text>(s, [](const Text& t) { return t.text.rfind("Max gain", 0) == 0; }), -1);

  BodeData tiny = sample(); // nothing above the foot of the axis
  for (BodeCurve& o : tiny.outputs)
    o.gains.assign(tiny.frequencies.size(), 0.05);
  tiny.overall.gains.assign(tiny.frequencies.size(), 0.05);
  tiny.Gmax = 0.05;
  EXPECT_TRUE(allFinite(bodeScene(tiny, Locale{}, W, H)));

  BodeData single = sample(); // one frequency: no span to map
  single.frequencies = {1000};
  for (BodeCurve& o : single.outputs)
    o.gains = {1};
  single.overall.gains = {2};
  EXPECT_TRUE(allFinite(bodeScene(single, Locale{}, W, H)));

  EXPECT_TRUE(allFinite(bodeScene(BodeData{}, Locale{}, 10, 10)));
}

// A curve that dips under -20 dB stops at the foot of the axis where it
// crosses it and starts again where it comes back, so nothing of it runs
// over the legends below the plot.
TEST(BodePlot, CurvesAreCutAtTheFootOfTheGainAxis) {
  BodeData d = sample();
  std::vector<double>& g = d.outputs[0].gains; // "RC input"
  g[0] = 0.01;   // below from the start
  g[1] = 0.01;
  g[2] = 1;      // back above: enters at the crossing of 1..2
  g[10] = 0.001; // a dip between two points above
  g.back() = 0.1; // ends exactly on the foot
  const auto curves = itemsOf<Polyline>(bodeScene(d, Locale{}, W, H));
  ASSERT_EQ(curves.size(), 4u);
  const double bottom = yOf(0.1);
  for (std::size_t k = 0; k < 2; ++k)
    for (const PointF& p : curves[k].points)
      EXPECT_LE(p.y, bottom + 1e-9);

  // The crossing lies on the straight segment between the neighbours, in
  // the plot's logarithmic coordinates: 0.01 to 1 crosses 0.1 half-way.
  const double x1 = curves[0].points.front().x;
  const double xa = 60 + std::log10(2.0) / 5 * (W - 90), xb = 60 + std::log10(3.0) / 5 * (W - 90);
  EXPECT_NEAR(curves[0].points.front().y, bottom, 1e-9);
  EXPECT_NEAR(x1, (xa + xb) / 2, 1e-9);
  EXPECT_NEAR(curves[0].points.back().y, bottom, 1e-9);
  EXPECT_NEAR(curves[1].points.front().y, bottom, 1e-9);
  EXPECT_NEAR(curves[1].points.back().y, bottom, 1e-9);
  EXPECT_EQ(curves[1].points.back().x, W - 30);
}
