// Moving and resizing a window that draws its own title bar: a press on the
// title strip moves the window, a press on the thin margin along its left,
// right and bottom edges resizes it. The window system does it where it can;
// without a window manager the window follows the mouse itself.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

namespace velmorin::gui {

class FramelessEdges : public QObject {
public:
  // `window` is the frameless top-level window, `titleStrip` the widget
  // whose presses move it. Edges `margin` pixels wide resize it.
  FramelessEdges(QWidget* window, QWidget* titleStrip, int margin);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  Qt::Edges edgesAt(const QPoint& pos) const;

  QWidget* window_;
  QWidget* title_;
  int margin_;
  // A move or resize the program follows itself.
  Qt::Edges dragEdges_;
  bool moving_ = false;
  QPoint pressGlobal_;
  QRect pressGeometry_;
};

} // namespace velmorin::gui
