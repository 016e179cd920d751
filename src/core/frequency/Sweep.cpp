#include "frequency/Sweep.h"

#include <cmath>

namespace velmorin {

std::vector<double> sweepFrequencies(double fmin, double fmax) {
  // A zero or infinite bound would make the decade loop run forever.
  if (!(std::isfinite(fmin) && fmin > 0))
    fmin = 1;
  if (!(std::isfinite(fmax) && fmax > 0))
    fmax = 1e5;
  std::vector<double> freqs;
  double b = fmin;
  do {
    for (int m = 1; m <= 9; ++m) {
      freqs.push_back(m * b);
      if (m * b == fmax)
        break;
    }
    b *= 10;
  } while (freqs.back() < fmax);
  return freqs;
}

} // namespace velmorin
