#include "MainWindowTestSupport.h"

#include "app/CommentView.h"
#include "app/FilterGroup.h"
#include "app/HoverImage.h"
#include "app/LibraryTree.h"
#include "catalogue/Categories.h"
#include "catalogue/CircuitComments.h"
#include "configurations/CircuitConfigs.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace velmorin::gui::testing {
namespace {

using Library = MainWindowFixture;

std::vector<int> range(int from, int to) {
  std::vector<int> out;
  for (int n = from; n <= to; ++n)
    out.push_back(n);
  return out;
}

void search(TForm1* form, const QString& text) {
  form->EditSearch->clear();
  QTest::keyClicks(form->EditSearch, text);
}

std::vector<int> treeCircuits(const QTreeWidgetItem* parent) {
  std::vector<int> out;
  for (int i = 0; i < parent->childCount(); ++i)
    out.push_back(LibraryTree::record(parent->child(i)).index);
  return out;
}

TEST_F(Library, EachFilterShowsItsCircuitsInNumberOrderInBothLayouts) {
  TForm1* form = open();
  form->menuLibraryClick();
  EXPECT_EQ(shownTiles(form), range(1, 40));
  for (bool horizontal : {true, false}) {
    if (!horizontal)
      form->butLayoutToggle->click();
    ASSERT_EQ(form->displayhor, horizontal);
    for (int i = int(kCategoryCount) - 1; i >= 0; --i) {
      form->RGlib->button(i)->click();
      EXPECT_EQ(shownTiles(form), circuitsIn(categories()[std::size_t(i)].category))
          << form->RGlib->item(i).toStdString();
    }
    // C15 belongs to no tube-count group.
    for (int i = 1; i <= 4; ++i) {
      form->RGlib->button(i)->click();
      const std::vector<int> shown = shownTiles(form);
      EXPECT_EQ(std::count(shown.begin(), shown.end(), 15), 0);
    }
  }
}

// Every caption keeps room for its longest word, side by side within the
// group, from the smallest window up; narrow windows fold the row in two.
TEST_F(Library, FilterCaptionsAreNeverClippedWhateverTheWindowWidth) {
  TForm1* form = open();
  form->menuLibraryClick();
  for (int width : {800, 960, 1100, 1400, 1920}) {
    form->resize(width, 700);
    QApplication::processEvents();
    const FilterGroup* filter = form->RGlib;
    for (int i = 0; i < filter->count(); ++i) {
      const QRadioButton* b = filter->button(i);
      SCOPED_TRACE(b->text().toStdString() + " at " + std::to_string(width));
      EXPECT_GE(b->width(), b->minimumSizeHint().width());
      EXPECT_GE(b->height(), b->heightForWidth(b->width()));
      EXPECT_TRUE(filter->rect().contains(b->geometry()));
      if (i > 0 && b->y() == filter->button(i - 1)->y()) {
        EXPECT_GE(b->x(), filter->button(i - 1)->geometry().right());
      }
    }
  }
}

TEST_F(Library, GallerySearchFindsTitlesAndBareNumbersWhateverTheFilter) {
  TForm1* form = open();
  form->menuLibraryClick();
  form->RGlib->button(10)->click(); // "mixer": the search ignores it
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"7", {7}},     // no title holds a 7
      {"3", {3, 19}}, // the number, and "3-tube amplifier ..."
      {"2", {2, 20}}, // not 12, 22 or 32: numbers match whole
      {"C7", {}},     // no title contains "c7"
      {" CASCODE ", {6, 8, 21, 22, 27, 31}},
      {"40", {40}},
      {"push-pull", {23, 39, 40}},
  };
  for (const auto& [text, expected] : cases) {
    search(form, text);
    EXPECT_EQ(shownTiles(form), expected) << text;
  }
  // A blank search changes nothing.
  search(form, "mixer");
  const std::vector<int> before = shownTiles(form);
  ASSERT_EQ(before, (std::vector<int>{11, 12}));
  search(form, "   ");
  EXPECT_EQ(shownTiles(form), before);
  form->EditSearch->clear();
  QTest::keyClick(form->EditSearch, Qt::Key_Backspace);
  EXPECT_EQ(shownTiles(form), before);
  // Escape empties the search; the gallery shows the filter's circuits again.
  QTest::keyClick(form->EditSearch, Qt::Key_Escape);
  EXPECT_EQ(form->EditSearch->text(), "");
  EXPECT_EQ(shownTiles(form), (std::vector<int>{11, 12}));
  EXPECT_EQ(form->focusWidget(), form->EditSearch);
}

TEST_F(Library, TreeSearchReplacesTheTreeAndEscapeFillsItAgain) {
  saveConfig({0, "C3", "stored", ""}, {{0, "EdVb", "300"}}, data.path());
  TForm1* form = open();
  form->menuLibraryClick();
  form->RBtree->click();
  search(form, "3");
  ASSERT_EQ(form->VSTL->topLevelItemCount(), 1);
  const QTreeWidgetItem* root = form->VSTL->topLevelItem(0);
  EXPECT_EQ(root->text(0), "Circuits containing \"3\"");
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(treeCircuits(root), (std::vector<int>{3, 19}));
  EXPECT_EQ(root->child(0)->text(0), "C3 - Cathode-follower, fixed bias");
  EXPECT_EQ(root->child(0)->childCount(), 0); // no configurations in a search

  search(form, "C7");
  ASSERT_EQ(form->VSTL->topLevelItemCount(), 1);
  EXPECT_EQ(form->VSTL->topLevelItem(0)->text(0), "Circuits containing \"c7\"");
  EXPECT_EQ(form->VSTL->topLevelItem(0)->childCount(), 0);

  QTest::keyClick(form->EditSearch, Qt::Key_Escape);
  EXPECT_EQ(form->EditSearch->text(), "");
  EXPECT_EQ(form->VSTL->topLevelItemCount(), 13);
  EXPECT_EQ(form->focusWidget(), form->EditSearch);
  form->EditSearch->setText("cascode");
  form->butSearchCancel->click();
  EXPECT_EQ(form->VSTL->topLevelItemCount(), 13);
}

TEST_F(Library, TreeListsTheGroupsCircuitsAndEachCircuitsConfigurationsUnderEveryGroup) {
  const auto first = saveConfig({0, "C12", "bright", ""}, {}, data.path());
  const auto second = saveConfig({0, "C12", "warm", ""}, {}, data.path());
  saveConfig({0, "C1", "classic", ""}, {}, data.path());
  TForm1* form = open();
  LibraryTree* tree = form->VSTL;
  ASSERT_EQ(tree->topLevelItemCount(), 13);
  EXPECT_EQ(tree->headerItem()->text(0), "Circuits");
  for (int g = 0; g < 13; ++g) {
    const QTreeWidgetItem* group = tree->topLevelItem(g);
    const CategoryInfo& info = categories()[std::size_t(g)];
    EXPECT_EQ(group->text(0).toStdString(), info.treeCaption);
    EXPECT_TRUE(group->font(0).bold());
    EXPECT_EQ(group->foreground(0).color(), QColor("#990000"));
    EXPECT_EQ(treeCircuits(group), circuitsIn(info.category)) << info.treeCaption;
    for (int c = 0; c < group->childCount(); ++c) {
      const QTreeWidgetItem* circuit = group->child(c);
      const TRecLib r = LibraryTree::record(circuit);
      EXPECT_EQ(circuit->text(0), QString("C%1 - %2").arg(r.index).arg(form->Titres[std::size_t(r.index)]));
      EXPECT_EQ(circuit->foreground(0).color(), QColor(Qt::black));
      EXPECT_EQ(circuit->childCount(), r.index == 12 ? 2 : r.index == 1 ? 1 : 0) << r.index;
      if (r.index != 12)
        continue;
      const TRecLib a = LibraryTree::record(circuit->child(0));
      const TRecLib b = LibraryTree::record(circuit->child(1));
      EXPECT_EQ(circuit->child(0)->text(0), "bright");
      EXPECT_TRUE(circuit->child(0)->font(0).italic());
      EXPECT_EQ(circuit->child(0)->foreground(0).color(), QColor("#000080"));
      EXPECT_EQ(a.config, first);
      EXPECT_EQ(a.index, 12);
      EXPECT_EQ(a.circuit, "bright");
      EXPECT_EQ(b.config, second);
      EXPECT_EQ(b.circuit, "warm");
    }
  }
  // C12 is listed under "All circuits", "2-tube", "Gain stage" and "Mixer".
  int listed = 0;
  for (int g = 0; g < 13; ++g)
    for (int c = 0; c < tree->topLevelItem(g)->childCount(); ++c)
      listed += LibraryTree::record(tree->topLevelItem(g)->child(c)).index == 12;
  EXPECT_EQ(listed, 4);
}

TEST_F(Library, LongTitlesWrapAndEveryNodeIsMeasuredAgainWhenTheTreeIsResized) {
  TForm1* form = open();
  form->menuLibraryClick();
  form->RBtree->click();
  LibraryTree* tree = form->VSTL;
  QTreeWidgetItem* all = tree->topLevelItem(0);
  all->setExpanded(true);
  QApplication::processEvents();
  QTreeWidgetItem* c23 = all->child(22); // "Push-pull amplifier with DC feedback after Cirquette"
  QTreeWidgetItem* c30 = all->child(29); // "Mu-follower"
  const int oneLine = tree->fontMetrics().height() + 7;
  const QModelIndex shortIndex = tree->indexFromItem(c30);
  EXPECT_EQ(tree->visualRect(shortIndex).height(), oneLine);
  form->butLayoutToggle->click(); // vertical: the tree is 350 pixels wide
  QApplication::processEvents();
  const int wide = tree->visualRect(tree->indexFromItem(c23)).height();
  tree->setFixedWidth(160);
  QApplication::processEvents();
  EXPECT_GT(tree->visualRect(tree->indexFromItem(c23)).height(), wide);
}

TEST_F(Library, LayoutFollowsTheModeAndTheDirectionAndBothSurviveARestart) {
  TForm1* form = open();
  form->menuLibraryClick();
  const QString galleryHint = "Mouse over diagram to display comment, click to open solver window";
  const QString treeHint = "Click to display comment, double-click to open solver window";
  QApplication::processEvents();
  EXPECT_EQ(form->LabelAction->text(), galleryHint);
  EXPECT_EQ(form->RGlib->height(), 64);
  EXPECT_EQ(form->RGlib->columns(), 13);
  EXPECT_EQ(form->ScrollBoxLibrary->height(), 170);
  EXPECT_EQ(form->ScrollBoxLibrary->width(), form->MemoCircuit->width());
  EXPECT_LT(form->ScrollBoxLibrary->y(), form->MemoCircuit->y());
  EXPECT_TRUE(form->VSTL->isHidden());
  EXPECT_FALSE(form->MemoCircuit->isHidden());

  form->butLayoutToggle->click();
  QApplication::processEvents();
  EXPECT_FALSE(form->displayhor);
  EXPECT_EQ(form->butLayoutToggle->property("Tag").toInt(), 1);
  EXPECT_FALSE(settings().displayHor());
  EXPECT_EQ(form->RGlib->width(), 130);
  EXPECT_EQ(form->RGlib->columns(), 1);
  EXPECT_EQ(form->ScrollBoxLibrary->width(), 250);
  EXPECT_LT(form->ScrollBoxLibrary->x(), form->MemoCircuit->x());

  form->RBtree->click();
  QApplication::processEvents();
  EXPECT_FALSE(settings().flat());
  EXPECT_EQ(form->LabelAction->text(), treeHint);
  EXPECT_EQ(form->VSTL->width(), 350);
  EXPECT_TRUE(form->RGlib->isHidden());
  EXPECT_TRUE(form->ScrollBoxLibrary->isHidden());
  EXPECT_FALSE(form->MemoCircuit->isHidden());

  form->butLayoutToggle->click();
  QApplication::processEvents();
  EXPECT_TRUE(settings().displayHor());
  EXPECT_EQ(form->VSTL->height(), 300);
  form->butLayoutToggle->click(); // vertical tree again, then a restart

  destroy(form);
  TForm1* again = open();
  again->menuLibraryClick();
  QApplication::processEvents();
  EXPECT_TRUE(again->RBtree->isChecked());
  EXPECT_FALSE(again->displayhor);
  EXPECT_EQ(again->butLayoutToggle->property("Tag").toInt(), 1);
  EXPECT_EQ(again->VSTL->width(), 350);
  EXPECT_EQ(again->LabelAction->text(), treeHint);
}

TEST_F(Library, CommentsShowTheHeadlineBoldAndLargerAndTheDiagramBelow) {
  TForm1* form = open();
  form->menuLibraryClick();
  const std::string comment = getMemoCircuitFromFile(data.file("schemas.txt"), 1);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(form->BlocsGalerie[1]->ImageSchema, &enter);
  EXPECT_EQ(form->MemoCircuit->headline().toStdString(), commentHeadline(comment));
  EXPECT_EQ(form->MemoCircuit->headline(),
            "The workhorse triode voltage amplifier, biased by its own cathode resistor.");
  EXPECT_TRUE(form->MemoCircuit->toPlainText().startsWith(form->MemoCircuit->headline()));
  EXPECT_TRUE(form->MemoCircuit->hasDiagram());
  EXPECT_EQ(form->focusWidget(), form->MemoCircuit);

  // In the tree a circuit shows its comment, a configuration its circuit's.
  const auto id = saveConfig({0, "C7", "stored", ""}, {}, data.path());
  form->RBtree->click();
  form->fillAdvTreeView();
  QTreeWidgetItem* c7 = form->VSTL->topLevelItem(0)->child(6);
  ASSERT_EQ(LibraryTree::record(c7->child(0)).config, id);
  form->VSTLClick(c7->child(0));
  const std::string c7comment = getMemoCircuitFromFile(data.file("schemas.txt"), 7);
  EXPECT_EQ(form->MemoCircuit->headline().toStdString(), commentHeadline(c7comment));
  form->VSTLClick(form->VSTL->topLevelItem(0)->child(1));
  EXPECT_EQ(form->MemoCircuit->headline().toStdString(),
            commentHeadline(getMemoCircuitFromFile(data.file("schemas.txt"), 2)));

  // A missing comments file is said in the view, without a box per passing mouse.
  std::filesystem::remove(data.file("schemas.txt"));
  const auto boxes = answerMessageBoxes([&] { form->showCircuitComment(3); });
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(form->MemoCircuit->toPlainText().contains("schemas.txt"));
}

} // namespace
} // namespace velmorin::gui::testing
