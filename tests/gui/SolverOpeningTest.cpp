#include "MainWindowTestSupport.h"

#include "app/CircuitFrame.h"
#include "app/HtmlLabel.h"
#include "app/LibraryTree.h"
#include "configurations/CircuitConfigs.h"
#include "solverwindow/SchemaBox.h"
#include "solverwindow/TFormSolver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>

namespace velmorin::gui::testing {
namespace {

using Opening = MainWindowFixture;

constexpr const char* kEcc83 = "ECC83 / 12AX7";

QTreeWidgetItem* configNode(LibraryTree* tree, int group, int circuit) {
  QTreeWidgetItem* g = tree->topLevelItem(group);
  for (int c = 0; c < g->childCount(); ++c)
    if (LibraryTree::record(g->child(c)).index == circuit && g->child(c)->childCount() > 0)
      return g->child(c)->child(0);
  return nullptr;
}

int configNodeCount(LibraryTree* tree) {
  int n = 0;
  for (int g = 0; g < tree->topLevelItemCount(); ++g)
    for (int c = 0; c < tree->topLevelItem(g)->childCount(); ++c)
      n += tree->topLevelItem(g)->child(c)->childCount();
  return n;
}

TEST_F(Opening, ThreeSolverWindowsInARowAreStaggeredBy24Pixels) {
  TForm1* form = open();
  TFormSolver* first = form->LoadFormSolver(1);
  TFormSolver* second = form->LoadFormSolver(2);
  TFormSolver* third = form->LoadFormSolver(3);
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(second->circuit(), 2);
  EXPECT_EQ(second->property("Tag").toInt(), 2);
  EXPECT_EQ(second->parent(), form);
  EXPECT_EQ(second->pos(), first->pos() + QPoint(24, 24));
  EXPECT_EQ(third->pos(), second->pos() + QPoint(24, 24));

  // The newest window still open is the reference.
  third->close();
  QApplication::processEvents();
  TFormSolver* fourth = form->LoadFormSolver(4);
  EXPECT_EQ(fourth->pos(), second->pos() + QPoint(24, 24));
  EXPECT_EQ(form->solverWindows().size(), 3u);

  for (int schema : {0, 41, 1024, -1})
    EXPECT_EQ(form->LoadFormSolver(schema), nullptr) << schema;

  // The solver windows go with the main window.
  QPointer<TFormSolver> watched = first;
  destroy(form);
  EXPECT_TRUE(watched.isNull());
}

TEST_F(Opening, DoubleClickingAConfigurationOpensItsCircuitWithTheStoredEntries) {
  // Configuration id 3 belongs to circuit 12: its schema is 12 + 3 * 1024 = 3084.
  saveConfig({0, "C1", "one", ""}, {}, data.path());
  saveConfig({0, "C5", "five", ""}, {}, data.path());
  const auto id = saveConfig(
      {0, "C12", "bright", "more treble"},
      {{0, "EdVb", "333"}, {0, "EdRk1", "2k2"}, {0, "LBtube", kEcc83}, {0, "EdRo", "1M"}}, data.path());
  ASSERT_EQ(id, 3);
  TForm1* form = open();
  QTreeWidgetItem* node = configNode(form->VSTL, 10, 12); // under "Mixer"
  ASSERT_NE(node, nullptr);
  form->VSTLDblClick(node);
  ASSERT_EQ(form->solverWindows().size(), 1u);
  TFormSolver* w = form->solverWindows().back();
  EXPECT_EQ(w->circuit(), 12);
  CircuitFrame* frame = w->getFrameForSolver();
  EXPECT_EQ(frame->edit("EdVb")->text(), "333");
  EXPECT_EQ(frame->edit("EdRk1")->text(), "2k2");
  EXPECT_EQ(frame->edit("EdRo")->text(), "1M");
  EXPECT_EQ(frame->list("LBtube")->currentText(), kEcc83);
  EXPECT_EQ(w->ContainerSchema->title(), "bright");

  // The same request by its schema, without the tree: no caption is given then.
  TFormSolver* direct = form->LoadFormSolver(3084);
  ASSERT_NE(direct, nullptr);
  EXPECT_EQ(direct->circuit(), 12);
  EXPECT_EQ(direct->getFrameForSolver()->edit("EdVb")->text(), "333");
  EXPECT_EQ(direct->ContainerSchema->title(), "");

  // A circuit node opens the circuit as remembered, without any configuration.
  form->VSTLDblClick(node->parent());
  EXPECT_NE(form->solverWindows().back()->getFrameForSolver()->edit("EdVb")->text(), "333");
}

TEST_F(Opening, AConfigurationRestoresCheckBoxesAndLeavesAnUnknownTubeUnselected) {
  const auto id = saveConfig({0, "C1", "boxes", ""},
                             {{0, "CheckBoxCkconnected", "-1"},
                              {0, "CheckBoxC1shunted", "0"},
                              {0, "LBtube", "No such tube"},
                              {0, "EdRa", "47k"}},
                             data.path());
  settings().writeCircuitValues(1, {{"CheckBoxC1shunted", "1"}, {"LBtube", kEcc83}});
  TForm1* form = open();
  TFormSolver* w = form->LoadFormSolver(1 + int(id) * 1024);
  ASSERT_NE(w, nullptr);
  CircuitFrame* frame = w->getFrameForSolver();
  EXPECT_TRUE(frame->checkBox("CheckBoxCkconnected")->isChecked());
  EXPECT_FALSE(frame->checkBox("CheckBoxC1shunted")->isChecked());
  EXPECT_EQ(frame->list("LBtube")->currentIndex(), -1);
  EXPECT_EQ(frame->edit("EdRa")->text(), "47k");

  // A configuration deleted meanwhile applies nothing: the remembered entries stay.
  deleteCircuitConfig(id, data.path());
  TFormSolver* after = form->LoadFormSolver(1 + int(id) * 1024);
  EXPECT_EQ(after->getFrameForSolver()->list("LBtube")->currentText(), kEcc83);
  EXPECT_TRUE(after->getFrameForSolver()->checkBox("CheckBoxC1shunted")->isChecked());
}

TEST_F(Opening, DeletingAConfigurationAsksFirstThenRemovesItFromTheDatabaseAndTheTree) {
  saveConfig({0, "C12", "bright", ""}, {{0, "EdVb", "300"}}, data.path());
  const auto keep = saveConfig({0, "C1", "keep", ""}, {}, data.path());
  TForm1* form = open();
  form->menuLibraryClick();
  form->RBtree->click();
  LibraryTree* tree = form->VSTL;
  ASSERT_EQ(configNodeCount(tree), 4 + 3); // C12 in four groups, C1 in three

  // The pop-up menu answers the right button on a selected configuration only.
  QTreeWidgetItem* node = configNode(tree, 5, 12); // under "Gain stage"
  tree->scrollToItem(node);
  QApplication::processEvents();
  auto rightClick = [&](QTreeWidgetItem* item) {
    const QPoint at = tree->visualItemRect(item).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    const bool shown = form->PopupMenuVSTL->isVisible();
    form->PopupMenuVSTL->hide();
    return shown;
  };
  tree->setCurrentItem(node->parent());
  EXPECT_FALSE(rightClick(node->parent()));
  tree->setCurrentItem(node);
  EXPECT_TRUE(rightClick(node));
  EXPECT_EQ(form->popMenuVSTLDeleteConfig->text(), "Delete this configuration...");

  for (auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
    const auto boxes = answerMessageBoxes([&] { form->popMenuVSTLDeleteConfig->trigger(); }, answer);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(boxes[0].text, "Do you want to erase your circuit configuration \"bright\" ?");
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(getCountConfigs("C12", data.path()), 1);
    EXPECT_EQ(configNodeCount(tree), 7);
  }
  answerMessageBoxes([&] { form->popMenuVSTLDeleteConfig->trigger(); }, QMessageBox::Yes);
  EXPECT_EQ(getCountConfigs("C12", data.path()), 0);
  // Gone from every group, the other circuit's configuration kept.
  EXPECT_EQ(configNodeCount(tree), 3);
  EXPECT_EQ(LibraryTree::record(configNode(tree, 0, 1)).config, keep);
}

TEST_F(Opening, TheLastCircuitLinkNamesNothingBeforeASolveAndFollowsEachSolve) {
  TForm1* form = open();
  EXPECT_EQ(form->LabelLastCircuit->property("Tag").toInt(), 0);
  EXPECT_FALSE(form->LabelLastCircuit->text().contains("<A"));
  EXPECT_FALSE(form->LabelLastCircuit->text().contains(QRegularExpression("C[0-9]")));
  form->LabelLastCircuitClick();
  EXPECT_TRUE(form->solverWindows().empty());
  form->SetLastCircuit(41);
  EXPECT_FALSE(form->LabelLastCircuit->text().contains("<A"));
  form->LabelLastCircuitClick();
  EXPECT_TRUE(form->solverWindows().empty());

  TFormSolver* w = form->LoadFormSolver(7);
  QComboBox* tubes = w->getFrameForSolver()->list("LBtube");
  tubes->setCurrentIndex(tubes->findText(kEcc83));
  answerMessageBoxes([&] { w->ButtonSolverClick(); });
  EXPECT_EQ(settings().lastCircuit(), 7);
  EXPECT_EQ(form->LabelLastCircuit->property("Tag").toInt(), 7);
  EXPECT_EQ(
      form->LabelLastCircuit->text(),
      "<A HREF=\"#\"><IMG src=\"idx:2\" align=\"middle\">C7 - Differential phase inverter, cathode bias</A>");
  form->LabelLastCircuitClick();
  ASSERT_EQ(form->solverWindows().size(), 2u);
  EXPECT_EQ(form->solverWindows().back()->circuit(), 7);

  // The next start names it from the settings.
  destroy(form);
  TForm1* again = open();
  EXPECT_EQ(again->LabelLastCircuit->property("Tag").toInt(), 7);
  EXPECT_TRUE(again->LabelLastCircuit->text().endsWith("C7 - Differential phase inverter, cathode bias</A>"));
}

} // namespace
} // namespace velmorin::gui::testing
