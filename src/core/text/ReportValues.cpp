#include "text/ReportValues.h"

#include "text/Format.h"

#include <cmath>

namespace velmorin {

namespace {

constexpr const char* kVoltPositive = "#990000";
constexpr const char* kVoltNegative = "#009900";
constexpr const char* kCurrent = "#73369E";
constexpr const char* kPower = "#e3780E";
constexpr const char* kTransconductance = "#00AA66";
constexpr const char* kNumber = "#AA0066";
constexpr const char* kResistance = "#601010";

// The format text is assembled around the decimal count, so the caller's n
// becomes part of the conversion ("%.2f"); a negative count means none.
std::string valueFormat(std::string_view head, int n, std::string_view tail) {
  std::string fmt(head);
  fmt += "%.";
  fmt += std::to_string(n < 0 ? 0 : n);
  fmt += "f";
  fmt += tail;
  return fmt;
}

std::string colouredValue(const Locale& locale, std::string_view head, std::string_view tail,
                          std::string_view label, const char* colour, int n, double v) {
  return sformat(locale, valueFormat(head, n, tail), label, colour, v);
}

bool isWhole(double v) {
  return v == std::trunc(v);
}

struct OhmUnit {
  double value;
  const char* unit;
};

// The unit is chosen on the exact value, before any rounding for display.
// A value that is not finite keeps the plain unit: it shows as "n/a" anyway.
OhmUnit ohmUnit(double v) {
  if (!std::isfinite(v))
    return {v, "Ω"};
  if (isWhole(v) && isWhole(v / 1e6))
    return {v / 1e6, "MΩ"};
  if (isWhole(v) && isWhole(v / 1000))
    return {v / 1000, "kΩ"};
  return {v, "Ω"};
}

} // namespace

std::string fmtVolt(const Locale& locale, std::string_view label, int n, double v) {
  return colouredValue(locale, "%s <FONT color=\"%s\"><b>", " V</b></FONT>", label,
                       v >= 0 ? kVoltPositive : kVoltNegative, n, v);
}

std::string fmtMilliAmp(const Locale& locale, std::string_view label, int n, double milliAmps) {
  return colouredValue(locale, "%s <FONT color=\"%s\"><b>", " mA</b></FONT>", label, kCurrent, n, milliAmps);
}

std::string fmtMilliWatt(const Locale& locale, std::string_view label, int n, double milliWatts) {
  return colouredValue(locale, "%s <FONT color=\"%s\"><b>", " mW</b></FONT>", label, kPower, n, milliWatts);
}

std::string fmtWatt(const Locale& locale, std::string_view label, int n, double v) {
  return colouredValue(locale, "%s <FONT color=\"%s\"><b>", " W</b></FONT>", label, kPower, n, v);
}

std::string fmtGm(const Locale& locale, std::string_view label, int n, double v) {
  return colouredValue(locale, "%s<FONT color=\"%s\"><b>", "mA/V</b></FONT>", label, kTransconductance, n,
                       v * 1000);
}

std::string fmtNum(const Locale& locale, std::string_view label, int n, double v) {
  return colouredValue(locale, "%s<FONT color=\"%s\"><b>", "</b></FONT>", label, kNumber, n, v);
}

std::string fmtOhm(const Locale& locale, std::string_view label, int n, double v) {
  OhmUnit u = ohmUnit(v);
  std::string tail = u.unit;
  tail += "</b></FONT>";
  return colouredValue(locale, "%s<FONT color=\"%s\"><b>", tail, label, kResistance, n, u.value);
}

std::string fmtCell(const Locale& locale, int n, double scale, double v) {
  std::string fmt = "%." + std::to_string(n < 0 ? 0 : n) + "n";
  return sformat(locale, fmt, v * scale);
}

std::string ohmUnitText(double r) {
  OhmUnit u = ohmUnit(r);
  return sformat(Locale{}, std::string("%.0f") + u.unit, u.value);
}

} // namespace velmorin
