#include "solvers/ResistorTable.h"

#include "text/Format.h"
#include "text/ReportValues.h"

#include <algorithm>
#include <functional>

namespace velmorin {

namespace {

// Length in characters (UTF-8 code points), so "kΩ" counts as two.
std::size_t charCount(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(
      s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Fills `temp` of every row with cell(row), pads it on the left until its
// length exceeds the longest cell + 1, and appends it in the colour.
void appendColumn(const Locale& locale, std::vector<TResistor>& rows, const char* colour,
                  const std::function<std::string(const TResistor&)>& cell) {
  std::size_t w = 0;
  for (auto& row : rows) {
    row.temp = cell(row);
    w = std::max(w, charCount(row.temp));
  }
  for (auto& row : rows) {
    std::size_t len = charCount(row.temp);
    if (len < w + 2)
      row.temp.insert(0, w + 2 - len, ' ');
    row.display += sformat(locale, "<FONT color=\"%s\">%s</FONT>", colour, row.temp);
  }
}

} // namespace

void setResistor(const std::string& nom, TResistor& rec, double i, double r) {
  rec.nom = nom;
  rec.i = i;
  rec.r = r;
}

std::string resistorTable(const Locale& locale, std::vector<TResistor> rows) {
  std::size_t w = 0;
  for (const auto& row : rows)
    w = std::max(w, charCount(row.nom));
  for (auto& row : rows) {
    row.display = row.nom;
    std::size_t len = charCount(row.nom);
    if (len < w)
      row.display.append(w - len, ' ');
  }
  appendColumn(locale, rows, "#601010", [](const TResistor& r) { return ohmUnitText(r.r); });
  appendColumn(locale, rows, "#73369E",
               [&](const TResistor& r) { return sformat(locale, "%.3fmA", r.i * 1000); });
  appendColumn(locale, rows, "#990000",
               [&](const TResistor& r) { return sformat(locale, "%.2fV", r.i * r.r); });
  appendColumn(locale, rows, "#e3780E",
               [&](const TResistor& r) { return sformat(locale, "%.0fmW", r.i * r.i * 1000 * r.r); });
  std::string out;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (k > 0)
      out += "<BR>";
    out += rows[k].display;
  }
  return out;
}

} // namespace velmorin
