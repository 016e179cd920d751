#include "GuiTestSupport.h"

#include "solverwindow/SchemaBox.h"
#include "solverwindow/TFormSolverOptions.h"
#include "solverwindow/TFormTools.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace velmorin::gui::testing {
namespace {

TEST(Tools, DividerGivesR1AndR2ForTheChosenOutput) {
  TFormTools tools;
  EXPECT_EQ(tools.ScrollBar1->maximum(), 300);
  EXPECT_EQ(tools.ScrollBar1->minimum(), 1);
  tools.ScrollBar1->setValue(100);
  EXPECT_EQ(tools.LabV2->text(), "100.0 V");
  EXPECT_EQ(tools.Lab2->text(), QString::fromUtf8("333.33 k\u03A9"));
  EXPECT_EQ(tools.Lab1->text(), QString::fromUtf8("666.67 k\u03A9"));
  tools.ScrollBar1->setValue(300);
  EXPECT_EQ(tools.LabV2->text(), "300.0 V");
  EXPECT_EQ(tools.Lab2->text(), QString::fromUtf8("1000.00 k\u03A9"));
  EXPECT_EQ(tools.Lab1->text(), QString::fromUtf8("0.00 k\u03A9"));
}

TEST(Tools, ChangingV1MovesTheMaximumButRecomputesNothing) {
  TFormTools tools;
  tools.ScrollBar1->setValue(100);
  tools.EdV1->setText("200");
  tools.EdV1KeyUp();
  EXPECT_EQ(tools.ScrollBar1->maximum(), 200);
  EXPECT_EQ(tools.LabV2->text(), "100.0 V");
  tools.ScrollBar1->setValue(50);
  EXPECT_EQ(tools.LabV2->text(), "50.0 V");
  // Unreadable inputs leave the labels as they are.
  tools.EdR12->setText("");
  tools.ScrollBar1->setValue(60);
  EXPECT_EQ(tools.LabV2->text(), "50.0 V");
}

TEST(Tools, AV1ThatCannotBeTheMaximumIsReportedAndLeavesIt) {
  TFormTools tools;
  tools.EdV1->setText("0");
  const ModalBox box = captureMessageBox([&] { tools.EdV1KeyUp(); });
  EXPECT_TRUE(box.shown);
  EXPECT_EQ(tools.ScrollBar1->maximum(), 300);
  tools.EdV1->setText("");
  EXPECT_FALSE(captureMessageBox([&] { tools.EdV1KeyUp(); }).shown);
  // Only digits can be typed.
  tools.EdV1->clear();
  QTest::keyClicks(tools.EdV1, "1a5.-0");
  EXPECT_EQ(tools.EdV1->text(), "150");
  EXPECT_EQ(tools.ScrollBar1->maximum(), 150);
}

using Options = SolverWindowFixture;

// Runs the options dialog of `w`, lets `choose` set it, and presses Save.
void runOptions(TFormSolver* w, const std::function<void(TFormSolverOptions*)>& choose, bool save = true) {
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<TFormSolverOptions*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    choose(d);
    save ? d->accept() : d->reject();
  });
  w->butOptionsClick();
}

TEST_F(Options, SavedOptionsAreStoredAndRestyleTheFrame) {
  TFormSolver* w = open(1);
  EXPECT_TRUE(edit(w, "EdRa")->styleSheet().contains("#EBEBEB"));
  EXPECT_EQ(w->ContainerSchema->frameShape(), QFrame::NoFrame);
  runOptions(w, [](TFormSolverOptions* d) {
    EXPECT_TRUE(d->greyBackground());
    d->findChild<QCheckBox*>("CKBbackground")->setChecked(false);
    d->findChild<QRadioButton*>("RGEditBorders_1")->setChecked(true);
    d->findChild<QRadioButton*>("RGContainerBorders_1")->setChecked(true);
  });
  const Settings s = settings();
  EXPECT_FALSE(s.ckbBackground());
  EXPECT_EQ(s.editBorders(), 1);
  EXPECT_EQ(s.rgBorders(), 1);
  EXPECT_FALSE(edit(w, "EdRa")->styleSheet().contains("#EBEBEB"));
  EXPECT_TRUE(edit(w, "EdRa")->styleSheet().contains("1px solid"));
  EXPECT_EQ(w->ContainerSchema->frameShape(), QFrame::Box);
  // Reopened, the dialog shows what was saved; Discard changes nothing.
  runOptions(
      w,
      [](TFormSolverOptions* d) {
        EXPECT_FALSE(d->greyBackground());
        EXPECT_EQ(d->editBorders(), 1);
        d->findChild<QCheckBox*>("CKBbackground")->setChecked(true);
      },
      false);
  EXPECT_FALSE(settings().ckbBackground());
}

TEST_F(Options, FrameCosmeticsColourTheFieldsByName) {
  TFormSolver* w = open(1);
  EXPECT_TRUE(edit(w, "EdVb")->styleSheet().contains("#FF0000"));
  EXPECT_TRUE(edit(w, "EdRa")->styleSheet().contains("#800000"));
  EXPECT_TRUE(edit(w, "EdCgs")->styleSheet().contains("#008000"));
  EXPECT_TRUE(edit(w, "EdRa")->font().bold());
  EXPECT_TRUE(w->getFrameForSolver()->label("LabelIa")->styleSheet().contains("#800080"));
  EXPECT_TRUE(w->getFrameForSolver()->label("LabelVa")->styleSheet().contains("#FF0000"));
  EXPECT_TRUE(checkBox(w, "CheckBoxC1shunted")->styleSheet().contains("#008080"));
}

} // namespace
} // namespace velmorin::gui::testing
