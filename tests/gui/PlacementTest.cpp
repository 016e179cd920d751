#include "MainWindowTestSupport.h"

#include "settings/TIniPosDim.h"

#include <QGuiApplication>
#include <QScreen>

namespace velmorin::gui::testing {
namespace {

QSize screenSize() {
  return QGuiApplication::primaryScreen()->geometry().size();
}

class Placement : public MainWindowFixture {
protected:
  // Restores a 300 by 200 window "FormTest" from the placement stored for it.
  QRect restored(const FormPlacement* stored) {
    const auto ini = settingsFilePath("velmorin", data.path());
    if (stored)
      Settings(ini).storeForm("FormTest", *stored);
    QWidget window;
    window.setObjectName("FormTest");
    window.resize(300, 200);
    TIniPosDim ipd;
    ipd.Open(&window, ini);
    ipd.readForm(&window);
    return window.geometry();
  }
};

TEST_F(Placement, ReadFormKeepsAPlacementThatShowsMoreThan100By100Pixels) {
  const QSize s = screenSize();
  const int W = s.width(), H = s.height();
  const struct {
    const char* what;
    FormPlacement stored;
    QRect expected;
  } cases[] = {
      {"fully visible", {10, 20, 400, 300}, {10, 20, 400, 300}},
      {"101 by 101 pixels left", {W - 101, H - 101, 400, 300}, {W - 101, H - 101, 400, 300}},
      {"exactly 100 wide", {W - 100, 0, 400, 300}, {(W - 400) / 2, (H - 300) / 2, 400, 300}},
      {"exactly 100 high", {0, H - 100, 400, 300}, {(W - 400) / 2, (H - 300) / 2, 400, 300}},
      {"far to the left", {-5000, 50, 401, 301}, {(W - 401) / 2, (H - 301) / 2, 401, 301}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(restored(&c.stored), c.expected) << c.what;
}

TEST_F(Placement, WithoutStoredValuesTheWindowTakesHalfTheScreen) {
  const QSize s = screenSize();
  // The left and top defaults centre the window's current size (300 by 200).
  EXPECT_EQ(restored(nullptr),
            QRect((s.width() - 300) / 2, (s.height() - 200) / 2, s.width() / 2, s.height() / 2));
}

TEST_F(Placement, TheMainWindowOpensCentredFirstAndWhereItWasClosedNext) {
  TForm1* form = open();
  const QSize s = screenSize();
  // Half the screen, as far as the window's least size of 800 by 600 allows.
  const QSize size(std::max(800, s.width() / 2), std::max(600, s.height() / 2));
  EXPECT_EQ(form->geometry(),
            QRect(QPoint((s.width() - size.width()) / 2, (s.height() - size.height()) / 2), size));

  form->setGeometry(30, 40, 900, 650);
  destroy(form);
  EXPECT_EQ(settings().readForm("Form1", {}), (FormPlacement{30, 40, 900, 650}));
  TForm1* again = open();
  EXPECT_EQ(again->geometry(), QRect(30, 40, 900, 650));
}

TEST_F(Placement, NothingIsStoredOrReadWithoutAnOpenFile) {
  QWidget window;
  window.setObjectName("FormTest");
  window.setGeometry(5, 6, 300, 200);
  TIniPosDim ipd;
  ipd.storeForm(&window);
  ipd.readForm(&window);
  EXPECT_EQ(window.geometry(), QRect(5, 6, 300, 200));
  ipd.Open(&window, settingsFilePath("velmorin", data.path()));
  EXPECT_EQ(ipd.FForme(), &window);
  ipd.storeForm(nullptr);
  EXPECT_FALSE(std::filesystem::exists(settingsFilePath("velmorin", data.path())));
  ipd.storeForm(&window);
  ipd.Close();
  EXPECT_EQ(ipd.FiniFile(), nullptr);
  EXPECT_EQ(ipd.FForme(), nullptr);
  EXPECT_EQ(settings().readForm("FormTest", {}), (FormPlacement{5, 6, 300, 200}));
}

} // namespace
} // namespace velmorin::gui::testing
