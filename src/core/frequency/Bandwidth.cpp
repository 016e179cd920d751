#include "frequency/Bandwidth.h"

#include <algorithm>
#include <cmath>

namespace velmorin {

namespace {

// Every bisection stops here at the latest; in doubles the bracket stops
// shrinking after some sixty halvings anyway.
constexpr int kMaxIterations = 1000;
constexpr double kTolerance = 0.001;
constexpr double kUpperLimit = 1e6;

// Bisection on the relative distance r of the gain to 0.7071·Gmax.
// `aboveMeansLower`: a gain above the target at mid puts the cutoff below mid.
double cutoff(const GainAt& gain, double Gmax, double lo, double hi, bool aboveMeansLower) {
  const double T = 0.7071 * Gmax;
  if (!(std::isfinite(T) && T > 0))
    return 0;
  double mid = lo;
  for (int i = 0; i < kMaxIterations; ++i) {
    const double previous = mid;
    mid = (lo + hi) / 2;
    const double r = (gain(mid) - T) / T;
    if (!std::isfinite(r))
      return 0;
    if (r > kTolerance)
      (aboveMeansLower ? hi : lo) = mid;
    else if (r < -kTolerance)
      (aboveMeansLower ? lo : hi) = mid;
    else
      break;
    // Once the midpoint repeats, every further step would give it again.
    if (i > 0 && mid == previous)
      break;
  }
  return mid;
}

} // namespace

GainMaximum refineMaximum(const std::vector<double>& freqs, std::size_t k, const GainAt& gain) {
  if (freqs.empty())
    return {};
  const std::size_t last = freqs.size() - 1;
  if (k < 1)
    k = 5;
  if (k == last)
    k = last >= 5 ? last - 5 : 0;
  // Sweeps of fewer than seven points: keep the bracket inside the sweep.
  k = std::min(k, last);
  double lo = freqs[k > 0 ? k - 1 : 0];
  double hi = freqs[std::min(k + 1, last)];

  double mid = (lo + hi) / 2;
  for (int i = 0; i < kMaxIterations; ++i) {
    mid = (lo + hi) / 2;
    const double slope = (gain(1.05 * mid) - gain(0.95 * mid)) / (0.1 * mid);
    if (slope > kTolerance)
      lo = mid;
    else if (slope < -kTolerance)
      hi = mid;
    else
      break;
    // A gain still rising (or falling) at the bracket's end drives it into
    // that end: stop when it cannot shrink any more.
    if (lo >= hi || mid == (lo + hi) / 2)
      break;
  }
  return {mid, gain(mid)};
}

double lowerCutoff(const GainAt& gain, double Gmax, double fmaxGain) {
  return cutoff(gain, Gmax, 0.01, fmaxGain, true);
}

double upperCutoff(const GainAt& gain, double Gmax, double fmaxGain) {
  // A maximum above 1 MHz (10 MHz sweep) would put the whole bracket above
  // the limit; the search then starts at the limit itself.
  return cutoff(gain, Gmax, std::min(fmaxGain, kUpperLimit), kUpperLimit, false);
}

} // namespace velmorin
