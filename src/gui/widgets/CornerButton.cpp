#include "widgets/CornerButton.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>

namespace velmorin::gui {

CornerButton::CornerButton(QAbstractButton* button, QWidget* target, Qt::Corner corner, int margin)
    : QObject(button), button_(button), target_(target), corner_(corner), margin_(margin) {
  target->installEventFilter(this);
  place();
}

void CornerButton::place() {
  const QSize size = button_->sizeHint();
  QRect area = target_->geometry();
  // Stay clear of a visible vertical scroll bar.
  if (auto* scroll = qobject_cast<QAbstractScrollArea*>(target_))
    if (scroll->verticalScrollBar()->isVisible())
      area.setRight(area.right() - scroll->verticalScrollBar()->width());
  const bool right = corner_ == Qt::TopRightCorner || corner_ == Qt::BottomRightCorner;
  const bool bottom = corner_ == Qt::BottomLeftCorner || corner_ == Qt::BottomRightCorner;
  const int x = right ? area.right() - margin_ - size.width() + 1 : area.left() + margin_;
  const int y = bottom ? area.bottom() - margin_ - size.height() + 1 : area.top() + margin_;
  button_->setGeometry(x, y, size.width(), size.height());
  button_->raise();
}

bool CornerButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                             event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest))
    place();
  return QObject::eventFilter(watched, event);
}

} // namespace velmorin::gui
