#include "text/Format.h"

#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velmorin {

namespace {

// Beyond this many decimals a double carries no information; the cap also
// keeps a mistyped precision from producing a huge text.
constexpr int kMaxDecimals = 18;

struct Conversion {
  bool leftAlign = false;
  int width = -1;
  int precision = -1; // -1: none given; "%.d" gives 0 digits, i.e. none
  char type = 0;
};

// Number of UTF-8 code points, so that widths and %s precisions count
// characters, not bytes, for the "Ω", "µ", "±" of the reports.
std::size_t codePoints(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80)
      ++n;
  return n;
}

std::string_view firstCodePoints(std::string_view s, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (seen == count)
        return s.substr(0, i);
      ++seen;
    }
  }
  return s;
}

void appendPadded(std::string& out, std::string_view text, const Conversion& conv) {
  std::size_t len = codePoints(text);
  std::size_t pad = conv.width > 0 && std::size_t(conv.width) > len ? std::size_t(conv.width) - len : 0;
  if (!conv.leftAlign)
    out.append(pad, ' ');
  out.append(text);
  if (conv.leftAlign)
    out.append(pad, ' ');
}

std::string integerText(const FormatArg& arg, int minDigits) {
  std::string digits;
  bool negative = false;
  if (const auto* i = std::get_if<std::int64_t>(&arg)) {
    negative = *i < 0;
    // Through unsigned so that the most negative value has a magnitude too.
    std::uint64_t mag = negative ? std::uint64_t(0) - std::uint64_t(*i) : std::uint64_t(*i);
    digits = std::to_string(mag);
  } else {
    double v = std::get<double>(arg);
    if (!std::isfinite(v))
      return std::string(kNotAvailable);
    FixedDigits f = roundToFixed(v, 0);
    negative = f.negative;
    digits = f.integer;
  }
  if (minDigits > 0 && digits.size() < std::size_t(minDigits))
    digits.insert(0, std::size_t(minDigits) - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::string floatText(const Locale& locale, const FormatArg& arg, int decimals, bool thousands) {
  double v = 0;
  if (const auto* i = std::get_if<std::int64_t>(&arg))
    v = double(*i);
  else
    v = std::get<double>(arg);
  if (!std::isfinite(v))
    return std::string(kNotAvailable);
  return fixedText(locale, roundToFixed(v, decimals), thousands);
}

// Reads "[-][width][.precision]type" after a '%'; returns false when the
// text is not a conversion, `pos` then still points after the '%'.
bool parseSpec(std::string_view fmt, std::size_t& pos, Conversion& conv) {
  std::size_t p = pos;
  auto readNumber = [&](int& value) {
    bool any = false;
    long n = 0;
    while (p < fmt.size() && fmt[p] >= '0' && fmt[p] <= '9') {
      if (n < 1000000)
        n = n * 10 + (fmt[p] - '0');
      ++p;
      any = true;
    }
    value = any ? int(n) : value;
    return any;
  };
  if (p < fmt.size() && fmt[p] == '-') {
    conv.leftAlign = true;
    ++p;
  }
  readNumber(conv.width);
  if (p < fmt.size() && fmt[p] == '.') {
    ++p;
    conv.precision = 0;
    readNumber(conv.precision);
  }
  if (p >= fmt.size())
    return false;
  char t = fmt[p];
  if (t >= 'A' && t <= 'Z')
    t = char(t - 'A' + 'a');
  if (t != 's' && t != 'd' && t != 'f' && t != 'n')
    return false;
  conv.type = t;
  pos = p + 1;
  return true;
}

} // namespace

std::string sformatv(const Locale& locale, std::string_view fmt, const std::vector<FormatArg>& args) {
  std::string out;
  out.reserve(fmt.size() + 16 * args.size());
  std::size_t next = 0;
  std::size_t i = 0;
  while (i < fmt.size()) {
    char c = fmt[i];
    if (c != '%') {
      std::size_t end = fmt.find('%', i);
      if (end == std::string_view::npos)
        end = fmt.size();
      out.append(fmt.substr(i, end - i));
      i = end;
      continue;
    }
    if (i + 1 < fmt.size() && fmt[i + 1] == '%') {
      out.push_back('%');
      i += 2;
      continue;
    }
    std::size_t pos = i + 1;
    Conversion conv;
    if (!parseSpec(fmt, pos, conv)) {
      // Not a conversion we know: keep the '%' as written rather than fail
      // the whole report.
      out.push_back('%');
      ++i;
      continue;
    }
    i = pos;
    if (next >= args.size())
      continue; // a missing argument writes nothing
    const FormatArg& arg = args[next++];
    bool isText = std::holds_alternative<std::string>(arg);
    switch (conv.type) {
    case 's':
      if (isText) {
        std::string_view s = std::get<std::string>(arg);
        if (conv.precision >= 0)
          s = firstCodePoints(s, std::size_t(conv.precision));
        appendPadded(out, s, conv);
      }
      break;
    case 'd':
      if (!isText)
        appendPadded(out, integerText(arg, std::min(conv.precision, kMaxDecimals)), conv);
      break;
    case 'f':
    case 'n':
      if (!isText) {
        int decimals = conv.precision < 0 ? 2 : std::min(conv.precision, kMaxDecimals);
        appendPadded(out, floatText(locale, arg, decimals, conv.type == 'n'), conv);
      }
      break;
    }
  }
  return out;
}

} // namespace velmorin
