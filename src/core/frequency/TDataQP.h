// One row of the gain and input-impedance table: a stage output at one
// frequency. A row with an empty title separates two frequency blocks.
#pragma once

#include "plot/Scene.h"

#include <string>

namespace velmorin {

struct TDataQP {
  std::string titre;  // the output's legend title
  std::string nature; // the stage kind's short name
  plot::Argb couleur = 0xFF000000;
  double fréq = 0; // Hz
  double av = 0;   // gain as a factor
  double zin = 0;  // Ω
};

} // namespace velmorin
