#include "widgets/ReportView.h"

#include "text/ReportText.h"
#include "widgets/ReportHtml.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace velmorin::gui {

ReportView::ReportView(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setLineWrapMode(QTextEdit::NoWrap);
  setFrameShape(QFrame::NoFrame);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReportView::setReport(const std::string& html) {
  report_ = html;
  setHtml(reportToRichText(html));
}

QString ReportView::plainText() const {
  return QString::fromStdString(reportToPlainText(report_));
}

void ReportView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
    emit copyAllRequested();
    event->accept();
    return;
  }
  QTextBrowser::keyPressEvent(event);
}

} // namespace velmorin::gui
