// "Basic tools": the resistive divider calculator. Given V1 and R1 + R2,
// the scroll bar picks the output voltage V2 in whole volts and the window
// shows the R1 and R2 that give it.
#pragma once

#include "text/Locale.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace velmorin::gui {

class TFormTools : public QWidget {
  Q_OBJECT
public:
  explicit TFormTools(QWidget* parent = nullptr);

  // The one tools window of the program, created hidden on first use.
  static TFormTools* instance();

  QLineEdit* EdV1;
  QLineEdit* EdR12;
  QScrollBar* ScrollBar1;
  QLabel* Lab1;
  QLabel* Lab2;
  QLabel* LabV2;

  void EdV1KeyUp();
  void ScrollBar1Change();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  Locale locale_;
};

} // namespace velmorin::gui
