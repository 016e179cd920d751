// A fresh, empty data folder for one test: created in the system's temporary
// folder, exported as VELMORIN_DATA_DIR, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

namespace velmorin::testing {

class TempDataDir {
public:
  TempDataDir();
  ~TempDataDir();
  TempDataDir(const TempDataDir&) = delete;
  TempDataDir& operator=(const TempDataDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
  std::filesystem::path path_;
  std::string previous_;
  bool hadPrevious_ = false;
};

} // namespace velmorin::testing
