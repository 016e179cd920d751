// A report in the report HTML subset, shown in the monospace report font
// and scrollable. Ctrl+C without a selection asks for the whole report to be
// copied as plain text, as the report's copy button does.
#pragma once

#include <QTextBrowser>

#include <string>

namespace velmorin::gui {

class ReportView : public QTextBrowser {
  Q_OBJECT
public:
  explicit ReportView(QWidget* parent = nullptr);

  void setReport(const std::string& html);
  const std::string& report() const { return report_; }
  // The report without its markup, one line per line of the report.
  QString plainText() const;

signals:
  void copyAllRequested();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  std::string report_;
};

} // namespace velmorin::gui
