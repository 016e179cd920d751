// Page geometry, fonts, colours and style sheet of the printed user manual.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace velmorin::manual {

// An A4 page, in millimetres from its top-left corner.
struct PageGeometry {
  double width = 210.0;
  double height = 297.0;
  double left = 24.0;
  double right = 24.0;
  double textTop = 27.0;     // top of the running text
  double textBottom = 272.0; // bottom of the running text
  double headerBaseline = 17.0;
  double footerBaseline = 284.0;

  double textWidth() const { return width - left - right; }
  double textHeight() const { return textBottom - textTop; }
};

// The colour of headings and rules: the maroon of the program's own titles.
inline const QColor kAccent{0x70, 0x10, 0x10};
inline const QColor kMuted{0x70, 0x70, 0x70};

// The first installed family of each preference list, so the PDF looks the
// same wherever the Noto fonts are installed and stays readable where not.
QString sansFamily();
QString monoFamily();

QFont sansFont(double pointSize, QFont::Weight weight = QFont::Normal);

// Qt's rich-text subset of CSS for the running text.
QString bodyStyleSheet();

} // namespace velmorin::manual
