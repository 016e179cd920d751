// Decimal rendering of doubles for the report formats: rounding to a fixed
// number of decimals as the reports show it, and the locale's separators.
#pragma once

#include "text/Locale.h"

#include <string>
#include <string_view>

namespace velmorin {

// What a report shows where a number cannot exist (NaN or infinity).
inline constexpr std::string_view kNotAvailable = "n/a";

// A finite value rounded to a fixed number of decimals, as decimal digits.
struct FixedDigits {
  bool negative = false; // never set when every digit is 0
  std::string integer;   // at least one digit, no leading zeros
  std::string fraction;  // exactly the requested number of digits
};

// Takes the value to 15 significant digits first, then rounds half away from
// zero, so that 1.2345 (stored as 1.23449999...) shows 1.235 with 3 decimals.
FixedDigits roundToFixed(double v, int decimals);

// The digits with the locale's decimal separator and, if asked, its
// thousands separator between groups of three integer digits.
std::string fixedText(const Locale& locale, const FixedDigits& digits, bool thousands);

} // namespace velmorin
