#include "app/CommentView.h"

#include "catalogue/CircuitComments.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace velmorin::gui {

namespace {

const QUrl kDiagramUrl(QStringLiteral("velmorin-diagram://circuit"));

} // namespace

CommentView::CommentView(QWidget* parent) : QTextBrowser(parent) {
  setFrameShape(QFrame::NoFrame);
  setOpenLinks(false);
  setReadOnly(true);
}

void CommentView::showComment(const QString& comment, const QImage& diagram) {
  setVisible(true);
  clear();
  hasDiagram_ = false;
  // The comments file joins lines with CR LF; the view breaks paragraphs on LF.
  QString text = comment;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const std::string utf8 = text.toStdString();
  const QString headline = QString::fromStdString(std::string(commentHeadline(utf8)));

  QTextCursor cursor(document());
  QTextCharFormat plain;
  plain.setFont(font());
  cursor.insertText(text, plain);
  if (!headline.isEmpty()) {
    cursor.setPosition(0);
    cursor.setPosition(int(headline.size()), QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(font().pointSizeF() + 4);
    cursor.mergeCharFormat(bold);
  }
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QStringLiteral("\n"), plain);
  if (!diagram.isNull()) {
    document()->addResource(QTextDocument::ImageResource, kDiagramUrl, diagram);
    cursor.insertImage(kDiagramUrl.toString());
    hasDiagram_ = true;
  }
  moveCursor(QTextCursor::Start);
  setFocus();
}

void CommentView::showProblem(const QString& text) {
  setVisible(true);
  clear();
  hasDiagram_ = false;
  QTextCharFormat red;
  red.setForeground(QColor(0xB0, 0x20, 0x20));
  QTextCursor(document()).insertText(text, red);
}

QString CommentView::headline() const {
  QStringList parts;
  for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().fontWeight() >= QFont::Bold &&
          fragment.charFormat().fontPointSize() > font().pointSizeF())
        parts << fragment.text();
    }
  return parts.join(QStringLiteral("\n"));
}

} // namespace velmorin::gui
