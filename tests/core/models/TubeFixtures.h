// Built-in tube models as plain values for the tests of the tube object.
#pragma once

#include "TubeModels.h"
#include "models/TubeModel.h"
#include "text/Locale.h"

namespace velmorin::testing {

inline const Locale kDot{".", ","};

} // namespace velmorin::testing
