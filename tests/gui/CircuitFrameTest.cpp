#include "app/CircuitFrame.h"
#include "catalogue/Circuits.h"
#include "solvers/DefaultEntries.h"
#include "widgets/SceneView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace velmorin::gui {
namespace {

// Every circuit gets a usable frame, drawn or in a grid: all its controls
// under their names, and the entries a solver reads in the frame's order.
TEST(CircuitFrame, EveryCircuitHasAllItsControlsAndReadableEntries) {
  for (int n = 1; n <= kCircuitCount; ++n) {
    SCOPED_TRACE(n);
    CircuitFrame frame(n);
    EXPECT_EQ(frame.controls().size(), frameControls(n).size());
    for (const CircuitFrame::Control& c : frame.controls()) {
      ASSERT_NE(c.widget, nullptr) << c.info->name;
      EXPECT_EQ(c.widget->objectName().toStdString(), c.info->name);
      EXPECT_TRUE(frame.isAncestorOf(c.widget));
    }
    const std::vector<Entry> entries = frame.entries();
    const std::vector<Entry> expected = defaultEntries(n);
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
      EXPECT_EQ(entries[k].name, expected[k].name);
      EXPECT_EQ(entries[k].kind, expected[k].kind) << entries[k].name;
    }
    EXPECT_GT(frame.width(), 200);
    EXPECT_GT(frame.height(), 100);
  }
}

TEST(CircuitFrame, C1SitsOnItsDrawingWithEachControlInsideIt) {
  CircuitFrame frame(1);
  ASSERT_TRUE(frame.hasDrawing());
  EXPECT_EQ(frame.drawing()->geometry(), frame.rect());
  for (const CircuitFrame::Control& c : frame.controls()) {
    const QRect r(c.widget->mapTo(&frame, QPoint(0, 0)), c.widget->size());
    EXPECT_TRUE(frame.rect().contains(r)) << c.info->name;
  }
}

TEST(CircuitFrame, EntriesReadTheControlsAsTheyAre) {
  CircuitFrame frame(1);
  frame.edit("EdRa")->setText("47k");
  frame.list("LBtube")->addItem("ECC83 / 12AX7");
  frame.list("LBtube")->setCurrentIndex(0);
  const auto entries = frame.entries();
  auto find = [&](const std::string& name) {
    return *std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.name == name; });
  };
  EXPECT_EQ(find("EdRa").text, "47k");
  EXPECT_EQ(find("LBtube").text, "ECC83 / 12AX7");
  frame.setLabelText("LabelVa", "154.6V");
  frame.setLabelText("EdRa", "not a label");
  EXPECT_EQ(frame.label("LabelVa")->text(), "154.6V");
  EXPECT_EQ(frame.edit("EdRa")->text(), "47k");
}

TEST(CircuitFrame, ControlsInsideTheTransformerBoxAreLeftOutOfTheChecks) {
  CircuitFrame frame(40);
  const auto all = frame.entries();
  const auto onFrame = frame.entries(true);
  auto has = [](const std::vector<Entry>& v, const char* name) {
    return std::any_of(v.begin(), v.end(), [&](const Entry& e) { return e.name == name; });
  };
  EXPECT_TRUE(has(all, "EdRa"));
  EXPECT_FALSE(has(onFrame, "EdRa"));
  EXPECT_TRUE(has(onFrame, "EdVb"));

  // Nothing restores them, so they show the frame's own values from the start.
  EXPECT_EQ(frame.edit("EdRa")->text(), "3000");
  EXPECT_EQ(frame.edit("EdRp")->text(), "100");
  EXPECT_EQ(frame.list("LBYt")->currentText(), "95");
  // The controls the window restores start empty until it does.
  EXPECT_EQ(frame.edit("EdVb")->text(), "");
  EXPECT_EQ(frame.list("LBparallel")->currentIndex(), -1);
}

} // namespace
} // namespace velmorin::gui
