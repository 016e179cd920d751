// The convergence trace of one iteratively solved tube drawn as a Scene: the
// currents tried, one point per iteration, as a single green line.
#pragma once

#include "models/Trace.h"
#include "plot/Scene.h"

namespace velmorin::plot {

// The last point lies on the right edge, the first (x = 0) on the left; the
// largest y touches the top edge and y = 0 the bottom. No margins, axes or
// labels. A trace with fewer than two points, a last x of 0 or a largest y
// of 0 or less has no scale and draws nothing; points that are not finite
// are skipped.
Scene traceScene(const Trace& trace, double width, double height);

} // namespace velmorin::plot
