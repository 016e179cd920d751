// velmorin-cli as a user runs it: a real process on a fresh data folder.
#include "TempDataDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

struct CliRun {
  int status = -1;
  std::string out; // standard output
  std::string err; // standard error
};

std::string quote(const std::string& s) {
  std::string q = "'";
  for (char c : s)
    q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

CliRun cli(const std::vector<std::string>& args, const std::filesystem::path& dataDir) {
  std::string errFile = (dataDir / "stderr.txt").string();
  std::string cmd = "LC_ALL=C VELMORIN_DATA_DIR=" + quote(dataDir.string()) + " " + quote(VELMORIN_CLI_PATH);
  for (const auto& a : args)
    cmd += " " + quote(a);
  cmd += " 2>" + quote(errFile);
  CliRun r;
  FILE* p = popen(cmd.c_str(), "r");
  std::array<char, 4096> buf{};
  std::size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
    r.out.append(buf.data(), n);
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  std::ifstream e(errFile);
  std::stringstream ss;
  ss << e.rdbuf();
  r.err = ss.str();
  std::filesystem::remove(errFile);
  return r;
}

std::vector<std::string> lines(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string l; std::getline(in, l);)
    out.push_back(l);
  return out;
}

using velmorin::testing::TempDataDir;

TEST(Cli, ModelsCreatesTheDatabaseAndListsByName) {
  TempDataDir dir;
  CliRun r = cli({"models"}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  auto names = lines(r.out);
  ASSERT_EQ(names.size(), 29u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(names.front(), "12AY7");
  EXPECT_TRUE(std::filesystem::exists(dir.file("Velmorin-2.db")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("velmorin.ini"))); // nothing was set

  CliRun p = cli({"models", "--type", "pentode", "--format", "json"}, dir.path());
  ASSERT_EQ(p.status, 0);
  EXPECT_EQ(nlohmann::json::parse(p.out).size(), 8u);
}

TEST(Cli, PointGivesCurrentsAndSmallSignalValues) {
  TempDataDir dir;
  CliRun r = cli({"point", "ECC83 / 12AX7", "--vak", "250", "--vgk", "0", "--format", "json"}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = nlohmann::json::parse(r.out);
  EXPECT_NEAR(j["Ia"].get<double>(), 2 * std::pow(2.501, 1.4) / 1060, 2e-5);
  EXPECT_TRUE(j["Is"].is_null());
  EXPECT_NEAR(j["mu"].get<double>(), j["rho"].get<double>() * j["gm"].get<double>(), 1e-9);

  CliRun p =
      cli({"point", "EL34", "--vak", "250", "--vgk", "-15", "--vg2", "250", "--format", "json"}, dir.path());
  ASSERT_EQ(p.status, 0) << p.err;
  auto k = nlohmann::json::parse(p.out);
  EXPECT_NEAR(k["Ia"].get<double>(), 0.0759, 0.0002);
  EXPECT_NEAR(k["Is"].get<double>(), std::pow(250 / 14.18 - 15, 1.5) / 1147, 1e-6);

  CliRun t = cli({"point", "ECC83 / 12AX7", "--vak", "250", "--vgk", "-1"}, dir.path());
  ASSERT_EQ(t.status, 0);
  EXPECT_NE(t.out.find("Ia  = "), std::string::npos);
}

TEST(Cli, BadInputGivesOneLineAndStatusTwo) {
  TempDataDir dir;
  const std::vector<std::vector<std::string>> cases = {
      {"point", "NoSuchTube", "--vak", "250", "--vgk", "0"},
      {"point", "ECC83 / 12AX7", "--vak", "abc", "--vgk", "0"},
      {"point", "EL34", "--vak", "250", "--vgk", "-15"}, // a pentode needs its screen voltage
      {"solve", "C99"},
      {"solve", "C1", "--tube", "ECC83 / 12AX7", "--set", "EdNope=1"},
      {"solve", "C1", "--tube", "ECC83 / 12AX7", "--fmin", "3"},
      {"solve", "C1", "--tube", "ECC83 / 12AX7", "--time", "25:00:00"},
  };
  for (const auto& args : cases) {
    CliRun r = cli(args, dir.path());
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
  }
}

TEST(Cli, CircuitsListsAllForty) {
  TempDataDir dir;
  CliRun r = cli({"circuits", "--format", "json"}, dir.path());
  ASSERT_EQ(r.status, 0);
  auto j = nlohmann::json::parse(r.out);
  ASSERT_EQ(j.size(), 40u);
  EXPECT_EQ(j[0]["title"], "Common-cathode amplifier, cathode bias");
  EXPECT_EQ(j[0]["code"], "C1");
}

TEST(Cli, SolveC1WithTheDefaults) {
  TempDataDir dir;
  CliRun r =
      cli({"solve", "C1", "--tube", "ECC83 / 12AX7", "--time", "10:20:30", "--format", "json"}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = nlohmann::json::parse(r.out);
  EXPECT_TRUE(j["refused"].is_null());
  EXPECT_EQ(j["dcReport"].get<std::string>().find("No convergence"), std::string::npos);
  ASSERT_EQ(j["resultsRow"].size(), 16u);
  EXPECT_EQ(j["resultsColumns"].size(), 16u);
  EXPECT_EQ(j["resultsRow"][0], "10:20:30");
  double sum = 0;
  for (const auto& s : j["stacks"][0])
    sum += s["volts"].get<double>();
  EXPECT_NEAR(sum, 250, 1);
  EXPECT_EQ(j["frequency"]["freqs"].size(), 46u);
  EXPECT_TRUE(j["power"].is_null());

  CliRun text = cli({"solve", "C1", "--tube", "ECC83 / 12AX7"}, dir.path());
  ASSERT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("Quiescent state T1 ECC83 / 12AX7"), std::string::npos);
  EXPECT_NE(text.out.find("Aunbyp"), std::string::npos);
}

TEST(Cli, SolveErrorsAndRefusals) {
  TempDataDir dir;
  CliRun err =
      cli({"solve", "C1", "--tube", "ECC83 / 12AX7", "--set", "EdRk=0", "--format", "json"}, dir.path());
  ASSERT_EQ(err.status, 0); // solved, with error lines
  auto j = nlohmann::json::parse(err.out);
  EXPECT_EQ(j["resultsRow"][0], "ERROR");
  EXPECT_NE(j["dcReport"].get<std::string>().find("Vgk > 0"), std::string::npos);

  CliRun pre = cli({"solve", "C1", "--set", "EdVb=1k"}, dir.path());
  EXPECT_EQ(pre.status, 2);
  EXPECT_EQ(pre.err, "Select tube(s)\nSupply voltage must be in the 20 ... 800V interval\n");

  CliRun preJson = cli({"solve", "C1", "--set", "EdVb=1k", "--format", "json"}, dir.path());
  EXPECT_EQ(preJson.status, 2);
  auto p = nlohmann::json::parse(preJson.out);
  EXPECT_EQ(p["refused"], "Select tube(s)\nSupply voltage must be in the 20 ... 800V interval");
  EXPECT_EQ(p["refusedAs"], "box");

  CliRun none = cli({"solve", "C11", "--tube", "ECC83 / 12AX7"}, dir.path());
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("not available yet"), std::string::npos);
}

TEST(Cli, SvgExportWritesEveryPicture) {
  TempDataDir dir;
  auto out = dir.path() / "pictures";
  CliRun r = cli({"solve", "C1", "--tube", "ECC83 / 12AX7", "--svg", out.string()}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* f : {"stack.svg", "loadline-1.svg", "bode.svg", "trace-1.svg"}) {
    std::ifstream in(out / f);
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_NE(ss.str().find("<svg"), std::string::npos) << f;
    EXPECT_NE(ss.str().find("</svg>"), std::string::npos) << f;
  }
}

} // namespace
