#include "plot/TraceScene.h"

#include "SceneQueries.h"
#include "plot/Colors.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmorin::plot {
namespace {

using testing::itemsOf;

Trace traceOf(std::initializer_list<double> xy) {
  Trace t;
  t.points = xy;
  return t;
}

TEST(TraceScene, ScalesTheLastPointToTheRightAndTheLargestToTheTop) {
  const Trace t = traceOf({0, 1e-3, 1, 2e-3, 2, 1.5e-3, 4, 0});
  for (auto [W, H] : {std::pair{384.0, 111.0}, std::pair{600.0, 200.0}}) { // the same trace after a resize
    const Scene s = traceScene(t, W, H);
    EXPECT_EQ(s.width, W);
    EXPECT_EQ(s.height, H);
    EXPECT_EQ(s.background, kWhite);
    ASSERT_EQ(s.items.size(), 1u);
    const Polyline& p = std::get<Polyline>(s.items[0]);
    EXPECT_EQ(p.color, kGreen);
    EXPECT_EQ(p.width, 3);
    EXPECT_TRUE(p.roundEnds);
    const std::vector<PointF> expected{{0, H / 2}, {W / 4, 0}, {W / 2, H / 4}, {W, H}};
    ASSERT_EQ(p.points.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
      EXPECT_NEAR(p.points[k].x, expected[k].x, 1e-9);
      EXPECT_NEAR(p.points[k].y, expected[k].y, 1e-9);
    }
  }
}

TEST(TraceScene, EqualPositiveCurrentsRunAlongTheTopEdge) {
  const Scene s = traceScene(traceOf({0, 2e-3, 1, 2e-3, 2, 2e-3}), 300, 100);
  const auto lines = itemsOf<Polyline>(s);
  ASSERT_EQ(lines.size(), 1u);
  for (PointF p : lines[0].points)
    EXPECT_EQ(p.y, 0);
  EXPECT_EQ(lines[0].points.back().x, 300);
}

TEST(TraceScene, WithoutAScaleDrawsNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Trace& t : {traceOf({}), traceOf({5, 1e-3}), traceOf({0, 1e-3, 0, 2e-3}), traceOf({0, 0, 1, 0}),
                         traceOf({0, -1e-3, 1, -2e-3}), traceOf({0, 1e-3, nan, 1e-3})}) {
    const Scene s = traceScene(t, 384, 111);
    EXPECT_TRUE(s.items.empty()) << t.points.size();
    EXPECT_EQ(s.width, 384);
  }
}

TEST(TraceScene, SkipsPointsThatAreNotFinite) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Scene s = traceScene(traceOf({0, 1e-3, 1, nan, 2, 2e-3}), 100, 50);
  ASSERT_EQ(s.items.size(), 1u);
  EXPECT_EQ(std::get<Polyline>(s.items[0]).points.size(), 2u);
  EXPECT_TRUE(
      testing::allFinite(traceScene(traceOf({0, 1, 1, 2}), std::numeric_limits<double>::infinity(), -1)));
}

} // namespace
} // namespace velmorin::plot
