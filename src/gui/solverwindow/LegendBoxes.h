// The legends the Bode plot draws, read from the legend check boxes of the
// options panel: title, ticked state and colour of every visible box.
#pragma once

#include "plot/BodePlot.h"

namespace velmorin::gui {

class BodeOptions;

plot::TLégendes getCheckBoxLegends(const BodeOptions& options);

} // namespace velmorin::gui
