// Prints the user manual to PDF: a title page, the contents with page
// numbers, then the running text with a running head and page numbers.
#pragma once

#include <QString>

namespace velmorin::manual {

struct BookInfo {
  QString title;    // "Velmorin"
  QString subtitle; // "User Manual"
  QString tagline;
  QString version;
};

// Writes the PDF at `outputPath`. Throws std::runtime_error when the file
// cannot be written.
void printManual(const QString& outputPath, const QString& bodyHtml, const BookInfo& info);

} // namespace velmorin::manual
