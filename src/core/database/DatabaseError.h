// The error raised by a failed SQLite call: "SQLite3 error: " followed by
// SQLite's own message.
#pragma once

#include <stdexcept>
#include <string>

namespace velmorin {

class DatabaseError : public std::runtime_error {
public:
  explicit DatabaseError(const std::string& sqliteMessage)
      : std::runtime_error("SQLite3 error: " + sqliteMessage) {}
};

} // namespace velmorin
