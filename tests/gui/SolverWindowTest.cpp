#include "GuiTestSupport.h"

#include "models/TFormConvergence.h"
#include "solvers/Solve.h"
#include "solverwindow/BodeOptions.h"
#include "solverwindow/FloatingPanel.h"
#include "solverwindow/LegendBoxes.h"
#include "solverwindow/ResultTables.h"
#include "solverwindow/SchemaBox.h"
#include "widgets/ClickableLabel.h"
#include "widgets/ReportView.h"
#include "widgets/SceneView.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include <filesystem>
#include <regex>

namespace velmorin::gui::testing {
namespace {

using Window = SolverWindowFixture;

TEST_F(Window, FirstOpeningOfC1ShowsTheDefaultsAndItsPages) {
  const int sheet = TFormSolver::sheetCounter();
  TFormSolver* w = open(1);
  EXPECT_EQ(w->windowTitle().toStdString(),
            "Sheet " + std::to_string(sheet) + " - Circuit #1 - Common-cathode amplifier, cathode bias");
  const std::pair<const char*, const char*> defaults[] = {
      {"EdRa", "100k"}, {"EdRk", "1k"},  {"EdRgs", "5k"},  {"EdRg", "1M"},  {"EdRo", "500k"},
      {"EdRs", "1k"},   {"EdCo", "10p"}, {"EdCgs", "22p"}, {"EdCg", "10p"}, {"EdCk", "10\u00B5"},
      {"EdCi", "10n"},  {"EdCs", "10n"}, {"EdVb", "250"}};
  for (const auto& [name, text] : defaults)
    EXPECT_EQ(edit(w, name)->text(), QString::fromUtf8(text)) << name;
  EXPECT_EQ(list(w, "LBtube")->currentIndex(), -1);
  EXPECT_GT(list(w, "LBtube")->count(), 10); // the triode models of the database
  EXPECT_FALSE(checkBox(w, "CheckBoxCkconnected")->isChecked());
  for (const char* label : {"LabelVa", "LabelVk", "LabelIa"})
    EXPECT_TRUE(w->getFrameForSolver()->label(label)->text().isEmpty()) << label;

  EXPECT_EQ(w->PanelParams->title(), "C1 interactive diagram");
  EXPECT_EQ(w->ContainerSchema->title(), "");
  EXPECT_EQ(w->butSchemaLoad->text(), "0");
  EXPECT_EQ(w->butSchemaLoad->toolTip(), "Restore parameters of a C1 interactive diagram");
  EXPECT_EQ(
      w->HTMLabel->text(),
      "<B>Circuit #1</B><BR><FONT COLOR=\"#701010\"><B>Common-cathode amplifier, cathode bias</B></FONT>");
  EXPECT_TRUE(w->isPageShown(w->TabSheetDC));
  EXPECT_TRUE(w->isPageShown(w->TabSheetBode));
  EXPECT_FALSE(w->isPageShown(w->TabSheetPower));
  EXPECT_FALSE(w->isPageShown(w->TabSheetGrid)); // until the first solve
  EXPECT_TRUE(w->PanelQuadripoles->isHidden());
  // The frame is the drawing, not a grid, and the left column fits it.
  EXPECT_TRUE(w->getFrameForSolver()->hasDrawing());
  EXPECT_GE(w->PanelParams->width(), w->getFrameForSolver()->width());

  TFormSolver* second = open(1);
  EXPECT_TRUE(second->windowTitle().startsWith(QString("Sheet %1 - ").arg(sheet + 1)));
}

TEST_F(Window, SolveWithoutTubeAndA1kSupplyReportsBothLinesInOneBox) {
  TFormSolver* w = open(1);
  edit(w, "EdVb")->setText("1k");
  const ModalBox box = captureMessageBox([&] { w->ButtonSolverClick(); });
  ASSERT_TRUE(box.shown);
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(box.text.toStdString(), "Select tube(s)\nSupply voltage must be in the 20 ... 800V interval\n");
  // Nothing else happened: no report, no row, nothing remembered.
  EXPECT_EQ(w->LabelHTML->report(), "");
  EXPECT_EQ(w->logModel()->rowCount(), 0);
  EXPECT_FALSE(settings().circuitValue(1, "EdVb").has_value());
  EXPECT_FALSE(w->isPageShown(w->TabSheetGrid));
}

TEST_F(Window, SupplyBoundsOfThePrecheck) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  for (const auto& [supply, refused] :
       {std::pair{"20", false}, {"800", false}, {"19.9", true}, {"801", true}}) {
    edit(w, "EdVb")->setText(supply);
    const ModalBox box = captureMessageBox([&] { w->ButtonSolverClick(); });
    EXPECT_EQ(box.shown, refused) << supply;
  }
}

TEST_F(Window, SolveOfC1FillsEveryPage) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  const ModalBox box = captureMessageBox([&] { w->ButtonSolverClick(); });
  EXPECT_FALSE(box.shown) << box.text.toStdString();

  const std::string& dc = w->LabelHTML->report();
  EXPECT_EQ(dc.rfind("<p><b>Common-cathode amplifier, cathode bias</b></p>", 0), 0u) << dc;
  EXPECT_NE(dc.find("Total power supply"), std::string::npos);
  EXPECT_EQ(dc.find("No convergence"), std::string::npos);
  EXPECT_EQ(w->HTMLabelAC->report().rfind("<B>Small signal estimations:</B>", 0), 0u);
  EXPECT_TRUE(w->isPageShown(w->TabSheetAC));
  EXPECT_TRUE(w->isPageShown(w->TabSheetGrid));

  // Labels on the diagram, in their formats.
  CircuitFrame* f = w->getFrameForSolver();
  EXPECT_TRUE(std::regex_match(f->label("LabelVa")->text().toStdString(), std::regex(R"(\d+\.\dV)")));
  EXPECT_TRUE(std::regex_match(f->label("LabelVk")->text().toStdString(), std::regex(R"(\d+\.\d\dV)")));
  EXPECT_TRUE(std::regex_match(f->label("LabelIa")->text().toStdString(), std::regex(R"(\d+\.\d\dmA)")));

  // The logged row: the time, the model, the supply ...
  ASSERT_EQ(w->logModel()->rowCount(), 1);
  const auto& row = w->logModel()->rows()[0];
  ASSERT_EQ(row.size(), 16u);
  EXPECT_NE(row[0], "ERROR");
  EXPECT_EQ(row[1], kEcc83);
  EXPECT_EQ(row[2], "250");
  EXPECT_EQ(row[13], "500,000");

  // Pictures: one stack column, one load line, a Bode plot; the gain table.
  EXPECT_FALSE(w->ImgBar->currentScene().items.empty());
  EXPECT_FALSE(w->ImgLL[0]->isHidden());
  EXPECT_TRUE(w->ImgLL[0]->hasScene());
  EXPECT_TRUE(w->ImgLL[1]->isHidden());
  EXPECT_FALSE(w->ImageBode->currentScene().items.empty());
  EXPECT_EQ(w->gainModel()->rowCount(), 28); // 7 frequencies x (3 stages + separator)
  EXPECT_FALSE(w->PanelQuadripoles->isHidden());
  EXPECT_EQ(settings().lastCircuit(), 1);

  // One convergence window per traced tube, captioned by the solver.
  ASSERT_EQ(w->convergenceWindows().size(), 1u);
  QPointer<TFormConvergence> first = w->convergenceWindows()[0];
  EXPECT_TRUE(first->windowTitle().startsWith("C1 - T1 ECC83 / 12AX7 - "))
      << first->windowTitle().toStdString();
  EXPECT_TRUE(first->isVisible());

  // The next solve adds a row and replaces the convergence window.
  w->ButtonSolverClick();
  EXPECT_EQ(w->logModel()->rowCount(), 2);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(w->convergenceWindows().size(), 1u);
}

TEST_F(Window, EntriesSolvedAreRestoredWhenTheCircuitIsOpenedAgain) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  edit(w, "EdRa")->setText("47k");
  checkBox(w, "CheckBoxCkconnected")->setChecked(true);
  w->BodeOptionsBox->CBfreqmax->setCurrentIndex(3);
  w->ButtonSolverClick();
  edit(w, "EdRk")->setText("2k2"); // typed after the solve: not remembered
  w->close();

  TFormSolver* again = open(1);
  EXPECT_EQ(edit(again, "EdRa")->text(), "47k");
  EXPECT_EQ(edit(again, "EdRk")->text(), "1k");
  EXPECT_EQ(list(again, "LBtube")->currentText(), kEcc83);
  EXPECT_TRUE(checkBox(again, "CheckBoxCkconnected")->isChecked());
  EXPECT_EQ(again->BodeOptionsBox->CBfreqmax->currentIndex(), 3);
  EXPECT_DOUBLE_EQ(again->getFreqMax(), 1e7);
}

TEST_F(Window, AStoredTubeNoLongerInTheDatabaseLeavesTheListEmpty) {
  Settings s = settings();
  s.writeCircuitString(1, "LBtube", "No such tube");
  TFormSolver* w = open(1);
  EXPECT_EQ(list(w, "LBtube")->currentIndex(), -1);
}

TEST_F(Window, ACircuitWithoutSolverSaysSoAndLeavesNoRunningText) {
  int n = 40;
  while (n > 0 && isSolverAvailable(n))
    --n;
  if (n == 0)
    GTEST_SKIP() << "every circuit has its solver";
  TFormSolver* w = open(n);
  for (const CircuitFrame::Control& c : w->getFrameForSolver()->controls())
    if (auto* l = qobject_cast<QComboBox*>(c.widget); l && l->count() > 0)
      l->setCurrentIndex(0);
  edit(w, "EdVb")->setText("250");
  if (QLineEdit* vg = edit(w, "EdVg"))
    vg->setText("-10");
  const ModalBox box = captureMessageBox([&] { w->ButtonSolverClick(); });
  EXPECT_TRUE(box.shown);
  EXPECT_EQ(box.text.toStdString(), "The solver of circuit C" + std::to_string(n) + " is not available yet.");
  EXPECT_EQ(w->LabelHTML->report(), "");
  EXPECT_EQ(w->logModel()->rowCount(), 0);
}

TEST_F(Window, ASolverErrorIsShownAndNeverLeavesRunning) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  // The database vanishes after the window filled its lists: reading the
  // model fails inside the solve.
  std::filesystem::remove(data.path() / modelDbFileName(kModelDbVersion));
  std::filesystem::create_directory(data.path() / modelDbFileName(kModelDbVersion));
  const ModalBox box = captureMessageBox([&] { w->ButtonSolverClick(); });
  EXPECT_TRUE(box.shown);
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(w->LabelHTML->report().find("Running..."), std::string::npos);
  EXPECT_FALSE(box.text.isEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Window, ServicesReadTheOptionsPanel) {
  TFormSolver* w = open(1);
  BodeOptions* o = w->BodeOptionsBox;
  o->CBfreqmin->setCurrentIndex(-1);
  EXPECT_DOUBLE_EQ(w->getFreqMin(), 1);
  o->CBfreqmin->setCurrentIndex(0);
  EXPECT_DOUBLE_EQ(w->getFreqMin(), 0.1);
  o->CBfreqmax->setCurrentIndex(-1);
  EXPECT_DOUBLE_EQ(w->getFreqMax(), 1e5);
  o->setFeedbackIndex(-1);
  EXPECT_DOUBLE_EQ(w->getFeedbackRatio(), 0);
  o->setFeedbackIndex(3);
  EXPECT_DOUBLE_EQ(w->getFeedbackRatio(), 0.005);
  for (int n = 1; n <= 40; ++n) {
    w->enableFeedback(n);
    EXPECT_EQ(o->CBfeedback->isEnabled(), !(n == 2 || n == 5 || n == 7 || n == 10 || n == 15)) << n;
  }
}

TEST_F(Window, LegendBoxesCarryTheirColouredCaptions) {
  TFormSolver* w = open(1);
  BodeOptions* o = w->BodeOptionsBox;
  EXPECT_EQ(o->CheckBoxLegends[0]->htmlCaption(), "<FONT COLOR=\"#8A2BE2\">RC input</FONT>");
  EXPECT_EQ(o->CheckBoxLegends[3]->htmlCaption(), "<FONT COLOR=\"#00CED1\">Overall gain</FONT>");
  o->CheckBoxLegends[1]->setChecked(false);
  w->setCheckBoxLegends({"A", "B"});
  EXPECT_TRUE(o->CheckBoxLegends[1]->isChecked()); // set anew, ticked
  EXPECT_TRUE(o->CheckBoxLegends[2]->isHidden());
  o->CheckBoxLegends[1]->setChecked(false);
  const plot::TLégendes legends = getCheckBoxLegends(*o);
  ASSERT_EQ(legends.size(), 2u);
  EXPECT_EQ(legends[1].légende_titre, "B");
  EXPECT_FALSE(legends[1].légende_display);
  EXPECT_EQ(legends[1].légende_color, 0xFFFF7F50u);
}

TEST_F(Window, FloatingPanelsUnfoldAndFold) {
  TFormSolver* w = open(1);
  selectTube(w, kEcc83);
  w->ButtonSolverClick();
  w->PageControl->setCurrentWidget(w->TabSheetBode);
  w->PanelOptionsBodeCaptionClick(w->PanelOptionsBode);
  EXPECT_TRUE(w->PanelOptionsBode->isExpanded());
  EXPECT_GT(w->PanelOptionsBode->height(), 200);
  w->PanelOptionsBodeClose(w->PanelOptionsBode);
  EXPECT_FALSE(w->PanelOptionsBode->isExpanded());
  EXPECT_EQ(w->PanelOptionsBode->height(), w->PanelOptionsBode->captionHeight());
  // A solve folds both panels.
  w->PanelOptionsBodeCaptionClick(w->PanelQuadripoles);
  EXPECT_TRUE(w->PanelQuadripoles->isExpanded());
  w->ButtonSolverClick();
  EXPECT_FALSE(w->PanelQuadripoles->isExpanded());
}

TEST_F(Window, TheSplitStripFoldsTheDiagramAndBack) {
  TFormSolver* w = open(1);
  const int wide = w->PanelParams->width();
  w->LabelSplitClick();
  EXPECT_EQ(w->PanelParams->width(), 100);
  EXPECT_EQ(w->LabelSplit->text(), QString::fromUtf8("»\n»\n»"));
  w->LabelSplitClick();
  EXPECT_EQ(w->PanelParams->width(), wide);
  EXPECT_EQ(w->LabelSplit->text(), QString::fromUtf8("«\n«\n«"));
}

TEST_F(Window, PowerStagesShowTheirOwnPages) {
  TFormSolver* w = open(37);
  EXPECT_TRUE(w->isPageShown(w->TabSheetPower));
  EXPECT_FALSE(w->isPageShown(w->TabSheetBode));
  EXPECT_FALSE(w->isPageShown(w->TabSheetAC));
  EXPECT_EQ(w->PageControl->tabText(w->PageControl->indexOf(w->TabSheetLoadline)), "AC loadline");
  // A positive grid voltage is refused by the precheck; 0 passes it.
  selectTube(w, kEcc83);
  edit(w, "EdVg")->setText("5");
  const ModalBox box = captureMessageBox([&] { w->ButtonSolverClick(); });
  EXPECT_EQ(box.text.toStdString(), "Voltage on grid 1 must be negative or null\n");
  TFormSolver* c39 = open(39);
  EXPECT_FALSE(c39->isPageShown(c39->TabSheetPower));
}

TEST_F(Window, StrayCapacitanceChoiceIsGlobalButItsPositionIsPerCircuit) {
  TFormSolver* w = open(1);
  EXPECT_EQ(w->BodeOptionsBox->CBstraycap->currentIndex(), 2); // restored default, not written
  EXPECT_EQ(settings().strayCaps(), 0);
  w->CBstraycapClick(4);
  EXPECT_EQ(settings().strayCaps(), 4);
  TFormSolver* other = open(3);
  EXPECT_EQ(other->BodeOptionsBox->CBstraycap->currentIndex(), 2);
}

} // namespace
} // namespace velmorin::gui::testing
