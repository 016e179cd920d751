// A label that reports clicks: the narrow strip that folds the solver
// window's left column away and back.
#pragma once

#include <QLabel>

namespace velmorin::gui {

class ClickableLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

signals:
  void clicked();

protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmorin::gui
