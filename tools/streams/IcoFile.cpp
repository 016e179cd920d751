#include "IcoFile.h"

#include <QtEndian>

#include <stdexcept>

namespace velmorin::streams {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

void put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

// The mask rows hold one bit per pixel, padded to whole 32-bit words.
int maskStride(int width) {
  return (width + 31) / 32 * 4;
}

// One entry's data: the bitmap header (its height counts the colour rows and
// the mask rows together), the BGRA rows bottom-up, then the mask bottom-up
// with a set bit for every fully transparent pixel.
QByteArray bitmap(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width(), h = image.height();
  const int stride = maskStride(w);
  QByteArray out;
  put32(out, kBitmapHeaderSize);
  put32(out, quint32(w));
  put32(out, quint32(2 * h));
  put16(out, 1);  // planes
  put16(out, 32); // bits per pixel
  put32(out, 0);  // no compression
  put32(out, quint32(w * h * 4 + stride * h));
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x)
      put32(out, row[x]); // ARGB32 in memory order is B, G, R, A once little-endian
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray mask(stride, '\0');
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x)
      if (qAlpha(row[x]) == 0)
        mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
    out.append(mask);
  }
  return out;
}

} // namespace

QByteArray icoFile(const std::vector<QImage>& images) {
  if (images.empty())
    throw std::invalid_argument("an icon file needs at least one picture");
  std::vector<QByteArray> bitmaps;
  for (const QImage& image : images) {
    if (image.isNull() || image.width() > 256 || image.height() > 256)
      throw std::invalid_argument("icon pictures are 1 to 256 pixels a side");
    bitmaps.push_back(bitmap(image));
  }

  QByteArray out;
  put16(out, 0);
  put16(out, 1); // icon, not cursor
  put16(out, quint16(images.size()));
  quint32 offset = quint32(kDirectorySize + kEntrySize * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.append(char(images[i].width() & 0xFF)); // 256 is written as 0
    out.append(char(images[i].height() & 0xFF));
    out.append('\0'); // no palette
    out.append('\0');
    put16(out, 1);
    put16(out, 32);
    put32(out, quint32(bitmaps[i].size()));
    put32(out, offset);
    offset += quint32(bitmaps[i].size());
  }
  for (const QByteArray& b : bitmaps)
    out.append(b);
  return out;
}

} // namespace velmorin::streams
