// The library search: which circuits a search text finds, by title or by
// bare number.
#pragma once

#include <QString>

#include <array>
#include <vector>

namespace velmorin::gui {

// The circuits, in number order, whose lower-cased title contains `s` or
// whose number written in decimal equals `s`. `s` is the search text
// already trimmed and lower-cased; `titles` holds titles 1 to 40.
std::vector<int> searchCircuits(const std::array<QString, 41>& titles, const QString& s);

} // namespace velmorin::gui
