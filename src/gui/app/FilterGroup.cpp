#include "app/FilterGroup.h"

#include <QButtonGroup>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace velmorin::gui {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

} // namespace

int WrapRadioButton::indicatorWidth() const {
  return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
         style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect WrapRadioButton::textRect(int width) const {
  const int left = indicatorWidth();
  return fontMetrics().boundingRect(QRect(0, 0, std::max(width - left, 1), 1000), kTextFlags, text());
}

QSize WrapRadioButton::sizeHint() const {
  const QSize line = fontMetrics().size(Qt::TextSingleLine, text());
  return {indicatorWidth() + line.width() + 2, std::max(line.height(), 16) + 4};
}

QSize WrapRadioButton::minimumSizeHint() const {
  // Lines break at blanks and after hyphens.
  int widest = 0;
  for (const QString& word :
       QString(text()).replace('-', QStringLiteral("- ")).split(' ', Qt::SkipEmptyParts))
    widest = std::max(widest, fontMetrics().horizontalAdvance(word));
  return {indicatorWidth() + widest + 2, heightForWidth(indicatorWidth() + widest + 2)};
}

int WrapRadioButton::heightForWidth(int width) const {
  return std::max(textRect(width).height(), 16) + 4;
}

bool WrapRadioButton::hitButton(const QPoint& pos) const {
  return rect().contains(pos);
}

void WrapRadioButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const int size = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
  option.rect = QRect(0, (height() - size) / 2, size, size);
  painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
  const QRect text(indicatorWidth(), 0, width() - indicatorWidth(), height());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text, kTextFlags, this->text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = textRect(width()).translated(indicatorWidth(), (height() - textRect(width()).height()) / 2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

FilterGroup::FilterGroup(const QStringList& items, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new WrapRadioButton(items[i], this);
    group_->addButton(b, i);
    buttons_.push_back(b);
  }
  connect(group_, &QButtonGroup::idClicked, this, &FilterGroup::clicked);
  setColumns(1);
}

QString FilterGroup::item(int index) const {
  return buttons_.at(std::size_t(index))->text();
}

int FilterGroup::itemIndex() const {
  return group_->checkedId();
}

void FilterGroup::setItemIndex(int index) {
  if (index >= 0 && index < count()) {
    buttons_[std::size_t(index)]->setChecked(true);
  } else if (QAbstractButton* checked = group_->checkedButton()) {
    group_->setExclusive(false);
    checked->setChecked(false);
    group_->setExclusive(true);
  }
}

void FilterGroup::setColumns(int columns) {
  columns_ = std::max(columns, 1);
  arrange();
  updateGeometry();
}

int FilterGroup::columnsFor(int width) const {
  return columns_ >= count() && width < oneRowWidth() ? (count() + 1) / 2 : columns_;
}

std::vector<int> FilterGroup::columnWidths(int columns, int width) const {
  // Every column keeps room for the longest word of its captions. The space
  // left over first puts whole captions on one line, the shortest first, so
  // as few captions as possible wrap; what remains is shared out evenly.
  std::vector<int> widths(std::size_t(columns), 0), oneLine(std::size_t(columns), 0);
  for (int i = 0; i < count(); ++i) {
    const std::size_t c = std::size_t(i % columns);
    widths[c] = std::max(widths[c], buttons_[std::size_t(i)]->minimumSizeHint().width());
    oneLine[c] = std::max(oneLine[c], buttons_[std::size_t(i)]->sizeHint().width());
  }
  int extra = width - kMargin * 2 - kSpacing * (columns - 1);
  for (int w : widths)
    extra -= w;
  std::vector<std::size_t> order(widths.size());
  for (std::size_t c = 0; c < order.size(); ++c)
    order[c] = c;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return oneLine[a] - widths[a] < oneLine[b] - widths[b];
  });
  for (std::size_t c : order) {
    const int need = std::max(oneLine[c] - widths[c], 0);
    if (need > extra)
      break;
    widths[c] += need;
    extra -= need;
  }
  if (extra > 0)
    for (int c = 0; c < columns; ++c)
      widths[std::size_t(c)] += extra / columns + (c < extra % columns ? 1 : 0);
  return widths;
}

int FilterGroup::oneRowWidth() const {
  int width = kMargin * 2 + kSpacing * (count() - 1);
  for (const QRadioButton* b : buttons_)
    width += b->minimumSizeHint().width();
  return width;
}

int FilterGroup::stackedHeight(int width) const {
  int height = kMargin;
  for (const QRadioButton* b : buttons_)
    height += b->heightForWidth(width - kMargin * 2);
  return height + kMargin;
}

QSize FilterGroup::sizeHint() const {
  if (columns_ == 1)
    return {130, stackedHeight(130)};
  return {oneRowWidth(), 64};
}

// Any width will do: the row folds in two rather than widen the window.
QSize FilterGroup::minimumSizeHint() const {
  return {0, columns_ == 1 ? stackedHeight(std::max(width(), 60)) : 0};
}

void FilterGroup::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  arrange();
}

void FilterGroup::arrange() {
  const int columns = columnsFor(width());
  shown_ = columns;
  if (columns == 1) {
    // One column stacks the items at the top.
    int y = kMargin;
    for (QRadioButton* b : buttons_) {
      const int h = b->heightForWidth(width() - kMargin * 2);
      b->setGeometry(kMargin, y, width() - kMargin * 2, h);
      y += h;
    }
    return;
  }
  const std::vector<int> widths = columnWidths(columns, width());
  const int rows = (count() + columns - 1) / columns;
  const int rowHeight = std::max((height() - kMargin * 2) / rows, 1);
  for (int i = 0; i < count(); ++i) {
    const int row = i / columns, column = i % columns;
    int x = kMargin;
    for (int c = 0; c < column; ++c)
      x += widths[std::size_t(c)] + kSpacing;
    buttons_[std::size_t(i)]->setGeometry(x, kMargin + row * rowHeight, widths[std::size_t(column)], rowHeight);
  }
}

} // namespace velmorin::gui
