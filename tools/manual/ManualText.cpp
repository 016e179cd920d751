#include "ManualText.h"

#include "catalogue/Categories.h"
#include "catalogue/CircuitComments.h"
#include "catalogue/Circuits.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velmorin::manual {

namespace {

QString readUtf8(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("Cannot read " + path.toStdString());
  return QString::fromUtf8(file.readAll());
}

QString groupsOf(int circuit) {
  QStringList names;
  for (const CategoryInfo& info : categories())
    if (info.category != Category::All && belongsTo(circuit, info.category))
      names << QString::fromUtf8(info.filterCaption.data(),
                                 static_cast<qsizetype>(info.filterCaption.size()));
  return names.isEmpty() ? QStringLiteral("none besides \"All\"") : names.join(QStringLiteral(", "));
}

// The comment as paragraphs, one per line of the file; its headline, the
// first sentence, is set in bold as in the library's comment view.
QString commentHtml(const std::string& comment) {
  const std::string_view headline = commentHeadline(comment);
  const QString text = QString::fromUtf8(comment.data(), static_cast<qsizetype>(comment.size()));
  const qsizetype headlineLength =
      QString::fromUtf8(headline.data(), static_cast<qsizetype>(headline.size())).size();
  QString html;
  qsizetype offset = 0;
  for (const QString& line : text.split(QStringLiteral("\r\n"))) {
    const qsizetype start = offset;
    offset += line.size() + 2;
    if (line.trimmed().isEmpty())
      continue;
    QString paragraph;
    if (start < headlineLength) {
      const qsizetype boldLength = std::min(headlineLength - start, line.size());
      paragraph =
          "<b>" + line.left(boldLength).toHtmlEscaped() + "</b>" + line.mid(boldLength).toHtmlEscaped();
    } else {
      paragraph = line.toHtmlEscaped();
    }
    html += "<p>" + paragraph + "</p>\n";
  }
  return html;
}

} // namespace

QString numberHeadings(const QString& chapterHtml, int chapter) {
  static const QRegularExpression heading(QStringLiteral("<h([12])>"));
  QString result;
  int section = 0;
  qsizetype last = 0;
  auto match = heading.globalMatch(chapterHtml);
  while (match.hasNext()) {
    const QRegularExpressionMatch m = match.next();
    result += chapterHtml.mid(last, m.capturedStart() - last);
    QString number = QString::number(chapter);
    if (m.captured(1) == QLatin1String("2"))
      number += '.' + QString::number(++section);
    result += m.captured(0) + number + kNumberSeparator;
    last = m.capturedEnd();
  }
  result += chapterHtml.mid(last);
  return result;
}

QString circuitLibraryHtml(const QString& commentsText, int chapter) {
  const std::string comments = commentsText.toStdString();
  QString html = QStringLiteral("<h1>%1%2The circuit library</h1>\n").arg(chapter).arg(kNumberSeparator);
  html += QStringLiteral("<p>The forty circuits in library order, with the groups under which the gallery "
                         "filter and the tree list them and the comment the library shows when the "
                         "mouse rests on a circuit.</p>\n");
  for (int n = 1; n <= kCircuitCount; ++n) {
    const std::string_view title = circuitTitle(n);
    html += QStringLiteral("<h2>C%1%2%3</h2>\n")
                .arg(n)
                .arg(kNumberSeparator)
                .arg(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())).toHtmlEscaped());
    html += QStringLiteral("<h4>Groups: %1</h4>\n").arg(groupsOf(n).toHtmlEscaped());
    html += commentHtml(getMemoCircuit(comments, n));
  }
  return html;
}

QString manualBodyHtml(const QStringList& chapterFiles, const QString& commentsFile) {
  QString html;
  int chapter = 0;
  for (const QString& file : chapterFiles)
    html += numberHeadings(readUtf8(file), ++chapter) + '\n';
  html += circuitLibraryHtml(readUtf8(commentsFile), chapter + 1);
  return html;
}

} // namespace velmorin::manual
