#include "GuiTestSupport.h"

#include "solverwindow/ResultTables.h"
#include "solverwindow/TableTexts.h"
#include "text/ReportText.h"
#include "widgets/ReportView.h"
#include "widgets/SceneView.h"

#include <QClipboard>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace velmorin::gui::testing {
namespace {

using Clipboard = SolverWindowFixture;

QStringList linesOf(const QString& text) {
  return text.split("\r\n");
}

TEST_F(Clipboard, TheLoggedTableIsTabSeparatedWithATabBeforeEveryLineEnd) {
  TFormSolver* w = open(1);
  w->copyToClipboard(6);
  // An empty table gives the header line only.
  const QString empty = QApplication::clipboard()->text();
  EXPECT_TRUE(empty.startsWith("-\tT1\tVb (V)\tRa (\u03A9)\t")) << empty.toStdString();
  EXPECT_TRUE(empty.endsWith("Abyp\tAunbyp\t\r\n"));
  EXPECT_EQ(empty.count("\r\n"), 1);

  selectTube(w, kEcc83);
  w->ButtonSolverClick();
  w->ButtonSolverClick();
  w->copyToClipboard(6);
  const QStringList lines = linesOf(QApplication::clipboard()->text());
  ASSERT_EQ(lines.size(), 4); // header, two rows, and nothing after the last CR LF
  EXPECT_EQ(lines[3], "");
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(lines[i].endsWith('\t')) << i;
    EXPECT_EQ(lines[i].count('\t'), 16) << i;
  }
  EXPECT_TRUE(lines[1].contains("\tECC83 / 12AX7\t250\t100,000\t"));
}

TEST_F(Clipboard, ReportsAreCopiedAsPlainText) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  w->ButtonSolverClick();
  w->copyToClipboard(4);
  const QString dc = QApplication::clipboard()->text();
  EXPECT_EQ(dc.toStdString(), reportToPlainText(w->LabelHTML->report()));
  EXPECT_TRUE(dc.startsWith("Common-cathode amplifier, cathode bias\nVelmorin\n"));
  EXPECT_FALSE(dc.contains('<'));
  w->copyToClipboard(5);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Small signal estimations:\nT1 ECC83 / 12AX7"));
}

TEST_F(Clipboard, PicturesAreTheControlsAtTheirSize) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  w->ButtonSolverClick();
  w->copyToClipboard(1);
  const QImage schema = QApplication::clipboard()->image();
  EXPECT_EQ(schema.size() / schema.devicePixelRatio(), w->getFrameForSolver()->size());
  w->copyToClipboard(3);
  EXPECT_EQ(QApplication::clipboard()->image().width(), w->ImgBar->width() * int(w->devicePixelRatio()));
  w->copyToClipboard(7);
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(Clipboard, ACopyButtonFlashesThenCopiesAndComesBack) {
  TFormSolver* w = open(1);
  QApplication::clipboard()->clear();
  w->Button1->click();
  EXPECT_TRUE(w->ImageFlash->isVisible());
  EXPECT_TRUE(w->Button1->isHidden());
  EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::clipboard()->text().startsWith("-\t"); }, 2000));
  EXPECT_FALSE(w->ImageFlash->isVisible());
  EXPECT_FALSE(w->Button1->isHidden());
}

TEST_F(Clipboard, CtrlCOnTheFocusedTableOrReportCopiesThemWhole) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  w->ButtonSolverClick();
  QApplication::clipboard()->clear();
  QTest::keyClick(w->VSTL, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::clipboard()->text().startsWith("-\tT1\t"); }, 2000));
  QApplication::clipboard()->clear();
  QTest::keyClick(w->HTMLabelAC, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor(
      [] { return QApplication::clipboard()->text().startsWith("Small signal estimations:"); }, 2000));
}

} // namespace
} // namespace velmorin::gui::testing
