#include "widgets/ClickableLabel.h"

#include <QMouseEvent>

namespace velmorin::gui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
  QLabel::mouseReleaseEvent(event);
}

} // namespace velmorin::gui
