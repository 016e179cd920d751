// Where the program keeps its per-user files (settings, databases, read-only
// data), and the seeding of the read-only data files delivered with it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmorin {

// $VELMORIN_DATA_DIR when set, else $XDG_DATA_HOME (or ~/.local/share)
// followed by Lurnik/Velmorin. Only computes the path.
std::filesystem::path resolveDataFolder();

// The data folder, created with its parents when missing. Creation is best
// effort: when it fails, the first file operation in it reports the problem
// with its own message.
std::filesystem::path dataFolder();

// The settings file: the program's base name followed by ".ini".
std::filesystem::path settingsFilePath(const std::string& baseName = "velmorin",
                                       const std::filesystem::path& folder = dataFolder());

// The read-only files delivered with the program that live in the data folder.
const std::vector<std::string>& readOnlyDataFileNames();

struct SeedResult {
  std::vector<std::string> copied; // in the order of readOnlyDataFileNames()
  std::vector<std::string> failed; // present in the source, but could not be copied
};

// Copies each read-only data file that `source` has and `folder` lacks. A file
// already in the data folder is never overwritten. Each copy is atomic, so an
// interrupted copy never leaves a truncated file that would count as present.
SeedResult seedDataFiles(const std::filesystem::path& source, const std::filesystem::path& folder);

} // namespace velmorin
