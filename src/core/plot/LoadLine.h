// The load-line diagram of one solved tube: the data taken from the tube
// (limits, operating point, two anode characteristics, dissipation curve) and
// its drawing as a Scene on the anode characteristic plane.
#pragma once

#include "models/TTube.h"
#include "plot/Colors.h"
#include "plot/Scene.h"
#include "text/Locale.h"

#include <string>
#include <vector>

namespace velmorin::plot {

// A point of the anode plane: volts and amperes.
struct VoltAmp {
  double v = 0, i = 0;
  bool operator==(const VoltAmp&) const = default;
};

// One anode characteristic at a fixed grid voltage, stepped 2 V at a time
// from 0 V until it leaves the plot or the dissipation limit.
struct Characteristic {
  double Vgk = 0;
  Argb color = kNavy;
  std::vector<VoltAmp> points;
  // Where its "Vg" label goes: the voltage one step past the last point, the
  // current of the last point.
  VoltAmp labelAt;
};

struct LoadLineData {
  std::string title; // "<Reference> <ModelName>"
  bool withLoadLine = true;
  double Imax = 0; // short-circuit current of the load line, top of the current scale (A)
  double Vmax = 0; // open-circuit voltage of the load line, end of the voltage scale (V)
  double Iamax = 0, Vamax = 0, Pamax = 0; // the tube's limits
  double Vak = 0, Ia = 0, Vgk = 0;        // the operating point
  // Navy at the operating grid voltage, then maroon at 0 V (drawn in this order).
  std::vector<Characteristic> characteristics;
  std::vector<VoltAmp> dissipation; // the Pamax hyperbola from Iamax up to Vamax
};

// The characteristic loops stop here whatever the scale, so absurd limits
// (a huge Vmax, a zero Pamax with infinite Vamax ...) cannot hang a drawing.
inline constexpr std::size_t kMaxCurvePoints = 20000;

LoadLineData makeLoadLineData(const TTube& tube, bool withLoadLine, double Imax, double Vmax);

// Draws the diagram at any size. Scale labels use `locale`'s separators.
// A scale that cannot exist (Imax or Vmax zero, negative or not finite) gives
// the title and the bare axes; any other item that would land at a
// non-finite position is left out.
Scene loadLineScene(const LoadLineData& data, double width, double height, const Locale& locale = Locale{});

} // namespace velmorin::plot
