// Circuit configurations: named, commented sets of one circuit's entry values,
// kept in their own SQLite file and read and written by component name.
#pragma once

#include "settings/DataFolder.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velmorin {

inline constexpr const char* kConfigurationsFile = "Circuits_Configs.db";

// One row of "configs". `code` is "C%d" with the circuit number.
struct TCircuitConfig {
  std::int64_t id = 0;
  std::string code;
  std::string Name;
  std::string Comment;
  bool operator==(const TCircuitConfig&) const = default;
};
using TArrayCircuitConfig = std::vector<TCircuitConfig>;

// One stored control value: `clef` is the component name, `valeur` its text.
struct TKeyVal {
  std::int64_t fkid = 0;
  std::string clef;
  std::string valeur;
  bool operator==(const TKeyVal&) const = default;
};
using TArrayKeyVal = std::vector<TKeyVal>;

std::filesystem::path configurationsFilePath(const std::filesystem::path& folder = dataFolder());

// Every operation below opens the file (creating it and both tables when
// absent), does its work and closes it again. A failed SQLite call raises
// DatabaseError ("SQLite3 error: %s").

// How many configurations are stored under `code`.
int getCountConfigs(const std::string& code, const std::filesystem::path& folder = dataFolder());

// The configurations stored under `code`, in the order the database returns them.
TArrayCircuitConfig getCircuitConfigs(const std::string& code,
                                      const std::filesystem::path& folder = dataFolder());

// The stored values of configuration `fkid` in the order the database returns
// them; their `fkid` is left at 0. An id that no longer exists gives none.
TArrayKeyVal getKeyVal(std::int64_t fkid, const std::filesystem::path& folder = dataFolder());

// Stores `config` (its code, Name and Comment; its id is ignored) with its
// values. A configuration of the same code and name is overwritten: its
// comment, and the values of the keys it already has (it gains no new keys
// and keeps keys the values no longer name). Otherwise a new configuration is
// created. Returns the id of the configuration written.
std::int64_t saveConfig(const TCircuitConfig& config, const TArrayKeyVal& keyVals,
                        const std::filesystem::path& folder = dataFolder());

// Removes the configuration and its values; returns true.
bool deleteCircuitConfig(std::int64_t id, const std::filesystem::path& folder = dataFolder());

// What the library tree lists under each circuit: element n holds the
// configurations of circuit n (id, code, name; no comment) in database order,
// all read through one connection. Element 0 stays empty.
std::vector<TArrayCircuitConfig> getLibraryConfigs(const std::filesystem::path& folder = dataFolder());

} // namespace velmorin
