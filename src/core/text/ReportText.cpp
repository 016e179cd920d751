#include "text/ReportText.h"

#include <cctype>
#include <vector>

namespace velmorin {

namespace {

char lower(char c) {
  return char(std::tolower(static_cast<unsigned char>(c)));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i]))
      return false;
  return true;
}

struct Tag {
  std::string_view name; // without the '/' of a closing tag
  bool closing = false;
  std::string_view attributes;
};

Tag parseTag(std::string_view inner) {
  Tag tag;
  std::size_t i = 0;
  if (i < inner.size() && inner[i] == '/') {
    tag.closing = true;
    ++i;
  }
  std::size_t start = i;
  while (i < inner.size() && std::isalnum(static_cast<unsigned char>(inner[i])))
    ++i;
  tag.name = inner.substr(start, i - start);
  tag.attributes = inner.substr(i);
  return tag;
}

// The pixel value of an INDENT attribute ("INDENT=\"20\"", any case), 0
// when there is none or it is not a number.
int indentPixels(std::string_view attributes) {
  std::string lowered;
  for (char c : attributes)
    lowered.push_back(lower(c));
  std::size_t at = lowered.find("indent");
  if (at == std::string::npos)
    return 0;
  std::size_t i = at + 6;
  auto skipBlanks = [&] {
    while (i < lowered.size() && lowered[i] == ' ')
      ++i;
  };
  skipBlanks();
  if (i >= lowered.size() || lowered[i] != '=')
    return 0;
  ++i;
  skipBlanks();
  if (i < lowered.size() && (lowered[i] == '"' || lowered[i] == '\''))
    ++i;
  int value = 0;
  while (i < lowered.size() && std::isdigit(static_cast<unsigned char>(lowered[i])) && value < 10000)
    value = value * 10 + (lowered[i++] - '0');
  return value;
}

class PlainTextWriter {
public:
  void text(std::string_view s) {
    if (!started_) {
      current_.assign(std::size_t(indent_), ' ');
      started_ = true;
    }
    current_ += s;
  }
  // Ends the current line, even an empty one: a <BR> on its own is a blank line.
  void lineBreak() {
    lines_.push_back(started_ ? current_ : std::string());
    current_.clear();
    started_ = false;
  }
  // Starts a new line unless nothing has been written on the current one.
  void newLine() {
    if (started_)
      lineBreak();
  }
  void setIndent(int blanks) { indent_ = blanks; }

  std::string finish() {
    newLine();
    std::size_t first = 0;
    std::size_t last = lines_.size();
    while (first < last && isBlankLine(lines_[first]))
      ++first;
    while (last > first && isBlankLine(lines_[last - 1]))
      --last;
    std::string out;
    for (std::size_t i = first; i < last; ++i) {
      if (i > first)
        out.push_back('\n');
      out += lines_[i];
    }
    return out;
  }

private:
  static bool isBlankLine(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
  }

  std::vector<std::string> lines_;
  std::string current_;
  bool started_ = false;
  int indent_ = 0;
};

} // namespace

std::string reportToPlainText(std::string_view html) {
  PlainTextWriter out;
  std::size_t i = 0;
  while (i < html.size()) {
    char c = html[i];
    if (c == '\r' || c == '\n') {
      // Line ends in the source text count as line breaks; "\r\n" is one.
      out.lineBreak();
      i += (c == '\r' && i + 1 < html.size() && html[i + 1] == '\n') ? 2 : 1;
      continue;
    }
    // A '<' that does not open a tag ("Vgk < 0") is text.
    bool opensTag =
        c == '<' && i + 1 < html.size() &&
        (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/' || html[i + 1] == '!');
    std::size_t close = opensTag ? html.find('>', i + 1) : std::string_view::npos;
    if (close == std::string_view::npos) {
      std::size_t next = html.find_first_of("<\r\n", i + 1);
      if (next == std::string_view::npos)
        next = html.size();
      out.text(html.substr(i, next - i));
      i = next;
      continue;
    }
    Tag tag = parseTag(html.substr(i + 1, close - i - 1));
    i = close + 1;
    if (equalsNoCase(tag.name, "p")) {
      out.newLine();
      out.setIndent(tag.closing ? 0 : indentPixels(tag.attributes) / 5);
    } else if (equalsNoCase(tag.name, "br") || equalsNoCase(tag.name, "hr")) {
      out.lineBreak();
    }
  }
  return out.finish();
}

} // namespace velmorin
