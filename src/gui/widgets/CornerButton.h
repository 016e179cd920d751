// Keeps a small button in one corner of another control, over it, wherever
// that control moves or is resized: the copy buttons sit on the pictures
// and reports they copy.
#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace velmorin::gui {

class CornerButton : public QObject {
  Q_OBJECT
public:
  // `button` must share `target`'s parent.
  CornerButton(QAbstractButton* button, QWidget* target, Qt::Corner corner, int margin = 4);

  void place();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QAbstractButton* button_;
  QWidget* target_;
  Qt::Corner corner_;
  int margin_;
};

} // namespace velmorin::gui
