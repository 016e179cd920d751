#include "solverwindow/AutoParams.h"

#include "app/CircuitFrame.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace velmorin::gui {

namespace {

bool takesPart(const FrameControl& c) {
  return c.placedOnFrame && c.remembered;
}

} // namespace

void SaveAutoParams(Settings& settings, const BodeOptionWidgets& options, const CircuitFrame& frame) {
  std::vector<std::pair<std::string, std::string>> values = {
      {"freqmin", std::to_string(options.freqMin->currentIndex())},
      {"freqmax", std::to_string(options.freqMax->currentIndex())},
      {"ignoreMiller", options.ignoreMiller->isChecked() ? "1" : "0"},
      {"straycaps", std::to_string(options.strayCap->currentIndex())},
  };
  for (const CircuitFrame::Control& c : frame.controls()) {
    if (!takesPart(*c.info))
      continue;
    switch (c.info->kind) {
    case ControlKind::LabelledEdit:
      values.emplace_back(c.info->name, qobject_cast<QLineEdit*>(c.widget)->text().toStdString());
      break;
    case ControlKind::CheckBox:
      values.emplace_back(c.info->name, qobject_cast<QCheckBox*>(c.widget)->isChecked() ? "1" : "0");
      break;
    case ControlKind::TubeList:
    case ControlKind::SelectionList: {
      auto* box = qobject_cast<QComboBox*>(c.widget);
      values.emplace_back(c.info->name, box->currentIndex() >= 0 ? box->currentText().toStdString() : "");
      break;
    }
    case ControlKind::ValueLabel:
    case ControlKind::FixedLabel:
      break;
    }
  }
  settings.writeCircuitValues(frame.circuit(), values);
}

void LoadAutoParams(const Settings& settings, const BodeOptionWidgets& options, CircuitFrame& frame) {
  const int n = frame.circuit();
  options.freqMin->setCurrentIndex(settings.readCircuitInteger(n, "freqmin", 1));
  options.freqMax->setCurrentIndex(settings.readCircuitInteger(n, "freqmax", 1));
  options.ignoreMiller->setChecked(settings.readCircuitBool(n, "ignoreMiller", false));
  options.strayCap->setCurrentIndex(settings.readCircuitInteger(n, "straycaps", 2));

  for (const CircuitFrame::Control& c : frame.controls()) {
    if (!takesPart(*c.info))
      continue;
    switch (c.info->kind) {
    case ControlKind::LabelledEdit:
      qobject_cast<QLineEdit*>(c.widget)->setText(
          QString::fromStdString(settings.readCircuitString(n, c.info->name, c.info->defaultText)));
      break;
    case ControlKind::CheckBox:
      qobject_cast<QCheckBox*>(c.widget)->setChecked(settings.readCircuitBool(n, c.info->name, false));
      break;
    case ControlKind::TubeList:
    case ControlKind::SelectionList: {
      auto* box = qobject_cast<QComboBox*>(c.widget);
      const auto stored = settings.circuitValue(n, c.info->name);
      const int index = stored ? box->findText(QString::fromStdString(*stored), Qt::MatchExactly) : -1;
      const bool tubes = c.info->kind == ControlKind::TubeList;
      box->setCurrentIndex(index >= 0 ? index : tubes ? -1 : 0);
      break;
    }
    case ControlKind::ValueLabel:
    case ControlKind::FixedLabel:
      break;
    }
  }
}

} // namespace velmorin::gui
