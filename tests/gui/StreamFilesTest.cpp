// The picture streams generated at build time, read back the way the program
// reads them: every record found by its number and decoded as a picture.
#include "catalogue/Circuits.h"
#include "catalogue/StreamRecords.h"

#include <QColor>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace velmorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readStream(const std::string& name) {
  const std::filesystem::path path = std::filesystem::path(VELMORIN_BUILD_SHARE_DIR) / name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "missing " << path;
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

QImage decode(std::span<const std::uint8_t> record, const char* format) {
  QImage image;
  image.loadFromData(record.data(), int(record.size()), format);
  return image;
}

// Some ink on the paper: a picture drawn blank or off its canvas would be all white.
bool hasInk(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128 && qAlpha(image.pixel(x, y)) > 128)
        return true;
  return false;
}

struct StreamCase {
  const char* file;
  int records;
  const char* format;
  int minWidth, maxWidth, minHeight, maxHeight;
};

// Thumbnails fit a 220 by 140 gallery tile beside the title; diagrams fit the
// comment view beside the text; icons are square window icons.
const StreamCase kStreams[] = {
    {"stream-miniatures.bin", kCircuitCount, "PNG", 60, 140, 60, 120},
    {"stream-schemas.bin", kCircuitCount, "PNG", 250, 700, 200, 560},
    {"stream-ec86.bin", 4, "ICO", 32, 256, 32, 256},
};

TEST(StreamFiles, HoldExactlyTheirRecordsWithNothingAfterTheLast) {
  for (const StreamCase& c : kStreams) {
    SCOPED_TRACE(c.file);
    const Bytes data = readStream(c.file);
    ASSERT_FALSE(data.empty());
    std::size_t total = 0;
    for (int k = 1; k <= c.records; ++k)
      total += 4 + loadStreamRecord(data, k).size();
    EXPECT_EQ(total, data.size());
    EXPECT_THROW(loadStreamRecord(data, c.records + 1), StreamError);
  }
}

TEST(StreamFiles, EveryRecordDecodesAsAPictureOfASensibleSize) {
  for (const StreamCase& c : kStreams) {
    const Bytes data = readStream(c.file);
    for (int k = 1; k <= c.records; ++k) {
      SCOPED_TRACE(std::string(c.file) + " record " + std::to_string(k));
      const QImage image = decode(loadStreamRecord(data, k), c.format);
      ASSERT_FALSE(image.isNull());
      EXPECT_GE(image.width(), c.minWidth);
      EXPECT_LE(image.width(), c.maxWidth);
      EXPECT_GE(image.height(), c.minHeight);
      EXPECT_LE(image.height(), c.maxHeight);
      EXPECT_TRUE(hasInk(image));
    }
  }
}

// The gallery lines its tiles up: every thumbnail has the same size, and each
// circuit has a picture of its own (a stream repeating one record would not).
TEST(StreamFiles, ThumbnailsShareOneSizeAndDifferFromEachOther) {
  const Bytes data = readStream("stream-miniatures.bin");
  const QImage first = decode(loadStreamRecord(data, 1), "PNG");
  QSet<QByteArray> distinct;
  for (int n = 1; n <= kCircuitCount; ++n) {
    SCOPED_TRACE(n);
    const QImage image = decode(loadStreamRecord(data, n), "PNG");
    EXPECT_EQ(image.size(), first.size());
    distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  EXPECT_EQ(distinct.size(), kCircuitCount);
}

// Window icons: square, with a transparent background around the tubes, and
// four different pictures for one to four tubes.
TEST(StreamFiles, IconsAreSquareTransparentAndDistinct) {
  const Bytes data = readStream("stream-ec86.bin");
  QSet<QByteArray> distinct;
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    const QImage icon = decode(loadStreamRecord(data, k), "ICO").convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(icon.width() - 1, icon.height() - 1)), 0);
    distinct.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), icon.sizeInBytes()));
  }
  EXPECT_EQ(distinct.size(), 4);
}

} // namespace
} // namespace velmorin
