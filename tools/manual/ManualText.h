// The running text of the user manual as rich text: the chapters of
// docs/manual with numbered headings, then the circuit library built from the
// catalogue and the circuit comments file.
#pragma once

#include <QString>
#include <QStringList>

namespace velmorin::manual {

// Separates a heading's number from its title ("3.2", "C12"); the contents
// pages split headings on it to set numbers in a column of their own.
inline constexpr QChar kNumberSeparator{0x2002}; // en space

// Prefixes every <h1> of a chapter with its number and every <h2> with
// "chapter.section". Headings must be written as plain "<h1>" and "<h2>".
QString numberHeadings(const QString& chapterHtml, int chapter);

// One section per circuit: title, groups, and its comment from the comments
// file text, the headline in bold.
QString circuitLibraryHtml(const QString& commentsText, int chapter);

// The whole running text. Throws std::runtime_error naming a file that
// cannot be read.
QString manualBodyHtml(const QStringList& chapterFiles, const QString& commentsFile);

} // namespace velmorin::manual
