#include "solvers/DefaultEntries.h"

#include "catalogue/FrameControls.h"

namespace velmorin {

std::vector<Entry> defaultEntries(int circuit) {
  std::vector<Entry> out;
  for (const FrameControl& c : frameControls(circuit)) {
    switch (c.kind) {
    case ControlKind::LabelledEdit:
      out.push_back({c.name, EntryKind::Edit, c.defaultText, false});
      break;
    case ControlKind::TubeList:
      out.push_back({c.name, EntryKind::TubeList, "", false});
      break;
    case ControlKind::CheckBox:
      out.push_back({c.name, EntryKind::CheckBox, "", c.defaultText == "1"});
      break;
    case ControlKind::SelectionList:
      out.push_back({c.name, EntryKind::Combo, c.defaultText, false});
      break;
    case ControlKind::ValueLabel:
    case ControlKind::FixedLabel:
      break;
    }
  }
  return out;
}

} // namespace velmorin
