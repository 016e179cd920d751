// The error raised when the settings file cannot be written; its text names
// the file so the user knows which one to look at.
#pragma once

#include <stdexcept>
#include <string>

namespace velmorin {

class SettingsError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace velmorin
