// The 29 tube models the program writes into the model database itself, in
// the order they are inserted.
#pragma once

#include "models/TubeModel.h"

#include <string_view>
#include <vector>

namespace velmorin {

// The first kBuiltInTriodeCount rows are the triodes; the rest are pentodes
// and beam tetrodes.
inline constexpr int kBuiltInTriodeCount = 21;

const std::vector<TubeModel>& builtInModels();

// True for the name of one of the built-in triodes, compared exactly: the
// conversion of a previous-version file replaces these rows by the current ones.
bool isBuiltInTriodeName(std::string_view name);

} // namespace velmorin
