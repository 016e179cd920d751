#include "TubeIcons.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmorin::streams {

namespace {

// The colours of the program's other small pictures: dark ink, a blue anode,
// an orange cathode, on a pale glass envelope that shows on dark and light
// title bars alike.
const QColor kInk(0x30, 0x38, 0x40);
const QColor kGlass(0xFB, 0xF6, 0xE8);
const QColor kAnode(0x2A, 0x6F, 0xB0);
const QColor kCathode(0xC0, 0x50, 0x20);

// One triode symbol in a circle of radius r around c: the envelope, the anode
// plate with its lead, the dashed grid and the cathode; at very small sizes
// only the envelope, the plate and the cathode, which still read as a tube.
void triode(QPainter& p, QPointF c, double r, double size) {
  const double stroke = std::max(1.0, size / 28.0);
  p.setPen(QPen(kInk, stroke));
  p.setBrush(kGlass);
  p.drawEllipse(c, r - stroke / 2, r - stroke / 2);

  const double half = r * 0.5;
  const double bar = std::max(1.2, r / 6.5);
  p.setPen(QPen(kAnode, bar, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(c.x() - half, c.y() - r * 0.42), QPointF(c.x() + half, c.y() - r * 0.42));
  p.setPen(QPen(kCathode, bar, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(c.x() - half, c.y() + r * 0.42), QPointF(c.x() + half, c.y() + r * 0.42));
  if (r < 7)
    return;
  // The grid: three short dashes across the middle.
  const double thin = std::max(1.0, r / 10);
  p.setPen(QPen(kInk, thin, Qt::SolidLine, Qt::FlatCap));
  const double dash = r * 0.24, step = r * 0.38;
  for (int d = 0; d < 3; ++d) {
    const double x = c.x() - half + d * step;
    p.drawLine(QPointF(x, c.y()), QPointF(x + dash, c.y()));
  }
  if (r < 12)
    return;
  // The leads inside the envelope, as in the circuit drawings: anode up,
  // cathode down, grid to the left.
  p.drawLine(QPointF(c.x(), c.y() - r * 0.42), QPointF(c.x(), c.y() - r + stroke));
  p.drawLine(QPointF(c.x(), c.y() + r * 0.42), QPointF(c.x(), c.y() + r - stroke));
  p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() - r + stroke, c.y()));
}

} // namespace

const std::vector<int>& iconSizes() {
  static const std::vector<int> sizes = {64, 48, 32, 24, 16};
  return sizes;
}

QImage tubeIcon(int tubes, int size) {
  tubes = std::clamp(tubes, 1, 4);
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);

  // One tube fills the square; two sit side by side; three and four fill a
  // two-by-two grid, the third one centred below the first two.
  const double s = size;
  if (tubes == 1) {
    triode(p, {s / 2, s / 2}, s * 0.46, s);
    return image;
  }
  const double r = s * 0.235;
  const double left = s * 0.26, right = s * 0.74;
  const double top = tubes == 2 ? s / 2 : s * 0.26, bottom = s * 0.74;
  triode(p, {left, top}, r, s);
  triode(p, {right, top}, r, s);
  if (tubes == 3)
    triode(p, {s / 2, bottom}, r, s);
  if (tubes == 4) {
    triode(p, {left, bottom}, r, s);
    triode(p, {right, bottom}, r, s);
  }
  return image;
}

} // namespace velmorin::streams
