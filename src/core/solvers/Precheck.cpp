#include "solvers/Precheck.h"

#include "text/EngValue.h"

namespace velmorin {

namespace {

const Entry* firstEdit(const std::vector<Entry>& entries, const std::string& name) {
  for (const auto& e : entries)
    if (e.kind == EntryKind::Edit && e.name == name)
      return &e;
  return nullptr;
}

} // namespace

std::vector<std::string> precheckLines(int circuit, const std::vector<Entry>& entries, const Locale& locale) {
  std::vector<std::string> lines;
  for (const auto& e : entries)
    if (e.kind == EntryKind::TubeList && e.text.empty())
      lines.emplace_back("Select tube(s)");
  if (const Entry* vb = firstEdit(entries, "EdVb")) {
    double v = parseEngValue(vb->text, locale);
    if (!(v >= 20 && v <= 800))
      lines.emplace_back("Supply voltage must be in the 20 ... 800V interval");
  }
  if (circuit >= 37 && circuit <= 40) {
    if (const Entry* vg = firstEdit(entries, "EdVg"); vg && parseEngValue(vg->text, locale) > 0)
      lines.emplace_back("Voltage on grid 1 must be negative or null");
  }
  return lines;
}

std::string precheckText(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines)
    s += l + "\n";
  return s;
}

} // namespace velmorin
