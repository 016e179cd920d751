// Plot legends of the circuits that have a Bandwidth page: one curve title per
// output of the frequency-response chain, each with its fixed colour.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmorin {

// Legend i takes colour i, ARGB.
inline constexpr std::array<std::uint32_t, 7> legendColors = {
    0xFF8A2BE2, 0xFFFF7F50, 0xFF008000, 0xFF00CED1, 0xFFFF0000, 0xFF800000, 0xFF000080,
};

struct CircuitLegend {
  std::string_view title;
  std::uint32_t color = 0; // ARGB
};

// The legends of circuit n in curve order; empty when the circuit has no
// Bandwidth page. Throws std::out_of_range for n outside 1 to 40.
std::vector<CircuitLegend> legends(int n);

} // namespace velmorin
