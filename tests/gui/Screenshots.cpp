// Takes pictures of the solver window of a circuit on every page, before and
// after a solve, and of its convergence windows, for a look at the layout:
//   velmorin_screenshots <output folder> [circuit] [tube model]
// Uses a fresh data folder of its own under the output folder. With
// VELMORIN_SCREENSHOT_HOLD=<seconds> the solved window then stays on screen.
#include "database/ModelDatabase.h"
#include "models/TFormConvergence.h"
#include "solverwindow/TFormSolver.h"
#include "solverwindow/TFormTools.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <filesystem>

using velmorin::gui::TFormSolver;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: velmorin_screenshots <output folder> [circuit] [tube model]\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const int circuit = argc > 2 ? std::atoi(argv[2]) : 1;
  const QString model = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("ECC83 / 12AX7");
  QDir().mkpath(out);
  const std::filesystem::path data = std::filesystem::path(out.toStdString()) / "data";
  std::filesystem::remove_all(data);
  std::filesystem::create_directories(data);
  velmorin::ensureModelDatabase(data);

  // A message box is pictured, then closed, so nothing waits for a user.
  QTimer boxes;
  int boxCount = 0;
  QObject::connect(&boxes, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->grab().save(out + QString("/c%1-message%2.png").arg(circuit).arg(++boxCount));
      box->done(QMessageBox::Ok);
    }
  });
  boxes.start(50);

  auto* w = new TFormSolver(circuit, data);
  w->show();
  auto save = [&](QWidget* widget, const QString& name) {
    QApplication::processEvents();
    widget->grab().save(out + "/" + name + ".png");
  };
  save(w, QString("c%1-opened").arg(circuit));
  if (auto* list = w->findChild<QComboBox*>("LBtube"); list && list->findText(model) >= 0)
    list->setCurrentIndex(list->findText(model));
  if (auto* vg = w->findChild<QLineEdit*>("EdVg"); vg && circuit >= 37)
    vg->setText("-10");
  w->ButtonSolverClick();
  const QStringList pages = {"dc", "loadlines", "ac", "bandwidth", "power", "logged"};
  for (int i = 0; i < w->PageControl->count(); ++i) {
    if (!w->PageControl->isTabVisible(i))
      continue;
    w->PageControl->setCurrentIndex(i);
    save(w, QString("c%1-%2").arg(circuit).arg(pages.value(i)));
  }
  w->PageControl->setCurrentWidget(w->TabSheetBode);
  w->PanelOptionsBodeCaptionClick(w->PanelOptionsBode);
  save(w, QString("c%1-bandwidth-options").arg(circuit));
  w->PanelOptionsBodeClose(w->PanelOptionsBode);
  w->PanelOptionsBodeCaptionClick(w->PanelQuadripoles);
  save(w, QString("c%1-bandwidth-gains").arg(circuit));
  int k = 1;
  for (const auto& c : w->convergenceWindows())
    if (c)
      save(c, QString("c%1-convergence%2").arg(circuit).arg(k++));
  auto* tools = velmorin::gui::TFormTools::instance();
  tools->show();
  tools->ScrollBar1->setValue(100);
  save(tools, "tools");
  tools->hide();
  // With a hold time, the window stays up on its DC page with its
  // convergence window, for a screen capture of the whole display.
  if (const int hold = qEnvironmentVariableIntValue("VELMORIN_SCREENSHOT_HOLD"); hold > 0) {
    w->PanelOptionsBodeClose(w->PanelQuadripoles);
    w->PageControl->setCurrentWidget(w->TabSheetDC);
    w->ButtonSolverClick();
    QTimer::singleShot(hold * 1000, &app, &QApplication::quit);
    return app.exec();
  }
  return 0;
}
