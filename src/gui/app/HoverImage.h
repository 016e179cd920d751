// A picture that reports the mouse coming onto it and left clicks on it:
// the gallery thumbnails and the menu picture of the title bar.
#pragma once

#include <QLabel>

namespace velmorin::gui {

class HoverImage : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

signals:
  void entered();
  void clicked();

protected:
  void enterEvent(QEnterEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmorin::gui
