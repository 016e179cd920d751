// Construction of the main window's controls: title bar, menu, the three
// panels and the library's controls. What they do is in TForm1.cpp.
#include "app/TForm1.h"

#include "app/AppVersion.h"
#include "app/CommentView.h"
#include "app/EntryKeyFilter.h"
#include "app/FilterGroup.h"
#include "app/HoverImage.h"
#include "app/HtmlLabel.h"
#include "app/MainIcons.h"
#include "app/TFrameLib.h"
#include "app/UsagePanel.h"
#include "catalogue/Categories.h"

#include <QAction>
#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmorin::gui {

namespace {

QToolButton* windowButton(const QString& name, const QPixmap& picture, const QString& hint, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setIcon(picture);
  b->setIconSize(QSize(16, 16));
  b->setToolTip(hint);
  b->setAutoRaise(true);
  b->setFixedSize(34, 28);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QPushButton* glassButton(const QString& name, const QString& caption, int tag, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setProperty(kTagProperty, tag);
  b->setFocusPolicy(Qt::NoFocus);
  b->setCursor(Qt::PointingHandCursor);
  b->setMinimumSize(86, 30);
  b->setStyleSheet(QStringLiteral(
      "QPushButton { color: white; font-weight: bold; border: 1px solid #1f4f7d; border-radius: 6px;"
      " padding: 3px 12px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fa6d8,"
      " stop:0.5 #3d7ab8, stop:0.51 #2f6aa6, stop:1 #3f80bf); }"
      "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8cbbe6,"
      " stop:0.5 #4d8bc8, stop:0.51 #3b78b6, stop:1 #4f90cf); }"
      "QPushButton:pressed { background: #2a5f96; }"));
  return b;
}

QAction* menuItem(QMenu* menu, const QString& name, const QString& caption, int tag) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  a->setProperty(kTagProperty, tag);
  return a;
}

} // namespace

void TForm1::buildTitleBar() {
  CTBPanel = new QWidget(this);
  CTBPanel->setObjectName(QStringLiteral("CTBPanel"));
  CTBPanel->setAttribute(Qt::WA_StyledBackground);
  CTBPanel->setStyleSheet(QStringLiteral(
      "#CTBPanel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfbfb, stop:1 #e4e7eb);"
      " border-bottom: 1px solid #c3c8ce; }"));
  CTBPanel->setFixedHeight(48);

  ImageMenu = new HoverImage(CTBPanel);
  ImageMenu->setObjectName(QStringLiteral("ImageMenu"));
  ImageMenu->setPixmap(mainicons::menu(26));
  ImageMenu->setFixedSize(34, 34);
  ImageMenu->setAlignment(Qt::AlignCenter);
  ImageMenu->setCursor(Qt::PointingHandCursor);

  Image1 = new QLabel(CTBPanel);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(36, 36);
  Image1->setAlignment(Qt::AlignCenter);

  CTBhtmlLabel = new HtmlLabel(CTBPanel);
  CTBhtmlLabel->setObjectName(QStringLiteral("CTBhtmlLabel"));
  // A press on the caption moves the window like one on the strip.
  CTBhtmlLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
  CTBhtmlLabel->setMinimumWidth(140);

  AdvGlassButton3 = glassButton(QStringLiteral("AdvGlassButton3"), QStringLiteral("Tubes"), 1, CTBPanel);
  AdvGlassButton2 = glassButton(QStringLiteral("AdvGlassButton2"), QStringLiteral("Curves"), 2, CTBPanel);
  AdvGlassButton1 = glassButton(QStringLiteral("AdvGlassButton1"), QStringLiteral("Library"), 3, CTBPanel);

  CTBminimize = windowButton(QStringLiteral("CTBminimize"), mainicons::minimize(), QStringLiteral("Minimise"),
                             CTBPanel);
  CTBmaximize = windowButton(QStringLiteral("CTBmaximize"), mainicons::maximize(), QStringLiteral("Maximise"),
                             CTBPanel);
  CTBmaximize->setProperty("image", 1);
  CTBclose = windowButton(QStringLiteral("CTBclose"), mainicons::close(), QStringLiteral("Close"), CTBPanel);

  auto* row = new QHBoxLayout(CTBPanel);
  row->setContentsMargins(6, 0, 2, 0);
  row->setSpacing(6);
  row->addWidget(ImageMenu);
  row->addWidget(Image1);
  row->addWidget(CTBhtmlLabel);
  row->addStretch(1);
  row->addWidget(AdvGlassButton3);
  row->addWidget(AdvGlassButton2);
  row->addWidget(AdvGlassButton1);
  row->addSpacing(24);
  row->setSpacing(6);
  row->addWidget(CTBminimize);
  row->addWidget(CTBmaximize);
  row->addWidget(CTBclose);

  connect(CTBminimize, &QToolButton::clicked, this, &QWidget::showMinimized);
  connect(CTBmaximize, &QToolButton::clicked, this, &TForm1::CTBmaximizeClick);
  connect(CTBclose, &QToolButton::clicked, this, &QWidget::close);
  for (QPushButton* b : {AdvGlassButton1, AdvGlassButton2, AdvGlassButton3})
    connect(b, &QPushButton::clicked, this,
            [this, b] { AdvGlassButtonClick(b->property(kTagProperty).toInt()); });
}

void TForm1::buildMenu() {
  AdvPopupMenu1 = new QMenu(this);
  AdvPopupMenu1->setObjectName(QStringLiteral("AdvPopupMenu1"));
  menuIntro = menuItem(AdvPopupMenu1, QStringLiteral("menuIntro"), QStringLiteral("Welcome screen"), 1);
  AdvPopupMenu1->addSeparator();
  menuLibrary =
      menuItem(AdvPopupMenu1, QStringLiteral("menuLibrary"), QStringLiteral("Library of solvers"), 2);
  menuAnode = menuItem(AdvPopupMenu1, QStringLiteral("menuAnode"), QStringLiteral("Anode curves"), 4);
  menuMytriodes = menuItem(AdvPopupMenu1, QStringLiteral("menuMytriodes"), QStringLiteral("Tube models"), 5);
  AdvPopupMenu1->addSeparator();
  menuUserManual =
      menuItem(AdvPopupMenu1, QStringLiteral("menuUserManual"), QStringLiteral("User Manual"), 0);
  menuUsage =
      menuItem(AdvPopupMenu1, QStringLiteral("menuUsage"), QStringLiteral("Stats of worldwide usage"), 3);
  AdvPopupMenu1->addSeparator();
  menuAbout = menuItem(AdvPopupMenu1, QStringLiteral("menuAbout"), QStringLiteral("About"), 0);
  const QString site = QString::fromLatin1(version::kWebSite).section(QStringLiteral("://"), 1);
  menuWeb = menuItem(AdvPopupMenu1, QStringLiteral("menuWeb"), site, 0);
  menuEmail = menuItem(AdvPopupMenu1, QStringLiteral("menuEmail"), QString::fromLatin1(version::kEmail), 0);
  // Kept for the day the window gets a dark style; they do nothing yet.
  menuDarkMode = menuItem(AdvPopupMenu1, QStringLiteral("menuDarkMode"), QStringLiteral("Set dark mode"), 0);
  menuLightMode =
      menuItem(AdvPopupMenu1, QStringLiteral("menuLightMode"), QStringLiteral("Set light mode"), 0);
  menuDarkMode->setVisible(false);
  menuLightMode->setVisible(false);

  connect(menuIntro, &QAction::triggered, this, &TForm1::menuIntroClick);
  connect(menuLibrary, &QAction::triggered, this, &TForm1::menuLibraryClick);
  connect(menuAnode, &QAction::triggered, this, &TForm1::menuAnodeClick);
  connect(menuMytriodes, &QAction::triggered, this, &TForm1::menuMytriodesClick);
  connect(menuUserManual, &QAction::triggered, this, &TForm1::menuUserManualClick);
  connect(menuUsage, &QAction::triggered, this, &TForm1::menuUsageClick);
  connect(menuAbout, &QAction::triggered, this, &TForm1::menuAboutClick);
  connect(menuWeb, &QAction::triggered, this, &TForm1::menuWebClick);
  connect(menuEmail, &QAction::triggered, this, &TForm1::menuEmailClick);

  // Resting the mouse on the menu picture opens the menu below it.
  auto open = [this] {
    if (!AdvPopupMenu1->isVisible())
      AdvPopupMenu1->popup(ImageMenu->mapToGlobal(QPoint(0, ImageMenu->height())));
  };
  connect(ImageMenu, &HoverImage::entered, this, open);
  connect(ImageMenu, &HoverImage::clicked, this, open);
}

QWidget* TForm1::captionedPanel(const QString& caption, QWidget* content, const QString& name) {
  auto* panel = new QWidget;
  panel->setObjectName(name);
  auto* title = new QLabel(caption, panel);
  title->setObjectName(QStringLiteral("caption"));
  title->setStyleSheet(QStringLiteral("QLabel { background: #5b6f82; color: white; font-weight: bold;"
                                      " padding: 4px 8px; }"));
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(title);
  layout->addWidget(content, 1);
  return panel;
}

void TForm1::buildPanels() {
  Panels = new QStackedWidget(this);
  Panels->setObjectName(QStringLiteral("Panels"));

  RE = new QTextBrowser;
  RE->setObjectName(QStringLiteral("RE"));
  RE->setReadOnly(true);
  RE->setOpenExternalLinks(true);
  RE->setFrameShape(QFrame::NoFrame);
  RE->document()->setDocumentMargin(12);
  AdvPanelIntro = captionedPanel(QStringLiteral("Solvers for triodes"), RE, QStringLiteral("AdvPanelIntro"));

  AdvPanelLibrary = captionedPanel(QStringLiteral("Library of circuits"), buildLibraryPanel(),
                                   QStringLiteral("AdvPanelLibrary"));

  AdvRichEditor1 = new UsagePanel;
  AdvRichEditor1->setObjectName(QStringLiteral("AdvRichEditor1"));
  AdvRichEditor1->document()->setDocumentMargin(12);
  AdvPanelUsage = captionedPanel(QStringLiteral("Usage"), AdvRichEditor1, QStringLiteral("AdvPanelUsage"));

  Panels->addWidget(AdvPanelIntro);
  Panels->addWidget(AdvPanelLibrary);
  Panels->addWidget(AdvPanelUsage);
}

QWidget* TForm1::buildLibraryPanel() {
  auto* library = new QWidget;

  RBgallery = new QRadioButton(QStringLiteral("gallery"), library);
  RBgallery->setObjectName(QStringLiteral("RBgallery"));
  RBtree = new QRadioButton(QStringLiteral("tree"), library);
  RBtree->setObjectName(QStringLiteral("RBtree"));
  butLayoutToggle = new QToolButton(library);
  butLayoutToggle->setObjectName(QStringLiteral("butLayoutToggle"));
  butLayoutToggle->setToolTip(QStringLiteral("layout library vertically or horizontally"));
  butLayoutToggle->setIconSize(QSize(20, 20));
  butLayoutToggle->setAutoRaise(true);

  LabelLastCircuit = new HtmlLabel(library);
  LabelLastCircuit->setObjectName(QStringLiteral("LabelLastCircuit"));
  LabelLastCircuit->setImage(2, mainicons::openCircuit(14));
  LabelLastCircuit->setProperty(kTagProperty, 0);

  auto* searchLabel = new QLabel(QStringLiteral("Search"), library);
  EditSearch = new QLineEdit(library);
  EditSearch->setObjectName(QStringLiteral("EditSearch"));
  EditSearch->setFixedWidth(200);
  EditSearch->setPlaceholderText(QStringLiteral("title or number"));
  searchLabel->setBuddy(EditSearch);
  butSearchCancel = new QToolButton(library);
  butSearchCancel->setObjectName(QStringLiteral("butSearchCancel"));
  butSearchCancel->setText(QStringLiteral("x"));
  butSearchCancel->setToolTip(QStringLiteral("Clear the search"));

  LabelAction = new QLabel(library);
  LabelAction->setObjectName(QStringLiteral("LabelAction"));
  LabelAction->setStyleSheet(QStringLiteral("QLabel { color: #606060; }"));

  auto* controls = new QHBoxLayout;
  controls->setContentsMargins(6, 4, 6, 0);
  controls->setSpacing(8);
  controls->addWidget(RBgallery);
  controls->addWidget(RBtree);
  controls->addWidget(butLayoutToggle);
  controls->addSpacing(12);
  controls->addWidget(LabelLastCircuit, 1);
  controls->addSpacing(12);
  controls->addWidget(searchLabel);
  controls->addWidget(EditSearch);
  controls->addWidget(butSearchCancel);

  auto* hint = new QHBoxLayout;
  hint->setContentsMargins(8, 0, 6, 2);
  hint->addWidget(LabelAction, 1);

  QStringList filters;
  for (const CategoryInfo& c : categories())
    filters << QString::fromUtf8(c.filterCaption.data(), qsizetype(c.filterCaption.size()));
  RGlib = new FilterGroup(filters, library);
  RGlib->setObjectName(QStringLiteral("RGlib"));

  galleryContent_ = new QWidget;
  galleryContent_->setObjectName(QStringLiteral("galleryContent"));
  galleryContent_->setStyleSheet(TFrameLib::styleSheet());
  galleryLayout_ = new QBoxLayout(QBoxLayout::LeftToRight, galleryContent_);
  galleryLayout_->setContentsMargins(4, 4, 4, 4);
  galleryLayout_->setSpacing(4);
  ScrollBoxLibrary = new QScrollArea(library);
  ScrollBoxLibrary->setObjectName(QStringLiteral("ScrollBoxLibrary"));
  ScrollBoxLibrary->setWidget(galleryContent_);
  ScrollBoxLibrary->setWidgetResizable(true);
  ScrollBoxLibrary->setFrameShape(QFrame::NoFrame);

  VSTL = new LibraryTree(library);
  VSTL->setObjectName(QStringLiteral("VSTL"));
  PopupMenuVSTL = new QMenu(VSTL);
  PopupMenuVSTL->setObjectName(QStringLiteral("PopupMenuVSTL"));
  popMenuVSTLDeleteConfig = PopupMenuVSTL->addAction(QStringLiteral("Delete this configuration..."));
  popMenuVSTLDeleteConfig->setObjectName(QStringLiteral("popMenuVSTLDeleteConfig"));

  MemoCircuit = new CommentView(library);
  MemoCircuit->setObjectName(QStringLiteral("MemoCircuit"));
  MemoCircuit->document()->setDocumentMargin(8);

  auto* content = new QWidget(library);
  content->setObjectName(QStringLiteral("libraryContent"));
  libraryContent_ = new QBoxLayout(QBoxLayout::TopToBottom, content);
  libraryContent_->setContentsMargins(0, 0, 0, 0);
  libraryContent_->setSpacing(2);

  auto* layout = new QVBoxLayout(library);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(controls);
  layout->addLayout(hint);
  layout->addWidget(content, 1);

  connect(RGlib, &FilterGroup::clicked, this, &TForm1::RGlibClick);
  connect(butLayoutToggle, &QToolButton::clicked, this, &TForm1::butLayoutToggleClick);
  connect(RBgallery, &QRadioButton::clicked, this, &TForm1::RBgalleryClick);
  connect(RBtree, &QRadioButton::clicked, this, &TForm1::RBgalleryClick);
  connect(butSearchCancel, &QToolButton::clicked, this, &TForm1::butSearchCancelClick);
  connect(LabelLastCircuit, &HtmlLabel::linkClicked, this, &TForm1::LabelLastCircuitClick);
  connect(VSTL, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { VSTLClick(item); });
  connect(VSTL, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { VSTLDblClick(item); });
  connect(VSTL, &LibraryTree::configMenuRequested, this,
          [this](QTreeWidgetItem*, const QPoint& at) { PopupMenuVSTL->popup(at); });
  connect(popMenuVSTLDeleteConfig, &QAction::triggered, this, &TForm1::popMenuVSTLDeleteConfigClick);
  EditSearch->installEventFilter(this);
  return library;
}

} // namespace velmorin::gui
