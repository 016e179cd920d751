// Writes a picture stream file: the records one after the other, each a byte
// count and the picture's bytes, replacing the file only once it is whole.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmorin::streams {

// Throws std::runtime_error naming the file when it cannot be written.
void writeStreamFile(const QString& path, const std::vector<QByteArray>& records);

} // namespace velmorin::streams
