#include "solverwindow/FrameCosmetics.h"

#include "app/CircuitFrame.h"
#include "app/EntryKeyFilter.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace velmorin::gui {

namespace {

QFont frameFont(bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  font.setBold(bold);
  return font;
}

// Tested in order, a later match winning.
QString colourByName(const std::string& name, std::initializer_list<std::pair<char, const char*>> rules) {
  QString colour;
  for (const auto& [letter, value] : rules)
    if (name.find(letter) != std::string::npos)
      colour = QString::fromLatin1(value);
  return colour;
}

} // namespace

void setFrameCosmetics(CircuitFrame& frame, const Settings& settings) {
  frame.setAutoFillBackground(false);
  frame.setFont(frameFont());
  const bool borders = settings.editBorders() != 0;
  const bool grey = settings.ckbBackground();

  for (const CircuitFrame::Control& c : frame.controls()) {
    if (!c.info->placedOnFrame)
      continue;
    const std::string& name = c.info->name;
    switch (c.info->kind) {
    case ControlKind::LabelledEdit: {
      auto* edit = qobject_cast<QLineEdit*>(c.widget);
      QFont font(QStringLiteral("Noto Sans Mono"), 10);
      font.setBold(true); // Noto Mono itself has no bold face
      edit->setFont(font);
      const QString colour =
          colourByName(name, {{'V', "#FF0000"}, {'R', "#800000"}, {'C', "#008000"}, {'I', "#800080"}});
      edit->setStyleSheet(QString("QLineEdit { border: %1; background: %2; %3 padding: 0 2px; }")
                              .arg(borders ? "1px solid #7A7A7A" : "none")
                              .arg(grey ? "#EBEBEB" : "palette(window)")
                              .arg(colour.isEmpty() ? QString() : "color: " + colour + ";"));
      if (auto* box = edit->parentWidget(); box && box != &frame)
        if (auto* caption = box->findChild<QLabel*>())
          caption->setFont(frameFont());
      break;
    }
    case ControlKind::TubeList:
      c.widget->setFont(frameFont(true));
      break;
    case ControlKind::ValueLabel:
    case ControlKind::FixedLabel: {
      auto* label = qobject_cast<QLabel*>(c.widget);
      if (label->property(kTagProperty).toInt() >= 0)
        label->clear();
      label->setFont(frameFont());
      const QString colour = colourByName(name, {{'V', "#FF0000"}, {'I', "#800080"}, {'R', "#800000"}});
      label->setStyleSheet(colour.isEmpty() ? QString() : "QLabel { color: " + colour + "; }");
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::SelectionList:
      if (auto* box = qobject_cast<QCheckBox*>(c.widget)) {
        box->setFont(frameFont());
        box->setStyleSheet("QCheckBox { color: #008080; }");
      }
      break;
    }
  }
}

} // namespace velmorin::gui
