// A circuit's entries as its frame shows them at a first opening: every
// readable control in creation order with its default text, lists without a
// selection, check boxes as their defaults.
#pragma once

#include "solvers/Entries.h"

#include <vector>

namespace velmorin {

std::vector<Entry> defaultEntries(int circuit);

} // namespace velmorin
