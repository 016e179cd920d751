#include "SchematicGeometry.h"

#include "catalogue/FrameControls.h"
#include "schematics/Drawings.h"

#include <gtest/gtest.h>

#include <set>

namespace velmorin {
namespace {

using testing::crosses;
using testing::overlap;
using testing::segmentsOf;
using testing::textBox;

// Every drawing must leave room for its controls: each box inside the
// drawing, clear of the other boxes, of every wire and part, and of the
// drawing's own texts. A control placed over a wire hides the circuit.
void expectClearLayout(const Schematic& s) {
  ASSERT_TRUE(testing::allFinite(s.scene));
  const auto segments = segmentsOf(s.scene);
  std::vector<ControlAnchor> texts;
  for (const plot::Item& i : s.scene.items)
    if (const auto* t = std::get_if<plot::Text>(&i))
      texts.push_back(textBox(*t));
  for (std::size_t k = 0; k < s.anchors.size(); ++k) {
    const ControlAnchor& a = s.anchors[k];
    SCOPED_TRACE(a.name);
    EXPECT_GT(a.w, 0);
    EXPECT_GT(a.h, 0);
    EXPECT_GE(a.x, 0);
    EXPECT_GE(a.y, 0);
    EXPECT_LE(a.right(), s.scene.width);
    EXPECT_LE(a.bottom(), s.scene.height);
    for (std::size_t j = k + 1; j < s.anchors.size(); ++j)
      EXPECT_FALSE(overlap(a, s.anchors[j])) << "overlaps " << s.anchors[j].name;
    for (const auto& seg : segments)
      EXPECT_FALSE(crosses(seg, a)) << "crossed by the segment (" << seg.a.x << "," << seg.a.y << ")-("
                                    << seg.b.x << "," << seg.b.y << ")";
    for (const ControlAnchor& t : texts)
      EXPECT_FALSE(overlap(a, t)) << "covers the text " << t.name;
  }
}

// Every drawing anchors each control of its circuit's frame exactly once.
TEST(CircuitDrawings, AnchorEveryControlOfTheirFrameOnce) {
  for (int n = 1; n <= 40; ++n) {
    const auto s = circuitSchematic(n);
    if (!s)
      continue;
    SCOPED_TRACE("C" + std::to_string(n));
    std::multiset<std::string> anchored;
    for (const ControlAnchor& a : s->anchors)
      anchored.insert(a.name);
    std::multiset<std::string> controls;
    for (const FrameControl& c : frameControls(n))
      controls.insert(c.name);
    EXPECT_EQ(anchored, controls);
  }
}

TEST(CircuitDrawings, LeaveRoomForEveryControl) {
  for (int n = 1; n <= 40; ++n)
    if (const auto s = circuitSchematic(n)) {
      SCOPED_TRACE("C" + std::to_string(n));
      expectClearLayout(*s);
    }
}

TEST(CircuitDrawings, FitTheSolverWindowsLeftColumn) {
  // The window opens at 1093 x 725 with a 100-pixel top strip; the pages
  // beside the diagram need about 550 pixels for the reports.
  for (int n = 1; n <= 40; ++n)
    if (const auto s = circuitSchematic(n)) {
      EXPECT_LE(s->scene.width, 520) << "C" << n;
      EXPECT_LE(s->scene.height, 540) << "C" << n;
    }
}

TEST(CircuitDrawings, OnlyCircuitsOfTheLibraryHaveOne) {
  for (int n : {0, 41, -3}) {
    EXPECT_FALSE(hasSchematic(n)) << n;
    EXPECT_FALSE(circuitSchematic(n).has_value()) << n;
  }
  EXPECT_TRUE(hasSchematic(1));
}

TEST(CircuitDrawings, DividerHasItsThreeResultLabelsClearOfTheDrawing) {
  const Schematic s = dividerSchematic();
  for (const char* name : {"Lab1", "Lab2", "LabV2"})
    EXPECT_NE(s.anchor(name), nullptr) << name;
  expectClearLayout(s);
}

} // namespace
} // namespace velmorin
