#include "MainWindowTestSupport.h"

#include "app/AppVersion.h"
#include "app/FilterGroup.h"
#include "app/HtmlLabel.h"
#include "app/LibraryTree.h"
#include "app/UsagePanel.h"
#include "database/ModelDatabase.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>

namespace velmorin::gui::testing {
namespace {

using MainWindow = MainWindowFixture;

const QString kVersion = QString::fromLatin1(version::kProductVersion);

TEST_F(MainWindow, StartsOnTheWelcomeWithItsTitleBarTilesAndModelDatabase) {
  TForm1* form = open();
  EXPECT_EQ(form->objectName(), "Form1");
  EXPECT_EQ(form->CTBhtmlLabel->text(), "Tessivar<BR><FONT COLOR=\"#909090\">" + kVersion + "</FONT>");
  EXPECT_EQ(form->windowTitle(), "Tessivar  " + kVersion);
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_GE(form->width(), 800);
  EXPECT_GE(form->height(), 600);
  EXPECT_EQ(form->Panels->currentWidget(), form->AdvPanelIntro);
  EXPECT_TRUE(form->RE->toPlainText().contains("Welcome to Velmorin"));
  EXPECT_EQ(form->Titres[1], "Common-cathode amplifier, cathode bias");
  EXPECT_EQ(form->Titres[40], "Push-pull pentode power amplifier");

  for (int n = 1; n <= 40; ++n) {
    const TFrameLib* tile = form->BlocsGalerie[std::size_t(n)];
    ASSERT_NE(tile, nullptr) << n;
    EXPECT_EQ(tile->objectName(), QString("bfl%1").arg(n));
    EXPECT_EQ(tile->size(), QSize(220, 140));
    EXPECT_EQ(tile->AGB->title(), QString("#C%1").arg(n));
    EXPECT_EQ(tile->property("Tag").toInt(), n);
    EXPECT_EQ(tile->ImageSchema->property("Tag").toInt(), n);
    EXPECT_EQ(tile->ImageSchema->toolTip(), "Click to open the solver window");
    EXPECT_FALSE(tile->ImageSchema->pixmap().isNull());
    EXPECT_EQ(tile->LabelTitre->text(), form->Titres[std::size_t(n)]);
  }
  EXPECT_EQ(form->diagramStream().size(), std::filesystem::file_size(data.file("stream-schemas.bin")));
  EXPECT_EQ(form->iconStream().size(), std::filesystem::file_size(data.file("stream-ec86.bin")));
  EXPECT_FALSE(listModelsOfType(3, data.path()).empty());
  EXPECT_FALSE(listModelsOfType(5, data.path()).empty());

  // The defaults of a first start: gallery, horizontal, every circuit.
  EXPECT_TRUE(form->RBgallery->isChecked());
  EXPECT_TRUE(form->displayhor);
  EXPECT_EQ(form->butLayoutToggle->property("Tag").toInt(), 0);
  EXPECT_EQ(form->RGlib->itemIndex(), 0);
  EXPECT_EQ(form->RGlib->count(), 13);
  EXPECT_EQ(form->RGlib->item(12), "power stage");
}

TEST_F(MainWindow, MenuItemsInOrderWithTheirTags) {
  TForm1* form = create();
  struct Item {
    QString name, caption;
    int tag;
    bool visible;
  };
  const std::vector<Item> expected = {
      {"menuIntro", "Welcome screen", 1, true},
      {"", "", 0, true},
      {"menuLibrary", "Library of solvers", 2, true},
      {"menuAnode", "Anode curves", 4, true},
      {"menuMytriodes", "Tube models", 5, true},
      {"", "", 0, true},
      {"menuUserManual", "User Manual", 0, true},
      {"menuUsage", "Stats of worldwide usage", 3, true},
      {"", "", 0, true},
      {"menuAbout", "About", 0, true},
      {"menuWeb", "www.lurnik.example/velmorin", 0, true},
      {"menuEmail", "velmorin@lurnik.example", 0, true},
      {"menuDarkMode", "Set dark mode", 0, false},
      {"menuLightMode", "Set light mode", 0, false},
  };
  const QList<QAction*> actions = form->AdvPopupMenu1->actions();
  ASSERT_EQ(actions.size(), qsizetype(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const QAction* a = actions[qsizetype(i)];
    if (expected[i].name.isEmpty()) {
      EXPECT_TRUE(a->isSeparator()) << i;
      continue;
    }
    EXPECT_EQ(a->objectName(), expected[i].name);
    EXPECT_EQ(a->text(), expected[i].caption);
    EXPECT_EQ(a->property("Tag").toInt(), expected[i].tag) << a->text().toStdString();
    EXPECT_EQ(a->isVisible(), expected[i].visible) << a->text().toStdString();
  }
  EXPECT_EQ(form->AdvGlassButton3->text(), "Tubes");
  EXPECT_EQ(form->AdvGlassButton2->text(), "Curves");
  EXPECT_EQ(form->AdvGlassButton1->text(), "Library");
}

TEST_F(MainWindow, PanelsComeToTheFrontAndLaterWindowsSayTheyAreNotAvailableYet) {
  TForm1* form = open();
  form->menuLibrary->trigger();
  EXPECT_EQ(form->Panels->currentWidget(), form->AdvPanelLibrary);
  form->menuIntro->trigger();
  EXPECT_EQ(form->Panels->currentWidget(), form->AdvPanelIntro);
  form->AdvGlassButton1->click();
  EXPECT_EQ(form->Panels->currentWidget(), form->AdvPanelLibrary);

  for (QPushButton* b : {form->AdvGlassButton3, form->AdvGlassButton2}) {
    const auto boxes = answerMessageBoxes([&] { b->click(); });
    ASSERT_EQ(boxes.size(), 1u) << b->text().toStdString();
    EXPECT_EQ(boxes[0].icon, QMessageBox::Information);
    EXPECT_TRUE(boxes[0].text.contains("not available in this version yet")) << boxes[0].text.toStdString();
  }
  EXPECT_TRUE(answerMessageBoxes([&] { form->menuAnode->trigger(); })[0].text.contains("anode curves"));
  EXPECT_TRUE(
      answerMessageBoxes([&] { form->menuMytriodes->trigger(); })[0].text.contains("tube model editor"));
  EXPECT_EQ(form->Panels->currentWidget(), form->AdvPanelLibrary);
}

TEST_F(MainWindow, AboutBoxReadsTheVersionInformation) {
  TForm1* form = create();
  const auto boxes = answerMessageBoxes([&] { form->menuAbout->trigger(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Information);
  EXPECT_EQ(boxes[0].text, QString("Lurnik\n\nDesign aid for vacuum-tube audio circuits\n\nby Lurnik\n\n"
                                   "Software Velmorin version %1\n\n%2")
                               .arg(kVersion, version::kComments));
}

TEST_F(MainWindow, AMissingManualIsReportedByName) {
  TForm1* form = create();
  const auto boxes = answerMessageBoxes([&] { form->menuUserManual->trigger(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(data.file("Velmorin User Manual.pdf").string())));
}

TEST_F(MainWindow, OwnTitleBarMaximisesRestoresAndCloses) {
  TForm1* form = open();
  EXPECT_EQ(form->CTBmaximize->property("image").toInt(), 1);
  EXPECT_EQ(form->layout()->contentsMargins().top(), 1); // below the black line
  form->CTBmaximize->click();
  QApplication::processEvents();
  EXPECT_TRUE(form->isMaximized());
  EXPECT_EQ(form->CTBmaximize->property("image").toInt(), 2);
  EXPECT_EQ(form->layout()->contentsMargins(), QMargins(0, 0, 0, 0));
  form->CTBmaximize->click();
  QApplication::processEvents();
  EXPECT_FALSE(form->isMaximized());
  EXPECT_EQ(form->CTBmaximize->property("image").toInt(), 1);
  EXPECT_EQ(form->layout()->contentsMargins().top(), 1);

  // Resting the mouse on the menu picture opens the menu below it.
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(form->ImageMenu, &enter);
  EXPECT_TRUE(form->AdvPopupMenu1->isVisible());
  form->AdvPopupMenu1->hide();

  QSignalSpy closing(form, &TForm1::closing);
  form->CTBclose->click();
  EXPECT_EQ(closing.count(), 1);
  EXPECT_FALSE(form->isVisible());
}

// Sends a press, a move by `by` and a release to `target`, starting at `at` (in target coordinates).
void drag(QWidget* target, QPoint at, QPoint by) {
  auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  };
  send(QEvent::MouseButtonPress, at, Qt::LeftButton);
  send(QEvent::MouseMove, at + by, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, at + by, Qt::NoButton);
}

TEST_F(MainWindow, TheTitleStripMovesTheWindowAndItsEdgesResizeIt) {
  TForm1* form = open();
  form->setGeometry(20, 30, 820, 620);
  QApplication::processEvents();
  // No window manager here: the window follows the mouse itself.
  drag(form->CTBPanel, QPoint(300, 10), QPoint(40, 25));
  EXPECT_EQ(form->geometry(), QRect(60, 55, 820, 620));
  drag(form, QPoint(form->width() - 2, 200), QPoint(50, 0));
  EXPECT_EQ(form->geometry(), QRect(60, 55, 870, 620));
  drag(form, QPoint(300, form->height() - 2), QPoint(0, -100)); // not below the least height
  EXPECT_EQ(form->geometry(), QRect(60, 55, 870, 600));
  drag(form, QPoint(1, 300), QPoint(-20, 0));
  EXPECT_EQ(form->geometry(), QRect(40, 55, 890, 600));
}

TEST_F(MainWindow, AMissingThumbnailFileLeavesTheGalleryEmptyAndStartUpGoesOn) {
  std::filesystem::remove(data.file("stream-miniatures.bin"));
  settings().setLastCircuit(5);
  std::vector<AnsweredBox> boxes;
  TForm1* form = create(&boxes);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes[0].text,
            "Cannot load " + QString::fromStdString(data.file("stream-miniatures.bin").string()));
  for (const TFrameLib* tile : form->BlocsGalerie)
    EXPECT_EQ(tile, nullptr);
  form->show();
  EXPECT_TRUE(shownTiles(form).empty());
  EXPECT_EQ(form->VSTL->topLevelItemCount(), 13);
  EXPECT_EQ(form->LabelLastCircuit->property("Tag").toInt(), 5);
  EXPECT_FALSE(listModelsOfType(3, data.path()).empty());
}

TEST_F(MainWindow, AMissingDiagramOrIconFileEndsTheCreationStepsButTheModelDatabase) {
  for (const char* name : {"stream-schemas.bin", "stream-ec86.bin"}) {
    SCOPED_TRACE(name);
    velmorin::testing::TempDataDir other;
    for (const char* copy : {"stream-miniatures.bin", "stream-schemas.bin", "stream-ec86.bin", "schemas.txt"})
      if (std::string(copy) != name)
        std::filesystem::copy_file(data.file(copy), other.file(copy));
    Settings(settingsFilePath("velmorin", other.path())).setLastCircuit(5);
    std::unique_ptr<TForm1> form;
    const auto boxes = answerMessageBoxes([&] { form = std::make_unique<TForm1>(other.path()); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot load " + QString::fromStdString(other.file(name).string()));
    EXPECT_EQ(form->LabelLastCircuit->property("Tag").toInt(), 0); // the last-circuit step was skipped
    // The model database does not wait for pictures: a missing one would
    // otherwise be left empty by the first solver window, for good.
    EXPECT_FALSE(listModelsOfType(3, other.path()).empty());
    EXPECT_EQ(form->BlocsGalerie[1]->objectName(), "bfl1");
  }
}

TEST_F(MainWindow, UsagePanelWithoutAServerSaysSoAndAFailedFetchIsReported) {
  TForm1* form = open();
  form->menuUsage->trigger();
  EXPECT_EQ(form->Panels->currentWidget(), form->AdvPanelUsage);
  EXPECT_FALSE(form->AdvRichEditor1->isFetching());
  const QString text = form->AdvRichEditor1->toPlainText();
  EXPECT_TRUE(text.contains("Usage statistics are not configured.")) << text.toStdString();
  EXPECT_TRUE(text.contains("usagehost")) << text.toStdString();

  // Nothing listens on port 1: the fetch fails at once, and says where it went.
  settings().file().writeString("Tessivar", "usagehost", "127.0.0.1:1");
  QSignalSpy finished(form->AdvRichEditor1, &UsagePanel::finished);
  form->menuUsage->trigger();
  EXPECT_EQ(form->AdvRichEditor1->lastUrl().toString(), "https://127.0.0.1:1/log/getDatalog.php");
  ASSERT_TRUE(finished.count() > 0 || finished.wait(15000));
  const QString failed = form->AdvRichEditor1->toPlainText();
  EXPECT_TRUE(failed.contains("Usage statistics are not available.")) << failed.toStdString();
  EXPECT_TRUE(failed.contains("https://127.0.0.1:1/log/getDatalog.php")) << failed.toStdString();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace velmorin::gui::testing
