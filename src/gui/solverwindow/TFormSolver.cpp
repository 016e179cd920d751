#include "solverwindow/TFormSolver.h"

#include "app/CircuitFrame.h"
#include "app/EntryKeyFilter.h"
#include "catalogue/Circuits.h"
#include "catalogue/FrameControls.h"
#include "catalogue/Legends.h"
#include "catalogue/ResultColumns.h"
#include "catalogue/StreamRecords.h"
#include "database/DatabaseModelLookup.h"
#include "database/ModelDatabase.h"
#include "models/TFormConvergence.h"
#include "plot/BodePlot.h"
#include "plot/LoadLine.h"
#include "plot/TraceScene.h"
#include "plot/VoltageStack.h"
#include "settings/DataFolder.h"
#include "solvers/Framework.h"
#include "solvers/Precheck.h"
#include "solvers/Solve.h"
#include "solvers/SolveTypes.h"
#include "solverwindow/AutoParams.h"
#include "solverwindow/BodeOptions.h"
#include "solverwindow/ConfigurationCount.h"
#include "solverwindow/FloatingPanel.h"
#include "solverwindow/FrameCosmetics.h"
#include "solverwindow/LegendBoxes.h"
#include "solverwindow/ResultTables.h"
#include "solverwindow/SchemaBox.h"
#include "solverwindow/TFormSolverOptions.h"
#include "solverwindow/TFormTools.h"
#include "text/Format.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Icons.h"
#include "widgets/ReportView.h"
#include "widgets/SceneView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace velmorin::gui {

namespace {

int gSheetCounter = 1;

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Restores the normal cursor however the Solve press ends.
class WaitCursor {
public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { release(); }
  void release() {
    if (active_)
      QApplication::restoreOverrideCursor();
    active_ = false;
  }

private:
  bool active_ = true;
};

// The circuit's icon from the icon stream of the data folder, or a drawn
// one when the stream is missing or holds no such record.
QPixmap circuitPixmap(const std::filesystem::path& folder, int record) {
  std::ifstream in(folder / "stream-ec86.bin", std::ios::binary);
  if (in) {
    const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
    try {
      const auto bytes = loadStreamRecord(data, record);
      QPixmap pixmap;
      if (pixmap.loadFromData(bytes.data(), uint(bytes.size()), "ICO"))
        return pixmap;
    } catch (const StreamError&) {
    }
  }
  return icons::circuitIcon(record);
}

} // namespace

struct TFormSolver::Pictures {
  std::vector<plot::StackColumn> stacks;
  double stackVb = 0;
  std::vector<plot::LoadLineData> loadLines;
  std::optional<plot::BodeData> bode;
};

int TFormSolver::sheetCounter() {
  return gSheetCounter;
}

TFormSolver::TFormSolver(int circuit, std::filesystem::path dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), circuit_(circuit), dataFolder_(std::move(dataFolder)),
      locale_(Locale::fromEnvironment()), settings_(settingsFilePath("velmorin", dataFolder_)),
      models_(std::make_unique<DatabaseModelLookup>(dataFolder_)), pictures_(std::make_unique<Pictures>()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("FormSolver");
  setProperty("Tag", circuit_);
  buildTopStrip();
  buildLeftColumn();
  buildPages();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(PanelControl);
  auto* body = new QHBoxLayout;
  body->setContentsMargins(4, 0, 4, 4);
  body->setSpacing(2);
  body->addWidget(PanelParams);
  body->addWidget(LabelSplit);
  body->addWidget(PageControl, 1);
  layout->addLayout(body, 1);

  // Enter solves, as on the form's default button, from any control.
  for (auto key : {Qt::Key_Return, Qt::Key_Enter})
    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
            &TFormSolver::ButtonSolverClick);

  // FormCreate: the split strip, both floating panels folded, no swing texts.
  LabelSplit->setText(QStringLiteral("«\n«\n«"));
  PanelOptionsBode->collapse();
  PanelQuadripoles->collapse();
  LabelVaIa->clear();
  LabelVin->clear();
  setMinimumSize(700, 500);
  resize(1093, 725);
  FormShow();
}

TFormSolver::~TFormSolver() {
  closeConvergenceWindows();
}

void TFormSolver::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    if (QScreen* screen = this->screen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - rect().center());
    }
  }
  QWidget::showEvent(event);
}

void TFormSolver::closeEvent(QCloseEvent* event) {
  closeConvergenceWindows();
  QWidget::closeEvent(event);
}

void TFormSolver::showPage(QWidget* page, bool shown) {
  PageControl->setTabVisible(PageControl->indexOf(page), shown);
}

bool TFormSolver::isPageShown(QWidget* page) const {
  return PageControl->isTabVisible(PageControl->indexOf(page));
}

void TFormSolver::FormShow() {
  const CircuitInfo& info = circuitInfo(circuit_);
  const std::string title(info.title);

  // Steps 1 to 3: Bode options come with the remembered values below;
  // feedback "None"; which pages the circuit has.
  BodeOptionsBox->setFeedbackIndex(0);
  showPage(TabSheetBode, false);
  enableFeedback(circuit_);
  showPage(TabSheetPower, circuit_ == 37 || circuit_ == 38);

  // Step 4: the frame, its tube lists filled with the models of their kind.
  frame_ = new CircuitFrame(circuit_, this);
  for (const CircuitFrame::Control& c : frame_->controls()) {
    if (c.info->kind != ControlKind::TubeList)
      continue;
    auto* list = qobject_cast<QComboBox*>(c.widget);
    list->setProperty(kTagProperty, c.info->tubeKind);
    try {
      for (const std::string& name : listModelsOfType(c.info->tubeKind, dataFolder_))
        list->addItem(qs(name));
    } catch (const std::exception& e) {
      QMessageBox::critical(this, tr("Error"), qs(e.what()));
    }
    list->setCurrentIndex(-1);
  }

  // Step 5: the logged-results columns, "-" first, 60 pixels each.
  std::vector<std::string> columns;
  for (std::string_view c : resultColumns(circuit_))
    columns.emplace_back(c);
  logModel_->setColumns(columns);
  for (int k = 0; k < int(columns.size()); ++k)
    VSTL->header()->resizeSection(k, 60);

  // Steps 6 and 7.
  if (info.hasBandwidthPage) {
    showPage(TabSheetBode, true);
    std::vector<std::string> titles;
    for (const CircuitLegend& l : legends(circuit_))
      titles.emplace_back(l.title);
    setCheckBoxLegends(titles);
  }
  if (circuit_ >= 37 && circuit_ <= 40) {
    showPage(TabSheetBode, false);
    showPage(TabSheetAC, false);
    PageControl->setTabText(PageControl->indexOf(TabSheetLoadline), tr("AC loadline"));
    SBLL->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }

  // Steps 8 to 12.
  LoadAutoParams();
  const QPixmap icon = circuitPixmap(dataFolder_, info.icon);
  Image1->setPixmap(icon);
  setWindowIcon(icon);
  setWindowTitle(qs(sformat(locale_, "Sheet %d - Circuit #%d - %s", gSheetCounter, circuit_, title)));
  ++gSheetCounter;
  PanelParams->setTitle(qs(sformat(locale_, "C%d interactive diagram", circuit_)));
  ContainerSchema->setTitle(QString());
  butSchemaLoad->setToolTip(
      qs(sformat(locale_, "Restore parameters of a C%d interactive diagram", circuit_)));
  butSchemaSave->setToolTip(
      qs(sformat(locale_, "Save parameters of this C%d interactive diagram", circuit_)));
  try {
    butSchemaLoad->setText(QString::number(getCountConfigs(circuitCode(circuit_), dataFolder_)));
  } catch (const std::exception&) {
    butSchemaLoad->setText(QStringLiteral("0"));
  }
  HTMLabel->setText(qs(
      sformat(locale_, "<B>Circuit #%d</B><BR><FONT COLOR=\"#701010\"><B>%s</B></FONT>", circuit_, title)));

  // Step 13: the key filter on every entry field of the frame.
  auto* filter = new EntryKeyFilter(qs(locale_.decimal), frame_);
  for (const CircuitFrame::Control& c : frame_->controls())
    if (auto* edit = qobject_cast<QLineEdit*>(c.widget))
      filter->attach(edit);

  // Steps 14 to 16: the left column sized to the frame.
  ContainerSchema->setFrame(frame_);
  setFrameCosmetics(*frame_, settings_);
  applyContainerBorder(settings_.rgBorders());
  const QMargins outer = PanelParams->layout()->contentsMargins();
  panelParamsMaxWidth_ = outer.left() + ContainerSchema->width() + outer.right() + 4;
  PanelParams->setMinimumWidth(100);
  PanelParams->setFixedWidth(panelParamsMaxWidth_);
  LabelHTML->setReport("");
  showPage(TabSheetGrid, false);
  VSTL->setVisible(false);
  for (SceneView* image : ImgLL)
    image->setVisible(false);
  butCopySchema->raise();
  PanelOptionsBode->collapse();
  PanelQuadripoles->collapse();
  PageControl->setCurrentWidget(TabSheetDC);
}

void TFormSolver::applyContainerBorder(int rgborders) {
  ContainerSchema->setBorder(rgborders != 0);
}

double TFormSolver::getFreqMin() const {
  return BodeOptionsBox->getFreqMin();
}
double TFormSolver::getFreqMax() const {
  return BodeOptionsBox->getFreqMax();
}
double TFormSolver::getFeedbackRatio() const {
  return BodeOptionsBox->getFeedbackRatio();
}

void TFormSolver::setCheckBoxLegends(const std::vector<std::string>& titles) {
  BodeOptionsBox->setCheckBoxLegends(titles);
}

void TFormSolver::enableFeedback(int index) {
  BodeOptionsBox->CBfeedback->setEnabled(
      !(index == 2 || index == 5 || index == 7 || index == 10 || index == 15));
}

void TFormSolver::SaveAutoParams() {
  gui::SaveAutoParams(settings_,
                      {BodeOptionsBox->CBfreqmin, BodeOptionsBox->CBfreqmax,
                       BodeOptionsBox->CheckBoxIgnoreMiller, BodeOptionsBox->CBstraycap},
                      *frame_);
}

void TFormSolver::LoadAutoParams() {
  gui::LoadAutoParams(settings_,
                      {BodeOptionsBox->CBfreqmin, BodeOptionsBox->CBfreqmax,
                       BodeOptionsBox->CheckBoxIgnoreMiller, BodeOptionsBox->CBstraycap},
                      *frame_);
}

void TFormSolver::closeConvergenceWindows() {
  for (QPointer<TFormConvergence>& w : convergence_)
    if (w)
      delete w.data();
  convergence_.clear();
}

void TFormSolver::showSolveError(const QString& text) {
  LabelHTML->setReport("<font color=\"#ff4444\"><b>" + text.toHtmlEscaped().toStdString() + "</b></font>");
  QMessageBox::critical(this, tr("Error"), text);
}

void TFormSolver::ButtonSolverClick() {
  if (!frame_)
    return;
  WaitCursor cursor;
  PanelOptionsBodeClose(PanelOptionsBode);
  PanelOptionsBodeClose(PanelQuadripoles);
  closeConvergenceWindows();
  pictures_->stacks.clear();
  ImgBar->clear();

  const std::vector<std::string> lines = precheckLines(circuit_, frame_->entries(true), locale_);
  if (!lines.empty()) {
    cursor.release();
    QMessageBox::critical(this, tr("Error"), qs(precheckText(lines)));
    emit solved();
    return;
  }

  LabelHTML->setReport("Running...");
  HTMLabelAC->setReport("");
  LabelHTML->repaint();
  for (SceneView* image : ImgLL)
    image->setFixedHeight(400);

  try {
    SaveAutoParams();
    SolveRequest request;
    request.circuit = circuit_;
    request.title = std::string(circuitTitle(circuit_));
    request.entries = frame_->entries();
    request.locale = locale_;
    request.options.fmin = getFreqMin();
    request.options.fmax = getFreqMax();
    request.options.feedback = getFeedbackRatio();
    request.options.ignoreMiller = BodeOptionsBox->CheckBoxIgnoreMiller->isChecked();
    request.options.strayCap = strayCapForIndex(settings_.strayCaps());
    request.options.legends = getCheckBoxLegends(*BodeOptionsBox);
    request.options.configurationCaption = ContainerSchema->title().toStdString();
    const SolveResult result = solve(circuit_, request, *models_);
    applyResult(result);
    // The message boxes come last, over the results they are about.
    cursor.release();
    if (result.refused && result.refusedAs == RefusedAs::Box)
      QMessageBox::critical(this, tr("Error"), qs(*result.refused));
    if (!result.refused)
      for (const SolverMessage& m : result.messages) {
        if (m.kind == MessageKind::Information)
          QMessageBox::information(this, tr("Information"), qs(m.text));
        else
          QMessageBox::critical(this, tr("Error"), qs(m.text));
      }
  } catch (const std::exception& e) {
    cursor.release();
    showSolveError(qs(e.what()));
  } catch (...) {
    cursor.release();
    showSolveError(tr("The solver stopped on an unknown error."));
  }
  emit solved();
}

void TFormSolver::applyResult(const SolveResult& r) {
  // A refused run has no results: its text (or nothing, when a box says
  // it) stands as the DC report, and the window finishes the press as usual.
  LabelHTML->setReport(!r.refused                         ? r.dcReport
                       : r.refusedAs == RefusedAs::Report ? *r.refused
                                                          : std::string());
  HTMLabelAC->setReport(r.refused ? std::string() : r.acReport);
  showPage(TabSheetAC, !r.refused && !r.acReport.empty());
  showPage(TabSheetGrid, true);
  VSTL->setVisible(true);
  if (r.refused) {
    settings_.setLastCircuit(circuit_);
    PanelQuadripoles->setVisible(gainModel_->rowCount() > 0);
    return;
  }

  for (const auto& [name, caption] : r.labels)
    frame_->setLabelText(name, caption);

  Pictures& p = *pictures_;
  p.stacks = r.stacks;
  p.stackVb = r.stackVb;
  // One more column widens the picture by a pitch; the last column's labels keep their room.
  ImgBar->setFixedWidth(p.stacks.size() > 1 ? int(plot::voltageStackWidth(p.stacks.size() - 1)) + 107 : 107);
  if (!p.stacks.empty())
    ImgBar->setSceneFunction([this](double w, double h) {
      return plot::voltageStackScene(pictures_->stacks, pictures_->stackVb, w, h, locale_);
    });

  p.loadLines = r.loadLines;
  for (std::size_t i = 0; i < ImgLL.size(); ++i) {
    SceneView* image = ImgLL[i];
    image->setFixedHeight(300);
    if (i < p.loadLines.size()) {
      image->setSceneFunction([this, i](double w, double h) {
        return plot::loadLineScene(pictures_->loadLines[i], w, h, locale_);
      });
      image->setVisible(true);
    } else {
      image->clear();
      image->setVisible(false);
    }
  }

  showConvergenceWindows(r.traces);

  if (!r.resultsRow.empty()) {
    logModel_->addRow(r.resultsRow);
    VSTL->scrollToBottom();
  }

  if (r.frequency) {
    gainModel_->setRows(r.frequency->table);
    p.bode = r.frequency->bode;
    ImageBode->setSceneFunction(
        [this](double w, double h) { return plot::bodeScene(*pictures_->bode, locale_, w, h); });
  }

  settings_.setLastCircuit(circuit_);
  PanelQuadripoles->setVisible(gainModel_->rowCount() > 0);
}

void TFormSolver::showConvergenceWindows(const std::vector<Trace>& traces) {
  // Beside the window, one under the other, where they hide none of it:
  // on its right if the screen has room there, else on its left, else
  // over the lower right corner of the pages.
  const QRect frame = frameGeometry();
  const QRect screen = this->screen() ? this->screen()->availableGeometry() : frame;
  int k = 0;
  for (const Trace& t : traces) {
    auto* w = new TFormConvergence(this);
    w->setProperty("Tag", t.tag);
    w->setTrace(t);
    const int step = w->height() + 40; // the window's own title bar included
    QPoint at;
    if (screen.right() - frame.right() >= w->width() + 8)
      at = QPoint(frame.right() + 8, frame.top() + k * step);
    else if (frame.left() - screen.left() >= w->width() + 8)
      at = QPoint(frame.left() - w->width() - 8, frame.top() + k * step);
    else
      at = QPoint(frame.right() - w->width() - 16, frame.bottom() - (k + 1) * step);
    w->move(at);
    w->show();
    convergence_.emplace_back(w);
    ++k;
  }
}

void TFormSolver::ButtonToolsClick() {
  TFormTools* tools = TFormTools::instance();
  if (!tools->isVisible()) {
    tools->adjustSize();
    const QRect area = frameGeometry();
    tools->move(area.center() - tools->rect().center());
  }
  tools->show();
  tools->raise();
  tools->activateWindow();
}

void TFormSolver::butOptionsClick() {
  TFormSolverOptions dialog(settings_, this);
  dialog.adjustSize();
  dialog.move(frameGeometry().center() - dialog.rect().center());
  if (dialog.exec() != QDialog::Accepted)
    return;
  settings_.setRgBorders(dialog.containerBorders());
  applyContainerBorder(dialog.containerBorders());
  settings_.setEditBorders(dialog.editBorders());
  settings_.setCkbBackground(dialog.greyBackground());
  if (frame_)
    setFrameCosmetics(*frame_, settings_);
}

void TFormSolver::butSchemaLoadClick() {
  QMessageBox::information(
      this, tr("Information"),
      tr("Loading and saving circuit configurations is not available in this version yet."));
}

void TFormSolver::CBstraycapClick(int index) {
  settings_.setStrayCaps(index);
}

void TFormSolver::LabelSplitClick() {
  if (PanelParams->width() < panelParamsMaxWidth_) {
    PanelParams->setFixedWidth(panelParamsMaxWidth_);
    LabelSplit->setText(QStringLiteral("«\n«\n«"));
  } else {
    PanelParams->setFixedWidth(100);
    LabelSplit->setText(QStringLiteral("»\n»\n»"));
  }
}

void TFormSolver::PanelOptionsBodeCaptionClick(FloatingPanel* panel) {
  if (panel == PanelOptionsBode) {
    const QSize want = BodeOptionsBox->sizeHint() + QSize(4, panel->captionHeight() + 4);
    panel->expandTo(QSize(panel->maximumPanelSize().width(), want.height()));
    panel->raise();
  } else {
    const int rowHeight = std::max(VSTQ->sizeHintForRow(0), VSTQ->fontMetrics().height() + 4);
    const int height = rowHeight * (gainModel_->rowCount() + 1) + panel->minimumPanelSize().height() +
                       VSTQ->header()->height();
    const int available = TabSheetBode->height();
    panel->expandTo(QSize(panel->maximumPanelSize().width(), std::min(height, std::max(available, 100))));
  }
}

void TFormSolver::PanelOptionsBodeClose(FloatingPanel* panel) {
  panel->collapse();
}

void TFormSolver::TrackBarSwingChanged() {
  const int p = TrackBarSwing->value();
  LabelSwing->setText(qs(sformat(locale_, "Drive voltage %d Vpeak", p)));
  switch (ARGdisplayGroup->checkedId()) {
  case 0:
    LabelVin->setText(qs(sformat(locale_, "Thin line: Vin swing shape (inverted) %dV", p)));
    LabelVaIa->setText(tr("Anode voltage"));
    LabelVaIa->setStyleSheet("color: #FF0000;");
    break;
  case 1:
    LabelVin->setText(qs(sformat(locale_, "Thin line: Vin swing shape %dV", p)));
    LabelVaIa->setText(tr("Anode current"));
    LabelVaIa->setStyleSheet("color: #FF7F00;");
    break;
  case 2:
    LabelVin->setText(qs(sformat(locale_, "Thin line: Vin swing shape %dV", p)));
    LabelVaIa->setText(tr("va ia waveforms"));
    break;
  default:
    break;
  }
}

} // namespace velmorin::gui
