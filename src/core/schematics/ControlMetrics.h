// The sizes the drawings reserve for the frame's controls, in pixels: the
// frame widget fits its edits, lists and labels into boxes of these sizes.
#pragma once

namespace velmorin::metrics {

inline constexpr double kEditWidth = 48; // five characters of the bold monospace entry font
inline constexpr double kEditHeight = 22;
inline constexpr double kCaptionHeight = 15; // a caption shown above its edit
inline constexpr double kEditAboveHeight = kCaptionHeight + kEditHeight;
// A caption left of its edit: per character of the caption, plus a gap.
inline constexpr double kCaptionCharWidth = 7;
inline constexpr double kCaptionGap = 5;
inline constexpr double kLabelHeight = 18;
inline constexpr double kTubeListWidth = 150;
inline constexpr double kTubeListHeight = 24;
inline constexpr double kCheckBoxHeight = 20;

// Width of a box holding an edit and a caption of `chars` characters on its left.
constexpr double editLeftWidth(int chars) {
  return chars * kCaptionCharWidth + kCaptionGap + kEditWidth;
}

} // namespace velmorin::metrics
