// Measures, for circuit C1 solved with ECC83 / 12AX7 and the default
// entries, the time from a Solve press to every page drawn:
//   velmorin_measure_solve [runs]
// "solve" is the Solve handler alone (the solver run and every page's data
// set); "drawn" adds painting each page of the window, the diagram and the
// convergence window once, as the user would see them.
#include "database/ModelDatabase.h"
#include "models/TFormConvergence.h"
#include "solverwindow/TFormSolver.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

using velmorin::gui::TFormSolver;

namespace {

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() /
      ("velmorin-measure-" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::create_directories(data);
  velmorin::ensureModelDatabase(data);
  {
    auto* w = new TFormSolver(1, data);
    w->show();
    auto* tube = w->findChild<QComboBox*>("LBtube");
    tube->setCurrentIndex(tube->findText("ECC83 / 12AX7"));
    auto drawAll = [&] {
      for (int i = 0; i < w->PageControl->count(); ++i)
        if (w->PageControl->isTabVisible(i)) {
          w->PageControl->setCurrentIndex(i);
          w->grab();
        }
      for (const auto& c : w->convergenceWindows())
        if (c)
          c->grab();
    };
    w->ButtonSolverClick(); // warm-up: fonts, first layouts
    drawAll();
    std::vector<double> solveMs, drawnMs;
    for (int k = 0; k < runs; ++k) {
      w->PageControl->setCurrentIndex(0);
      QApplication::processEvents();
      QElapsedTimer t;
      t.start();
      w->ButtonSolverClick();
      solveMs.push_back(t.nsecsElapsed() / 1e6);
      drawAll();
      drawnMs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf(
        "C1 ECC83 / 12AX7, %d runs: solve median %.1f ms (max %.1f), solve + every page drawn median %.1f ms "
        "(max %.1f)\n",
        runs, median(solveMs), *std::max_element(solveMs.begin(), solveMs.end()), median(drawnMs),
        *std::max_element(drawnMs.begin(), drawnMs.end()));
    delete w;
  }
  std::filesystem::remove_all(data);
  return 0;
}
