// The searches on the overall gain curve: the refined maximum and the lower
// and upper -3 dB frequencies, by bisection on a gain function of frequency.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace velmorin {

using GainAt = std::function<double(double f)>;

struct GainMaximum {
  double fmaxGain = 0;
  double Gmax = 0;
};

// Refines the maximum found at sweep index k by bisection on the slope between
// its two neighbours. A maximum at either end of the sweep is looked for
// inside it instead (around index 5, or five points before the last).
GainMaximum refineMaximum(const std::vector<double>& freqs, std::size_t k, const GainAt& gain);

// The frequency below / above fmaxGain where the gain is 0.7071·Gmax. Both
// give 0 when the gain cannot be evaluated (not a finite number), so that the
// bandwidth reads as not calculable. The upper one never exceeds 1 MHz.
double lowerCutoff(const GainAt& gain, double Gmax, double fmaxGain);
double upperCutoff(const GainAt& gain, double Gmax, double fmaxGain);

} // namespace velmorin
