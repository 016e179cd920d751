// Remembered circuit parameters: the entries and Bode options a circuit was
// last solved with, stored in its "C%d" section of the settings file and
// restored when one of its windows opens.
#pragma once

class QCheckBox;
class QComboBox;

namespace velmorin {
class Settings;
}

namespace velmorin::gui {

class CircuitFrame;

// The window's Bode options that are remembered per circuit.
struct BodeOptionWidgets {
  QComboBox* freqMin = nullptr;
  QComboBox* freqMax = nullptr;
  QCheckBox* ignoreMiller = nullptr;
  QComboBox* strayCap = nullptr;
};

// Writes the options and every remembered control placed on the frame, in
// one write of the circuit's section.
void SaveAutoParams(Settings& settings, const BodeOptionWidgets& options, const CircuitFrame& frame);

// Restores them: stored values, or the defaults by name for the edits, no
// selection for tube lists and the first item for selection lists.
void LoadAutoParams(const Settings& settings, const BodeOptionWidgets& options, CircuitFrame& frame);

} // namespace velmorin::gui
