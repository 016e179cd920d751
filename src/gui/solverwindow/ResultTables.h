// The two result tables of the solver window: the logged results (`VSTL`),
// one row per solve under the circuit's columns, and the gain and input
// impedance table (`VSTQ`), refilled by every frequency-response run.
#pragma once

#include "text/Locale.h"

#include <QAbstractTableModel>
#include <QTreeView>

#include <string>
#include <vector>

namespace velmorin {
struct TDataQP;
}

namespace velmorin::gui {

class LogTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit LogTableModel(QObject* parent = nullptr);

  // The first column "-", then the circuit's captions.
  void setColumns(std::vector<std::string> captions);
  void addRow(std::vector<std::string> cells);
  const std::vector<std::string>& captions() const { return captions_; }
  const std::vector<std::vector<std::string>>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  std::vector<std::string> captions_;
  std::vector<std::vector<std::string>> rows_;
};

class GainTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  GainTableModel(Locale locale, QObject* parent = nullptr);
  ~GainTableModel() override;

  void setRows(std::vector<TDataQP> rows);
  const std::vector<TDataQP>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  Locale locale_;
  std::vector<TDataQP> rows_;
};

// A flat list view with a visible header, whole-row selection and vertical
// grid lines. Ctrl+C asks for the table to be copied.
class ResultTableView : public QTreeView {
  Q_OBJECT
public:
  explicit ResultTableView(QWidget* parent = nullptr);

signals:
  void copyRequested();

protected:
  void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velmorin::gui
