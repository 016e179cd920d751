#include "TempDataDir.h"

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace velmorin::testing {

TempDataDir::TempDataDir() {
  std::random_device rd;
  std::mt19937_64 gen(rd());
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = std::filesystem::temp_directory_path() / ("velmorin-test-" + std::to_string(gen()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      break;
    }
  }
  if (path_.empty())
    throw std::runtime_error("cannot create a temporary data folder");
  if (const char* prev = std::getenv("VELMORIN_DATA_DIR")) {
    previous_ = prev;
    hadPrevious_ = true;
  }
  setenv("VELMORIN_DATA_DIR", path_.c_str(), 1);
}

TempDataDir::~TempDataDir() {
  if (hadPrevious_)
    setenv("VELMORIN_DATA_DIR", previous_.c_str(), 1);
  else
    unsetenv("VELMORIN_DATA_DIR");
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

} // namespace velmorin::testing
