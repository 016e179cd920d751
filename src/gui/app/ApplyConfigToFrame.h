// Restores a stored circuit configuration into a solver window's frame.
#pragma once

#include <cstdint>
#include <filesystem>

namespace velmorin::gui {

class CircuitFrame;

// Reads the values of configuration `id` and, for each edit, tube list and
// plain check box placed directly on the frame, in frame order, restores
// the first value stored under its name: an edit takes the text, a tube list
// selects the item equal to it (none when absent), a check box is ticked
// unless the text is "0". Controls without a value stay as they are; an id
// that no longer exists changes nothing. Database errors are raised.
void applyConfigToFrame(std::int64_t id, CircuitFrame& frame, const std::filesystem::path& folder);

} // namespace velmorin::gui
