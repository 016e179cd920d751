// One row of the tube model table: the NK parameters, limits and
// interelectrode capacitances of a model, in SI units.
#pragma once

#include <string>

namespace velmorin {

struct TubeModel {
  std::string name;
  std::string comment;
  double kp = 0, mu = 0, kvb = 0, ex = 0, kg1 = 0;
  double pmax = 0;                  // maximum anode dissipation, W
  double imax = 0;                  // maximum anode current, A
  double vmax = 0;                  // maximum anode-cathode voltage, V
  double kg2 = 0;                   // screen-current constant (0 for triodes)
  double cgk = 0, cga = 0, cak = 0; // F
  int t35 = 0;                      // 3 = triode, 5 = pentode or beam tetrode
  double pemax = 0;                 // maximum screen dissipation, W
  double vemax = 0;                 // maximum screen-cathode voltage, V

  bool operator==(const TubeModel&) const = default;
};

// The equations divide by kp, mu, kg1 and kvb: a model with any of them 0
// (or of an unknown kind) must never be evaluated.
inline bool isEvaluable(const TubeModel& m) {
  return m.kp != 0 && m.mu != 0 && m.kg1 != 0 && m.kvb != 0 && (m.t35 == 3 || m.t35 == 5) &&
         (m.t35 == 3 || m.kg2 != 0);
}

} // namespace velmorin
