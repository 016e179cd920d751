// Paints a core Scene with QPainter: antialiased lines and polylines with
// round or flat ends, filled rectangles and texts in their named font, point
// sizes taken at the reference 96 dpi so a drawing looks the same on every screen.
#pragma once

#include "plot/Scene.h"

#include <QColor>
#include <QImage>

class QPainter;

namespace velmorin::gui {

QColor toQColor(plot::Argb argb);

// Paints the scene's items (not its background) with the painter's current
// transformation: scene coordinates are the painter's logical pixels.
void paintSceneItems(QPainter& painter, const plot::Scene& scene);

// The whole scene, background included, as an image of the scene's size.
QImage renderScene(const plot::Scene& scene, qreal devicePixelRatio = 1.0);

} // namespace velmorin::gui
