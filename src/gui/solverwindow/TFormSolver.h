// The solver window of one circuit: its interactive diagram, the Solve
// button that runs the circuit's solver, and the pages that show what the
// solver produced (reports, stack, load lines, Bode plot, logged results).
#pragma once

#include "models/ModelLookup.h"
#include "settings/Settings.h"
#include "text/Locale.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QTabWidget;
class QToolButton;

namespace velmorin {
struct SolveResult;
struct Trace;
} // namespace velmorin

namespace velmorin::gui {

class BodeOptions;
class CircuitFrame;
class ClickableLabel;
class FloatingPanel;
class GainTableModel;
class LogTableModel;
class ReportView;
class ResultTableView;
class SchemaBox;
class SceneView;
class TFormConvergence;

class TFormSolver : public QWidget {
  Q_OBJECT
public:
  // The window of circuit `circuit` (1 to 40), its data in `dataFolder`.
  TFormSolver(int circuit, std::filesystem::path dataFolder, QWidget* parent = nullptr);
  ~TFormSolver() override;

  int circuit() const { return circuit_; }

  // Services the solvers read.
  CircuitFrame* getFrameForSolver() const { return frame_; }
  double getFreqMin() const;
  double getFreqMax() const;
  double getFeedbackRatio() const;
  void setCheckBoxLegends(const std::vector<std::string>& titles);
  // getCheckBoxLegends(*BodeOptionsBox), in solverwindow/LegendBoxes.h: the
  // legend types have accented names, which the meta-object compiler refuses.
  void enableFeedback(int index);

  void SaveAutoParams();
  void LoadAutoParams();

  // The program-wide sheet counter of the window captions.
  static int sheetCounter();

  // --- components (named as the window's own components) ---
  QWidget* PanelControl;
  QLabel* Image1;
  QLabel* HTMLabel;
  QLabel* ImageFlash;
  QPushButton* ButtonSolver;
  QPushButton* ButtonTools;
  QPushButton* butOptions;
  QGroupBox* PanelParams;
  SchemaBox* ContainerSchema;
  QToolButton* butCopySchema;
  QToolButton* butSchemaLoad;
  QToolButton* butSchemaSave;
  QToolButton* Button2;
  ClickableLabel* LabelSplit;
  QTabWidget* PageControl;
  QWidget* TabSheetDC;
  QWidget* TabSheetLoadline;
  QWidget* TabSheetAC;
  QWidget* TabSheetBode;
  QWidget* TabSheetPower;
  QWidget* TabSheetGrid;
  SceneView* ImgBar;
  QToolButton* butCopyStacks;
  ReportView* LabelHTML;
  QToolButton* butCopyDC;
  QScrollArea* SBLL;
  std::array<SceneView*, 4> ImgLL{};
  QToolButton* butCopyLoadline;
  ReportView* HTMLabelAC;
  QToolButton* butCopyAC;
  SceneView* ImageBode;
  QToolButton* Button3;
  FloatingPanel* PanelOptionsBode;
  BodeOptions* BodeOptionsBox;
  FloatingPanel* PanelQuadripoles;
  ResultTableView* VSTQ;
  QTabWidget* PageControl1;
  SceneView* ImageWave;
  QToolButton* Button4;
  QGroupBox* ARGdisplay;
  QButtonGroup* ARGdisplayGroup;
  QLabel* LabelVaIa;
  QLabel* LabelVin;
  QSlider* TrackBarSwing;
  QLabel* LabelSwing;
  SceneView* ImagePower;
  QToolButton* Button5;
  ResultTableView* VSTL;
  QToolButton* Button1;

  LogTableModel* logModel() const { return logModel_; }
  GainTableModel* gainModel() const { return gainModel_; }
  const std::vector<QPointer<TFormConvergence>>& convergenceWindows() const { return convergence_; }
  bool isPageShown(QWidget* page) const;

  // --- handlers ---
  void ButtonSolverClick();
  void ButtonToolsClick();
  void butOptionsClick();
  void butSchemaLoadClick();
  void CBstraycapClick(int index);
  void LabelSplitClick();
  void PanelOptionsBodeCaptionClick(FloatingPanel* panel);
  void PanelOptionsBodeClose(FloatingPanel* panel);
  void TrackBarSwingChanged();
  // All nine copy buttons, told apart by their Tag (1 to 9): the flash,
  // a short pause, then the copy.
  void butClipBrdClick(int tag);
  // The copy itself, at once.
  void copyToClipboard(int tag);

signals:
  // After every Solve press, whatever its outcome.
  void solved();

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  // Construction of the controls (TFormSolverLayout.cpp).
  void buildTopStrip();
  void buildLeftColumn();
  void buildPages();
  QWidget* buildDcPage();
  QWidget* buildLoadlinePage();
  QWidget* buildAcPage();
  QWidget* buildBodePage();
  QWidget* buildPowerPage();
  QWidget* buildGridPage();
  QToolButton* copyButton(int tag, const QString& hint, QWidget* parent);

  // Everything that depends on the circuit: frame, lists, pages, remembered
  // entries, captions. Runs once, as the window is made.
  void FormShow();
  void showPage(QWidget* page, bool shown);
  void closeConvergenceWindows();
  void applyResult(const SolveResult& result);
  void showConvergenceWindows(const std::vector<Trace>& traces);
  void showSolveError(const QString& text);
  void applyContainerBorder(int rgborders);
  QWidget* copySource(int tag) const;

  int circuit_;
  std::filesystem::path dataFolder_;
  Locale locale_;
  Settings settings_;
  std::unique_ptr<ModelLookup> models_;
  CircuitFrame* frame_ = nullptr;
  LogTableModel* logModel_ = nullptr;
  GainTableModel* gainModel_ = nullptr;
  std::vector<QPointer<TFormConvergence>> convergence_;
  bool shown_ = false;
  int panelParamsMaxWidth_ = 0;
  // What the pictures show, kept so they redraw at any size.
  struct Pictures;
  std::unique_ptr<Pictures> pictures_;
};

} // namespace velmorin::gui
