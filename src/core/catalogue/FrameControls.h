// The controls of each circuit's entry frame in creation order: names are the
// interface through which solvers, remembered settings and configurations meet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmorin {

enum class ControlKind {
  LabelledEdit,  // Ed…: a number in engineering notation
  TubeList,      // LBtube…: model names of one tube kind
  CheckBox,      // CheckBox…: a boolean option
  SelectionList, // LB…: fixed texts (power stages)
  ValueLabel,    // Label…: filled by the solver, emptied when the frame is shown
  FixedLabel,    // text of the drawing that keeps its caption (negative Tag)
};

inline constexpr int kTriode = 3;
inline constexpr int kPentode = 5;

struct FrameControl {
  std::string name;
  ControlKind kind = ControlKind::LabelledEdit;
  std::string caption; // the edit's label or the check box's text; empty for value labels
  std::string hint;
  bool minusAllowed = false;      // negative Tag: the key filter lets a typed "-" through
  bool placedOnFrame = true;      // false inside a group box: no Solve checks, no styling, not remembered
  bool remembered = true;         // stored in the circuit's settings section and in configurations
  int tubeKind = 0;               // 3 triode or 5 pentode models, tube lists only
  int maxLength = 0;              // most characters an edit accepts, 0 for no limit
  std::vector<std::string> items; // selection lists only
  std::string defaultText;        // what the control shows at a first opening (no selection: empty)
};

// Circuit n, 1 to 40 (throws std::out_of_range otherwise).
const std::vector<FrameControl>& frameControls(int n);

// The control of circuit n with that name, if the frame has one.
const FrameControl* findFrameControl(int n, std::string_view name);

// The caption of the group box some power-stage frames carry ("" for none).
std::string_view frameGroupBoxCaption(int n);

} // namespace velmorin
