// The look of a circuit frame: fonts, the edit boxes' borders and background
// as the display options say, and text colours chosen by component name.
#pragma once

namespace velmorin {
class Settings;
}

namespace velmorin::gui {

class CircuitFrame;

// Also empties the value labels (those with a Tag of 0 or more), which wait
// for the next results.
void setFrameCosmetics(CircuitFrame& frame, const Settings& settings);

} // namespace velmorin::gui
