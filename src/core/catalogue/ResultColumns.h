// Column captions of the logged-results table of each circuit.
#pragma once

#include <string_view>
#include <vector>

namespace velmorin {

// The captions of circuit n in column order, the leading "-" (time of the run
// or "ERROR") included. Throws std::out_of_range for n outside 1 to 40.
const std::vector<std::string_view>& resultColumns(int n);

} // namespace velmorin
