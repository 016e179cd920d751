#include "CircuitPictures.h"

#include "EntryBoxes.h"
#include "ScaledScene.h"

#include "catalogue/Circuits.h"
#include "schematics/Drawings.h"
#include "widgets/ScenePainter.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>

namespace velmorin::streams {

namespace {

constexpr int kPlaceholderWidth = 420;
constexpr int kPlaceholderHeight = 300;

// The drawing of circuit n with its entry boxes, or nothing when the circuit
// has no usable drawing; a drawing that fails is reported, not fatal.
std::optional<Schematic> decoratedDrawing(int n, bool withCaptions) {
  try {
    std::optional<Schematic> s = circuitSchematic(n);
    if (!s)
      return std::nullopt;
    if (!(std::isfinite(s->scene.width) && std::isfinite(s->scene.height) && s->scene.width >= 1 &&
          s->scene.height >= 1)) {
      std::fprintf(stderr, "velmorin-streams: C%d: drawing without a size, placeholder used\n", n);
      return std::nullopt;
    }
    addEntryBoxes(*s, n, withCaptions);
    return s;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmorin-streams: C%d: %s, placeholder used\n", n, e.what());
    return std::nullopt;
  }
}

QFont cardFont(int pixels, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A white card with a thin frame, "C<n>" in its upper part and, when there
// is room, the circuit's title word-wrapped below it.
QImage placeholder(int n, int width, int height, bool withTitle) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
  p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);

  const QString code = QString::fromStdString(circuitCode(n));
  p.setPen(QColor(0x50, 0x58, 0x60));
  const int codePixels = std::max(12, height / (withTitle ? 6 : 3));
  p.setFont(cardFont(codePixels, true));
  if (!withTitle) {
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, code);
    return image;
  }
  const int margin = width / 10;
  p.drawText(QRect(margin, 0, width - 2 * margin, height / 2 - 4), Qt::AlignHCenter | Qt::AlignBottom, code);
  p.setPen(QColor(0x60, 0x60, 0x60));
  p.setFont(cardFont(std::max(10, height / 18), false));
  const std::string_view title = circuitTitle(n);
  p.drawText(QRect(margin, height / 2 + 8, width - 2 * margin, height / 2 - 8 - margin / 2),
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             QString::fromUtf8(title.data(), qsizetype(title.size())));
  return image;
}

// Opaque: the pictures are shown on white, and RGB PNGs are smaller.
QImage opaque(const plot::Scene& scene) {
  return gui::renderScene(scene).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage circuitThumbnail(int n) {
  const std::optional<Schematic> s = decoratedDrawing(n, false);
  if (!s)
    return placeholder(n, kThumbnailWidth, kThumbnailHeight, false);
  // Fit inside the canvas with a small margin, centred; strokes stay at least
  // a pixel wide, texts would be specks at this size and are left out.
  constexpr double kMargin = 3;
  const double scale = std::min((kThumbnailWidth - 2 * kMargin) / s->scene.width,
                                (kThumbnailHeight - 2 * kMargin) / s->scene.height);
  ScaleRules rules;
  rules.scale = scale;
  rules.dx = (kThumbnailWidth - s->scene.width * scale) / 2;
  rules.dy = (kThumbnailHeight - s->scene.height * scale) / 2;
  rules.minStroke = 0.9;
  rules.minTextPixels = 7;
  rules.width = kThumbnailWidth;
  rules.height = kThumbnailHeight;
  return opaque(scaledScene(s->scene, rules));
}

QImage circuitDiagram(int n) {
  const std::optional<Schematic> s = decoratedDrawing(n, true);
  if (!s)
    return placeholder(n, kPlaceholderWidth, kPlaceholderHeight, true);
  const double scale =
      std::min({kDiagramScale, kDiagramMaxWidth / s->scene.width, kDiagramMaxHeight / s->scene.height});
  ScaleRules rules;
  rules.scale = scale;
  rules.minStroke = 1;
  rules.width = std::ceil(s->scene.width * scale);
  rules.height = std::ceil(s->scene.height * scale);
  return opaque(scaledScene(s->scene, rules));
}

} // namespace velmorin::streams
