#include "StreamFile.h"

#include "catalogue/StreamRecords.h"

#include <QSaveFile>

#include <cstdint>
#include <span>
#include <stdexcept>

namespace velmorin::streams {

void writeStreamFile(const QString& path, const std::vector<QByteArray>& records) {
  std::vector<std::uint8_t> stream;
  for (const QByteArray& r : records)
    appendStreamRecord(stream, std::span(reinterpret_cast<const std::uint8_t*>(r.constData()),
                                         static_cast<std::size_t>(r.size())));
  // A build stopped half-way must not leave a cut stream for the next run
  // to take as finished: the file is replaced only when complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(stream.data()), qint64(stream.size())) !=
          qint64(stream.size()) ||
      !file.commit())
    throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace velmorin::streams
