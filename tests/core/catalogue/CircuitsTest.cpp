#include "catalogue/Circuits.h"
#include "catalogue/Categories.h"
#include "catalogue/FrameControls.h"
#include "catalogue/Legends.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace velmorin {
namespace {

using ::testing::ElementsAre;

TEST(Circuits, TitlesAreByteExact) {
  EXPECT_EQ(circuitTitle(1), "Common-cathode amplifier, cathode bias");
  EXPECT_EQ(circuitTitle(15), "Differential phase inverter, long-tailed pair, cathode bias");
  EXPECT_EQ(circuitTitle(21), "Double cascode after Aikido Cirquette");
  EXPECT_EQ(circuitTitle(31), "Cascode SRPP+");
  EXPECT_EQ(circuitTitle(36), "Cathode-common pentode amplifier");
  EXPECT_EQ(circuitTitle(40), "Push-pull pentode power amplifier");
  for (int n = 1; n <= kCircuitCount; ++n) {
    EXPECT_EQ(circuitInfo(n).number, n);
    EXPECT_FALSE(circuitTitle(n).empty());
  }
}

TEST(Circuits, NumbersOutsideTheLibraryAreRejected) {
  for (int n : {0, -1, 41, 1024 + 7}) {
    EXPECT_FALSE(isValidCircuit(n));
    EXPECT_THROW(circuitInfo(n), std::out_of_range);
    EXPECT_THROW(circuitTitle(n), std::out_of_range);
    EXPECT_THROW(frameControls(n), std::out_of_range);
    EXPECT_FALSE(belongsTo(n, Category::All));
  }
  EXPECT_EQ(circuitCode(7), "C7");
  EXPECT_EQ(circuitCode(40), "C40");
}

TEST(Categories, CaptionsInDisplayOrder) {
  std::vector<std::string_view> filters, tree;
  for (const CategoryInfo& c : categories()) {
    filters.push_back(c.filterCaption);
    tree.push_back(c.treeCaption);
  }
  EXPECT_THAT(filters, ElementsAre("All", "1-tube", "2-tube", "3-tube", "4-tube", "gain stage", "buffer",
                                   "cascode-like", "phase inverter", "differential", "mixer",
                                   "voltage regulator", "power stage"));
  EXPECT_THAT(tree, ElementsAre("All circuits", "1-tube", "2-tube", "3-tube", "4-tube", "Gain stage",
                                "Buffer", "Cascode-like", "Phase inverter", "Differential", "Mixer",
                                "Voltage regulator", "Power stages"));
}

// The per-circuit groups and the gallery's lists are two views of one
// assignment: a slip in either shows here.
TEST(Categories, GroupMembersMatchTheGalleryLists) {
  std::vector<int> all;
  for (int n = 1; n <= 40; ++n)
    all.push_back(n);
  const std::vector<std::pair<Category, std::vector<int>>> expected = {
      {Category::All, all},
      {Category::OneTube, {1, 2, 3, 5, 13, 17, 18, 25, 29, 32, 36, 37, 38}},
      {Category::TwoTube,
       {4, 6, 7, 8, 9, 10, 11, 12, 14, 16, 20, 22, 26, 27, 28, 30, 31, 33, 34, 35, 39, 40}},
      {Category::ThreeTube, {19, 24}},
      {Category::FourTube, {21, 23}},
      {Category::GainStage,
       {1, 4, 6, 8, 9, 11, 12, 13, 14, 19, 20, 21, 22, 23, 24, 26, 28, 29, 30, 31, 32, 34, 36}},
      {Category::Buffer, {2, 3, 4, 24, 26, 30, 31, 33, 35}},
      {Category::CascodeLike, {6, 8, 21, 22, 23, 24, 27, 28, 30, 31, 33, 34, 35}},
      {Category::PhaseInverter, {2, 5, 7, 10, 15, 28}},
      {Category::Differential, {7, 10, 15}},
      {Category::Mixer, {11, 12}},
      {Category::VoltageRegulator, {16, 17, 18, 27}},
      {Category::PowerStage, {37, 38, 39, 40}},
  };
  for (const auto& [category, circuits] : expected)
    EXPECT_EQ(circuitsIn(category), circuits) << "group " << static_cast<int>(category);
}

TEST(Categories, C15IsInNoTubeCountGroup) {
  EXPECT_TRUE(belongsTo(15, Category::All));
  EXPECT_TRUE(belongsTo(15, Category::PhaseInverter));
  EXPECT_TRUE(belongsTo(15, Category::Differential));
  for (Category c : {Category::OneTube, Category::TwoTube, Category::ThreeTube, Category::FourTube})
    EXPECT_FALSE(belongsTo(15, c));
}

TEST(Circuits, IconFollowsTubeCountWithPowerStagesOnIconOne) {
  for (int n = 1; n <= kCircuitCount; ++n) {
    int expected = 2; // two tubes, C15 included
    if (belongsTo(n, Category::OneTube) || belongsTo(n, Category::PowerStage))
      expected = 1;
    else if (belongsTo(n, Category::ThreeTube))
      expected = 3;
    else if (belongsTo(n, Category::FourTube))
      expected = 4;
    EXPECT_EQ(circuitInfo(n).icon, expected) << "C" << n;
  }
}

TEST(Circuits, CallingFormsAndPages) {
  const std::set<int> formB = {12, 13, 16, 17, 18, 19, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 33};
  const std::set<int> bandwidth = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 20, 21, 32, 34, 35, 36};
  const std::set<int> noFeedback = {2, 5, 7, 10, 15};
  for (int n = 1; n <= kCircuitCount; ++n) {
    const CircuitInfo& c = circuitInfo(n);
    EXPECT_EQ(c.callingForm, formB.count(n) ? CallingForm::B : CallingForm::A) << "C" << n;
    EXPECT_EQ(c.hasBandwidthPage, bandwidth.count(n) == 1) << "C" << n;
    EXPECT_EQ(c.hasBandwidthPage, !legends(n).empty()) << "C" << n;
    EXPECT_EQ(c.feedbackEnabled, noFeedback.count(n) == 0) << "C" << n;
    EXPECT_EQ(c.hasOutputPowerPage, n == 37 || n == 38) << "C" << n;
    EXPECT_EQ(c.isPowerStage, n >= 37) << "C" << n;
  }
}

} // namespace
} // namespace velmorin
