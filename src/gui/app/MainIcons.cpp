#include "app/MainIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace velmorin::gui::mainicons {

namespace {

const QColor kInk(0x30, 0x38, 0x40);
const QColor kAccent(0x2A, 0x6F, 0xB0);

// Drawn at twice the size, so the pictures stay sharp on dense screens.
QPixmap draw(int size, const std::function<void(QPainter&, double)>& paint) {
  QPixmap pixmap(size * 2, size * 2);
  pixmap.setDevicePixelRatio(2);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  paint(p, size);
  return pixmap;
}

QPen pen(const QColor& color, double width) {
  QPen out(color, width);
  out.setCapStyle(Qt::RoundCap);
  out.setJoinStyle(Qt::RoundJoin);
  return out;
}

} // namespace

QPixmap menu(int size) {
  return draw(size, [](QPainter& p, double s) {
    p.setPen(pen(kInk, s / 9));
    for (int k = 0; k < 3; ++k) {
      const double y = s * (0.3 + 0.2 * k);
      p.drawLine(QPointF(s * 0.2, y), QPointF(s * 0.8, y));
    }
  });
}

QPixmap minimize(int size) {
  return draw(size, [](QPainter& p, double s) {
    p.setPen(pen(kInk, 1.4));
    p.drawLine(QPointF(s * 0.22, s * 0.7), QPointF(s * 0.78, s * 0.7));
  });
}

QPixmap maximize(int size) {
  return draw(size, [](QPainter& p, double s) {
    p.setPen(pen(kInk, 1.4));
    p.drawRect(QRectF(s * 0.22, s * 0.22, s * 0.56, s * 0.56));
  });
}

QPixmap restore(int size) {
  return draw(size, [](QPainter& p, double s) {
    p.setPen(pen(kInk, 1.3));
    p.drawPolyline(
        QPolygonF({QPointF(s * 0.36, s * 0.3), QPointF(s * 0.36, s * 0.18), QPointF(s * 0.82, s * 0.18),
                   QPointF(s * 0.82, s * 0.62), QPointF(s * 0.7, s * 0.62)}));
    p.drawRect(QRectF(s * 0.18, s * 0.36, s * 0.48, s * 0.46));
  });
}

QPixmap close(int size) {
  return draw(size, [](QPainter& p, double s) {
    p.setPen(pen(kInk, 1.5));
    p.drawLine(QPointF(s * 0.25, s * 0.25), QPointF(s * 0.75, s * 0.75));
    p.drawLine(QPointF(s * 0.75, s * 0.25), QPointF(s * 0.25, s * 0.75));
  });
}

QPixmap layout(int image, int size) {
  return draw(size, [image](QPainter& p, double s) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    const QRectF frame(s * 0.1, s * 0.15, s * 0.8, s * 0.7);
    p.drawRect(frame);
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    if (image == 0) // columns side by side
      p.drawRect(QRectF(frame.left() + 1.5, frame.top() + 1.5, frame.width() * 0.3, frame.height() - 3));
    else // bands one above the other
      p.drawRect(QRectF(frame.left() + 1.5, frame.top() + 1.5, frame.width() - 3, frame.height() * 0.3));
  });
}

QPixmap openCircuit(int size) {
  return draw(size, [](QPainter& p, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygonF({QPointF(s * 0.4, s * 0.27), QPointF(s * 0.72, s * 0.5), QPointF(s * 0.4, s * 0.73)}));
  });
}

} // namespace velmorin::gui::mainicons
