#include "catalogue/EntryDefaults.h"

#include "catalogue/FrameControls.h"

#include <array>
#include <utility>

namespace velmorin {

std::optional<std::string_view> defaultTextForName(std::string_view name) {
  // Order matters: the longer resistor and capacitor names come before the
  // bare "R" and "C", so that "EdRgs" is a grid stopper and not a grid resistor.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 14> rules = {{
      {"Ra", "100k"},
      {"Rk", "1k"},
      {"Rgs", "5k"},
      {"Rg", "1M"},
      {"Ro", "500k"},
      {"Rs", "1k"},
      {"R", "10k"},
      {"Co", "10p"},
      {"Cgs", "22p"},
      {"Cg", "10p"},
      {"Ck", "10µ"},
      {"C", "10n"},
      {"V", "250"},
      {"I", "1m"},
  }};
  // A grid's DC voltage would match "V" and sit at the supply: the follower,
  // cathodyne and differential stages could not bias and every power stage
  // would fail its negative-grid check. A grid starts at 0 V instead.
  if (name == "EdVg")
    return "0";
  for (const auto& [substring, text] : rules)
    if (name.find(substring) != std::string_view::npos)
      return text;
  return std::nullopt;
}

std::string defaultEntryText(int n, std::string_view name) {
  if (const FrameControl* control = findFrameControl(n, name))
    return control->defaultText;
  return std::string(defaultTextForName(name).value_or(""));
}

} // namespace velmorin
