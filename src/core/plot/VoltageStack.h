// The voltage-stack diagram: each DC path of a circuit as a vertical bar cut
// into coloured segments whose heights are the voltages across its elements.
#pragma once

#include "plot/Scene.h"
#include "text/Locale.h"

#include <string>
#include <vector>

namespace velmorin::plot {

struct StackSegment {
  std::string name; // label; an empty name draws the segment unlabelled
  double volts = 0;
  Argb color = 0xFF000000;
  bool operator==(const StackSegment&) const = default;
};

// One column: the segments of one DC path, supply side first.
struct StackColumn {
  std::vector<StackSegment> segments;

  void add(std::string name, double volts, Argb color) {
    segments.push_back({std::move(name), volts, color});
  }
  bool operator==(const StackColumn&) const = default;
};

// Horizontal pitch of the columns, and the room above and below the bars
// (35 px each) that the full-scale height leaves for the labels.
inline constexpr double kStackColumnPitch = 70;
inline constexpr double kStackTop = 35;

// The natural width of a stack picture: one pitch per column.
inline double voltageStackWidth(std::size_t columns) {
  return kStackColumnPitch * double(columns);
}

// Draws the columns side by side, the full supply `Vb` standing for
// height − 70 pixels. The background is transparent (the window colour shows
// through). A Vb of 0 or not finite draws no bars; a segment whose height
// cannot be computed is skipped.
Scene voltageStackScene(const std::vector<StackColumn>& columns, double Vb, double width, double height,
                        const Locale& locale = Locale{});

} // namespace velmorin::plot
