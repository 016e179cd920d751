#include "settings/DataFolder.h"

#include "settings/AtomicFile.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace velmorin {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::filesystem::path homeFolder() {
  std::string home = environment("HOME");
  if (!home.empty())
    return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
    return entry->pw_dir;
  std::error_code ec;
  return std::filesystem::current_path(ec);
}

bool readWholeFile(const std::filesystem::path& file, std::string& content) {
  std::ifstream in(file, std::ios::binary);
  if (!in)
    return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

} // namespace

std::filesystem::path resolveDataFolder() {
  std::error_code ec;
  if (std::string dir = environment("VELMORIN_DATA_DIR"); !dir.empty())
    return std::filesystem::absolute(dir, ec);
  std::filesystem::path base;
  // The XDG rules say a relative XDG_DATA_HOME is invalid and must be ignored.
  if (std::filesystem::path xdg = environment("XDG_DATA_HOME"); xdg.is_absolute())
    base = xdg;
  else
    base = homeFolder() / ".local" / "share";
  return base / "Lurnik" / "Velmorin";
}

std::filesystem::path dataFolder() {
  std::filesystem::path folder = resolveDataFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return folder;
}

std::filesystem::path settingsFilePath(const std::string& baseName, const std::filesystem::path& folder) {
  return folder / (baseName + ".ini");
}

const std::vector<std::string>& readOnlyDataFileNames() {
  static const std::vector<std::string> names = {
      "introduction.html",  "schemas.txt",     "stream-miniatures.bin",
      "stream-schemas.bin", "stream-ec86.bin", "Velmorin User Manual.pdf",
  };
  return names;
}

SeedResult seedDataFiles(const std::filesystem::path& source, const std::filesystem::path& folder) {
  SeedResult result;
  for (const std::string& name : readOnlyDataFileNames()) {
    std::error_code ec;
    const auto from = source / name;
    const auto to = folder / name;
    if (!std::filesystem::is_regular_file(from, ec))
      continue;
    const bool present = std::filesystem::exists(to, ec);
    if (ec) {
      result.failed.push_back(name);
      continue;
    }
    if (present)
      continue;
    std::string content;
    try {
      if (!readWholeFile(from, content))
        throw std::runtime_error("unreadable");
      writeFileAtomically(to, content);
      result.copied.push_back(name);
    } catch (const std::exception&) {
      result.failed.push_back(name);
    }
  }
  return result;
}

} // namespace velmorin
