// The program's entry point: prepares the data folder and the model
// database, then opens the solver window asked for on the command line
// (or that of the last circuit used).
#include "app/CommandLine.h"
#include "database/ModelDatabase.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"
#include "solverwindow/TFormSolver.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmorin"));

  const velmorin::gui::CommandLine line = velmorin::gui::parseCommandLine(QApplication::arguments());
  if (!line.error.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(line.error));
    return 2;
  }

  const std::filesystem::path folder = velmorin::dataFolder();
  // The read-only data files come from the installed share/velmorin, or
  // from the build tree's when the program runs where it was built.
  const std::filesystem::path exe = QCoreApplication::applicationDirPath().toStdString();
  for (const auto& share : {exe / ".." / "share" / "velmorin", exe / ".." / ".." / "share" / "velmorin"}) {
    std::error_code ec;
    if (std::filesystem::is_directory(share, ec)) {
      velmorin::seedDataFiles(share, folder);
      break;
    }
  }
  try {
    const std::string message = velmorin::ensureModelDatabase(folder);
    if (!message.empty())
      QMessageBox::information(nullptr, QStringLiteral("Velmorin"), QString::fromStdString(message));
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QStringLiteral("Velmorin"), QString::fromUtf8(e.what()));
  }

  int circuit = line.circuit.value_or(0);
  if (circuit == 0) {
    const int last = velmorin::Settings(velmorin::settingsFilePath("velmorin", folder)).lastCircuit();
    circuit = last >= 1 && last <= 40 ? last : 1;
  }
  auto* window = new velmorin::gui::TFormSolver(circuit, folder);
  window->show();
  return app.exec();
}
