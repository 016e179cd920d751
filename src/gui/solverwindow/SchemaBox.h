// The box that hosts a circuit frame in the solver window: a caption line
// (the name of the configuration last loaded or saved) above the frame,
// and a border the display options may switch on.
#pragma once

#include <QFrame>

class QLabel;

namespace velmorin::gui {

class SchemaBox : public QFrame {
public:
  explicit SchemaBox(QWidget* parent = nullptr);

  void setTitle(const QString& title);
  QString title() const;
  void setBorder(bool visible);
  // Places `frame` under the caption and fits the box to it.
  void setFrame(QWidget* frame);
  QWidget* frame() const { return frame_; }

private:
  QLabel* caption_;
  QWidget* frame_ = nullptr;
};

} // namespace velmorin::gui
