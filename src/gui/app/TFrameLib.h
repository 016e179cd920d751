// One tile of the library gallery: the circuit's thumbnail and title in a
// green rounded box captioned with its number. Resting the mouse on the
// picture asks for the circuit's comment, clicking it for its solver window.
#pragma once

#include "app/HoverImage.h"

#include <QFrame>
#include <QLabel>

class QGroupBox;

namespace velmorin::gui {

class TFrameLib : public QFrame {
  Q_OBJECT
public:
  static constexpr int kWidth = 220;
  static constexpr int kHeight = 140;

  // The tile of circuit n with its title and thumbnail (a null picture
  // leaves the picture area empty).
  TFrameLib(int n, const QString& title, const QPixmap& thumbnail, QWidget* parent = nullptr);

  int circuit() const { return circuit_; }

  // The tiles' look: the green rounded box. Set once on the widget that
  // holds all tiles, it is parsed once rather than once per tile.
  static const QString& styleSheet();

  QGroupBox* AGB;
  HoverImage* ImageSchema;
  QLabel* LabelTitre;

signals:
  void commentRequested(int circuit);
  void openRequested(int circuit);

private:
  int circuit_;
};

} // namespace velmorin::gui
