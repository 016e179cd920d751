#include "plot/TraceScene.h"

#include "plot/Colors.h"

#include <cmath>

namespace velmorin::plot {

Scene traceScene(const Trace& trace, double width, double height) {
  Scene scene;
  const double W = std::isfinite(width) && width > 0 ? width : 0;
  const double H = std::isfinite(height) && height > 0 ? height : 0;
  scene.width = W;
  scene.height = H;
  scene.background = kWhite;

  const std::size_t n = trace.pointCount();
  if (n < 2)
    return scene;
  const double xlast = trace.points[2 * (n - 1)];
  double ymax = -2147483647.0;
  for (std::size_t k = 0; k < n; ++k)
    if (trace.points[2 * k + 1] > ymax)
      ymax = trace.points[2 * k + 1];
  // Both scales divide by these; without them there is nothing to scale to.
  if (!std::isfinite(xlast) || xlast == 0 || !std::isfinite(ymax) || ymax <= 0)
    return scene;

  std::vector<PointF> pts;
  pts.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const PointF p{W * trace.points[2 * k] / xlast, (ymax - trace.points[2 * k + 1]) * H / ymax};
    if (std::isfinite(p.x) && std::isfinite(p.y))
      pts.push_back(p);
  }
  if (!pts.empty())
    scene.polyline(std::move(pts), kGreen, 3, true);
  return scene;
}

} // namespace velmorin::plot
