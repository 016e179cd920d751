#include "app/TForm1.h"

#include "app/AppVersion.h"
#include "app/ApplyConfigToFrame.h"
#include "app/CommentView.h"
#include "app/EntryKeyFilter.h"
#include "app/FilterGroup.h"
#include "app/FramelessEdges.h"
#include "app/HoverImage.h"
#include "app/HtmlLabel.h"
#include "app/LibrarySearch.h"
#include "app/MainIcons.h"
#include "app/TFrameLib.h"
#include "app/UsagePanel.h"
#include "catalogue/Categories.h"
#include "catalogue/CircuitComments.h"
#include "catalogue/Circuits.h"
#include "catalogue/StreamRecords.h"
#include "configurations/CircuitConfigs.h"
#include "database/ModelDatabase.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"
#include "settings/TIniPosDim.h"
#include "solverwindow/SchemaBox.h"
#include "solverwindow/TFormSolver.h"
#include "text/Format.h"
#include "text/Locale.h"
#include "widgets/Icons.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <fstream>

namespace velmorin::gui {

namespace {

// The hourglass for the length of a scope.
class WaitCursor {
public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// A message box with the normal arrow, whatever the window is busy with.
void messageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.exec();
  QApplication::restoreOverrideCursor();
}

void errorBox(QWidget* parent, const QString& text) {
  messageBox(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

void informationBox(QWidget* parent, const QString& text) {
  messageBox(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

QString fsPath(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

constexpr const char* kIntroductionFile = "introduction.html";
constexpr const char* kManualFile = "Velmorin User Manual.pdf";

} // namespace

TForm1::TForm1(std::filesystem::path dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), dataFolder_(std::move(dataFolder)) {
  setObjectName(QStringLiteral("Form1"));
  setMinimumSize(800, 600);
  IPD = new TIniPosDim(this);
  buildTitleBar();
  buildMenu();
  buildPanels();

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addWidget(CTBPanel);
  layout->addWidget(Panels, 1);
  updateFrameMargins();
  new FramelessEdges(this, CTBPanel, 4);

  // The window's own size before its stored placement is read: half the
  // screen, so a first start opens centred at that size.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(screen->geometry().size() / 2);
  FormCreate();
}

TForm1::~TForm1() {
  // FormDestroy: the placement is stored as the window ends; a settings file
  // that refuses the write must not stop the program from closing.
  try {
    IPD->storeForm(this);
  } catch (const std::exception&) {
  }
  IPD->Close();
  diagrams_.clear();
  icons_.clear();
}

Settings& TForm1::settings() const {
  return *IPD->FiniFile();
}

void TForm1::FormCreate() {
  WaitCursor cursor;
  // The general section's name, shown in the title bar with the version.
  sectionName_ = QString::fromLatin1(Settings::kGeneralSection);
  CTBhtmlLabel->setText(QStringLiteral("%1<BR><FONT COLOR=\"#909090\">%2</FONT>")
                            .arg(sectionName_, QString::fromLatin1(version::kProductVersion)));
  // The settings file, before anything reads a setting.
  IPD->Open(this, settingsFilePath("velmorin", dataFolder_));
  // Qt's network module finds its TLS backend itself: nothing to point it to.

  // The welcome text.
  QFile intro(fsPath(dataFolder_ / kIntroductionFile));
  if (intro.open(QIODevice::ReadOnly))
    RE->setHtml(QString::fromUtf8(intro.readAll()));
  else
    RE->setPlainText(QStringLiteral("The welcome text %1 is missing.").arg(intro.fileName()));

  // The titles, then the gallery tiles.
  for (int n = 1; n <= kCircuitCount; ++n) {
    const std::string_view title = circuitTitle(n);
    Titres[std::size_t(n)] = QString::fromUtf8(title.data(), qsizetype(title.size()));
  }
  creerBlocsGalerie();

  // The diagrams and the icons stay in memory.
  const bool picturesLoaded =
      loadStream("stream-schemas.bin", diagrams_) && loadStream("stream-ec86.bin", icons_);
  const QPixmap icon = streamPicture(icons_, 1, "ICO");
  Image1->setPixmap((icon.isNull() ? icons::circuitIcon(1, 32) : icon)
                        .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  setWindowIcon(icon.isNull() ? icons::circuitIcon(1) : icon);

  // The model database, brought up to date even when a picture file is
  // missing and the rest of the start-up is skipped: a solver window opened
  // on a missing model database would leave an empty one behind, which no
  // later start fills with the built-in models.
  try {
    const std::string message = ensureModelDatabase(dataFolder_);
    if (!message.empty())
      informationBox(this, qs(message));
  } catch (const std::exception& e) {
    errorBox(this, qs(e.what()));
  }
  if (!picturesLoaded)
    return;

  // The tree and the comment view are prepared as they are built; what is
  // left is the last circuit used.
  SetLastCircuit(settings().lastCircuit());
}

bool TForm1::loadStream(const char* name, std::vector<std::uint8_t>& into) {
  const std::filesystem::path path = dataFolder_ / name;
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (!ec && in) {
    into.resize(std::size_t(size));
    if (in.read(reinterpret_cast<char*>(into.data()), std::streamsize(size)))
      return true;
  }
  into.clear();
  errorBox(this, QStringLiteral("Cannot load ") + fsPath(path));
  return false;
}

QPixmap TForm1::streamPicture(const std::vector<std::uint8_t>& stream, int record, const char* format) const {
  QPixmap picture;
  if (stream.empty())
    return picture;
  try {
    const auto bytes = loadStreamRecord(stream, record);
    picture.loadFromData(bytes.data(), uint(bytes.size()), format);
  } catch (const StreamError&) {
  }
  return picture;
}

void TForm1::creerBlocsGalerie() {
  std::vector<std::uint8_t> thumbnails;
  if (!loadStream("stream-miniatures.bin", thumbnails))
    return;
  for (int n = 1; n <= kCircuitCount; ++n) {
    auto* tile =
        new TFrameLib(n, Titres[std::size_t(n)], streamPicture(thumbnails, n, "PNG"), galleryContent_);
    tile->hide();
    connect(tile, &TFrameLib::commentRequested, this, &TForm1::showCircuitComment);
    connect(tile, &TFrameLib::openRequested, this, [this](int circuit) { LoadFormSolver(circuit); });
    BlocsGalerie[std::size_t(n)] = tile;
  }
  // The thumbnails are not needed once the tiles hold their pictures.
}

void TForm1::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  QWidget::showEvent(event);
}

void TForm1::FormShow() {
  WaitCursor cursor;
  IPD->readForm(this);
  menuIntroClick();
  displayhor = settings().displayHor();
  butLayoutToggle->setProperty(kTagProperty, displayhor ? 0 : 1);
  butLayoutToggle->setIcon(mainicons::layout(displayhor ? 1 : 0));
  if (settings().flat())
    RBgallery->setChecked(true);
  else
    RBtree->setChecked(true);
  RGlib->setItemIndex(0);
  fillAdvTreeView();
  setLayoutDisplay();
  setWindowTitle(QStringLiteral("%1  %2").arg(sectionName_, QString::fromLatin1(version::kProductVersion)));
}

void TForm1::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closing();
}

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    const bool maximised = isMaximized();
    CTBmaximize->setIcon(maximised ? mainicons::restore() : mainicons::maximize());
    CTBmaximize->setProperty("image", maximised ? 2 : 1);
    CTBmaximize->setToolTip(maximised ? QStringLiteral("Restore") : QStringLiteral("Maximise"));
    updateFrameMargins();
  }
}

void TForm1::updateFrameMargins() {
  if (!layout())
    return;
  // A normal window shows a black line along its top edge with its content
  // below it, and keeps a thin margin on the other sides to be resized by;
  // a maximised one uses all of the screen.
  if (isMaximized())
    layout()->setContentsMargins(0, 0, 0, 0);
  else
    layout()->setContentsMargins(3, 1, 3, 3);
  update();
}

void TForm1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (isMaximized())
    return;
  // The resizing margins read as a thin border.
  QPainter p(this);
  const QMargins m = layout()->contentsMargins();
  const QColor border(0xB8, 0xBE, 0xC6);
  p.fillRect(QRect(0, 0, m.left(), height()), border);
  p.fillRect(QRect(width() - m.right(), 0, m.right(), height()), border);
  p.fillRect(QRect(0, height() - m.bottom(), width(), m.bottom()), border);
  p.fillRect(QRect(0, 0, width(), 1), Qt::black);
}

void TForm1::CTBmaximizeClick() {
  if (isMaximized())
    showNormal();
  else
    showMaximized();
}

// --- solver windows -------------------------------------------------------

std::vector<TFormSolver*> TForm1::solverWindows() const {
  std::vector<TFormSolver*> out;
  for (const QPointer<TFormSolver>& w : solvers_)
    if (w)
      out.push_back(w);
  return out;
}

TFormSolver* TForm1::LoadFormSolver(int schema) {
  const int circuit = schema % 1024;
  const int config = schema / 1024;
  if (schema < 0 || !isValidCircuit(circuit))
    return nullptr;
  auto* w = new TFormSolver(circuit, dataFolder_, this);
  solvers_.emplace_back(w);
  connect(w, &TFormSolver::solved, this, [this] { SetLastCircuit(settings().lastCircuit()); });
  w->show();
  if (schema > 1023) {
    try {
      applyConfigToFrame(config, *w->getFrameForSolver(), dataFolder_);
    } catch (const std::exception& e) {
      errorBox(w, qs(e.what()));
    }
  }
  // Below and to the right of the solver window opened before it that is still open.
  for (auto it = std::next(solvers_.rbegin()); it != solvers_.rend(); ++it)
    if (*it) {
      w->move((*it)->pos() + QPoint(24, 24));
      break;
    }
  return w;
}

void TForm1::SetLastCircuit(int t) {
  LabelLastCircuit->setProperty(kTagProperty, t);
  if (isValidCircuit(t))
    LabelLastCircuit->setText(
        qs(sformat(Locale{}, "<A HREF=\"#\"><IMG src=\"idx:2\" align=\"middle\">C%d - %s</A>", t,
                   Titres[std::size_t(t)].toStdString())));
  else
    // Nothing solved yet: the label names no circuit and is no link.
    LabelLastCircuit->setText(QStringLiteral("<FONT COLOR=\"#909090\">No circuit solved yet</FONT>"));
}

void TForm1::LabelLastCircuitClick() {
  const int t = LabelLastCircuit->property(kTagProperty).toInt();
  if (isValidCircuit(t))
    LoadFormSolver(t);
}

// --- library --------------------------------------------------------------

QString TForm1::getMemoCircuit(int item) const {
  return qs(getMemoCircuitFromFile(dataFolder_ / "schemas.txt", item));
}

void TForm1::showCircuitComment(int n) {
  QString comment;
  try {
    comment = getMemoCircuit(n);
  } catch (const std::exception& e) {
    // Shown in the view rather than in a box: the mouse passing over the
    // gallery would otherwise raise one box per picture.
    MemoCircuit->showProblem(qs(e.what()));
    return;
  }
  QImage diagram;
  if (!diagrams_.empty())
    diagram = streamPicture(diagrams_, n, "PNG").toImage();
  MemoCircuit->showComment(comment, diagram);
}

void TForm1::displayBlocsGalerie(const std::vector<int>& list) {
  for (int n = 1; n <= kCircuitCount; ++n)
    if (TFrameLib* tile = BlocsGalerie[std::size_t(n)]) {
      tile->hide();
      galleryLayout_->removeWidget(tile);
    }
  while (QLayoutItem* item = galleryLayout_->takeAt(0))
    delete item;
  for (int n = 1; n <= kCircuitCount; ++n) {
    TFrameLib* tile = BlocsGalerie[std::size_t(n)];
    if (tile && std::find(list.begin(), list.end(), n) != list.end()) {
      galleryLayout_->addWidget(tile);
      tile->show();
    }
  }
  galleryLayout_->addStretch(1);
}

void TForm1::RGlibClick() {
  const int item = RGlib->itemIndex();
  if (item < 0 || item >= int(kCategoryCount))
    return;
  displayBlocsGalerie(circuitsIn(categories()[std::size_t(item)].category));
}

namespace {

void fixHeight(QWidget* w, int height) {
  w->setMinimumSize(0, height);
  w->setMaximumSize(QWIDGETSIZE_MAX, height);
}

void fixWidth(QWidget* w, int width) {
  w->setMinimumSize(width, 0);
  w->setMaximumSize(width, QWIDGETSIZE_MAX);
}

} // namespace

void TForm1::setLayoutDisplay() {
  for (QWidget* w : std::initializer_list<QWidget*>{MemoCircuit, RGlib, ScrollBoxLibrary, VSTL}) {
    w->hide();
    libraryContent_->removeWidget(w);
  }
  const bool gallery = RBgallery->isChecked();
  libraryContent_->setDirection(displayhor ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
  if (gallery) {
    if (displayhor) {
      RGlib->setColumns(RGlib->count());
      fixHeight(RGlib, 64);
      fixHeight(ScrollBoxLibrary, 170);
      galleryLayout_->setDirection(QBoxLayout::LeftToRight);
      ScrollBoxLibrary->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      ScrollBoxLibrary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
      RGlib->setColumns(1);
      fixWidth(RGlib, 130);
      fixWidth(ScrollBoxLibrary, 250);
      galleryLayout_->setDirection(QBoxLayout::TopToBottom);
      ScrollBoxLibrary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      ScrollBoxLibrary->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    libraryContent_->addWidget(RGlib);
    libraryContent_->addWidget(ScrollBoxLibrary);
    LabelAction->setText(
        QStringLiteral("Mouse over diagram to display comment, click to open solver window"));
    RGlibClick();
    RGlib->show();
    ScrollBoxLibrary->show();
  } else {
    if (displayhor)
      fixHeight(VSTL, 300);
    else
      fixWidth(VSTL, 350);
    libraryContent_->addWidget(VSTL);
    LabelAction->setText(QStringLiteral("Click to display comment, double-click to open solver window"));
    VSTL->show();
  }
  libraryContent_->addWidget(MemoCircuit, 1);
  MemoCircuit->show();
}

void TForm1::butLayoutToggleClick() {
  int tag = butLayoutToggle->property(kTagProperty).toInt();
  butLayoutToggle->setIcon(mainicons::layout(tag));
  tag = tag == 0 ? 1 : 0;
  butLayoutToggle->setProperty(kTagProperty, tag);
  displayhor = tag == 0;
  try {
    settings().setDisplayHor(displayhor);
  } catch (const std::exception& e) {
    errorBox(this, qs(e.what()));
  }
  setLayoutDisplay();
}

void TForm1::RBgalleryClick() {
  try {
    settings().setFlat(RBgallery->isChecked());
  } catch (const std::exception& e) {
    errorBox(this, qs(e.what()));
  }
  setLayoutDisplay();
}

void TForm1::fillAdvTreeView() {
  VSTL->clear();
  std::vector<TArrayCircuitConfig> configs;
  try {
    configs = getLibraryConfigs(dataFolder_);
  } catch (const std::exception& e) {
    errorBox(this, qs(e.what()));
  }
  for (const CategoryInfo& group : categories()) {
    QTreeWidgetItem* groupNode = VSTL->addNode(
        nullptr,
        TRecLib::ofGroup(QString::fromUtf8(group.treeCaption.data(), qsizetype(group.treeCaption.size()))));
    for (int n : circuitsIn(group.category)) {
      QTreeWidgetItem* circuitNode = VSTL->addNode(groupNode, TRecLib::ofCircuit(n, Titres[std::size_t(n)]));
      if (std::size_t(n) < configs.size())
        for (const TCircuitConfig& c : configs[std::size_t(n)])
          VSTL->addNode(circuitNode, TRecLib::ofConfig(n, c.id, qs(c.Name)));
    }
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditSearch && event->type() == QEvent::KeyRelease)
    EditSearchKeyUp(static_cast<QKeyEvent*>(event)->key());
  return QWidget::eventFilter(watched, event);
}

void TForm1::EditSearchKeyUp(int key) {
  if (key == Qt::Key_Escape) {
    butSearchCancelClick();
    return;
  }
  const QString s = EditSearch->text().trimmed().toLower();
  if (s.isEmpty())
    return;
  const std::vector<int> found = searchCircuits(Titres, s);
  if (RBgallery->isChecked()) {
    displayBlocsGalerie(found);
    return;
  }
  VSTL->clear();
  QTreeWidgetItem* root =
      VSTL->addNode(nullptr, TRecLib::ofGroup(QStringLiteral("Circuits containing \"%1\"").arg(s)));
  for (int n : found)
    VSTL->addNode(root, TRecLib::ofCircuit(n, Titres[std::size_t(n)]));
  root->setExpanded(true);
}

void TForm1::butSearchCancelClick() {
  EditSearch->clear();
  if (RBtree->isChecked())
    fillAdvTreeView();
  else
    // The gallery goes back to the filter's circuits rather than keeping
    // the result of a search that is no longer there.
    RGlibClick();
  EditSearch->setFocus();
}

void TForm1::VSTLClick(QTreeWidgetItem* node) {
  if (!node || LibraryTree::level(node) == 0)
    return;
  // A configuration node carries its circuit's number too.
  showCircuitComment(LibraryTree::record(node).index);
}

void TForm1::VSTLDblClick(QTreeWidgetItem* node) {
  if (!node)
    return;
  const TRecLib r = LibraryTree::record(node);
  switch (LibraryTree::level(node)) {
  case 1:
    LoadFormSolver(r.index);
    break;
  case 2:
    if (r.config > 0 && r.config <= (INT_MAX - kCircuitCount) / 1024)
      if (TFormSolver* w = LoadFormSolver(r.index + int(r.config) * 1024))
        w->ContainerSchema->setTitle(r.circuit);
    break;
  default:
    break;
  }
}

void TForm1::popMenuVSTLDeleteConfigClick() {
  QTreeWidgetItem* node = VSTL->currentItem();
  if (!node || LibraryTree::level(node) != 2)
    return;
  const TRecLib r = LibraryTree::record(node);
  QMessageBox ask(QMessageBox::Question, QStringLiteral("Confirm"),
                  QStringLiteral("Do you want to erase your circuit configuration \"%1\" ?").arg(r.circuit),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  if (ask.exec() != QMessageBox::Yes)
    return;
  try {
    deleteCircuitConfig(r.config, dataFolder_);
  } catch (const std::exception& e) {
    errorBox(this, qs(e.what()));
    return;
  }
  removeConfigNodes(r.config);
}

void TForm1::removeConfigNodes(std::int64_t config) {
  // The configuration is listed under every group of its circuit: none of
  // those nodes may outlive it.
  std::vector<QTreeWidgetItem*> nodes;
  for (int g = 0; g < VSTL->topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = VSTL->topLevelItem(g);
    for (int c = 0; c < group->childCount(); ++c) {
      QTreeWidgetItem* circuit = group->child(c);
      for (int k = 0; k < circuit->childCount(); ++k)
        if (LibraryTree::record(circuit->child(k)).config == config)
          nodes.push_back(circuit->child(k));
    }
  }
  for (QTreeWidgetItem* node : nodes)
    delete node;
}

// --- menu -----------------------------------------------------------------

void TForm1::menuIntroClick() {
  Panels->setCurrentWidget(AdvPanelIntro);
}

void TForm1::menuLibraryClick() {
  Panels->setCurrentWidget(AdvPanelLibrary);
}

void TForm1::menuUsageClick() {
  Panels->setCurrentWidget(AdvPanelUsage);
  AdvRichEditor1->fill(qs(settings().file().readString(Settings::kGeneralSection, "usagehost", "")),
                       fsPath(settings().file().path()));
}

void TForm1::menuAnodeClick() {
  informationBox(this, QStringLiteral("The anode curves viewer is not available in this version yet."));
}

void TForm1::menuMytriodesClick() {
  informationBox(this, QStringLiteral("The tube model editor is not available in this version yet."));
}

void TForm1::AdvGlassButtonClick(int tag) {
  switch (tag) {
  case 1:
    menuMytriodesClick();
    break;
  case 2:
    menuAnodeClick();
    break;
  case 3:
    menuLibraryClick();
    break;
  default:
    break;
  }
}

void TForm1::menuUserManualClick() {
  const std::filesystem::path manual = dataFolder_ / kManualFile;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(manual, ec)) {
    errorBox(this, QStringLiteral("The user manual %1 is missing.").arg(fsPath(manual)));
    return;
  }
  bool opened = false;
  {
    WaitCursor cursor;
    opened = QDesktopServices::openUrl(QUrl::fromLocalFile(fsPath(manual)));
  }
  if (!opened)
    errorBox(this, QStringLiteral("No program could open %1.").arg(fsPath(manual)));
}

void TForm1::menuAboutClick() {
  using namespace version;
  informationBox(this, QStringLiteral("%1\n\n%2\n\nby %3\n\nSoftware %4 version %5\n\n%6")
                           .arg(QString::fromUtf8(kCompanyName), QString::fromUtf8(kFileDescription),
                                QString::fromUtf8(kLegalCopyright), QString::fromUtf8(kProductName),
                                QString::fromUtf8(kFileVersion), QString::fromUtf8(kComments)));
}

void TForm1::menuWebClick() {
  if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(version::kWebSite))))
    errorBox(this,
             QStringLiteral("No web browser could open %1.").arg(QString::fromLatin1(version::kWebSite)));
}

void TForm1::menuEmailClick() {
  if (!QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(version::kEmail))))
    errorBox(this, QStringLiteral("No mail program could open a message to %1.")
                       .arg(QString::fromLatin1(version::kEmail)));
}

} // namespace velmorin::gui
