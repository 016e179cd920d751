// The program's entry point: prepares the data folder, creates and shows
// the main window, and opens the solver window asked for on the command
// line ("--circuit N") over it.
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "solverwindow/TFormTools.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmorin"));

  const velmorin::gui::CommandLine line = velmorin::gui::parseCommandLine(QApplication::arguments());
  if (!line.error.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(line.error));
    return 2;
  }

  velmorin::gui::TForm1 form(velmorin::gui::prepareDataFolder());
  // The windows of later parts are created hidden after the main window;
  // the tools window is the one that exists so far.
  velmorin::gui::TFormTools::instance();
  // Closing the main window ends the program, solver windows included.
  QObject::connect(&form, &velmorin::gui::TForm1::closing, &app, &QApplication::quit);
  form.show();
  if (line.circuit)
    form.LoadFormSolver(*line.circuit);
  return app.exec();
}
