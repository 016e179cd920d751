// velmorin-streams: renders the library's pictures at build time, headless,
// into the three picture stream files of the data folder:
//   stream-miniatures.bin  the gallery thumbnail of each circuit, record n for Cn
//   stream-schemas.bin     the diagram shown beside each circuit's comment
//   stream-ec86.bin        the solver windows' icons, record k showing k tubes
//
//   velmorin-streams --output-dir DIR [--png-dir DIR]
//
// --png-dir also writes every picture as a file there, to look at them.
#include "CircuitPictures.h"
#include "IcoFile.h"
#include "StreamFile.h"
#include "TubeIcons.h"

#include "catalogue/Circuits.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

using namespace velmorin;
using namespace velmorin::streams;

int usage() {
  std::fputs("usage: velmorin-streams --output-dir DIR [--png-dir DIR]\n", stderr);
  return 2;
}

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG"))
    throw std::runtime_error("cannot encode a picture as PNG");
  return bytes;
}

// Saves a copy for a look when a debug folder was given.
void keep(const QString& pngDir, const QString& name, const QImage& image) {
  if (!pngDir.isEmpty() && !image.save(QDir(pngDir).filePath(name), "PNG"))
    throw std::runtime_error("cannot write " + QDir(pngDir).filePath(name).toStdString());
}

void writeStreams(const QString& outputDir, const QString& pngDir) {
  std::vector<QByteArray> thumbnails, diagrams, icons;
  for (int n = 1; n <= kCircuitCount; ++n) {
    const QImage thumbnail = circuitThumbnail(n);
    const QImage diagram = circuitDiagram(n);
    thumbnails.push_back(png(thumbnail));
    diagrams.push_back(png(diagram));
    const QString code = QStringLiteral("C%1").arg(n, 2, 10, QLatin1Char('0'));
    keep(pngDir, QStringLiteral("thumbnail-%1.png").arg(code), thumbnail);
    keep(pngDir, QStringLiteral("diagram-%1.png").arg(code), diagram);
  }
  for (int tubes = 1; tubes <= 4; ++tubes) {
    std::vector<QImage> sizes;
    for (int size : iconSizes()) {
      sizes.push_back(tubeIcon(tubes, size));
      keep(pngDir, QStringLiteral("icon-%1-%2.png").arg(tubes).arg(size), sizes.back());
    }
    icons.push_back(icoFile(sizes));
  }

  const QDir out(outputDir);
  writeStreamFile(out.filePath(QStringLiteral("stream-miniatures.bin")), thumbnails);
  writeStreamFile(out.filePath(QStringLiteral("stream-schemas.bin")), diagrams);
  writeStreamFile(out.filePath(QStringLiteral("stream-ec86.bin")), icons);
}

} // namespace

int main(int argc, char** argv) {
  // A build machine has no display; the pictures need fonts, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QString outputDir, pngDir;
  const QStringList args = app.arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == QLatin1String("--output-dir") && hasValue)
      outputDir = args[++i];
    else if (a == QLatin1String("--png-dir") && hasValue)
      pngDir = args[++i];
    else
      return usage();
  }
  if (outputDir.isEmpty())
    return usage();

  try {
    if (!QDir().mkpath(outputDir) || (!pngDir.isEmpty() && !QDir().mkpath(pngDir)))
      throw std::runtime_error("cannot create the output folders");
    writeStreams(outputDir, pngDir);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmorin-streams: %s\n", e.what());
    return 1;
  }
  return 0;
}
