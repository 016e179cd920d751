// The library tree: groups of circuits on level 0, circuits on level 1,
// stored configurations on level 2, each node carrying its TRecLib record.
// Long circuit titles wrap over several lines.
#pragma once

#include <QString>
#include <QTreeWidget>

#include <cstdint>

namespace velmorin::gui {

// The record of one node.
struct TRecLib {
  QString group;           // level 0: the group caption
  std::int64_t config = 0; // level 2: the configuration id
  int index = 0;           // levels 1 and 2: the circuit number
  QString circuit;         // level 1: the circuit title; level 2: the configuration name

  static TRecLib ofGroup(const QString& caption) { return {caption, 0, 0, {}}; }
  static TRecLib ofCircuit(int n, const QString& title) { return {{}, 0, n, title}; }
  static TRecLib ofConfig(int n, std::int64_t id, const QString& name) { return {{}, id, n, name}; }
};

class LibraryTree : public QTreeWidget {
  Q_OBJECT
public:
  explicit LibraryTree(QWidget* parent = nullptr);

  // Adds a node under `parent` (nullptr for level 0) and gives it the text,
  // font and colour of its level.
  QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const TRecLib& record);

  static TRecLib record(const QTreeWidgetItem* item);
  static int level(const QTreeWidgetItem* item);

signals:
  // Right mouse button on a selected configuration node.
  void configMenuRequested(QTreeWidgetItem* item, const QPoint& globalPos);

protected:
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace velmorin::gui
