// What the program does before its first window: the data folder, seeded
// with the read-only data files delivered with the program.
#pragma once

#include <filesystem>

namespace velmorin::gui {

// The data folder, with every read-only data file it lacks copied from the
// installed share/velmorin, or from the build tree's when the program runs
// where it was built.
std::filesystem::path prepareDataFolder();

} // namespace velmorin::gui
