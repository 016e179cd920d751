// What every circuit solver shares: the supply limit, the stray capacitance
// per pin, the stacked-voltage check, the error lines of a DC report, the
// report head and the first cell of the results row.
#pragma once

#include "text/Locale.h"

#include <string>

namespace velmorin {

// A supply above 500 V is computed as 500 V.
double limitSupply(double v);

// Stray capacitance per pin for the settings' "Bode"/"straycaps" index.
double strayCapForIndex(int index);

// Coupling and grid capacitors entered as exactly 0 are taken as 1 pF in the
// frequency response (the DC results do not use them).
inline double orOnePicofarad(double c) {
  return c == 0 ? 1e-12 : c;
}

// True when the drops along a DC path add up to the supply within tolerance.
bool stackOK(double tolerance, double sum, double supply);

// Appends the error lines of the failed checks; true when all passed.
bool appendErrors(std::string& text, bool loadlineOK, bool opOK, bool vgkOK, bool stackOK, bool itersOK);

// "<p><b>title</b></p><p><font color=\"#909090\">Velmorin</font></p>"
std::string reportHead(const Locale& locale, const std::string& title);

// The time of day now, in the format of the user's locale.
std::string localTimeOfDay();

} // namespace velmorin
