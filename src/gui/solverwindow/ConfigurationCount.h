// How many circuit configurations are stored for one circuit code ("C%d"),
// for the caption of the solver window's load button.
#pragma once

#include <filesystem>
#include <string>

namespace velmorin::gui {

inline constexpr const char* kConfigurationsFile = "Circuits_Configs.db";

// Counts the rows of "configs" with that code in the configurations
// database of `folder`. Like every operation on that file, it opens it
// (creating it and its tables when absent) and closes it again.
int getCountConfigs(const std::string& code, const std::filesystem::path& folder);

} // namespace velmorin::gui
