// The sweep frequencies of a frequency-response run: nine points per decade
// (1 to 9 times a power of ten) from the lower bound up to the upper one.
#pragma once

#include <vector>

namespace velmorin {

// Bounds that are not positive finite numbers fall back to 1 Hz and 100 kHz.
std::vector<double> sweepFrequencies(double fmin, double fmax);

} // namespace velmorin
