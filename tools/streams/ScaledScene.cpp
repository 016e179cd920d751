#include "ScaledScene.h"

#include <algorithm>
#include <variant>

namespace velmorin::streams {

plot::Scene scaledScene(const plot::Scene& scene, const ScaleRules& r) {
  const auto map = [&r](plot::PointF p) { return plot::PointF{p.x * r.scale + r.dx, p.y * r.scale + r.dy}; };
  const auto stroke = [&r](double w) { return std::max(w * r.scale, r.minStroke); };

  plot::Scene out;
  out.width = r.width;
  out.height = r.height;
  out.background = scene.background;
  out.items.reserve(scene.items.size());
  for (const plot::Item& item : scene.items) {
    if (const auto* l = std::get_if<plot::Line>(&item)) {
      out.line(map(l->a), map(l->b), l->color, stroke(l->width), l->roundEnds);
    } else if (const auto* p = std::get_if<plot::Polyline>(&item)) {
      std::vector<plot::PointF> points;
      points.reserve(p->points.size());
      for (plot::PointF pt : p->points)
        points.push_back(map(pt));
      out.polyline(std::move(points), p->color, stroke(p->width), p->roundEnds);
    } else if (const auto* rect = std::get_if<plot::Rect>(&item)) {
      const plot::PointF corner = map({rect->x, rect->y});
      out.rect(corner.x, corner.y, rect->w * r.scale, rect->h * r.scale, rect->fill);
    } else if (const auto* t = std::get_if<plot::Text>(&item)) {
      const double pointSize = t->pointSize * r.scale;
      if (pointSize * plot::kPixelsPerPoint < r.minTextPixels)
        continue;
      plot::Text scaled = *t;
      scaled.pos = map(t->pos);
      scaled.pointSize = pointSize;
      out.items.emplace_back(std::move(scaled));
    }
  }
  return out;
}

} // namespace velmorin::streams
