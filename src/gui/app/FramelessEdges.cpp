#include "app/FramelessEdges.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace velmorin::gui {

FramelessEdges::FramelessEdges(QWidget* window, QWidget* titleStrip, int margin)
    : QObject(window), window_(window), title_(titleStrip), margin_(margin) {
  window_->setMouseTracking(true);
  window_->installEventFilter(this);
  title_->installEventFilter(this);
}

Qt::Edges FramelessEdges::edgesAt(const QPoint& pos) const {
  Qt::Edges edges;
  if (window_->isMaximized())
    return edges;
  if (pos.x() < margin_)
    edges |= Qt::LeftEdge;
  if (pos.x() >= window_->width() - margin_)
    edges |= Qt::RightEdge;
  if (pos.y() >= window_->height() - margin_)
    edges |= Qt::BottomEdge;
  return edges;
}

bool FramelessEdges::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick)
    return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();

  if (type == QEvent::MouseButtonDblClick && watched == title_ && mouse->button() == Qt::LeftButton) {
    window_->isMaximized() ? window_->showNormal() : window_->showMaximized();
    return true;
  }
  if (type == QEvent::MouseButtonRelease) {
    const bool following = moving_ || dragEdges_;
    moving_ = false;
    dragEdges_ = {};
    return following;
  }
  if (type == QEvent::MouseMove) {
    if (moving_) {
      window_->move(pressGeometry_.topLeft() + global - pressGlobal_);
      return true;
    }
    if (dragEdges_) {
      QRect g = pressGeometry_;
      const QPoint d = global - pressGlobal_;
      const QSize least = window_->minimumSize();
      if (dragEdges_ & Qt::LeftEdge)
        g.setLeft(std::min(g.left() + d.x(), g.right() - least.width() + 1));
      if (dragEdges_ & Qt::RightEdge)
        g.setRight(std::max(g.right() + d.x(), g.left() + least.width() - 1));
      if (dragEdges_ & Qt::BottomEdge)
        g.setBottom(std::max(g.bottom() + d.y(), g.top() + least.height() - 1));
      window_->setGeometry(g);
      return true;
    }
    if (watched == window_) {
      const Qt::Edges e = edgesAt(mouse->position().toPoint());
      if ((e & Qt::LeftEdge && e & Qt::BottomEdge))
        window_->setCursor(Qt::SizeBDiagCursor);
      else if (e & Qt::RightEdge && e & Qt::BottomEdge)
        window_->setCursor(Qt::SizeFDiagCursor);
      else if (e & (Qt::LeftEdge | Qt::RightEdge))
        window_->setCursor(Qt::SizeHorCursor);
      else if (e & Qt::BottomEdge)
        window_->setCursor(Qt::SizeVerCursor);
      else
        window_->unsetCursor();
    }
    return false;
  }

  // A press.
  if (mouse->button() != Qt::LeftButton)
    return false;
  QWindow* handle = window_->windowHandle();
  if (watched == title_) {
    if (window_->isMaximized())
      return false;
    if (handle && handle->startSystemMove())
      return true;
    moving_ = true;
  } else if (watched == window_) {
    const Qt::Edges e = edgesAt(mouse->position().toPoint());
    if (!e)
      return false;
    if (handle && handle->startSystemResize(e))
      return true;
    dragEdges_ = e;
  } else {
    return false;
  }
  pressGlobal_ = global;
  pressGeometry_ = window_->geometry();
  return true;
}

} // namespace velmorin::gui
