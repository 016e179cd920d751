#include "catalogue/CircuitComments.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace velmorin {

namespace {

bool isBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// Splits on line feeds; a carriage return before the line feed belongs to
// the line end, so files written on any system compare alike.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos)
      break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

} // namespace

std::string getMemoCircuit(std::string_view text, int item) {
  // An editor may have saved the file with a byte-order mark, which would
  // otherwise hide the first header.
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (text.substr(0, bom.size()) == bom)
    text.remove_prefix(bom.size());

  // Whole-line comparison: "#1" must not open the block of "#12", nor the reverse.
  const std::string header = "#" + std::to_string(item);
  std::string comment;
  bool inBlock = false;
  bool first = true;
  for (std::string_view line : splitLines(text)) {
    if (!line.empty() && line.front() == '#') {
      if (inBlock)
        break; // only the first block of a circuit counts
      inBlock = line == header;
      continue;
    }
    if (!inBlock)
      continue;
    if (!first)
      comment += "\r\n";
    comment += line;
    first = false;
  }
  return std::string(trimmed(comment));
}

std::string getMemoCircuitFromFile(const std::filesystem::path& path, int item) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("Cannot read " + path.string());
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad())
    throw std::runtime_error("Cannot read " + path.string());
  return getMemoCircuit(content.str(), item);
}

std::string_view commentHeadline(std::string_view comment) {
  const std::size_t dot = comment.find('.');
  if (dot == std::string_view::npos)
    return {};
  return comment.substr(0, dot + 1);
}

} // namespace velmorin
