// A Windows-style INI settings file: section and key names compared without
// regard to case, content the program does not know kept, and every write
// stored on disk at once and atomically.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmorin {

class IniFile {
public:
  // Nothing is read yet, and nothing is ever created by reading: the file
  // appears with the first write.
  explicit IniFile(std::filesystem::path file);
  ~IniFile();
  IniFile(IniFile&&) noexcept;
  IniFile& operator=(IniFile&&) noexcept;
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::filesystem::path& path() const;

  // Reads see the file as it is on disk now: another running copy's writes
  // are picked up. A missing or unreadable file reads as empty.
  std::optional<std::string> value(const std::string& section, const std::string& key) const;
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // A missing key, or a value that is not a decimal integer, gives the default.
  int readInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // Read as an integer, any non-zero value being true ("2" is true, "yes" the default).
  bool readBool(const std::string& section, const std::string& key, bool defaultValue) const;

  // Each write merges into the file as it is on disk now and replaces it
  // atomically. A failure raises SettingsError naming the file; the file on
  // disk is then unchanged. Strings are stored on one line: line breaks in a
  // value become blanks.
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInteger(const std::string& section, const std::string& key, int value);
  void writeBool(const std::string& section, const std::string& key, bool value);
  // Several keys of one section in a single write: all of them or none.
  void writeValues(const std::string& section,
                   const std::vector<std::pair<std::string, std::string>>& values);

  // The integer reading rule on its own: optional sign, decimal digits,
  // surrounding blanks ignored, within the range of int.
  static std::optional<int> parseInteger(const std::string& text);

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

} // namespace velmorin
