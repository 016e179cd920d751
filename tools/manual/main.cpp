// velmorin-manual-pdf: prints "Velmorin User Manual.pdf" from the HTML
// chapters of docs/manual and the circuit comments, headless, at build time.
//
//   velmorin-manual-pdf --output FILE --version X.Y.Z --comments schemas.txt chapter.html...
#include "ManualText.h"
#include "PdfBook.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

namespace {

int usage() {
  std::fputs("usage: velmorin-manual-pdf --output FILE --version X.Y.Z --comments FILE chapter.html...\n",
             stderr);
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  // A build machine has no display; the PDF needs fonts, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QString output, version, comments;
  QStringList chapters;
  const QStringList args = app.arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == QLatin1String("--output") && hasValue)
      output = args[++i];
    else if (a == QLatin1String("--version") && hasValue)
      version = args[++i];
    else if (a == QLatin1String("--comments") && hasValue)
      comments = args[++i];
    else if (a.startsWith(QLatin1String("--")))
      return usage();
    else
      chapters << a;
  }
  if (output.isEmpty() || comments.isEmpty() || chapters.isEmpty())
    return usage();

  try {
    const QString body = velmorin::manual::manualBodyHtml(chapters, comments);
    velmorin::manual::printManual(output, body,
                                  {QStringLiteral("Velmorin"), QStringLiteral("User Manual"),
                                   QStringLiteral("Design aid for vacuum-tube audio circuits"), version});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmorin-manual-pdf: %s\n", e.what());
    return 1;
  }
  return 0;
}
