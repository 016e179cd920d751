#include "plot/VoltageStack.h"

#include "SceneQueries.h"
#include "plot/Colors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmorin::plot {
namespace {

using testing::allFinite;
using testing::findText;
using testing::itemsOf;

const Locale kDot{".", ","};
constexpr Argb kOrange = 0xFFFF7F00, kYellow = 0xFFFFFF00;

// A C1 path: anode resistor, tube, cathode resistor, adding up to the supply.
StackColumn c1Path() {
  StackColumn c;
  c.add("Ra", 98.6, kRed);
  c.add("T1", 149.8, kOrange);
  c.add("Rk", 1.6, kYellow);
  return c;
}

TEST(VoltageStack, SegmentsAddingToTheSupplyFillTheFullScale) {
  const double height = 300, Vb = 250, scale = height - 70;
  const Scene s = voltageStackScene({c1Path()}, Vb, voltageStackWidth(1), height, kDot);
  EXPECT_EQ(s.width, 70);
  EXPECT_EQ(s.height, height);

  const auto rects = itemsOf<Rect>(s);
  ASSERT_EQ(rects.size(), 3u);
  double y = 35;
  const StackColumn path = c1Path();
  for (std::size_t k = 0; k < rects.size(); ++k) {
    const StackSegment& seg = path.segments[k];
    EXPECT_EQ(rects[k].x, 0);
    EXPECT_EQ(rects[k].y, y);
    EXPECT_EQ(rects[k].w, 12);
    EXPECT_EQ(rects[k].h, std::nearbyint(scale * seg.volts / Vb));
    EXPECT_EQ(rects[k].fill, seg.color);
    y += rects[k].h;
  }
  // Rounding each segment costs at most one pixel per segment.
  EXPECT_NEAR(y - 35, scale, 3);

  auto ra = findText(s, "Ra 99V");
  ASSERT_TRUE(ra);
  EXPECT_EQ(ra->color, kBlack);
  EXPECT_EQ(ra->pointSize, plot::kDiagramFontSize);
  EXPECT_DOUBLE_EQ(ra->pos.x, 13.2);
  EXPECT_DOUBLE_EQ(ra->pos.y, 35 + rects[0].h / 2 + 4);
  auto t1 = findText(s, "T1 150V");
  ASSERT_TRUE(t1);
  EXPECT_DOUBLE_EQ(t1->pos.y, rects[1].y + rects[1].h / 2 + 4);
  EXPECT_TRUE(findText(s, "Rk 2V"));
}

TEST(VoltageStack, ColumnsSitSideBySideSeventyPixelsApart) {
  StackColumn divider;
  divider.add("", 200, kWhite); // unlabelled
  divider.add("Vg", 50, kYellow);
  const Scene s = voltageStackScene({divider, c1Path()}, 250, voltageStackWidth(2), 300, kDot);
  EXPECT_EQ(s.width, 140);
  EXPECT_EQ(s.background, kTransparent);

  const auto rects = itemsOf<Rect>(s);
  ASSERT_EQ(rects.size(), 5u);
  EXPECT_EQ(rects[0].x, 0);
  EXPECT_EQ(rects[1].x, 0);
  for (std::size_t k = 2; k < 5; ++k)
    EXPECT_EQ(rects[k].x, 70);
  EXPECT_EQ(rects[2].y, 35); // each column starts again at the top

  const auto texts = itemsOf<Text>(s);
  ASSERT_EQ(texts.size(), 4u); // the unlabelled segment has no text
  EXPECT_EQ(texts[0].text, "Vg 50V");
  EXPECT_DOUBLE_EQ(texts[0].pos.x, 13.2);
  EXPECT_DOUBLE_EQ(texts[1].pos.x, 83.2);
}

TEST(VoltageStack, NegativeSegmentGrowsUpwardAndLiftsTheNext) {
  StackColumn c;
  c.add("Vg", -23, kYellow);
  c.add("T1", 100, kOrange);
  const Scene s = voltageStackScene({c}, 230, 70, 300, kDot);
  const auto rects = itemsOf<Rect>(s);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].h, -23);
  EXPECT_EQ(rects[1].y, 35 - 23);
  EXPECT_TRUE(findText(s, "Vg -23V"));
}

TEST(VoltageStack, UnscalableInputsDrawNothingUndefined) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double Vb : {0.0, nan, inf, -inf}) {
    const Scene s = voltageStackScene({c1Path()}, Vb, 70, 300, kDot);
    EXPECT_TRUE(s.items.empty()) << Vb;
  }
  StackColumn c;
  c.add("Ra", nan, kRed);
  c.add("Big", 1e308, kRed);
  c.add("T1", 100, kOrange);
  const Scene s = voltageStackScene({c}, 1e-10, nan, -5, kDot);
  EXPECT_TRUE(allFinite(s));
  EXPECT_EQ(itemsOf<Rect>(s).size(), 1u); // only T1 has a height
}

} // namespace
} // namespace velmorin::plot
