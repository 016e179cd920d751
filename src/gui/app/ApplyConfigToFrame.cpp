#include "app/ApplyConfigToFrame.h"

#include "app/CircuitFrame.h"
#include "configurations/CircuitConfigs.h"
#include "configurations/FrameRestore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace velmorin::gui {

void applyConfigToFrame(std::int64_t id, CircuitFrame& frame, const std::filesystem::path& folder) {
  const TArrayKeyVal pairs = getKeyVal(id, folder);
  for (const ConfigRestore& r : configRestorePlan(frameControls(frame.circuit()), pairs)) {
    const QString name = QString::fromStdString(r.control->name);
    const QString text = QString::fromStdString(r.valeur);
    switch (r.control->kind) {
    case ControlKind::LabelledEdit:
      if (QLineEdit* edit = frame.edit(name))
        edit->setText(text);
      break;
    case ControlKind::TubeList:
      if (QComboBox* list = frame.list(name))
        list->setCurrentIndex(list->findText(text, Qt::MatchExactly));
      break;
    case ControlKind::CheckBox:
      if (QCheckBox* box = frame.checkBox(name))
        box->setChecked(checkBoxConfigTicked(r.valeur));
      break;
    default:
      break;
    }
  }
}

} // namespace velmorin::gui
