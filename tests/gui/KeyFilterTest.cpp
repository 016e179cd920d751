#include "GuiTestSupport.h"

#include "app/EntryKeyFilter.h"
#include "solverwindow/ResultTables.h"

#include <QTest>

namespace velmorin::gui::testing {
namespace {

TEST(EntryKeyFilter, AcceptsOnlyWhatAnEngineeringNumberIsMadeOf) {
  const QString dot = ".";
  for (QChar c : QString::fromUtf8("0123456789.pn\u00B5mkM"))
    EXPECT_TRUE(acceptsTypedCharacter(c, dot, false)) << QString(c).toStdString();
  // Capital K and u are no suffixes; the Greek mu is not the micro sign.
  for (QChar c : QString::fromUtf8("Kuabx ,+e\u03BC"))
    EXPECT_FALSE(acceptsTypedCharacter(c, dot, false)) << QString(c).toStdString();
  EXPECT_FALSE(acceptsTypedCharacter('-', dot, false));
  EXPECT_TRUE(acceptsTypedCharacter('-', dot, true));
  // The decimal separator is the locale's.
  EXPECT_TRUE(acceptsTypedCharacter(',', ",", false));
  EXPECT_FALSE(acceptsTypedCharacter('.', ",", false));
}

using KeyFilter = SolverWindowFixture;

TEST_F(KeyFilter, TypingIntoTheFramesFieldsKeepsOnlyAllowedCharacters) {
  TFormSolver* w = open(1);
  QLineEdit* ra = edit(w, "EdRa");
  ra->clear();
  QTest::keyClicks(ra, "4Kk-7u");
  EXPECT_EQ(ra->text(), "4k7");
  QTest::keyClick(ra, Qt::Key_Backspace);
  EXPECT_EQ(ra->text(), "4k");
  QTest::keyClicks(ra, QString::fromUtf8("\u00B5"));
  EXPECT_EQ(ra->text(), QString::fromUtf8("4k\u00B5"));
  // The supply field takes three characters at most.
  QLineEdit* vb = edit(w, "EdVb");
  vb->clear();
  QTest::keyClicks(vb, "2500");
  EXPECT_EQ(vb->text(), "250");
}

TEST_F(KeyFilter, AMinusGoesOnlyIntoFieldsThatAcceptNegativeValues) {
  TFormSolver* w = open(37);
  QLineEdit* vg = edit(w, "EdVg");
  ASSERT_NE(vg, nullptr);
  vg->clear();
  QTest::keyClicks(vg, "-12");
  EXPECT_EQ(vg->text(), "-12");
  QLineEdit* rk = edit(w, "EdRk");
  rk->clear();
  QTest::keyClicks(rk, "-12");
  EXPECT_EQ(rk->text(), "12");
}

} // namespace
} // namespace velmorin::gui::testing

namespace velmorin::gui::testing {
namespace {

TEST_F(KeyFilter, EnterInAnEntryFieldSolves) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  edit(w, "EdRa")->setFocus();
  QTest::keyClick(edit(w, "EdRa"), Qt::Key_Return);
  EXPECT_EQ(w->logModel()->rowCount(), 1);
}

} // namespace
} // namespace velmorin::gui::testing
