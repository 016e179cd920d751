// A scene redrawn at another scale: geometry shrinks, but strokes keep a
// visible width and texts too small to read are left out, so a small
// picture of a large drawing stays crisp instead of fading to grey.
#pragma once

#include "plot/Scene.h"

namespace velmorin::streams {

struct ScaleRules {
  double scale = 1;
  double dx = 0, dy = 0;        // offset added after scaling
  double minStroke = 0;         // thinnest stroke, in pixels of the result
  double minTextPixels = 0;     // texts smaller than this, in pixels, are dropped
  double width = 0, height = 0; // size of the resulting canvas
};

plot::Scene scaledScene(const plot::Scene& scene, const ScaleRules& rules);

} // namespace velmorin::streams
