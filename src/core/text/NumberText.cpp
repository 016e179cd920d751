#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velmorin {

namespace {

constexpr int kSignificant = 15;

// Adds one unit in the last place of a decimal digit string.
void incrementDigits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

} // namespace

FixedDigits roundToFixed(double v, int decimals) {
  if (decimals < 0)
    decimals = 0;
  FixedDigits r;
  // `scaled` holds the value times 10^decimals as a decimal integer.
  std::string scaled;
  if (v != 0 && std::isfinite(v)) {
    // to_chars ignores the process locale, unlike printf, which a GUI
    // toolkit may have switched to the user's decimal comma.
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, kSignificant - 1);
    std::string_view text(buf, std::size_t(res.ptr - buf));
    std::size_t e = text.find('e');
    std::string mantissa;
    for (char c : text.substr(0, e))
      if (c != '.')
        mantissa.push_back(c);
    int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    // Digits of the mantissa kept before the rounding position.
    long keep = long(exponent) + 1 + decimals;
    bool roundUp = false;
    if (keep <= 0) {
      roundUp = keep == 0 && mantissa[0] >= '5';
    } else if (keep < long(mantissa.size())) {
      scaled = mantissa.substr(0, std::size_t(keep));
      roundUp = mantissa[std::size_t(keep)] >= '5';
    } else {
      scaled = mantissa;
      scaled.append(std::size_t(keep) - mantissa.size(), '0');
    }
    if (roundUp)
      incrementDigits(scaled);
    r.negative = v < 0;
  }
  if (scaled.size() < std::size_t(decimals) + 1)
    scaled.insert(0, std::size_t(decimals) + 1 - scaled.size(), '0');
  std::size_t intLen = scaled.size() - std::size_t(decimals);
  std::size_t firstNonZero = scaled.find_first_not_of('0');
  if (firstNonZero == std::string::npos)
    r.negative = false; // "-0.00" is never shown
  std::size_t lead = 0;
  while (lead + 1 < intLen && scaled[lead] == '0')
    ++lead;
  r.integer = scaled.substr(lead, intLen - lead);
  r.fraction = scaled.substr(intLen);
  return r;
}

std::string fixedText(const Locale& locale, const FixedDigits& digits, bool thousands) {
  std::string out;
  if (digits.negative)
    out.push_back('-');
  if (thousands && !locale.thousands.empty()) {
    std::size_t n = digits.integer.size();
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0)
        out += locale.thousands;
      out.push_back(digits.integer[i]);
    }
  } else {
    out += digits.integer;
  }
  if (!digits.fraction.empty()) {
    out += locale.decimal;
    out += digits.fraction;
  }
  return out;
}

} // namespace velmorin
