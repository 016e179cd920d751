// Takes pictures of the main window for a look at it: the welcome panel, the
// library as a gallery and as a tree, laid out horizontally and vertically,
// and the usage panel:
//   velmorin_main_screenshots <output folder>
// Under an X server (xvfb-run) the whole screen is captured with ImageMagick's
// "import -window root", as a user would see it; otherwise the window is grabbed.
// Uses a fresh data folder of its own under the output folder, seeded with
// the data files of the build tree, and two stored configurations.
#include "app/FilterGroup.h"
#include "app/LibraryTree.h"
#include "app/TForm1.h"
#include "app/TFrameLib.h"
#include "configurations/CircuitConfigs.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <filesystem>

using velmorin::gui::TForm1;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: velmorin_main_screenshots <output folder>\n");
    return 2;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QDir().mkpath(out);
  const std::filesystem::path data = std::filesystem::path(out.toStdString()) / "data";
  std::filesystem::remove_all(data);
  std::filesystem::create_directories(data);
  velmorin::seedDataFiles(VELMORIN_BUILD_SHARE_DIR, data);
  velmorin::saveConfig({0, "C1", "ECC83 with 1k5", ""}, {{0, "EdRk", "1k5"}}, data);
  velmorin::saveConfig({0, "C1", "ECC88 line stage", ""}, {{0, "EdVb", "200"}}, data);
  velmorin::Settings(velmorin::settingsFilePath("velmorin", data)).setLastCircuit(21);

  // A message box is pictured, then closed, so nothing waits for a user.
  QTimer boxes;
  QObject::connect(&boxes, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "message box: %s\n", qPrintable(box->text()));
      box->done(QMessageBox::Ok);
    }
  });
  boxes.start(50);

  const bool screen = !qgetenv("DISPLAY").isEmpty() && QGuiApplication::platformName() == "xcb";
  TForm1 form(data);
  form.show();
  auto save = [&](const QString& name) {
    for (int k = 0; k < 20; ++k) {
      QApplication::processEvents();
      QThread::msleep(15);
    }
    const QString file = out + "/" + name + ".png";
    if (screen)
      QProcess::execute("import", {"-window", "root", file});
    else
      form.grab().save(file);
    std::printf("%s\n", qPrintable(file));
  };
  auto hover = [&](int n) {
    if (velmorin::gui::TFrameLib* tile = form.BlocsGalerie[std::size_t(n)]) {
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
      QApplication::sendEvent(tile->ImageSchema, &enter);
    }
  };
  auto click = [&](int group, int child) {
    QTreeWidgetItem* node = form.VSTL->topLevelItem(group)->child(child);
    form.VSTL->topLevelItem(group)->setExpanded(true);
    node->setExpanded(true);
    form.VSTL->setCurrentItem(node);
    form.VSTLClick(node);
  };

  save("main-welcome");
  form.menuLibraryClick();
  if (!form.RBgallery->isChecked())
    form.RBgallery->click();
  hover(1);
  save("main-gallery-horizontal");
  form.RGlib->button(7)->click(); // cascode-like
  hover(21);
  save("main-gallery-horizontal-filter");
  form.butLayoutToggle->click();
  form.RGlib->button(0)->click();
  hover(7);
  save("main-gallery-vertical");
  form.RBtree->click();
  click(0, 0);
  save("main-tree-vertical");
  form.butLayoutToggle->click();
  click(5, 3);
  save("main-tree-horizontal");
  form.EditSearch->setText("cascode");
  form.EditSearchKeyUp(Qt::Key_E);
  save("main-tree-search");
  form.menuUsageClick();
  save("main-usage");
  // Xvfb has no window manager to maximise a window: the whole screen instead.
  form.setGeometry(QGuiApplication::primaryScreen()->geometry());
  form.menuLibraryClick();
  form.RBgallery->click();
  hover(37);
  save("main-gallery-wide-horizontal");
  form.butLayoutToggle->click();
  save("main-gallery-wide-vertical");
  return 0;
}
