#include "app/CommandLine.h"

#include "catalogue/Circuits.h"

#include <QCommandLineParser>

namespace velmorin::gui {

CommandLine parseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Velmorin, a design aid for vacuum-tube audio circuits"));
  parser.addHelpOption();
  const QCommandLineOption circuit(QStringList{"c", "circuit"},
                                   QStringLiteral("Open the solver window of circuit N (1 to 40)."),
                                   QStringLiteral("N"));
  parser.addOption(circuit);
  CommandLine out;
  if (!parser.parse(arguments)) {
    out.error = parser.errorText();
    return out;
  }
  if (parser.isSet(circuit)) {
    bool ok = false;
    const int n = parser.value(circuit).toInt(&ok);
    if (!ok || !isValidCircuit(n))
      out.error = QStringLiteral("There is no circuit \"%1\": circuits are numbered 1 to 40.")
                      .arg(parser.value(circuit));
    else
      out.circuit = n;
  }
  return out;
}

} // namespace velmorin::gui
