// Turns a report written in the report HTML subset into Qt rich text that
// lays out line for line as the plain-text copy does: one block per line,
// INDENT as a left margin, runs of blanks kept, the monospace report font.
#pragma once

#include <QString>

#include <string_view>

namespace velmorin::gui {

inline constexpr int kReportPointSize = 10;

QString reportToRichText(std::string_view html, int pointSize = kReportPointSize);

} // namespace velmorin::gui
