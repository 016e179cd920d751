// The entry frame of one circuit, built from the catalogue's list of
// controls: the circuit drawing painted as background with every control at
// its anchor, or, for a circuit without a drawing yet, the controls in a
// plain captioned grid. Controls carry their component names as object names.
#pragma once

#include "catalogue/FrameControls.h"
#include "solvers/Entries.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace velmorin::gui {

class SceneView;

class CircuitFrame : public QWidget {
  Q_OBJECT
public:
  explicit CircuitFrame(int circuit, QWidget* parent = nullptr);

  int circuit() const { return circuit_; }
  bool hasDrawing() const { return drawing_ != nullptr; }

  // The catalogue entry and the widget of each control, in creation order.
  struct Control {
    const FrameControl* info = nullptr;
    QWidget* widget = nullptr; // QLineEdit, QComboBox, QCheckBox or QLabel
  };
  const std::vector<Control>& controls() const { return controls_; }

  QLineEdit* edit(const QString& name) const;
  QComboBox* list(const QString& name) const; // tube lists and selection lists
  QCheckBox* checkBox(const QString& name) const;
  QLabel* label(const QString& name) const;

  // What the solver reads: every readable control in creation order. With
  // `onFrameOnly`, those inside a group box are left out (the entry checks).
  std::vector<Entry> entries(bool onFrameOnly = false) const;

  // Writes a solver's value into the label of that name, if the frame has one.
  void setLabelText(const std::string& name, const std::string& text);

  // The drawing behind the controls (nullptr without a drawing).
  SceneView* drawing() const { return drawing_; }

private:
  void buildOnDrawing();
  void buildGrid();
  QWidget* makeControl(const FrameControl& c, QWidget* parent, bool onDrawing);
  QWidget* find(const QString& name) const;

  int circuit_;
  SceneView* drawing_ = nullptr;
  std::vector<Control> controls_;
};

} // namespace velmorin::gui
