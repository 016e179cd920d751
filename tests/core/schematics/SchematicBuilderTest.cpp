#include "SchematicGeometry.h"

#include "schematics/SchematicBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmorin {
namespace {

using plot::PointF;

bool touches(const std::vector<testing::Segment>& segments, PointF p) {
  return std::any_of(segments.begin(), segments.end(), [&](const testing::Segment& s) {
    return (std::abs(s.a.x - p.x) < 1e-9 && std::abs(s.a.y - p.y) < 1e-9) ||
           (std::abs(s.b.x - p.x) < 1e-9 && std::abs(s.b.y - p.y) < 1e-9);
  });
}

// A two-terminal part must reach both points it is placed between, or the
// drawing shows a gap in the wire.
TEST(SchematicBuilder, TwoTerminalPartsReachBothEnds) {
  struct Case {
    const char* part;
    PointF a, b;
  };
  for (const Case& c : {Case{"resistor", {10, 10}, {10, 90}}, Case{"resistor", {90, 40}, {20, 40}},
                        Case{"capacitor", {10, 10}, {60, 10}}, Case{"capacitor", {30, 80}, {30, 20}},
                        Case{"source", {50, 10}, {50, 90}}}) {
    SCOPED_TRACE(std::string(c.part) + " " + std::to_string(c.a.x) + "," + std::to_string(c.a.y));
    SchematicBuilder b(100, 100);
    if (std::string(c.part) == "resistor")
      b.resistor(c.a, c.b);
    else if (std::string(c.part) == "capacitor")
      b.capacitor(c.a, c.b, true);
    else
      b.source(c.a, c.b);
    const Schematic s = b.finish();
    const auto segments = testing::segmentsOf(s.scene);
    EXPECT_TRUE(touches(segments, c.a));
    EXPECT_TRUE(touches(segments, c.b));
    EXPECT_TRUE(testing::allFinite(s.scene));
  }
}

TEST(SchematicBuilder, PartsBetweenCoincidentPointsStayFinite) {
  SchematicBuilder b(50, 50);
  b.resistor({20, 20}, {20, 20});
  b.capacitor({20, 20}, {20, 20});
  b.source({20, 20}, {20, 20});
  b.currentArrow({5, 5}, {5, 5});
  EXPECT_TRUE(testing::allFinite(b.finish().scene));
}

TEST(SchematicBuilder, TubePinsSitOnTheEnvelopeAndAreWiredInside) {
  SchematicBuilder b(200, 200);
  const TriodePins t = b.triode({100, 100}, 30);
  EXPECT_EQ(t.anode, (PointF{100, 70}));
  EXPECT_EQ(t.grid, (PointF{70, 100}));
  EXPECT_EQ(t.cathode, (PointF{100, 130}));
  const PentodePins p = b.pentode({100, 100}, 40);
  EXPECT_EQ(p.anode, (PointF{100, 60}));
  EXPECT_EQ(p.cathode, (PointF{100, 140}));
  EXPECT_DOUBLE_EQ(p.grid1.x, 60);
  EXPECT_DOUBLE_EQ(p.grid2.x, 140);
  EXPECT_GT(p.grid1.y, p.grid2.y); // the control grid is nearer the cathode
  const auto segments = testing::segmentsOf(b.finish().scene);
  for (PointF pin : {t.anode, t.grid, t.cathode, p.anode, p.grid1, p.grid2, p.cathode})
    EXPECT_TRUE(touches(segments, pin)) << pin.x << "," << pin.y;
}

TEST(SchematicBuilder, TransformerLeadsLeaveItsCoils) {
  SchematicBuilder b(200, 200);
  const TransformerPins t = b.transformer({100, 100});
  EXPECT_LT(t.primaryTop.x, 100);
  EXPECT_GT(t.secondaryTop.x, 100);
  EXPECT_DOUBLE_EQ(t.primaryTap.y, 100);
  EXPECT_LT(t.primaryTop.y, t.primaryBottom.y);
  const auto segments = testing::segmentsOf(b.finish().scene);
  for (PointF pin : {t.primaryTop, t.primaryBottom, t.secondaryTop, t.secondaryBottom})
    EXPECT_TRUE(touches(segments, pin)) << pin.x << "," << pin.y;
}

TEST(SchematicBuilder, AnchorsKeepTheirOrderAndAreFoundByName) {
  SchematicBuilder b(100, 100);
  b.anchor("EdRa", 1, 2, 3, 4, CaptionSide::Above);
  b.anchor("LabelVa", 5, 6, 7, 8, CaptionSide::Left, plot::Anchor::Right);
  const Schematic s = b.finish();
  ASSERT_EQ(s.anchors.size(), 2u);
  EXPECT_EQ(s.anchors[0].name, "EdRa");
  ASSERT_NE(s.anchor("LabelVa"), nullptr);
  EXPECT_EQ(s.anchor("LabelVa")->align, plot::Anchor::Right);
  EXPECT_EQ(s.anchor("EdRa")->caption, CaptionSide::Above);
  EXPECT_EQ(s.anchor("EdRk"), nullptr);
}

} // namespace
} // namespace velmorin
