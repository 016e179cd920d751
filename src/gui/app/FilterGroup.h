// The gallery filter: a group of radio items laid out in any number of
// columns, whose captions wrap onto a second line when the row is narrow.
#pragma once

#include <QRadioButton>
#include <QStringList>
#include <QWidget>

#include <vector>

class QButtonGroup;

namespace velmorin::gui {

// A radio button whose caption wraps at word boundaries instead of
// demanding the width of its whole caption.
class WrapRadioButton : public QRadioButton {
public:
  using QRadioButton::QRadioButton;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

private:
  int indicatorWidth() const;
  QRect textRect(int width) const;
};

class FilterGroup : public QWidget {
  Q_OBJECT
public:
  explicit FilterGroup(const QStringList& items, QWidget* parent = nullptr);

  int count() const { return int(buttons_.size()); }
  QString item(int index) const;
  QRadioButton* button(int index) const { return buttons_.at(std::size_t(index)); }

  // The ticked item, -1 for none. Setting it ticks the item without a click.
  int itemIndex() const;
  void setItemIndex(int index);

  // Items fill the columns row by row. Asked for one row, the group falls
  // back to two rows while its width cannot hold every caption's longest
  // word side by side.
  void setColumns(int columns);
  int columns() const { return columns_; }
  // The columns laid out now.
  int shownColumns() const { return shown_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

signals:
  // The user ticked an item.
  void clicked(int index);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  static constexpr int kMargin = 4;
  static constexpr int kSpacing = 8;

  void arrange();
  int columnsFor(int width) const;
  std::vector<int> columnWidths(int columns, int width) const;
  int oneRowWidth() const;
  int stackedHeight(int width) const;

  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
  int columns_ = 1;
  int shown_ = 0;
};

} // namespace velmorin::gui
