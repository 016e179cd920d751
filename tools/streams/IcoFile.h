// Writes pictures as one Windows icon file: a directory of entries, each an
// uncompressed 32-bit bitmap with its alpha channel and transparency mask,
// the form every icon reader accepts.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace velmorin::streams {

// The icon file holding `images` in the given order, each 1 to 256 pixels a
// side (the directory writes 256 as 0). Throws std::invalid_argument for an
// empty list or a picture outside that range.
QByteArray icoFile(const std::vector<QImage>& images);

} // namespace velmorin::streams
