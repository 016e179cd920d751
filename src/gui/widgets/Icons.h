// The small pictures of the solver window's buttons, drawn as scenes so they
// stay crisp at any screen scale: copy, load, save, options, and the
// clipboard picture flashed while a copy is made.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace velmorin::gui::icons {

QIcon copy();
QIcon load();
QIcon save();
QIcon options();
QPixmap clipboardFlash(int size = 64);
// The window icon of a circuit: one, two, three or four tube envelopes.
QPixmap circuitIcon(int tubes, int size = 64);

} // namespace velmorin::gui::icons
