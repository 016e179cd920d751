// The resistor table of a DC report: one aligned line per resistor that
// carries DC current (value, current, voltage drop, dissipation).
#pragma once

#include "text/Locale.h"

#include <string>
#include <vector>

namespace velmorin {

struct TResistor {
  std::string nom;     // label, e.g. "Ra"
  double r = 0;        // ohms
  double i = 0;        // amperes through it
  std::string temp;    // working cell text of the table builder
  std::string display; // the finished line
};

void setResistor(const std::string& nom, TResistor& rec, double i, double r);

// Lines joined with "<BR>"; columns padded with blanks so they line up in a
// monospaced report.
std::string resistorTable(const Locale& locale, std::vector<TResistor> rows);

} // namespace velmorin
