// Plain text of a report written in the report HTML subset, for the
// clipboard and the command-line tool.
#pragma once

#include <string>
#include <string_view>

namespace velmorin {

// Paragraphs start on a new line and <BR>/<HR> break the line; other tags are
// dropped (<SUB>m</SUB> becomes m). Indented paragraphs get one blank per 5
// pixels of INDENT (20 → 4, 40 → 8). Blanks are kept as written; no empty
// lines at the start or end; lines joined with "\n".
std::string reportToPlainText(std::string_view html);

} // namespace velmorin
