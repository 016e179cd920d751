#include "configurations/FrameRestore.h"

#include <algorithm>

namespace velmorin {

bool takesPartInConfigurations(const FrameControl& control) {
  if (!control.placedOnFrame || !control.remembered)
    return false;
  return control.kind == ControlKind::LabelledEdit || control.kind == ControlKind::TubeList ||
         control.kind == ControlKind::CheckBox;
}

std::string checkBoxConfigText(bool ticked) {
  return ticked ? "-1" : "0";
}

bool checkBoxConfigTicked(const std::string& text) {
  return text != "0";
}

std::vector<ConfigRestore> configRestorePlan(const std::vector<FrameControl>& controls,
                                             const TArrayKeyVal& pairs) {
  std::vector<ConfigRestore> plan;
  for (const FrameControl& control : controls) {
    if (!takesPartInConfigurations(control))
      continue;
    const auto pair =
        std::find_if(pairs.begin(), pairs.end(), [&](const TKeyVal& p) { return p.clef == control.name; });
    if (pair != pairs.end())
      plan.push_back({&control, pair->valeur});
  }
  return plan;
}

} // namespace velmorin
