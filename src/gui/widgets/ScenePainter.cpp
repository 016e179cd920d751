#include "widgets/ScenePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>
#include <variant>

namespace velmorin::gui {

namespace {

bool finite(plot::PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

QPen penFor(plot::Argb color, double width, bool roundEnds) {
  QPen pen(toQColor(color));
  pen.setWidthF(width);
  pen.setCapStyle(roundEnds ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QFont fontFor(const plot::Text& t) {
  QFont font;
  // "Noto Mono" has no bold face; its sans sibling has one with the same metrics.
  const QString family = QString::fromStdString(t.family);
  if (t.bold && family == QLatin1String("Noto Mono"))
    font.setFamilies({QStringLiteral("Noto Sans Mono"), family});
  else
    font.setFamilies({family, QStringLiteral("Noto Sans Mono")});
  // Pixel sizes, so the drawing keeps its proportions whatever the screen's dpi.
  font.setPixelSize(std::max(1, int(std::lround(t.pointSize * plot::kPixelsPerPoint))));
  font.setBold(t.bold);
  font.setStyleHint(QFont::Monospace);
  return font;
}

} // namespace

QColor toQColor(plot::Argb argb) {
  return QColor::fromRgba(static_cast<QRgb>(argb));
}

void paintSceneItems(QPainter& painter, const plot::Scene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const plot::Item& item : scene.items) {
    if (const auto* l = std::get_if<plot::Line>(&item)) {
      if (!finite(l->a) || !finite(l->b))
        continue;
      painter.setPen(penFor(l->color, l->width, l->roundEnds));
      painter.drawLine(QPointF(l->a.x, l->a.y), QPointF(l->b.x, l->b.y));
    } else if (const auto* p = std::get_if<plot::Polyline>(&item)) {
      QPainterPath path;
      bool started = false;
      for (plot::PointF pt : p->points) {
        if (!finite(pt))
          continue;
        if (!started)
          path.moveTo(pt.x, pt.y);
        else
          path.lineTo(pt.x, pt.y);
        started = true;
      }
      if (!started)
        continue;
      painter.setPen(penFor(p->color, p->width, p->roundEnds));
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(path);
    } else if (const auto* r = std::get_if<plot::Rect>(&item)) {
      if (!(std::isfinite(r->x) && std::isfinite(r->y) && std::isfinite(r->w) && std::isfinite(r->h)))
        continue;
      // A negative height (a segment drawn upward) is a rectangle all the same.
      painter.fillRect(QRectF(r->x, r->y, r->w, r->h).normalized(), toQColor(r->fill));
    } else if (const auto* t = std::get_if<plot::Text>(&item)) {
      if (!finite(t->pos))
        continue;
      const QFont font = fontFor(*t);
      const QString text = QString::fromStdString(t->text);
      painter.setFont(font);
      painter.setPen(toQColor(t->color));
      double x = t->pos.x;
      if (t->anchor != plot::Anchor::Left) {
        const double w = QFontMetricsF(font).horizontalAdvance(text);
        x -= t->anchor == plot::Anchor::Center ? w / 2 : w;
      }
      painter.drawText(QPointF(x, t->pos.y), text);
    }
  }
  painter.restore();
}

QImage renderScene(const plot::Scene& scene, qreal devicePixelRatio) {
  const int w = std::max(1, int(std::ceil(std::isfinite(scene.width) ? scene.width : 1)));
  const int h = std::max(1, int(std::ceil(std::isfinite(scene.height) ? scene.height : 1)));
  QImage image(int(w * devicePixelRatio), int(h * devicePixelRatio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(toQColor(scene.background));
  QPainter painter(&image);
  paintSceneItems(painter, scene);
  return image;
}

} // namespace velmorin::gui
