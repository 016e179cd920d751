// Which controls of a circuit frame a configuration stores and restores, and
// how a stored text maps onto each kind of control.
#pragma once

#include "catalogue/FrameControls.h"
#include "configurations/CircuitConfigs.h"

#include <string>
#include <vector>

namespace velmorin {

// Labelled edits, tube lists and plain check boxes placed directly on the
// frame; selection lists, the option boxes that are not remembered and the
// controls inside a group box take no part.
bool takesPartInConfigurations(const FrameControl& control);

// The stored text of a check box: "-1" ticked, "0" not.
std::string checkBoxConfigText(bool ticked);
// Any stored text but "0" ticks the box.
bool checkBoxConfigTicked(const std::string& text);

// One control to restore and the text to restore it from.
struct ConfigRestore {
  const FrameControl* control = nullptr;
  std::string valeur;
};

// For each control of `controls` that takes part, in frame order, the first
// pair whose key is the control's name; controls without a pair are left out.
std::vector<ConfigRestore> configRestorePlan(const std::vector<FrameControl>& controls,
                                             const TArrayKeyVal& pairs);

} // namespace velmorin
