#include "solverwindow/TableTexts.h"

#include "text/Format.h"

#include <cmath>

namespace velmorin::gui {

std::string gainTableCell(const TDataQP& row, int column, const Locale& l) {
  if (row.titre.empty())
    return {};
  switch (column) {
  case 0:
    return row.titre;
  case 1:
    return row.nature;
  case 2:
    // Megahertz stay in hertz, unscaled.
    if (row.fréq >= 1000 && row.fréq < 1e6)
      return sformat(l, "%.0fkHz", row.fréq / 1000);
    return sformat(l, "%.0fHz", row.fréq);
  case 3:
    return sformat(l, "%.2f", row.av);
  case 4:
    return row.av > 0 ? sformat(l, "%.1fdB", 20 * std::log10(row.av)) : std::string();
  case 5:
    if (row.zin == 0)
      return {};
    if (row.zin < 1000)
      return sformat(l, "%.0f Ω", row.zin);
    if (row.zin < 1e6)
      return sformat(l, "%.1f kΩ", row.zin / 1000);
    return sformat(l, "%.1f MΩ", row.zin / 1e6);
  default:
    return {};
  }
}

const std::vector<std::string>& gainTableCaptions() {
  static const std::vector<std::string> captions = {"Stage", "Type", "Frequ.", "Gain x", "Gain dB", "Zin"};
  return captions;
}

const std::vector<int>& gainTableWidths() {
  static const std::vector<int> widths = {80, 65, 55, 45, 55, 75};
  return widths;
}

std::optional<std::uint32_t> logColumnColor(std::string_view caption) {
  if (caption.find("(V)") != std::string_view::npos)
    return 0xFFFF0000;
  if (caption.find("A)") != std::string_view::npos)
    return 0xFF000080;
  if (caption.find("Ω)") != std::string_view::npos)
    return 0xFF800000;
  if (caption.find("W)") != std::string_view::npos)
    return 0xFFDD5555;
  if (!caption.empty() && caption.front() == 'T')
    return 0xFF22AA22;
  return std::nullopt;
}

std::string logTableText(const std::vector<std::string>& captions,
                         const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (const std::string& c : captions)
    out += c + "\t";
  out += "\r\n";
  for (const auto& row : rows) {
    for (const std::string& cell : row)
      out += cell + "\t";
    out += "\r\n";
  }
  return out;
}

} // namespace velmorin::gui
