// The frequency response of a chain of stage two-ports: the sweep with the
// gain of every stage output, the feedback-corrected overall gain, its
// maximum, the -3 dB bandwidth, and the gain / input-impedance table.
#pragma once

#include "frequency/TDataQP.h"
#include "frequency/TQuadripole.h"
#include "plot/BodePlot.h"

#include <span>
#include <string>
#include <vector>

namespace velmorin {

using plot::TLégendes;
using plot::TRecLégende;
using Legend = TRecLégende;

struct FrequencyResult {
  // Sweep, curves with their legends, fmaxGain, Gmax, fLow, fHigh: what the
  // Bode plot shows (plot::bodeScene draws it).
  plot::BodeData bode;
  // Blocks of rows at fmaxGain, 1, 10, ... 100000 Hz, each closed by a
  // separator row.
  std::vector<TDataQP> table;
};

// The short name of a stage kind as the table shows it.
const char* natureName(TTypeQuadripole kind);

// Overall gain at one frequency with the feedback fraction β applied,
// A/(A·β + 1), A the product of the main gains. Evaluates the chain from its
// last stage to its first, so each stage sees its downstream input impedance
// of this frequency; every stage keeps its gains and input impedance.
double chainGain(std::span<TQuadripole> chain, double β, double f);

// `title` is the configuration caption, `caption` "C%d"; legend k belongs to
// the k-th stage output in chain order and the one after the last output, if
// any, to the overall curve. The chain is consumed.
FrequencyResult frequencyResponse(const std::string& title, std::vector<TQuadripole> chain,
                                  const TLégendes& legends, const std::string& caption, double β, double fmax,
                                  double fmin);

} // namespace velmorin
