#include "ManualStyle.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmorin::manual {

namespace {

QString firstInstalled(const QStringList& wanted) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : wanted)
    if (installed.contains(family, Qt::CaseInsensitive))
      return family;
  return wanted.back();
}

} // namespace

QString sansFamily() {
  static const QString family = firstInstalled({"Noto Sans", "DejaVu Sans", "Liberation Sans", "Sans Serif"});
  return family;
}

QString monoFamily() {
  // "Noto Mono" has no bold face, "Noto Sans Mono" has.
  static const QString family =
      firstInstalled({"Noto Sans Mono", "Noto Mono", "DejaVu Sans Mono", "Liberation Mono", "Monospace"});
  return family;
}

QFont sansFont(double pointSize, QFont::Weight weight) {
  QFont font(sansFamily());
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  font.setStyleStrategy(QFont::PreferOutline);
  return font;
}

QString bodyStyleSheet() {
  const QString accent = kAccent.name();
  return QStringLiteral(
             "h1 { font-size: 20pt; font-weight: 600; color: %1; margin-top: 0px; margin-bottom: 16px;"
             " page-break-before: always; }"
             "h2 { font-size: 13.5pt; font-weight: 600; color: %1; margin-top: 20px; margin-bottom: 6px; }"
             "h3 { font-size: 11pt; font-weight: 600; margin-top: 12px; margin-bottom: 4px; }"
             "h4 { font-size: 9.5pt; font-weight: normal; font-style: italic; color: #707070;"
             " margin-top: 0px; margin-bottom: 5px; }"
             "p { margin-top: 0px; margin-bottom: 8px; line-height: 125%; }"
             "li { margin-bottom: 3px; line-height: 120%; }"
             "ul, ol { margin-top: 0px; margin-bottom: 8px; }"
             "code { font-family: '%2'; font-size: 9.5pt; color: #303030; }"
             "pre { font-family: '%2'; font-size: 9pt; background-color: #f3efe6;"
             " margin-top: 2px; margin-bottom: 10px; margin-left: 10px; }"
             "table { margin-top: 4px; margin-bottom: 10px; border-collapse: collapse; }"
             "th { background-color: #efe6e0; font-weight: 600; text-align: left; }"
             "td, th { padding: 3px; }")
      .arg(accent, monoFamily());
}

} // namespace velmorin::manual
