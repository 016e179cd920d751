// The coloured value formats of the reports (one colour and unit per
// physical quantity), the results-table cell format and the resistor units.
#pragma once

#include "text/Locale.h"

#include <string>
#include <string_view>

namespace velmorin {

// Each shows `v` with `n` decimals after `label`; a value that is not finite
// shows "n/a". Volt, milliampere and watt formats put a blank after the label.
std::string fmtVolt(const Locale& locale, std::string_view label, int n, double v);
std::string fmtMilliAmp(const Locale& locale, std::string_view label, int n, double milliAmps);
std::string fmtMilliWatt(const Locale& locale, std::string_view label, int n, double milliWatts);
std::string fmtWatt(const Locale& locale, std::string_view label, int n, double v);
// `v` in A/V, shown in mA/V.
std::string fmtGm(const Locale& locale, std::string_view label, int n, double v);
std::string fmtNum(const Locale& locale, std::string_view label, int n, double v);
// In MΩ or kΩ when the value is a whole number of those, else in Ω.
std::string fmtOhm(const Locale& locale, std::string_view label, int n, double v);

// A results-table cell: v × scale with n decimals and thousands separators.
std::string fmtCell(const Locale& locale, int n, double scale, double v);

// The resistance column of the resistor table: no decimals, unit by the rule
// of fmtOhm, no markup ("100kΩ", "1500Ω").
std::string ohmUnitText(double r);

} // namespace velmorin
