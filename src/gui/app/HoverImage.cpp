#include "app/HoverImage.h"

#include <QMouseEvent>

namespace velmorin::gui {

void HoverImage::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  emit entered();
}

void HoverImage::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

} // namespace velmorin::gui
