#include "plot/Svg.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include <unistd.h>

namespace velmorin::plot {

namespace {

// SVG numbers are always written with a '.' whatever the user's locale.
void appendNumber(std::string& out, double v) {
  if (!std::isfinite(v))
    v = 0;
  if (v == 0)
    v = 0; // no "-0"
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, res.ptr);
}

void appendAttr(std::string& out, const char* name, double v) {
  out += ' ';
  out += name;
  out += "=\"";
  appendNumber(out, v);
  out += '"';
}

bool finite(PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// "rgb(r,g,b)" for the colour, plus an opacity attribute when not opaque.
void appendPaint(std::string& out, const char* what, Argb c) {
  unsigned a = (c >> 24) & 0xFF, r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
  char buf[64];
  std::snprintf(buf, sizeof buf, " %s=\"rgb(%u,%u,%u)\"", what, r, g, b);
  out += buf;
  if (a != 0xFF) {
    out += ' ';
    out += what;
    out += "-opacity=\"";
    appendNumber(out, std::round(a / 255.0 * 1000) / 1000);
    out += '"';
  }
}

void appendStroke(std::string& out, Argb color, double width, bool roundEnds) {
  appendPaint(out, "stroke", color);
  appendAttr(out, "stroke-width", width);
  out += roundEnds ? " stroke-linecap=\"round\" stroke-linejoin=\"round\"" : " stroke-linecap=\"butt\"";
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not valid.
std::size_t utf8Length(const std::string& s, std::size_t i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = byte(i);
  std::size_t n;
  unsigned cp;
  if (c < 0x80)
    return 1;
  if ((c & 0xE0) == 0xC0)
    n = 2, cp = c & 0x1F;
  else if ((c & 0xF0) == 0xE0)
    n = 3, cp = c & 0x0F;
  else if ((c & 0xF8) == 0xF0)
    n = 4, cp = c & 0x07;
  else
    return 0;
  if (i + n > s.size())
    return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80)
      return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr unsigned kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return n;
}

// Escapes the XML specials and replaces what XML cannot hold (control
// characters, broken UTF-8) so the document always stays well-formed.
void appendEscaped(std::string& out, const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    char c = s[i];
    switch (c) {
    case '&':
      out += "&amp;";
      ++i;
      continue;
    case '<':
      out += "&lt;";
      ++i;
      continue;
    case '>':
      out += "&gt;";
      ++i;
      continue;
    case '"':
      out += "&quot;";
      ++i;
      continue;
    case '\'':
      out += "&apos;";
      ++i;
      continue;
    default:
      break;
    }
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20) {
      if (c == '\t' || c == '\n' || c == '\r')
        out += c;
      ++i;
      continue;
    }
    std::size_t n = utf8Length(s, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD"; // U+FFFD
      ++i;
      continue;
    }
    out.append(s, i, n);
    i += n;
  }
}

const char* anchorName(Anchor a) {
  switch (a) {
  case Anchor::Center:
    return "middle";
  case Anchor::Right:
    return "end";
  case Anchor::Left:
    break;
  }
  return "start";
}

void appendItem(std::string& out, const Line& l) {
  if (!finite(l.a) || !finite(l.b) || !std::isfinite(l.width))
    return;
  out += "<line";
  appendAttr(out, "x1", l.a.x);
  appendAttr(out, "y1", l.a.y);
  appendAttr(out, "x2", l.b.x);
  appendAttr(out, "y2", l.b.y);
  appendStroke(out, l.color, l.width, l.roundEnds);
  out += "/>\n";
}

void appendItem(std::string& out, const Polyline& p) {
  if (p.points.empty() || !std::isfinite(p.width))
    return;
  for (const PointF& pt : p.points)
    if (!finite(pt))
      return;
  out += "<polyline points=\"";
  for (std::size_t k = 0; k < p.points.size(); ++k) {
    if (k)
      out += ' ';
    appendNumber(out, p.points[k].x);
    out += ',';
    appendNumber(out, p.points[k].y);
  }
  out += "\" fill=\"none\"";
  appendStroke(out, p.color, p.width, p.roundEnds);
  out += "/>\n";
}

void appendItem(std::string& out, const Rect& r) {
  if (!std::isfinite(r.x) || !std::isfinite(r.y) || !std::isfinite(r.w) || !std::isfinite(r.h))
    return;
  // SVG refuses negative sizes: a rectangle drawn upward or leftward is the
  // same rectangle from its other corner.
  out += "<rect";
  appendAttr(out, "x", r.w < 0 ? r.x + r.w : r.x);
  appendAttr(out, "y", r.h < 0 ? r.y + r.h : r.y);
  appendAttr(out, "width", std::abs(r.w));
  appendAttr(out, "height", std::abs(r.h));
  appendPaint(out, "fill", r.fill);
  out += "/>\n";
}

void appendItem(std::string& out, const Text& t) {
  if (!finite(t.pos) || !std::isfinite(t.pointSize))
    return;
  out += "<text";
  appendAttr(out, "x", t.pos.x);
  appendAttr(out, "y", t.pos.y);
  // The monospace family has no bold face; its sans sibling has one.
  std::string family = t.bold && t.family == "Noto Mono" ? "Noto Sans Mono" : t.family;
  out += " font-family=\"";
  appendEscaped(out, family);
  out += ", monospace\" font-size=\"";
  // Multiply before dividing: 12 pt gives exactly 16 px, not 15.999...
  appendNumber(out, t.pointSize * 96.0 / 72.0);
  out += "px\" text-anchor=\"";
  out += anchorName(t.anchor);
  out += '"';
  if (t.bold)
    out += " font-weight=\"bold\"";
  appendPaint(out, "fill", t.color);
  out += " xml:space=\"preserve\">";
  appendEscaped(out, t.text);
  out += "</text>\n";
}

} // namespace

std::string toSvg(const Scene& scene) {
  double w = std::isfinite(scene.width) && scene.width > 0 ? scene.width : 0;
  double h = std::isfinite(scene.height) && scene.height > 0 ? scene.height : 0;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
  appendAttr(out, "width", w);
  appendAttr(out, "height", h);
  out += " viewBox=\"0 0 ";
  appendNumber(out, w);
  out += ' ';
  appendNumber(out, h);
  out += "\">\n";
  out += "<rect x=\"0\" y=\"0\"";
  appendAttr(out, "width", w);
  appendAttr(out, "height", h);
  appendPaint(out, "fill", scene.background);
  out += "/>\n";
  for (const Item& item : scene.items)
    std::visit([&](const auto& i) { appendItem(out, i); }, item);
  out += "</svg>\n";
  return out;
}

void writeSvg(const Scene& scene, const std::filesystem::path& path) {
  const std::string text = toSvg(scene);
  std::filesystem::path tmp = path;
  tmp += ".tmp";
  auto fail = [&](const std::string& why) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    throw SvgWriteError("Cannot write " + path.string() + ": " + why);
  };
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f)
    fail("cannot create the temporary file");
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  // Flush to disk before the rename, or a crash could leave an empty file
  // under the final name.
  ok = ::fsync(::fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (!ok)
    fail("write error");
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec)
    fail(ec.message());
}

} // namespace velmorin::plot
