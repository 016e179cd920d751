// The two pictures of a circuit in the library: the gallery thumbnail and
// the larger diagram shown beside the circuit's comment. A circuit that has
// no drawing yet gets a plain card naming it, so the library stays whole.
#pragma once

#include <QImage>

namespace velmorin::streams {

// The thumbnail canvas: every tile of the gallery shows a picture of this
// size (220 by 140 pixels a tile, its title beside the picture).
inline constexpr int kThumbnailWidth = 120;
inline constexpr int kThumbnailHeight = 104;

// The diagram beside the comment: the drawing at one common scale, shrunk
// further only when it would not fit this box.
inline constexpr double kDiagramScale = 0.85;
inline constexpr int kDiagramMaxWidth = 560;
inline constexpr int kDiagramMaxHeight = 440;

QImage circuitThumbnail(int n);
QImage circuitDiagram(int n);

} // namespace velmorin::streams
