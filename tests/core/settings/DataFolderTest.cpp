#include "settings/DataFolder.h"

#include "TempDataDir.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace velmorin {
namespace {

using testing::readText;
using testing::TempDataDir;
using testing::writeText;

// Sets (or, with nullopt, removes) an environment variable for one scope.
class ScopedEnv {
public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name))
      old_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DataFolder, ResolvesFromTheEnvironment) {
  TempDataDir scratch;
  const std::string root = scratch.path().string();
  // Each case lives in a folder of its own, so that one case's creation
  // cannot hide another's.
  const struct {
    std::optional<std::string> velmorin, xdg;
    std::filesystem::path expected;
  } cases[] = {
      {root + "/1/own", root + "/1/xdg", root + "/1/own"},
      {"", root + "/2/xdg", root + "/2/xdg/Lurnik/Velmorin"},
      {std::nullopt, root + "/3/xdg", root + "/3/xdg/Lurnik/Velmorin"},
      {std::nullopt, std::nullopt, root + "/4/home/.local/share/Lurnik/Velmorin"},
      {std::nullopt, "", root + "/5/home/.local/share/Lurnik/Velmorin"},
      {std::nullopt, "relative/xdg", root + "/6/home/.local/share/Lurnik/Velmorin"},
  };
  int index = 0;
  for (const auto& c : cases) {
    ScopedEnv home("HOME", root + "/" + std::to_string(++index) + "/home");
    ScopedEnv velmorin("VELMORIN_DATA_DIR", c.velmorin);
    ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
    EXPECT_EQ(resolveDataFolder(), c.expected);
    EXPECT_FALSE(std::filesystem::exists(c.expected)) << "resolving must not create " << c.expected;
    EXPECT_EQ(dataFolder(), c.expected);
    EXPECT_TRUE(std::filesystem::is_directory(c.expected)) << c.expected;
  }
}

TEST(DataFolder, SettingsFileIsTheBaseNameWithIni) {
  TempDataDir dir;
  EXPECT_EQ(settingsFilePath(), dir.path() / "velmorin.ini");
  EXPECT_EQ(settingsFilePath("tessivar", "/x/y"), std::filesystem::path("/x/y/tessivar.ini"));
}

TEST(DataFolder, SeedsOnlyMissingDataFiles) {
  TempDataDir source;
  TempDataDir target;
  writeText(source.file("schemas.txt"), "circuit comments");
  writeText(source.file("stream-ec86.bin"), std::string("\0\1\2\3", 4));
  writeText(source.file("introduction.html"), "new welcome");
  writeText(source.file("unrelated.txt"), "not ours");
  writeText(target.file("introduction.html"), "edited welcome");

  const SeedResult first = seedDataFiles(source.path(), target.path());
  EXPECT_EQ(first.copied, (std::vector<std::string>{"schemas.txt", "stream-ec86.bin"}));
  EXPECT_TRUE(first.failed.empty());
  EXPECT_EQ(readText(target.file("schemas.txt")), "circuit comments");
  EXPECT_EQ(readText(target.file("stream-ec86.bin")), std::string("\0\1\2\3", 4));
  EXPECT_EQ(readText(target.file("introduction.html")), "edited welcome");
  EXPECT_FALSE(std::filesystem::exists(target.file("unrelated.txt")));

  writeText(target.file("schemas.txt"), "edited comments");
  const SeedResult second = seedDataFiles(source.path(), target.path());
  EXPECT_TRUE(second.copied.empty());
  EXPECT_EQ(readText(target.file("schemas.txt")), "edited comments");
  EXPECT_EQ(testing::fileNames(target.path()),
            (std::vector<std::string>{"introduction.html", "schemas.txt", "stream-ec86.bin"}));
}

} // namespace
} // namespace velmorin
