#include "text/EngValue.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmorin {

namespace {

struct Suffix {
  std::string_view letter;
  double factor;
};

// Tested in this order; a later letter's factor overrides an earlier one's.
constexpr Suffix kSuffixes[] = {
    {"p", 1e-12}, {"n", 1e-9}, {"\u00B5", 1e-6}, {"m", 1e-3}, {"k", 1e3}, {"M", 1e6},
};

bool isBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The float conversion entries go through: an optional sign, digits with at
// most one decimal separator (the locale's; "10." and ".5" are numbers), an
// optional exponent. Thousands separators, hexadecimal, "inf", "nan", inner
// blanks and trailing text are not numbers. Returns false for those.
bool convert(std::string_view s, const Locale& locale, double& out) {
  std::string plain; // the same number with '.' for from_chars
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-')
      plain.push_back('-');
    ++i;
  }
  bool digits = false;
  bool separator = false;
  while (i < s.size()) {
    if (isDigit(s[i])) {
      plain.push_back(s[i++]);
      digits = true;
    } else if (!separator && !locale.decimal.empty() &&
               s.substr(i, locale.decimal.size()) == locale.decimal) {
      plain.push_back('.');
      i += locale.decimal.size();
      separator = true;
    } else {
      break;
    }
  }
  if (!digits)
    return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    plain.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
      plain.push_back(s[i++]);
    bool expDigits = false;
    while (i < s.size() && isDigit(s[i])) {
      plain.push_back(s[i++]);
      expDigits = true;
    }
    if (!expDigits)
      return false;
  }
  if (i != s.size())
    return false;
  double v = 0;
  auto res = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  // Out of range (overflow, or underflow below the smallest double) counts as
  // unconvertible, like any other conversion error.
  if (res.ec != std::errc() || res.ptr != plain.data() + plain.size())
    return false;
  out = v;
  return true;
}

} // namespace

double parseEngValue(std::string_view text, const Locale& locale) {
  std::string s(text);
  double factor = 1;
  for (const Suffix& suffix : kSuffixes) {
    std::size_t at = s.find(suffix.letter);
    if (at != std::string::npos) {
      s.replace(at, suffix.letter.size(), locale.decimal);
      factor = suffix.factor;
    }
  }
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && isBlank(s[begin]))
    ++begin;
  while (end > begin && isBlank(s[end - 1]))
    --end;
  double number = 0;
  if (!convert(std::string_view(s).substr(begin, end - begin), locale, number))
    return 1;
  double result = number * factor;
  // "1e308M" converts but its product does not exist.
  return std::isfinite(result) ? result : 1;
}

} // namespace velmorin
