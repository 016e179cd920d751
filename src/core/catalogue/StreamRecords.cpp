#include "catalogue/StreamRecords.h"

#include <cstddef>
#include <limits>
#include <string>

namespace velmorin {

namespace {

// Reads the count at `offset`; the caller has checked that four bytes remain.
std::int32_t readCount(std::span<const std::uint8_t> data, std::size_t offset) {
  const std::uint32_t raw = std::uint32_t(data[offset]) | std::uint32_t(data[offset + 1]) << 8 |
                            std::uint32_t(data[offset + 2]) << 16 | std::uint32_t(data[offset + 3]) << 24;
  return static_cast<std::int32_t>(raw);
}

// The byte count of the record whose count starts at `offset`, checked
// against the bytes that follow it.
std::size_t checkedCount(std::span<const std::uint8_t> data, std::size_t offset, int record) {
  const std::string where = "picture stream record " + std::to_string(record);
  if (data.size() - offset < 4)
    throw StreamError(where + ": beyond the end of the stream");
  const std::int32_t count = readCount(data, offset);
  if (count < 0)
    throw StreamError(where + ": negative byte count");
  if (static_cast<std::size_t>(count) > data.size() - offset - 4)
    throw StreamError(where + ": byte count runs past the end of the stream");
  return static_cast<std::size_t>(count);
}

} // namespace

std::span<const std::uint8_t> loadStreamRecord(std::span<const std::uint8_t> data, int k) {
  if (k < 1)
    throw StreamError("picture stream record " + std::to_string(k) + ": records are numbered from 1");
  std::size_t offset = 0;
  for (int record = 1; record < k; ++record)
    offset += 4 + checkedCount(data, offset, record);
  const std::size_t count = checkedCount(data, offset, k);
  return data.subspan(offset + 4, count);
}

void appendStreamRecord(std::vector<std::uint8_t>& stream, std::span<const std::uint8_t> record) {
  if (record.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw StreamError("picture stream record too large for its byte count");
  const auto count = static_cast<std::uint32_t>(record.size());
  for (int shift = 0; shift < 32; shift += 8)
    stream.push_back(static_cast<std::uint8_t>(count >> shift));
  stream.insert(stream.end(), record.begin(), record.end());
}

} // namespace velmorin
