#include "solverwindow/ResultTables.h"

#include "frequency/TDataQP.h"
#include "solverwindow/TableTexts.h"
#include "widgets/ScenePainter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace velmorin::gui {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Draws each cell, then its right edge: the vertical grid lines.
class GridLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(QColor(0xD0, 0xD0, 0xD0));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
  }
};

} // namespace

LogTableModel::LogTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void LogTableModel::setColumns(std::vector<std::string> captions) {
  beginResetModel();
  captions_ = std::move(captions);
  endResetModel();
}

void LogTableModel::addRow(std::vector<std::string> cells) {
  const int row = int(rows_.size());
  beginInsertRows({}, row, row);
  rows_.push_back(std::move(cells));
  endInsertRows();
}

int LogTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(captions_.size());
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(rows_.size()))
    return {};
  const auto& row = rows_[std::size_t(index.row())];
  if (role == Qt::DisplayRole)
    return std::size_t(index.column()) < row.size() ? qs(row[std::size_t(index.column())]) : QString();
  if (role == Qt::ForegroundRole && std::size_t(index.column()) < captions_.size())
    if (auto color = logColumnColor(captions_[std::size_t(index.column())]))
      return toQColor(*color);
  return {};
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      std::size_t(section) < captions_.size())
    return qs(captions_[std::size_t(section)]);
  return {};
}

GainTableModel::GainTableModel(Locale locale, QObject* parent)
    : QAbstractTableModel(parent), locale_(std::move(locale)) {}

GainTableModel::~GainTableModel() = default;

void GainTableModel::setRows(std::vector<TDataQP> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int GainTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int GainTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGainTableColumns;
}

QVariant GainTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(rows_.size()))
    return {};
  const TDataQP& row = rows_[std::size_t(index.row())];
  if (role == Qt::DisplayRole)
    return qs(gainTableCell(row, index.column(), locale_));
  if (role == Qt::ForegroundRole)
    return toQColor(row.couleur);
  return {};
}

QVariant GainTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kGainTableColumns)
    return qs(gainTableCaptions()[std::size_t(section)]);
  return {};
}

ResultTableView::ResultTableView(QWidget* parent) : QTreeView(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setItemDelegate(new GridLineDelegate(this));
  header()->setVisible(true);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ResultTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    emit copyRequested();
    event->accept();
    return;
  }
  QTreeView::keyPressEvent(event);
}

} // namespace velmorin::gui
