#include "catalogue/Circuits.h"
#include "catalogue/Legends.h"
#include "catalogue/ResultColumns.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace velmorin {
namespace {

using ::testing::ElementsAre;

std::vector<std::string_view> titlesOf(int n) {
  std::vector<std::string_view> titles;
  for (const CircuitLegend& l : legends(n))
    titles.push_back(l.title);
  return titles;
}

TEST(Legends, TitlesAndColoursInCurveOrder) {
  const auto c1 = legends(1);
  ASSERT_EQ(c1.size(), 4u);
  EXPECT_EQ(c1[0].title, "RC input");
  EXPECT_EQ(c1[0].color, 0xFF8A2BE2u);
  EXPECT_EQ(c1[3].title, "Overall gain");
  EXPECT_EQ(c1[3].color, 0xFF00CED1u);

  EXPECT_THAT(titlesOf(2), ElementsAre("RC input", "T1A", "T1K", "RCa output", "RCk output"));
  EXPECT_THAT(titlesOf(20), ElementsAre("RC input", "T2", "RC T2->T1", "T1", "RC output", "Overall gain"));
  EXPECT_THAT(titlesOf(32), ElementsAre("T1 gain", "RC output", "Overall gain"));
  EXPECT_THAT(titlesOf(35), ElementsAre("RC input", "T2", "T1", "RC output", "Overall gain"));

  // The longest list uses every colour once, the last one navy.
  const auto c21 = legends(21);
  ASSERT_EQ(c21.size(), legendColors.size());
  for (std::size_t i = 0; i < c21.size(); ++i)
    EXPECT_EQ(c21[i].color, legendColors[i]);
  EXPECT_EQ(c21.back().color, 0xFF000080u);
  EXPECT_EQ(c21.back().title, "Overall gain");

  for (int n : {12, 13, 16, 19, 22, 31, 33, 37, 38, 39, 40})
    EXPECT_TRUE(legends(n).empty()) << "C" << n;
  EXPECT_THROW(legends(41), std::out_of_range);
}

TEST(ResultColumns, EveryCircuitStartsWithTheTimeColumn) {
  for (int n = 1; n <= kCircuitCount; ++n) {
    const auto& cols = resultColumns(n);
    ASSERT_GE(cols.size(), 2u) << "C" << n;
    EXPECT_EQ(cols.front(), "-") << "C" << n;
    EXPECT_EQ(std::count(cols.begin(), cols.end(), "-"), 1) << "C" << n;
  }
  EXPECT_THROW(resultColumns(0), std::out_of_range);
}

// The solvers write one cell per column: the row lengths they produce are
// stated per circuit, so the caption counts must agree.
TEST(ResultColumns, CountsMatchTheRowsTheSolversWrite) {
  const std::vector<std::pair<int, std::size_t>> counts = {{1, 16},  {2, 20},  {4, 26},  {7, 29},  {10, 26},
                                                           {11, 22}, {12, 23}, {13, 16}, {37, 16}, {38, 16}};
  for (const auto& [n, count] : counts)
    EXPECT_EQ(resultColumns(n).size(), count) << "C" << n;
}

TEST(ResultColumns, CaptionsAreByteExact) {
  EXPECT_THAT(resultColumns(1),
              ElementsAre("-", "T1", "Vb (V)", "Ra (Ω)", "Rk (Ω)", "Va (V)", "Vk (V)", "Vak (V)", "Vgk (V)",
                          "Ia (mA)", "Ptot (mW)", "PT1 (mW)", "PRa (mW)", "Ro (Ω)", "Abyp", "Aunbyp"));
  EXPECT_THAT(resultColumns(25), ElementsAre("-", "Tube", "Va (V)", "Vg (V)", "Rk (Ω)", "Vak (V)", "Vgk (V)",
                                             "Ia (mA)", "PT1 (mW)", "PRk (mW)", "Ri (kΩ)"));
  EXPECT_EQ(resultColumns(7)[11], "ΔVa/ΔVg");
  EXPECT_EQ(resultColumns(10)[9], "δVa/δVg");
  EXPECT_EQ(resultColumns(21)[6], "ΣIa (mA)");
  EXPECT_EQ(resultColumns(30)[20], "µ1");
  EXPECT_EQ(resultColumns(12)[19], "Ro"); // no unit, as in the table
  EXPECT_EQ(resultColumns(36)[3], "Vsk (V)");
  EXPECT_EQ(resultColumns(36)[9], "Vsk (V)"); // listed twice
  for (int n : {38, 39, 40})
    EXPECT_EQ(resultColumns(n), resultColumns(37));
  EXPECT_EQ(resultColumns(37)[7], "TR yield (%)");
}

} // namespace
} // namespace velmorin
