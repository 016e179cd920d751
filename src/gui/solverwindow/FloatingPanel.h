// A collapsible panel floating over a page: a caption bar that expands it
// when clicked and a close button that collapses it back to its bar.
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace velmorin::gui {

class FloatingPanel : public QFrame {
  Q_OBJECT
public:
  FloatingPanel(const QString& caption, QSize minimum, QSize maximum, QWidget* parent = nullptr);

  void setContent(QWidget* content);
  QWidget* content() const { return content_; }

  // Expanded to `size` (bounded by the panel's minimum and maximum).
  void expandTo(QSize size);
  // Collapsed to its caption bar, at its minimum width.
  void collapse();
  bool isExpanded() const { return expanded_; }
  int captionHeight() const;
  QSize minimumPanelSize() const { return minimum_; }
  QSize maximumPanelSize() const { return maximum_; }

signals:
  void captionClicked();
  void closeClicked();

protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* bar_;
  QLabel* caption_;
  QToolButton* close_;
  QWidget* content_ = nullptr;
  QSize minimum_, maximum_;
  bool expanded_ = false;
};

} // namespace velmorin::gui
