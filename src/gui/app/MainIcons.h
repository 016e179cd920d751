// The small pictures of the main window, drawn rather than shipped: the menu
// picture, the window buttons of the title bar, the two library layouts and
// the marker of the last-circuit link.
#pragma once

#include <QPixmap>

namespace velmorin::gui::mainicons {

QPixmap menu(int size = 26);
QPixmap minimize(int size = 16);
QPixmap maximize(int size = 16); // shown while the window is normal
QPixmap restore(int size = 16);  // shown while it is maximised
QPixmap close(int size = 16);
// The library layout pictures of the toggle: 0 side by side, 1 one above the other.
QPixmap layout(int image, int size = 20);
QPixmap openCircuit(int size = 14);

} // namespace velmorin::gui::mainicons
