#include "plot/Scene.h"

namespace velmorin::plot {

double textWidth(const std::string& s, double pointSize) {
  // Count UTF-8 code points: every byte that is not a continuation byte
  // (10xxxxxx) starts one.
  std::size_t codePoints = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80)
      ++codePoints;
  return static_cast<double>(codePoints) * 0.6 * pointSize * kPixelsPerPoint;
}

} // namespace velmorin::plot
