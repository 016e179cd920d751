// Default texts of the labelled edits, chosen by component name, used when a
// circuit has no remembered value for an edit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmorin {

// The default for a name by the substring rule ("Ra" → "100k", "Rk" → "1k", …,
// first matching substring wins, case-sensitive); nothing when no substring occurs.
std::optional<std::string_view> defaultTextForName(std::string_view name);

// The default text of control `name` of circuit n: the edit's own default
// within its frame, which falls back to the preceding edit's default when the
// name matches no substring. A name the frame lacks gets the substring rule or "".
std::string defaultEntryText(int n, std::string_view name);

} // namespace velmorin
