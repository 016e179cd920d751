// A 12AX7 / ECC83 triode for the drawing tests, built from a model literal.
#pragma once

#include "TubeModels.h"
#include "models/TTube.h"
#include "models/TubeModel.h"

namespace velmorin::plot::testing {

inline TubeModel ecc83Model() {
  TubeModel m = velmorin::testing::ecc83();
  m.name = "ECC83";
  return m;
}

// The tube at an operating point (Vak, Vgk), as a bias solver leaves it.
inline TTube ecc83At(double Vak, double Vgk, TubeModel model = ecc83Model()) {
  TTube t(model, "T1");
  double Ia = 0;
  t.CalculerNK(Vak, Vgk, Ia);
  return t;
}

} // namespace velmorin::plot::testing
