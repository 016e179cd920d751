#include "widgets/ReportHtml.h"

#include <cctype>
#include <string>
#include <vector>

namespace velmorin::gui {

namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string lowered(std::string_view s) {
  std::string out;
  for (char c : s)
    out.push_back(char(std::tolower(static_cast<unsigned char>(c))));
  return out;
}

// The value of attribute `name` (lower case) in a tag's attribute text.
std::string attribute(std::string_view attributes, std::string_view name) {
  const std::string low = lowered(attributes);
  std::size_t at = low.find(name);
  if (at == std::string::npos)
    return {};
  std::size_t i = at + name.size();
  while (i < low.size() && low[i] == ' ')
    ++i;
  if (i >= low.size() || low[i] != '=')
    return {};
  ++i;
  while (i < low.size() && low[i] == ' ')
    ++i;
  char quote = 0;
  if (i < low.size() && (low[i] == '"' || low[i] == '\''))
    quote = low[i++];
  std::size_t end = i;
  while (end < attributes.size() && (quote ? attributes[end] != quote : attributes[end] != ' '))
    ++end;
  return std::string(attributes.substr(i, end - i));
}

int indentPixels(std::string_view attributes) {
  const std::string v = attribute(attributes, "indent");
  int value = 0;
  for (char c : v) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || value >= 10000)
      break;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool isHtmlColour(const std::string& c) {
  if (c.size() != 7 || c[0] != '#')
    return false;
  for (std::size_t i = 1; i < c.size(); ++i)
    if (!std::isxdigit(static_cast<unsigned char>(c[i])))
      return false;
  return true;
}

struct Style {
  int bold = 0, italic = 0, sub = 0;
  std::vector<std::string> colours;
};

struct Line {
  int indent = 0;
  bool spaced = false; // a paragraph with a taller line
  QString html;
  bool hasText = false;
};

class RichTextWriter {
public:
  void text(std::string_view s, const Style& style) {
    if (!started_) {
      current_ = Line{indent_, spaced_, {}, false};
      started_ = true;
    }
    QString run = QString::fromUtf8(s.data(), qsizetype(s.size())).toHtmlEscaped();
    if (style.sub)
      run = "<sub>" + run + "</sub>";
    QString css;
    if (!style.colours.empty() && !style.colours.back().empty())
      css += QString("color:%1;").arg(QString::fromStdString(style.colours.back()));
    if (style.bold)
      // Noto Mono has no bold face; its sans sibling has one, with the same advance.
      css += "font-weight:bold;font-family:'Noto Sans Mono';";
    if (style.italic)
      css += "font-style:italic;";
    current_.html += css.isEmpty() ? run : QString("<span style=\"%1\">%2</span>").arg(css, run);
    current_.hasText = current_.hasText || s.find_first_not_of(' ') != std::string_view::npos;
  }
  void lineBreak() {
    lines_.push_back(started_ ? current_ : Line{});
    started_ = false;
  }
  void newLine() {
    if (started_)
      lineBreak();
  }
  void paragraph(int indent, bool spaced) {
    indent_ = indent;
    spaced_ = spaced;
  }

  QString finish(int pointSize) {
    newLine();
    std::size_t first = 0, last = lines_.size();
    while (first < last && !lines_[first].hasText)
      ++first;
    while (last > first && !lines_[last - 1].hasText)
      --last;
    QString out = QString("<html><body style=\"font-family:'Noto Mono','Noto Sans Mono',monospace;"
                          "font-size:%1pt;\">")
                      .arg(pointSize);
    for (std::size_t i = first; i < last; ++i) {
      const Line& l = lines_[i];
      const int gap = l.spaced ? 4 : 0;
      out +=
          QString("<p style=\"margin-top:%1px;margin-bottom:%1px;margin-left:%2px;white-space:pre;\">%3</p>")
              .arg(gap)
              .arg(l.indent)
              .arg(l.html.isEmpty() ? QStringLiteral("&#160;") : l.html);
    }
    out += "</body></html>";
    return out;
  }

private:
  std::vector<Line> lines_;
  Line current_;
  bool started_ = false;
  int indent_ = 0;
  bool spaced_ = false;
};

} // namespace

QString reportToRichText(std::string_view html, int pointSize) {
  RichTextWriter out;
  Style style;
  std::size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (c == '\r' || c == '\n') {
      out.lineBreak();
      i += (c == '\r' && i + 1 < html.size() && html[i + 1] == '\n') ? 2 : 1;
      continue;
    }
    const bool opensTag =
        c == '<' && i + 1 < html.size() &&
        (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/' || html[i + 1] == '!');
    const std::size_t close = opensTag ? html.find('>', i + 1) : std::string_view::npos;
    if (close == std::string_view::npos) {
      std::size_t next = html.find_first_of("<\r\n", i + 1);
      if (next == std::string_view::npos)
        next = html.size();
      out.text(html.substr(i, next - i), style);
      i = next;
      continue;
    }
    std::string_view inner = html.substr(i + 1, close - i - 1);
    i = close + 1;
    const bool closing = !inner.empty() && inner.front() == '/';
    if (closing)
      inner.remove_prefix(1);
    std::size_t nameEnd = 0;
    while (nameEnd < inner.size() && std::isalnum(static_cast<unsigned char>(inner[nameEnd])))
      ++nameEnd;
    const std::string_view name = inner.substr(0, nameEnd), attributes = inner.substr(nameEnd);
    auto count = [closing](int& n) { n = closing ? std::max(0, n - 1) : n + 1; };
    if (equalsNoCase(name, "p")) {
      out.newLine();
      if (closing)
        out.paragraph(0, false);
      else
        out.paragraph(indentPixels(attributes), !attribute(attributes, "line-height").empty());
    } else if (equalsNoCase(name, "br") || equalsNoCase(name, "hr")) {
      out.lineBreak();
    } else if (equalsNoCase(name, "b")) {
      count(style.bold);
    } else if (equalsNoCase(name, "i")) {
      count(style.italic);
    } else if (equalsNoCase(name, "sub")) {
      count(style.sub);
    } else if (equalsNoCase(name, "font")) {
      if (closing) {
        if (!style.colours.empty())
          style.colours.pop_back();
      } else {
        const std::string colour = attribute(attributes, "color");
        // A tag without a usable colour keeps the one around it.
        style.colours.push_back(isHtmlColour(colour)    ? colour
                                : style.colours.empty() ? std::string()
                                                        : style.colours.back());
      }
    }
  }
  return out.finish(pointSize);
}

} // namespace velmorin::gui
