#include "catalogue/StreamRecords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmorin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

Bytes stream(const std::vector<Bytes>& records) {
  Bytes s;
  for (const Bytes& r : records)
    appendStreamRecord(s, r);
  return s;
}

TEST(StreamRecords, WriterProducesLittleEndianCountThenBytes) {
  Bytes s;
  appendStreamRecord(s, Bytes{0xAA, 0xBB, 0xCC});
  appendStreamRecord(s, Bytes{});
  EXPECT_THAT(s, ElementsAre(3, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0, 0, 0, 0));

  Bytes big(0x01'02'03, 7);
  Bytes t;
  appendStreamRecord(t, big);
  ASSERT_EQ(t.size(), big.size() + 4);
  EXPECT_THAT(Bytes(t.begin(), t.begin() + 4), ElementsAre(0x03, 0x02, 0x01, 0x00));
}

TEST(StreamRecords, RecordsAreNumberedFromOneAndSkippedExactly) {
  const Bytes three = {1, 2, 3};
  const Bytes five = {4, 5, 6, 7, 8};
  const Bytes s = stream({three, five, Bytes{}, Bytes{9}});

  const auto second = loadStreamRecord(s, 2);
  EXPECT_THAT(second, ElementsAreArray(five));
  // Two counts and the three bytes of record 1 come before it.
  EXPECT_EQ(second.data(), s.data() + 4 + 3 + 4);

  EXPECT_THAT(loadStreamRecord(s, 1), ElementsAreArray(three));
  EXPECT_TRUE(loadStreamRecord(s, 3).empty());
  EXPECT_THAT(loadStreamRecord(s, 4), ElementsAre(9));
}

TEST(StreamRecords, BadRequestsAndDamagedStreamsAreErrors) {
  const Bytes good = stream({Bytes{1, 2, 3}, Bytes{4, 5}});
  EXPECT_THROW(loadStreamRecord(good, 0), StreamError);
  EXPECT_THROW(loadStreamRecord(good, -3), StreamError);
  EXPECT_THROW(loadStreamRecord(good, 3), StreamError); // beyond the last record
  EXPECT_THROW(loadStreamRecord(Bytes{}, 1), StreamError);

  // Every cut of the stream short of its end loses record 2.
  for (std::size_t size = 0; size < good.size(); ++size) {
    const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_THROW(loadStreamRecord(cut, 2), StreamError) << size << " bytes";
  }

  const Bytes oversized = {10, 0, 0, 0, 1, 2, 3};
  EXPECT_THROW(loadStreamRecord(oversized, 1), StreamError);
  // A huge count in a record that is only skipped must not wrap the offset.
  const Bytes hugeSkip = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_THROW(loadStreamRecord(hugeSkip, 2), StreamError);
  const Bytes negative = {0xFF, 0xFF, 0xFF, 0xFF, 1, 2};
  EXPECT_THROW(loadStreamRecord(negative, 1), StreamError);
  EXPECT_THROW(loadStreamRecord(negative, 2), StreamError);
}

} // namespace
} // namespace velmorin
