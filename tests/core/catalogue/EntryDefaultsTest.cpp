#include "catalogue/EntryDefaults.h"
#include "catalogue/Circuits.h"
#include "catalogue/FrameControls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velmorin {
namespace {

TEST(EntryDefaults, FirstOpeningOfC1) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"EdRa", "100k"}, {"EdRk", "1k"},  {"EdRgs", "5k"},  {"EdRg", "1M"},  {"EdRo", "500k"},
      {"EdRs", "1k"},   {"EdCo", "10p"}, {"EdCgs", "22p"}, {"EdCg", "10p"}, {"EdCk", "10µ"},
      {"EdCi", "10n"},  {"EdCs", "10n"}, {"EdVb", "250"},
  };
  for (const auto& [name, text] : expected)
    EXPECT_EQ(defaultEntryText(1, name), text) << name;
}

// The first matching substring wins, so the order of the rules decides
// names that contain several of them.
TEST(EntryDefaults, FirstMatchingSubstringWins) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"EdRgk", "1M"},   // "Rg" before the bare "R"
      {"EdRko", "1k"},   // "Rk" before "Ro"
      {"EdRao", "100k"}, // "Ra" before "Ro"
      {"EdRag", "100k"}, // "Ra" before "Rg"
      {"EdRgs1", "5k"},  // "Rgs" before "Rg"
      {"EdRok", "500k"}, {"EdRp", "10k"},   {"EdR1", "10k"},  {"EdCko", "10µ"},
      {"EdCgk", "10p"},  {"EdCgs2", "22p"}, {"EcCo1", "10p"}, {"EdC1", "10n"},
      {"EdVref", "250"}, {"EdVek", "250"},  {"EdIcs", "1m"}, // lower-case "c" is no capacitor
      {"EdIo", "1m"},
  };
  for (const auto& [name, text] : cases) {
    ASSERT_TRUE(defaultTextForName(name).has_value()) << name;
    EXPECT_EQ(*defaultTextForName(name), text) << name;
  }
  EXPECT_FALSE(defaultTextForName("EdZaa").has_value());
  EXPECT_FALSE(defaultTextForName("").has_value());
}

TEST(EntryDefaults, NameWithoutRuleTakesThePrecedingEditsDefault) {
  // C39: EdRp ("10k") comes just before EdZaa.
  EXPECT_EQ(defaultEntryText(39, "EdZaa"), "10k");
  // A name no frame has: the rule alone, or nothing.
  EXPECT_EQ(defaultEntryText(1, "EdRx"), "10k");
  EXPECT_EQ(defaultEntryText(1, "EdZaa"), "");
  EXPECT_EQ(defaultEntryText(0, "EdVb"), "250");
}

TEST(EntryDefaults, PowerStagesOpenOnTheirFirstItemsWithTheGridAtZero) {
  for (int n = 37; n <= 39; ++n) {
    EXPECT_EQ(defaultEntryText(n, "LBparallel"), "1") << "C" << n;
    EXPECT_EQ(defaultEntryText(n, "LBYt"), "100") << "C" << n;
    // Not the supply's 250, which the negative-grid check would refuse.
    EXPECT_EQ(defaultEntryText(n, "EdVg"), "0") << "C" << n;
  }
  // Inside C40's transformer box nothing restores the controls: they keep the frame's texts.
  EXPECT_EQ(defaultEntryText(40, "EdRa"), "3000");
  EXPECT_EQ(defaultEntryText(40, "EdRp"), "100");
  EXPECT_EQ(defaultEntryText(40, "LBYt"), "95");
  EXPECT_EQ(defaultEntryText(40, "LBparallel"), "1");
}

TEST(EntryDefaults, EveryEditHasADefaultAndNothingElseDoes) {
  for (int n = 1; n <= kCircuitCount; ++n)
    for (const FrameControl& c : frameControls(n)) {
      if (c.kind == ControlKind::LabelledEdit || c.kind == ControlKind::SelectionList)
        EXPECT_FALSE(c.defaultText.empty()) << "C" << n << " " << c.name;
      else
        EXPECT_EQ(c.defaultText, "") << "C" << n << " " << c.name;
    }
}

} // namespace
} // namespace velmorin
