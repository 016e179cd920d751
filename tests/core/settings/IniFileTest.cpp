#include "settings/IniFile.h"
#include "settings/SettingsError.h"

#include "TempDataDir.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmorin {
namespace {

using testing::fileNames;
using testing::readText;
using testing::TempDataDir;
using testing::writeText;

TEST(IniFile, ReadsEveryGoodKeyDespiteGarbageAndCase) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  std::string text = "\xEF\xBB\xBF[Tessivar]\r\n"
                     "this line means nothing\r\n"
                     "FLAT=0\r\n"
                     "=orphan value\r\n"
                     "[broken section\r\n"
                     "LastCircuit = 12 \r\n";
  text += std::string("bin\0ary=1\n", 11);
  text += "flat=1\n" // a duplicate: the first one counts
          "[c7]\n"
          "EdRa=4k7\n"
          "EdVb\n"
          "[FormPosDim]\n"
          "Form1_l=-5000"; // no final line break
  writeText(path, text);

  IniFile ini(path);
  EXPECT_FALSE(ini.readBool("tessivar", "flat", true));
  EXPECT_EQ(ini.readInteger("TESSIVAR", "lastcircuit", 0), 12);
  EXPECT_EQ(ini.readString("C7", "edra", ""), "4k7");
  EXPECT_EQ(ini.value("C7", "EdVb"), std::nullopt);
  EXPECT_EQ(ini.value("Tessivar", "binary"), std::nullopt);
  EXPECT_EQ(ini.readInteger("formposdim", "FORM1_L", 0), -5000);
  EXPECT_EQ(ini.readString("Tessivar", "missing", "dflt"), "dflt");
}

TEST(IniFile, IntegerRule) {
  const struct {
    const char* text;
    std::optional<int> expected;
  } cases[] = {
      {"7", 7},
      {" -12 ", -12},
      {"+3", 3},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", {}},
      {"12abc", {}},
      {"yes", {}},
      {"", {}},
      {"1.5", {}},
      {"0x10", {}},
      {"$10", {}},
      {"+-3", {}},
      {"-", {}},
      {"1 2", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IniFile::parseInteger(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IniFile, BooleansAreIntegersAnyNonZeroBeingTrue) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  writeText(path, "[s]\ntwo=2\nminus=-1\nzero=0\nyes=yes\nempty=\n");
  IniFile ini(path);
  EXPECT_TRUE(ini.readBool("s", "two", false));
  EXPECT_TRUE(ini.readBool("s", "minus", false));
  EXPECT_FALSE(ini.readBool("s", "zero", true));
  EXPECT_TRUE(ini.readBool("s", "yes", true));
  EXPECT_FALSE(ini.readBool("s", "yes", false));
  EXPECT_TRUE(ini.readBool("s", "empty", true));
  EXPECT_EQ(ini.readInteger("s", "yes", 9), 9);
}

TEST(IniFile, WritesInWindowsFormAndReadsItBack) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  IniFile ini(path);
  ini.writeBool("Tessivar", "flat", true);
  ini.writeBool("Tessivar", "displayhor", false);
  ini.writeInteger("Tessivar", "lastcircuit", -3);
  ini.writeString("C1", "EdRa", "4k7");
  ini.writeString("C1", "Comment", "two\r\nlines");
  ini.writeString("TESSIVAR", "FLAT", "0"); // same key, other case: replaced, not added

  EXPECT_EQ(readText(path), "[Tessivar]\nflat=0\ndisplayhor=0\nlastcircuit=-3\n\n\n"
                            "[C1]\nEdRa=4k7\nComment=two  lines\n");
  IniFile again(path);
  EXPECT_EQ(again.readInteger("tessivar", "LASTCIRCUIT", 0), -3);
  EXPECT_EQ(again.readString("c1", "comment", ""), "two  lines");
}

TEST(IniFile, KeepsUnknownContentAcrossWrites) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  writeText(path, "; written by hand\n"
                  "[Tessivar]\n"
                  "; the last circuit\n"
                  "lastcircuit=4\n"
                  "futurekey=abc\n"
                  "[Unknown]\n"
                  "x=1\n"
                  "; closing remark\n");
  IniFile ini(path);
  ini.writeInteger("tessivar", "LASTCIRCUIT", 9);
  ini.writeString("C2", "EdVb", "300");

  const std::string text = readText(path);
  for (const char* kept : {"; written by hand", "; the last circuit\nlastcircuit=9", "futurekey=abc",
                           "[Unknown]\nx=1", "EdVb=300", "; closing remark"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n---\n" << text;
  // Rewriting again changes nothing more.
  ini.writeInteger("Tessivar", "lastcircuit", 9);
  EXPECT_EQ(readText(path), text);
}

TEST(IniFile, ReadingNeverCreatesTheFile) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  IniFile ini(path);
  EXPECT_EQ(ini.readInteger("Tessivar", "lastcircuit", 5), 5);
  EXPECT_EQ(ini.value("Tessivar", "flat"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(IniFile, WritesAtomicallyLeavingNoTemporaryFile) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  writeText(path, "[Tessivar]\nflat=0\n");
  ::chmod(path.c_str(), 0640);
  IniFile ini(path);
  for (int i = 0; i < 5; ++i)
    ini.writeInteger("C1", "n" + std::to_string(i), i);
  EXPECT_EQ(fileNames(dir.path()), std::vector<std::string>{"velmorin.ini"});
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

TEST(IniFile, SeesWhatAnotherRunningCopyWrote) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  IniFile first(path);
  IniFile second(path);
  EXPECT_EQ(first.readInteger("Tessivar", "lastcircuit", 0), 0);
  second.writeInteger("Tessivar", "lastcircuit", 8);
  first.writeBool("Tessivar", "flat", false);
  EXPECT_EQ(first.readInteger("Tessivar", "lastcircuit", 0), 8);
  EXPECT_FALSE(second.readBool("Tessivar", "flat", true));
}

// Expects the write to fail with an error naming the file, and the folder to
// hold exactly what it held before.
void expectFailedWrite(IniFile& ini, const std::filesystem::path& folder, const std::string& before) {
  const auto path = ini.path();
  try {
    ini.writeString("C1", "EdRa", std::string(200, 'x'));
    FAIL() << "the write succeeded";
  } catch (const SettingsError& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
  }
  if (!std::filesystem::exists(folder))
    return;
  EXPECT_EQ(readText(path), before);
  EXPECT_EQ(fileNames(folder), std::vector<std::string>{"velmorin.ini"});
}

TEST(IniFile, FailedWriteInMissingFolderRaises) {
  TempDataDir dir;
  IniFile ini(dir.path() / "absent" / "velmorin.ini");
  expectFailedWrite(ini, dir.path() / "absent", "");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "absent"));
}

TEST(IniFile, FailedWriteKeepsTheOldFile) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  const std::string before = "[Tessivar]\nflat=0\n";
  writeText(path, before);
  IniFile ini(path);
  // A file-size limit makes the write of the new content fail half-way,
  // even for a user whom permissions do not stop.
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &small);
  expectFailedWrite(ini, dir.path(), before);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  // The file object still works, and reads the disk's content.
  EXPECT_FALSE(ini.readBool("Tessivar", "flat", true));
  EXPECT_EQ(ini.value("C1", "EdRa"), std::nullopt);
}

TEST(IniFile, FailedWriteToReadOnlyFolderOrFileKeepsTheOldFile) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "permissions do not stop the super-user";
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  const std::string before = "[Tessivar]\nflat=0\n";
  writeText(path, before);
  IniFile ini(path);
  ::chmod(dir.path().c_str(), 0555);
  expectFailedWrite(ini, dir.path(), before);
  ::chmod(dir.path().c_str(), 0755);
  ::chmod(path.c_str(), 0444);
  expectFailedWrite(ini, dir.path(), before);
}

} // namespace
} // namespace velmorin
