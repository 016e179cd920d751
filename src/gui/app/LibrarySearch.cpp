#include "app/LibrarySearch.h"

namespace velmorin::gui {

std::vector<int> searchCircuits(const std::array<QString, 41>& titles, const QString& s) {
  std::vector<int> found;
  if (s.isEmpty())
    return found;
  for (int n = 1; n <= 40; ++n)
    if (titles[std::size_t(n)].toLower().contains(s) || s == QString::number(n))
      found.push_back(n);
  return found;
}

} // namespace velmorin::gui
