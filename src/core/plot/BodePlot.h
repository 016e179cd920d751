// The Bode plot of a frequency-response run: the curves of every stage output
// and of the overall gain on logarithmic axes, with the bandwidth summary.
#pragma once

#include "plot/Scene.h"
#include "text/Locale.h"

#include <string>
#include <vector>

namespace velmorin::plot {

// One plot legend as the solver window offers it: its title, whether its
// curve is to be drawn, and its colour.
struct TRecLégende {
  std::string légende_titre;
  bool légende_display = true;
  Argb légende_color = 0xFF000000;
};
using TLégendes = std::vector<TRecLégende>;

// One curve of the plot with the legend it belongs to. A curve without a
// legend of its own has an empty title and is not drawn.
struct BodeCurve {
  std::string title;
  Argb color = 0xFF000000;
  bool ticked = false;
  std::vector<double> gains; // one per sweep frequency
};

// Everything the plot shows; the frequency-response run fills it.
struct BodeData {
  std::string title;   // configuration caption
  std::string caption; // "C%d"
  double β = 0;        // feedback fraction, 0 for none
  std::vector<double> frequencies;
  std::vector<BodeCurve> outputs; // one per stage output, in chain order
  BodeCurve overall;
  // True when a legend is left for the overall curve after the stage outputs.
  bool overallShown = false;
  TLégendes legends; // all legends, in order
  double fmaxGain = 0, Gmax = 0, fLow = 0, fHigh = 0;
};

Scene bodeScene(const BodeData& data, const Locale& locale, double width, double height);

} // namespace velmorin::plot
