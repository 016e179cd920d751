#include "app/LibraryTree.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace velmorin::gui {

namespace {

enum Role { GroupRole = Qt::UserRole + 1, ConfigRole, IndexRole, CircuitRole };

// Measures each node at the width its column leaves it, so a long title
// gets the lines it needs, plus 7 pixels.
class WrappingDelegate : public QStyledItemDelegate {
public:
  explicit WrappingDelegate(QTreeWidget* tree) : QStyledItemDelegate(tree), tree_(tree) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    int depth = 0;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
      ++depth;
    const int width = tree_->viewport()->width() - tree_->indentation() * (depth + 1) - 8;
    const QRect text = QFontMetrics(opt.font).boundingRect(QRect(0, 0, std::max(width, 40), 100000),
                                                           Qt::TextWordWrap, opt.text);
    return {std::max(width, 40), text.height() + 7};
  }

private:
  QTreeWidget* tree_;
};

} // namespace

LibraryTree::LibraryTree(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(1);
  setHeaderLabels({QStringLiteral("Circuits")});
  header()->setStretchLastSection(true);
  setWordWrap(true);
  setUniformRowHeights(false);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::NoFrame);
  setItemDelegate(new WrappingDelegate(this));
}

QTreeWidgetItem* LibraryTree::addNode(QTreeWidgetItem* parent, const TRecLib& r) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
  item->setData(0, GroupRole, r.group);
  item->setData(0, ConfigRole, qint64(r.config));
  item->setData(0, IndexRole, r.index);
  item->setData(0, CircuitRole, r.circuit);
  QFont f = font();
  switch (level(item)) {
  case 0:
    item->setText(0, r.group);
    f.setBold(true);
    item->setForeground(0, QColor(0x99, 0x00, 0x00));
    break;
  case 1:
    item->setText(0, QStringLiteral("C%1 - %2").arg(r.index).arg(r.circuit));
    item->setForeground(0, QColor(Qt::black));
    break;
  default:
    item->setText(0, r.circuit);
    f.setItalic(true);
    item->setForeground(0, QColor(0x00, 0x00, 0x80));
    break;
  }
  item->setFont(0, f);
  return item;
}

TRecLib LibraryTree::record(const QTreeWidgetItem* item) {
  if (!item)
    return {};
  return {item->data(0, GroupRole).toString(), item->data(0, ConfigRole).toLongLong(),
          item->data(0, IndexRole).toInt(), item->data(0, CircuitRole).toString()};
}

int LibraryTree::level(const QTreeWidgetItem* item) {
  int depth = 0;
  for (const QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent())
    ++depth;
  return depth;
}

void LibraryTree::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  // Node heights depend on the width: measure every node again.
  scheduleDelayedItemsLayout();
}

void LibraryTree::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidgetItem* item = itemAt(event->pos());
  if (item && item->isSelected() && level(item) == 2)
    emit configMenuRequested(item, event->globalPos());
}

} // namespace velmorin::gui
