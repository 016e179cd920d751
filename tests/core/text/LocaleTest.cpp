#include "text/Locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

// glibc's newlocale does not free the search list it builds from LOCPATH,
// which these tests set to reach their own compiled locales. Only that
// function of the C library is excused; a leak of ours would still fail.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:__argz_add_sep\n";
}

namespace velmorin {
namespace {

namespace fs = std::filesystem;

// Sets the locale variables for one test and puts the previous values back.
class LocaleEnvironment : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
      if (saved_[i])
        setenv(kNames[i], saved_[i]->c_str(), 1);
      else
        unsetenv(kNames[i]);
    }
    if (!dir_.empty())
      fs::remove_all(dir_);
  }

  // Compiles a locale whose only own category is LC_NUMERIC into a private
  // folder and points LOCPATH at it; false where the machine cannot.
  bool makeLocale(const std::string& name, const std::string& decimal, const std::string& thousands) {
    if (dir_.empty()) {
      dir_ = fs::temp_directory_path() / ("velmorin-locale-" + std::to_string(::getpid()));
      fs::create_directories(dir_);
      setenv("LOCPATH", dir_.c_str(), 1);
    }
    fs::path source = dir_ / (name + ".src");
    std::ofstream(source) << "LC_CTYPE\ncopy \"POSIX\"\nEND LC_CTYPE\n"
                          << "LC_NUMERIC\ndecimal_point \"" << decimal << "\"\nthousands_sep \"" << thousands
                          << "\"\ngrouping 3;3\nEND LC_NUMERIC\n";
    fs::create_directories(dir_ / name);
    std::string command =
        "localedef -c -i '" + source.string() + "' -f UTF-8 '" + (dir_ / name).string() + "' >/dev/null 2>&1";
    std::system(command.c_str());
    return fs::exists(dir_ / name / "LC_NUMERIC");
  }

  static constexpr const char* kNames[] = {"LC_ALL", "LC_NUMERIC", "LANG", "LOCPATH"};
  std::vector<std::optional<std::string>> saved_;
  fs::path dir_;
};

TEST_F(LocaleEnvironment, CLocaleAndUnknownNamesGiveDotAndComma) {
  for (const char* name : {"C", "POSIX", "xx_NOWHERE.UTF-8"}) {
    setenv("LC_ALL", name, 1);
    Locale l = Locale::fromEnvironment();
    EXPECT_EQ(l.decimal, ".") << name;
    EXPECT_EQ(l.thousands, ",") << name;
  }
  unsetenv("LC_ALL");
  Locale l = Locale::fromEnvironment();
  EXPECT_EQ(l.decimal, ".");
  EXPECT_EQ(l.thousands, ",");
}

TEST_F(LocaleEnvironment, ReadsTheSeparatorsOfTheNamedLocale) {
  if (!makeLocale("de_XX.UTF-8", "<U002C>", "<U002E>") || !makeLocale("fr_XX.UTF-8", "<U002C>", "<U202F>") ||
      !makeLocale("nt_XX.UTF-8", "<U002C>", ""))
    GTEST_SKIP() << "localedef cannot build test locales here";

  // LC_ALL wins over LC_NUMERIC, which wins over LANG.
  setenv("LANG", "C", 1);
  setenv("LC_NUMERIC", "fr_XX.UTF-8", 1);
  setenv("LC_ALL", "de_XX.UTF-8", 1);
  Locale de = Locale::fromEnvironment();
  EXPECT_EQ(de.decimal, ",");
  EXPECT_EQ(de.thousands, ".");

  unsetenv("LC_ALL");
  Locale fr = Locale::fromEnvironment();
  EXPECT_EQ(fr.decimal, ",");
  EXPECT_EQ(fr.thousands, "\u202F");

  unsetenv("LC_NUMERIC");
  setenv("LANG", "nt_XX.UTF-8", 1);
  Locale none = Locale::fromEnvironment();
  EXPECT_EQ(none.decimal, ",");
  // No thousands separator of its own, and "," is already the decimal one.
  EXPECT_EQ(none.thousands, ".");
}

} // namespace
} // namespace velmorin
