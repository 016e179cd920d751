// The entry checks made before any solve: a selection in every tube list, a
// supply within 20 to 800 V, and for the power stages a grid voltage that is
// not positive. All failures are reported at once, one line each.
#pragma once

#include "solvers/Entries.h"

#include <string>
#include <vector>

namespace velmorin {

std::vector<std::string> precheckLines(int circuit, const std::vector<Entry>& entries, const Locale& locale);

// The lines as the error box shows them, each ended by a line feed.
std::string precheckText(const std::vector<std::string>& lines);

} // namespace velmorin
