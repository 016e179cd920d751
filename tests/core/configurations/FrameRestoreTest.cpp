#include "configurations/FrameRestore.h"

#include "catalogue/FrameControls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velmorin {
namespace {

using Plan = std::vector<std::pair<std::string, std::string>>;

Plan plan(int circuit, const TArrayKeyVal& pairs) {
  Plan out;
  for (const ConfigRestore& r : configRestorePlan(frameControls(circuit), pairs))
    out.emplace_back(r.control->name, r.valeur);
  return out;
}

TEST(FrameRestore, FrameOrderFirstPairPerNameAndNothingForMissingKeys) {
  // Pairs in any order, one name twice, one name the frame does not have.
  const TArrayKeyVal pairs = {{0, "CheckBoxCkconnected", "-1"},
                              {0, "EdRa", "47k"},
                              {0, "EdVb", "300"},
                              {0, "EdRa", "second, ignored"},
                              {0, "LabelVa", "labels are not restored"},
                              {0, "EdUnknown", "1"},
                              {0, "LBtube", "ECC83 / 12AX7"}};
  EXPECT_EQ(
      plan(1, pairs),
      (Plan{{"EdVb", "300"}, {"EdRa", "47k"}, {"LBtube", "ECC83 / 12AX7"}, {"CheckBoxCkconnected", "-1"}}));
}

TEST(FrameRestore, OnlyEditsTubeListsAndPlainCheckBoxesOnTheFrameTakePart) {
  // C4's option boxes, the power stages' selection lists and C40's
  // transformer box are neither stored nor restored.
  EXPECT_EQ(plan(4, {{0, "CheckBoxConnected", "-1"}, {0, "CheckBoxShunted", "-1"}, {0, "EdRa", "1k"}}),
            (Plan{{"EdRa", "1k"}}));
  EXPECT_EQ(plan(37, {{0, "LBparallel", "2"}, {0, "LBYt", "90"}, {0, "EdVg", "-20"}}),
            (Plan{{"EdVg", "-20"}}));
  EXPECT_EQ(plan(40, {{0, "EdRa", "5k"}, {0, "EdRp", "100"}, {0, "LBYt", "90"}, {0, "EdVb", "400"}}),
            (Plan{{"EdVb", "400"}}));
  int taking = 0;
  for (const FrameControl& c : frameControls(1))
    taking += takesPartInConfigurations(c);
  EXPECT_EQ(taking, 13 + 1 + 2); // C1: 13 edits, the tube list, two check boxes
}

TEST(FrameRestore, CheckBoxTexts) {
  EXPECT_EQ(checkBoxConfigText(true), "-1");
  EXPECT_EQ(checkBoxConfigText(false), "0");
  for (const char* ticks : {"-1", "1", "", "true", " 0"})
    EXPECT_TRUE(checkBoxConfigTicked(ticks)) << ticks;
  EXPECT_FALSE(checkBoxConfigTicked("0"));
}

} // namespace
} // namespace velmorin
