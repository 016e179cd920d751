// Picture streams: the record layout shared by the thumbnail, diagram and icon
// files, a plain run of records, each a 32-bit signed little-endian byte count
// followed by that many bytes. Records are numbered from 1.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace velmorin {

// A stream that does not hold the requested record: record number below 1,
// a count cut short, a negative count or a count running past the data.
class StreamError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Record k of the stream, as a view into `data` (valid while `data` lives).
// Every count is checked against the bytes that remain: never reads past the end.
std::span<const std::uint8_t> loadStreamRecord(std::span<const std::uint8_t> data, int k);

// Appends one record (count, then bytes) to the end of `stream`. Throws
// StreamError when the record is too large for a 32-bit signed count.
void appendStreamRecord(std::vector<std::uint8_t>& stream, std::span<const std::uint8_t> record);

} // namespace velmorin
