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

// The mirrored triode is the triode turned left for right, stroke for stroke,
// so the two tubes of a pair look alike.
TEST(SchematicBuilder, MirroredTriodeIsTheTriodeTurnedOver) {
  const PointF c{100, 100};
  SchematicBuilder plain(200, 200), turned(200, 200);
  const TriodePins p = plain.triode(c, 30);
  const TriodePins t = turned.mirroredTriode(c, 30);
  EXPECT_EQ(t.anode, p.anode);
  EXPECT_EQ(t.cathode, p.cathode);
  EXPECT_EQ(t.grid, (PointF{130, 100}));
  auto a = testing::segmentsOf(plain.finish().scene);
  auto b = testing::segmentsOf(turned.finish().scene);
  ASSERT_EQ(a.size(), b.size());
  const auto same = [](PointF p, PointF q) { return std::abs(p.x - q.x) < 1e-9 && std::abs(p.y - q.y) < 1e-9; };
  for (const testing::Segment& m : b) {
    const PointF ma{2 * c.x - m.a.x, m.a.y}, mb{2 * c.x - m.b.x, m.b.y};
    const bool found = std::any_of(a.begin(), a.end(), [&](const testing::Segment& o) {
      return o.width == m.width && ((same(o.a, ma) && same(o.b, mb)) || (same(o.a, mb) && same(o.b, ma)));
    });
    EXPECT_TRUE(found) << m.a.x << "," << m.a.y << " - " << m.b.x << "," << m.b.y;
  }
  EXPECT_TRUE(touches(b, t.grid));
}

// Current sources and zeners join the wire at both ends, however short the span.
TEST(SchematicBuilder, CurrentSourceAndZenerReachBothEnds) {
  for (double span : {80.0, 20.0}) {
    SchematicBuilder b(100, 200);
    b.currentSource({20, 10}, {20, 10 + span});
    b.zener({60, 10}, {60, 10 + span});
    const Schematic s = b.finish();
    const auto segments = testing::segmentsOf(s.scene);
    for (PointF p : {PointF{20, 10}, PointF{20, 10 + span}, PointF{60, 10}, PointF{60, 10 + span}})
      EXPECT_TRUE(touches(segments, p)) << span << ": " << p.x << "," << p.y;
    for (const auto& seg : segments) {
      if (std::abs(seg.a.x - 20) < 20) {
        EXPECT_GE(std::min(seg.a.y, seg.b.y), 10 - 1e-9) << span;
        EXPECT_LE(std::max(seg.a.y, seg.b.y), 10 + span + 1e-9) << span;
      }
    }
  }
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
