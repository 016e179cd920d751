// The main window: its own title bar and menu, the welcome, library and
// usage panels, the library as a gallery or a tree with search and circuit
// comments, and the opening of solver windows. It owns the program-wide
// state: the settings file (through IPD), the titles and the pictures.
#pragma once

#include "app/LibraryTree.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTextBrowser;
class QToolButton;
class QBoxLayout;

namespace velmorin {
class Settings;
}

namespace velmorin::gui {

class CommentView;
class FilterGroup;
class HoverImage;
class HtmlLabel;
class TFormSolver;
class TFrameLib;
class TIniPosDim;
class UsagePanel;

class TForm1 : public QWidget {
  Q_OBJECT
public:
  // Runs the window's creation sequence on the data folder `dataFolder`;
  // problems are reported in message boxes and creation goes on.
  explicit TForm1(std::filesystem::path dataFolder, QWidget* parent = nullptr);
  // Stores the window's placement and closes the settings file.
  ~TForm1() override;

  const std::filesystem::path& dataFolder() const { return dataFolder_; }
  // The general settings section's name, "Tessivar".
  const QString& generalSection() const { return sectionName_; }
  // The open settings file (through IPD).
  Settings& settings() const;

  // --- interfaces ---
  // Opens a solver window: circuit = schema mod 1024, configuration id =
  // schema div 1024 (0 for none). Returns the window, nullptr for no circuit.
  TFormSolver* LoadFormSolver(int schema);
  void SetLastCircuit(int t);
  QString getMemoCircuit(int item) const;
  void fillAdvTreeView();
  void setLayoutDisplay();
  void displayBlocsGalerie(const std::vector<int>& list);
  void creerBlocsGalerie();
  // Shows circuit n's comment and diagram in MemoCircuit.
  void showCircuitComment(int n);

  // --- components (named as the window's own) ---
  QWidget* CTBPanel;
  QLabel* Image1;
  HtmlLabel* CTBhtmlLabel;
  HoverImage* ImageMenu;
  QToolButton* CTBminimize;
  QToolButton* CTBmaximize;
  QToolButton* CTBclose;
  QPushButton* AdvGlassButton3; // "Tubes"
  QPushButton* AdvGlassButton2; // "Curves"
  QPushButton* AdvGlassButton1; // "Library"

  QMenu* AdvPopupMenu1;
  QAction* menuIntro;
  QAction* menuLibrary;
  QAction* menuAnode;
  QAction* menuMytriodes;
  QAction* menuUserManual;
  QAction* menuUsage;
  QAction* menuAbout;
  QAction* menuWeb;
  QAction* menuEmail;
  QAction* menuDarkMode;
  QAction* menuLightMode;

  QStackedWidget* Panels;
  QWidget* AdvPanelIntro;
  QTextBrowser* RE;
  QWidget* AdvPanelLibrary;
  QLabel* LabelAction;
  HtmlLabel* LabelLastCircuit;
  FilterGroup* RGlib;
  QScrollArea* ScrollBoxLibrary;
  QToolButton* butLayoutToggle;
  QRadioButton* RBgallery;
  QRadioButton* RBtree;
  CommentView* MemoCircuit;
  LibraryTree* VSTL;
  QLineEdit* EditSearch;
  QToolButton* butSearchCancel;
  QMenu* PopupMenuVSTL;
  QAction* popMenuVSTLDeleteConfig;
  QWidget* AdvPanelUsage;
  UsagePanel* AdvRichEditor1;

  TIniPosDim* IPD;

  // Titles of circuits 1 to 40 (element 0 unused).
  std::array<QString, 41> Titres;
  // The gallery tiles of circuits 1 to 40 (element 0 unused; all null when
  // the thumbnail file could not be loaded).
  std::array<TFrameLib*, 41> BlocsGalerie{};
  // The library laid out horizontally (filter and gallery, or tree, across the top).
  bool displayhor = true;

  // The picture files kept in memory: diagrams and tube-count icons.
  const std::vector<std::uint8_t>& diagramStream() const { return diagrams_; }
  const std::vector<std::uint8_t>& iconStream() const { return icons_; }
  // The solver windows this window opened, oldest first (closed ones gone).
  std::vector<TFormSolver*> solverWindows() const;

  // --- handlers ---
  void RGlibClick();
  void butLayoutToggleClick();
  void RBgalleryClick();
  void EditSearchKeyUp(int key);
  void butSearchCancelClick();
  void VSTLClick(QTreeWidgetItem* node);
  void VSTLDblClick(QTreeWidgetItem* node);
  void popMenuVSTLDeleteConfigClick();
  void LabelLastCircuitClick();
  void CTBmaximizeClick();
  void menuIntroClick();
  void menuLibraryClick();
  void menuUsageClick();
  void menuAnodeClick();
  void menuMytriodesClick();
  void menuUserManualClick();
  void menuAboutClick();
  void menuWebClick();
  void menuEmailClick();
  // The three glass buttons, told apart by their Tag (1 Tubes, 2 Curves, 3 Library).
  void AdvGlassButtonClick(int tag);

signals:
  // The user closed the window: the program ends.
  void closing();

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Construction of the controls (TForm1Layout.cpp).
  void buildTitleBar();
  void buildMenu();
  void buildPanels();
  QWidget* buildLibraryPanel();
  QWidget* captionedPanel(const QString& caption, QWidget* content, const QString& name);

  void FormCreate();
  void FormShow();
  bool loadStream(const char* name, std::vector<std::uint8_t>& into);
  void updateFrameMargins();
  void removeConfigNodes(std::int64_t config);
  QPixmap streamPicture(const std::vector<std::uint8_t>& stream, int record, const char* format) const;

  std::filesystem::path dataFolder_;
  QString sectionName_;
  QBoxLayout* libraryContent_ = nullptr;
  QWidget* galleryContent_ = nullptr;
  QBoxLayout* galleryLayout_ = nullptr;
  std::vector<std::uint8_t> diagrams_;
  std::vector<std::uint8_t> icons_;
  std::vector<QPointer<TFormSolver>> solvers_;
  bool shown_ = false;
};

} // namespace velmorin::gui
