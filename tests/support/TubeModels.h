// Built-in tube models written out as plain values, for the tests of the
// modules below the model database (which cannot read its built-in table).
#pragma once

#include "models/TubeModel.h"

namespace velmorin::testing {

inline TubeModel ecc83() {
  TubeModel m;
  m.name = "ECC83 / 12AX7";
  m.kp = 600;
  m.mu = 100;
  m.kvb = 300;
  m.ex = 1.4;
  m.kg1 = 1060;
  m.pmax = 1;
  m.imax = 0.008;
  m.vmax = 350;
  m.cgk = m.cga = m.cak = 1e-12;
  m.t35 = 3;
  return m;
}

inline TubeModel t300b() {
  TubeModel m;
  m.name = "300B";
  m.kp = 65;
  m.mu = 3.95;
  m.kvb = 300;
  m.ex = 1.4;
  m.kg1 = 1550;
  m.pmax = 36;
  m.imax = 0.1;
  m.vmax = 400;
  m.cgk = m.cga = m.cak = 1e-12;
  m.t35 = 3;
  return m;
}

inline TubeModel el34() {
  TubeModel m;
  m.name = "EL34";
  m.kp = 47.01;
  m.mu = 14.18;
  m.kvb = 3.6;
  m.ex = 1.175;
  m.kg1 = 282.3;
  m.pmax = 25;
  m.imax = 0.15;
  m.vmax = 800;
  m.kg2 = 1147;
  m.cgk = 15e-12;
  m.cga = 1e-12;
  m.cak = 8e-12;
  m.t35 = 5;
  m.pemax = 8;
  m.vemax = 500;
  return m;
}

} // namespace velmorin::testing
