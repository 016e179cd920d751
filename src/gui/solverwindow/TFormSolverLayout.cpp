// The construction of the solver window's controls: top strip, left column
// with the diagram, the split strip and the result pages.
#include "solverwindow/TFormSolver.h"

#include "solverwindow/BodeOptions.h"
#include "solverwindow/FloatingPanel.h"
#include "solverwindow/ResultTables.h"
#include "solverwindow/SchemaBox.h"
#include "solverwindow/TableTexts.h"
#include "widgets/ClickableLabel.h"
#include "widgets/CornerButton.h"
#include "widgets/Icons.h"
#include "widgets/ReportView.h"
#include "widgets/SceneView.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmorin::gui {

namespace {

// The Bode page: the plot below a strip that holds the two floating
// panels' caption bars; an expanded panel floats over the plot.
class BodePage : public QWidget {
public:
  using QWidget::QWidget;
  SceneView* plot = nullptr;
  FloatingPanel* options = nullptr;
  FloatingPanel* gains = nullptr;
  QToolButton* copy = nullptr;

  // Follows the panels as they fold, unfold, appear or hide.
  void watch(FloatingPanel* panel) { panel->installEventFilter(this); }

protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    layoutChildren();
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!busy_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
      layoutChildren();
    return QWidget::eventFilter(watched, event);
  }
  void layoutChildren() {
    if (!plot || !options || !gains || busy_)
      return;
    busy_ = true;
    const int strip = options->captionHeight() + 2;
    plot->setGeometry(0, strip, width(), std::max(0, height() - strip));
    // An expanded panel may cover the other's bar, never leave the page.
    if (options->width() > width())
      options->resize(width(), options->height());
    if (gains->width() > width())
      gains->resize(width(), gains->height());
    options->move(0, 0);
    const int bar = options->minimumPanelSize().width();
    if (copy)
      copy->move(bar + 6, (strip - copy->height()) / 2);
    gains->move(std::max(gains->isExpanded() ? 0 : bar + 34, width() - gains->width()), 0);
    (options->isExpanded() ? options : gains)->raise();
    busy_ = false;
  }
  bool busy_ = false;
};

} // namespace

QToolButton* TFormSolver::copyButton(int tag, const QString& hint, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setProperty("Tag", tag);
  b->setIcon(icons::copy());
  b->setIconSize(QSize(20, 20));
  b->setToolTip(hint);
  b->setAutoRaise(false);
  connect(b, &QToolButton::clicked, this, [this, tag] { butClipBrdClick(tag); });
  return b;
}

void TFormSolver::buildTopStrip() {
  PanelControl = new QWidget(this);
  PanelControl->setObjectName("PanelControl");
  PanelControl->setFixedHeight(100);
  auto* layout = new QHBoxLayout(PanelControl);
  layout->setContentsMargins(12, 8, 12, 8);
  layout->setSpacing(12);

  Image1 = new QLabel(PanelControl);
  Image1->setObjectName("Image1");
  Image1->setFixedSize(64, 64);
  Image1->setScaledContents(true);
  layout->addWidget(Image1);

  HTMLabel = new QLabel(PanelControl);
  HTMLabel->setObjectName("HTMLabel");
  HTMLabel->setTextFormat(Qt::RichText);
  QFont f = HTMLabel->font();
  f.setPointSize(11);
  HTMLabel->setFont(f);
  layout->addWidget(HTMLabel, 1);

  ImageFlash = new QLabel(PanelControl);
  ImageFlash->setObjectName("ImageFlash");
  ImageFlash->setFixedSize(64, 64);
  ImageFlash->setPixmap(icons::clipboardFlash(64));
  ImageFlash->setScaledContents(true);
  ImageFlash->setVisible(false);
  layout->addWidget(ImageFlash);

  ButtonSolver = new QPushButton(tr("Solve [Ent]"), PanelControl);
  ButtonSolver->setObjectName("ButtonSolver");
  ButtonSolver->setDefault(true);
  ButtonSolver->setMinimumSize(120, 40);
  QFont bf = ButtonSolver->font();
  bf.setBold(true);
  ButtonSolver->setFont(bf);
  layout->addWidget(ButtonSolver);

  ButtonTools = new QPushButton(tr("Tools"), PanelControl);
  ButtonTools->setObjectName("ButtonTools");
  ButtonTools->setMinimumSize(80, 40);
  layout->addWidget(ButtonTools);

  butOptions = new QPushButton(tr("Options"), PanelControl);
  butOptions->setObjectName("butOptions");
  butOptions->setToolTip(tr("Various settings for all solver windows"));
  butOptions->setVisible(false);
  layout->addWidget(butOptions);

  connect(ButtonSolver, &QPushButton::clicked, this, &TFormSolver::ButtonSolverClick);
  connect(ButtonTools, &QPushButton::clicked, this, &TFormSolver::ButtonToolsClick);
}

void TFormSolver::buildLeftColumn() {
  PanelParams = new QGroupBox(this);
  PanelParams->setObjectName("PanelParams");
  auto* layout = new QVBoxLayout(PanelParams);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);

  ContainerSchema = new SchemaBox(PanelParams);
  ContainerSchema->setObjectName("ContainerSchema");
  layout->addWidget(ContainerSchema, 0, Qt::AlignTop | Qt::AlignLeft);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  butCopySchema = copyButton(1, tr("Copy electrical diagram to clipboard"), PanelParams);
  butCopySchema->setObjectName("butCopySchema");
  butSchemaLoad = new QToolButton(PanelParams);
  butSchemaLoad->setObjectName("butSchemaLoad");
  butSchemaLoad->setProperty("Tag", -1);
  butSchemaLoad->setIcon(icons::load());
  butSchemaLoad->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  butSchemaSave = new QToolButton(PanelParams);
  butSchemaSave->setObjectName("butSchemaSave");
  butSchemaSave->setProperty("Tag", 1);
  butSchemaSave->setIcon(icons::save());
  Button2 = new QToolButton(PanelParams);
  Button2->setObjectName("Button2");
  Button2->setIcon(icons::options());
  Button2->setToolTip(tr("schematics options"));
  for (QToolButton* b : {butCopySchema, butSchemaLoad, butSchemaSave, Button2}) {
    b->setIconSize(QSize(20, 20));
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  layout->addLayout(buttons);
  layout->addStretch(1);

  connect(butSchemaLoad, &QToolButton::clicked, this, &TFormSolver::butSchemaLoadClick);
  connect(butSchemaSave, &QToolButton::clicked, this, &TFormSolver::butSchemaLoadClick);
  connect(Button2, &QToolButton::clicked, this, &TFormSolver::butOptionsClick);
  connect(butOptions, &QPushButton::clicked, this, &TFormSolver::butOptionsClick);

  LabelSplit = new ClickableLabel(QStringLiteral("«\n«\n«"), this);
  LabelSplit->setObjectName("LabelSplit");
  LabelSplit->setAlignment(Qt::AlignCenter);
  LabelSplit->setFixedWidth(14);
  LabelSplit->setCursor(Qt::PointingHandCursor);
  LabelSplit->setToolTip(tr("Fold or unfold the diagram"));
  connect(LabelSplit, &ClickableLabel::clicked, this, &TFormSolver::LabelSplitClick);
}

QWidget* TFormSolver::buildDcPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  ImgBar = new SceneView(page);
  ImgBar->setObjectName("ImgBar");
  ImgBar->setFixedWidth(107);
  layout->addWidget(ImgBar);
  LabelHTML = new ReportView(page);
  LabelHTML->setObjectName("LabelHTML");
  layout->addWidget(LabelHTML, 1);
  butCopyStacks = copyButton(3, tr("Copy stacked voltages image to clipboard"), page);
  butCopyStacks->setObjectName("butCopyStacks");
  new CornerButton(butCopyStacks, ImgBar, Qt::BottomLeftCorner);
  butCopyDC = copyButton(4, tr("Copy DC results to clipboard as text"), page);
  butCopyDC->setObjectName("butCopyDC");
  new CornerButton(butCopyDC, LabelHTML, Qt::TopRightCorner);
  connect(LabelHTML, &ReportView::copyAllRequested, this, [this] { butClipBrdClick(4); });
  return page;
}

QWidget* TFormSolver::buildLoadlinePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  SBLL = new QScrollArea(page);
  SBLL->setObjectName("SBLL");
  SBLL->setWidgetResizable(true);
  SBLL->setFrameShape(QFrame::NoFrame);
  auto* images = new QWidget;
  images->setObjectName("SBLLContent");
  auto* column = new QVBoxLayout(images);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  for (std::size_t i = 0; i < ImgLL.size(); ++i) {
    ImgLL[i] = new SceneView(images);
    ImgLL[i]->setObjectName(QString("ImgLL%1").arg(i + 1));
    ImgLL[i]->setFixedHeight(300);
    ImgLL[i]->setVisible(false);
    column->addWidget(ImgLL[i]);
  }
  column->addStretch(1);
  SBLL->setWidget(images);
  layout->addWidget(SBLL);
  butCopyLoadline = copyButton(2, tr("Copy loadline image to clipboard"), page);
  butCopyLoadline->setObjectName("butCopyLoadline");
  new CornerButton(butCopyLoadline, SBLL, Qt::TopRightCorner);
  return page;
}

QWidget* TFormSolver::buildAcPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  HTMLabelAC = new ReportView(page);
  HTMLabelAC->setObjectName("HTMLabelAC");
  layout->addWidget(HTMLabelAC);
  butCopyAC = copyButton(5, tr("Copy AC results  to clipboard as text"), page);
  butCopyAC->setObjectName("butCopyAC");
  new CornerButton(butCopyAC, HTMLabelAC, Qt::TopRightCorner);
  connect(HTMLabelAC, &ReportView::copyAllRequested, this, [this] { butClipBrdClick(5); });
  return page;
}

QWidget* TFormSolver::buildBodePage() {
  auto* page = new BodePage;
  ImageBode = new SceneView(page);
  ImageBode->setObjectName("ImageBode");
  page->plot = ImageBode;

  PanelOptionsBode =
      new FloatingPanel(tr("Set options to calculate and plot"), QSize(210, 18), QSize(415, 520), page);
  PanelOptionsBode->setObjectName("PanelOptionsBode");
  BodeOptionsBox = new BodeOptions;
  PanelOptionsBode->setContent(BodeOptionsBox);
  page->options = PanelOptionsBode;

  PanelQuadripoles =
      new FloatingPanel(tr("See gain and Zin @ frequency"), QSize(220, 18), QSize(400, 600), page);
  PanelQuadripoles->setObjectName("PanelQuadripoles");
  VSTQ = new ResultTableView;
  VSTQ->setObjectName("VSTQ");
  gainModel_ = new GainTableModel(locale_, VSTQ);
  VSTQ->setModel(gainModel_);
  for (int c = 0; c < kGainTableColumns; ++c)
    VSTQ->header()->resizeSection(c, gainTableWidths()[std::size_t(c)]);
  PanelQuadripoles->setContent(VSTQ);
  PanelQuadripoles->setVisible(false);
  page->gains = PanelQuadripoles;
  page->watch(PanelOptionsBode);
  page->watch(PanelQuadripoles);

  // The plot's copy button sits in the strip between the two caption bars,
  // where it hides nothing of the plot.
  Button3 = copyButton(7, tr("Copy plot to clipboard"), page);
  Button3->setObjectName("Button3");
  Button3->setIconSize(QSize(16, 16));
  Button3->setFixedSize(22, 22);
  page->copy = Button3;

  for (FloatingPanel* panel : {PanelOptionsBode, PanelQuadripoles}) {
    connect(panel, &FloatingPanel::captionClicked, this,
            [this, panel] { PanelOptionsBodeCaptionClick(panel); });
    connect(panel, &FloatingPanel::closeClicked, this, [this, panel] { PanelOptionsBodeClose(panel); });
  }
  connect(BodeOptionsBox->CBstraycap, &QComboBox::activated, this, &TFormSolver::CBstraycapClick);
  return page;
}

QWidget* TFormSolver::buildPowerPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(page);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setTabPosition(QTabWidget::South);
  layout->addWidget(PageControl1);

  auto* waves = new QWidget;
  waves->setObjectName("TabSheet1");
  auto* wavesLayout = new QHBoxLayout(waves);
  auto* left = new QVBoxLayout;
  LabelVaIa = new QLabel(waves);
  LabelVaIa->setObjectName("LabelVaIa");
  LabelVin = new QLabel(waves);
  LabelVin->setObjectName("LabelVin");
  ImageWave = new SceneView(waves);
  ImageWave->setObjectName("ImageWave");
  left->addWidget(LabelVaIa);
  left->addWidget(ImageWave, 1);
  left->addWidget(LabelVin);
  wavesLayout->addLayout(left, 1);
  auto* right = new QVBoxLayout;
  ARGdisplay = new QGroupBox(waves);
  ARGdisplay->setObjectName("ARGdisplay");
  auto* radios = new QVBoxLayout(ARGdisplay);
  ARGdisplayGroup = new QButtonGroup(ARGdisplay);
  const QStringList items = {"va", "ia", "both"};
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], ARGdisplay);
    ARGdisplayGroup->addButton(radio, i);
    radios->addWidget(radio);
  }
  ARGdisplayGroup->button(0)->setChecked(true);
  right->addWidget(ARGdisplay);
  LabelSwing = new QLabel(waves);
  LabelSwing->setObjectName("LabelSwing");
  right->addWidget(LabelSwing);
  TrackBarSwing = new QSlider(Qt::Vertical, waves);
  TrackBarSwing->setObjectName("TrackBarSwing");
  TrackBarSwing->setRange(1, 50);
  TrackBarSwing->setValue(10);
  LabelSwing->setText(QString("Drive voltage %1 Vpeak").arg(TrackBarSwing->value()));
  right->addWidget(TrackBarSwing, 1, Qt::AlignHCenter);
  wavesLayout->addLayout(right);
  Button4 = copyButton(8, tr("Copy plot to clipboard"), waves);
  Button4->setObjectName("Button4");
  new CornerButton(Button4, ImageWave, Qt::TopRightCorner);
  PageControl1->addTab(waves, tr("Waveforms vs input swing"));

  auto* power = new QWidget;
  power->setObjectName("TabSheet2");
  auto* powerLayout = new QVBoxLayout(power);
  ImagePower = new SceneView(power);
  ImagePower->setObjectName("ImagePower");
  powerLayout->addWidget(ImagePower);
  Button5 = copyButton(9, tr("Copy plot to clipboard"), power);
  Button5->setObjectName("Button5");
  new CornerButton(Button5, ImagePower, Qt::TopRightCorner);
  PageControl1->addTab(power, tr("Power vs input swing"));

  connect(TrackBarSwing, &QSlider::valueChanged, this, &TFormSolver::TrackBarSwingChanged);
  connect(ARGdisplayGroup, &QButtonGroup::idClicked, this, &TFormSolver::TrackBarSwingChanged);
  return page;
}

QWidget* TFormSolver::buildGridPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  VSTL = new ResultTableView(page);
  VSTL->setObjectName("VSTL");
  logModel_ = new LogTableModel(VSTL);
  VSTL->setModel(logModel_);
  layout->addWidget(VSTL);
  Button1 = copyButton(6, tr("Copy spreadsheet to clipboard"), page);
  Button1->setObjectName("Button1");
  new CornerButton(Button1, VSTL, Qt::BottomRightCorner, 20);
  connect(VSTL, &ResultTableView::copyRequested, this, [this] { butClipBrdClick(6); });
  return page;
}

void TFormSolver::buildPages() {
  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  TabSheetDC = buildDcPage();
  TabSheetDC->setObjectName("TabSheetDC");
  TabSheetLoadline = buildLoadlinePage();
  TabSheetLoadline->setObjectName("TabSheetLoadline");
  TabSheetAC = buildAcPage();
  TabSheetAC->setObjectName("TabSheetAC");
  TabSheetBode = buildBodePage();
  TabSheetBode->setObjectName("TabSheetBode");
  TabSheetPower = buildPowerPage();
  TabSheetPower->setObjectName("TabSheetPower");
  TabSheetGrid = buildGridPage();
  TabSheetGrid->setObjectName("TabSheetGrid");
  PageControl->addTab(TabSheetDC, tr("DC details"));
  PageControl->addTab(TabSheetLoadline, tr("DC loadlines"));
  PageControl->addTab(TabSheetAC, tr("AC small signal"));
  PageControl->addTab(TabSheetBode, tr("Bandwidth"));
  PageControl->addTab(TabSheetPower, tr("Output power"));
  PageControl->addTab(TabSheetGrid, tr("Logged results"));
}

} // namespace velmorin::gui
