#include "models/TFormConvergence.h"
#include "plot/Scene.h"
#include "widgets/SceneView.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace velmorin::gui {
namespace {

TEST(ConvergenceWindow, DrawsTheTraceAtTheSizeOfItsImage) {
  QWidget owner;
  TFormConvergence w(&owner);
  EXPECT_EQ(w.windowTitle(), "Wait...");
  Trace t;
  t.AddPoint(0, 1e-3);
  t.AddPoint(1, 2e-3);
  t.AddPoint(2, 1.5e-3);
  t.caption = "C1 - T1 ECC83 - 3 iter.";
  w.setTrace(t);
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.windowTitle(), "C1 - T1 ECC83 - 3 iter.");
  const plot::Scene& first = w.image()->currentScene();
  EXPECT_DOUBLE_EQ(first.width, w.image()->width());
  ASSERT_EQ(first.items.size(), 1u);

  // A resize draws the same trace anew, to the new size.
  w.resize(600, 300);
  QApplication::processEvents();
  const plot::Scene& second = w.image()->currentScene();
  EXPECT_DOUBLE_EQ(second.width, w.image()->width());
  EXPECT_DOUBLE_EQ(second.height, w.image()->height());
  const auto& line = std::get<plot::Polyline>(second.items[0]);
  EXPECT_DOUBLE_EQ(line.points.back().x, w.image()->width()); // the last point on the right edge
}

TEST(ConvergenceWindow, ATraceWithoutCaptionLineKeepsWait) {
  QWidget owner;
  TFormConvergence w(&owner);
  Trace t;
  t.AddPoint(0, 1e-3);
  w.setTrace(t);
  EXPECT_EQ(w.windowTitle(), "Wait...");
  EXPECT_TRUE(w.image()->currentScene().items.empty());
}

} // namespace
} // namespace velmorin::gui
