// The options dialog of the interactive schematics: edit box borders, grey
// edit background and the border of the diagram box.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace velmorin {
class Settings;
}

namespace velmorin::gui {

class TFormSolverOptions : public QDialog {
  Q_OBJECT
public:
  // Shows the values stored in `settings`.
  TFormSolverOptions(const Settings& settings, QWidget* owner);

  int editBorders() const;      // RGEditBorders: 0 none, 1 visible
  int containerBorders() const; // RGContainerBorders: 0 no border, 1 border visible
  bool greyBackground() const;  // CKBbackground

  // Writes the choices ("Save").
  void store(Settings& settings) const;

private:
  QButtonGroup* editBorders_;
  QButtonGroup* containerBorders_;
  QCheckBox* background_;
};

} // namespace velmorin::gui
