// The named drawing colours of the diagrams, as 32-bit ARGB values.
#pragma once

#include "plot/Scene.h"

namespace velmorin::plot {

inline constexpr Argb kBlack = 0xFF000000;
inline constexpr Argb kWhite = 0xFFFFFFFF;
inline constexpr Argb kGrey = 0xFF808080;
inline constexpr Argb kNavy = 0xFF000080;
inline constexpr Argb kRed = 0xFFFF0000;
inline constexpr Argb kMaroon = 0xFF800000;
inline constexpr Argb kGreen = 0xFF008000;
inline constexpr Argb kTransparent = 0x00000000;

} // namespace velmorin::plot
