// An entry field with its caption, on its left or above it, as the circuit
// frames show their numeric entries.
#pragma once

#include "schematics/Schematic.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace velmorin::gui {

class LabelledEdit : public QWidget {
  Q_OBJECT
public:
  LabelledEdit(const QString& caption, CaptionSide side, QWidget* parent = nullptr);

  QLineEdit* edit() const { return edit_; }
  QLabel* captionLabel() const { return caption_; }

private:
  QLabel* caption_;
  QLineEdit* edit_;
};

} // namespace velmorin::gui
