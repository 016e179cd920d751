// The four tube-count icons of the solver windows: one, two, three and four
// triode symbols, drawn for each icon size so the small ones stay legible.
#pragma once

#include <QImage>

#include <vector>

namespace velmorin::streams {

// The sizes each icon file carries, largest first: a reader that takes the
// first picture gets the sharpest one.
const std::vector<int>& iconSizes();

// `tubes` triode symbols (1 to 4) on a transparent square of `size` pixels.
QImage tubeIcon(int tubes, int size);

} // namespace velmorin::streams
