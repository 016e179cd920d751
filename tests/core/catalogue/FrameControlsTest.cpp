#include "catalogue/FrameControls.h"
#include "catalogue/Circuits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace velmorin {
namespace {

using ::testing::ElementsAre;

bool startsWith(const std::string& s, std::string_view prefix) {
  return s.rfind(prefix, 0) == 0;
}

TEST(FrameControls, EveryFrameHasUniqueNamesWithTheirKindsPrefix) {
  for (int n = 1; n <= kCircuitCount; ++n) {
    const auto& frame = frameControls(n);
    std::set<std::string> names;
    int edits = 0, tubeLists = 0;
    for (const FrameControl& c : frame) {
      EXPECT_TRUE(names.insert(c.name).second) << "C" << n << " repeats " << c.name;
      switch (c.kind) {
      case ControlKind::LabelledEdit:
        ++edits;
        // C7's "Co1" field carries a misspelt name; solvers and stored
        // configurations know it by that name, so it stays.
        EXPECT_TRUE(startsWith(c.name, "Ed") || (n == 7 && c.name == "EcCo1")) << "C" << n << " " << c.name;
        break;
      case ControlKind::TubeList:
        ++tubeLists;
        EXPECT_TRUE(startsWith(c.name, "LBtube")) << c.name;
        break;
      case ControlKind::CheckBox:
        EXPECT_TRUE(startsWith(c.name, "CheckBox")) << c.name;
        break;
      case ControlKind::SelectionList:
        EXPECT_TRUE(startsWith(c.name, "LB") && !startsWith(c.name, "LBtube")) << c.name;
        EXPECT_GE(n, 37);
        break;
      case ControlKind::ValueLabel:
      case ControlKind::FixedLabel:
        EXPECT_TRUE(startsWith(c.name, "Label")) << c.name;
        EXPECT_FALSE(c.remembered) << c.name;
        break;
      }
    }
    EXPECT_GE(edits, 3) << "C" << n;
    EXPECT_GE(tubeLists, 1) << "C" << n;
  }
}

TEST(FrameControls, TubeListsAndTheirKinds) {
  const std::set<int> twoLists = {4, 9, 14, 16, 21, 23};
  const std::set<int> pentodes = {36, 38, 40};
  for (int n = 1; n <= kCircuitCount; ++n) {
    std::vector<std::pair<std::string, int>> lists;
    for (const FrameControl& c : frameControls(n))
      if (c.kind == ControlKind::TubeList)
        lists.emplace_back(c.name, c.tubeKind);
    const int kind = pentodes.count(n) ? kPentode : kTriode;
    using List = std::pair<std::string, int>;
    const std::vector<List> expected = twoLists.count(n)
                                           ? std::vector<List>{{"LBtube1", kind}, {"LBtube2", kind}}
                                           : std::vector<List>{{"LBtube", kind}};
    EXPECT_EQ(lists, expected) << "C" << n;
  }
}

TEST(FrameControls, OnlyTheMarkedFieldsAcceptAMinusSign) {
  const std::set<std::pair<int, std::string>> expected = {
      {7, "EdCg"},  {7, "EdCo2"}, {7, "EcCo1"}, {7, "EdRg"},  {7, "EdCa2"}, {7, "EdCa1"}, {10, "EdVg"},
      {13, "EdVg"}, {15, "EdRg"}, {37, "EdVg"}, {38, "EdVg"}, {39, "EdVg"}, {40, "EdVg"},
  };
  std::set<std::pair<int, std::string>> actual;
  for (int n = 1; n <= kCircuitCount; ++n)
    for (const FrameControl& c : frameControls(n))
      if (c.minusAllowed)
        actual.emplace(n, c.name);
  EXPECT_EQ(actual, expected);
}

TEST(FrameControls, RememberedAndPlacement) {
  // C4's two option boxes are of the kind that is never stored.
  for (const char* name : {"CheckBoxConnected", "CheckBoxShunted"}) {
    const FrameControl* c = findFrameControl(4, name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, ControlKind::CheckBox);
    EXPECT_FALSE(c->remembered);
    EXPECT_TRUE(c->placedOnFrame);
  }
  const FrameControl* shortRa = findFrameControl(8, "CheckBoxRa");
  ASSERT_NE(shortRa, nullptr);
  EXPECT_TRUE(shortRa->remembered);
  EXPECT_EQ(shortRa->caption, "short Ra");

  // C40's transformer box: three inputs outside the frame's own controls.
  std::vector<std::string> boxed;
  for (const FrameControl& c : frameControls(40))
    if (!c.placedOnFrame) {
      boxed.push_back(c.name);
      EXPECT_FALSE(c.remembered);
    }
  EXPECT_THAT(boxed, ElementsAre("EdRa", "EdRp", "LBYt"));
  EXPECT_EQ(frameGroupBoxCaption(40), "Output transformer");
  EXPECT_EQ(frameGroupBoxCaption(37), "Transformer power yield (%)");
  EXPECT_EQ(frameGroupBoxCaption(1), "");

  // Every input placed on a frame is remembered, except those two boxes.
  for (int n = 1; n <= kCircuitCount; ++n)
    for (const FrameControl& c : frameControls(n)) {
      EXPECT_TRUE(c.placedOnFrame || n == 40) << "C" << n << " " << c.name;
      const bool input = c.kind != ControlKind::ValueLabel && c.kind != ControlKind::FixedLabel;
      const bool expected = input && c.placedOnFrame && !(n == 4 && c.kind == ControlKind::CheckBox);
      EXPECT_EQ(c.remembered, expected) << "C" << n << " " << c.name;
    }
}

TEST(FrameControls, CaptionsHintsAndOrderAreExact) {
  const FrameControl* ra = findFrameControl(1, "EdRa");
  ASSERT_NE(ra, nullptr);
  EXPECT_EQ(ra->caption, "Ra");
  EXPECT_EQ(ra->hint, "Anode ohmic load");
  EXPECT_EQ(findFrameControl(1, "EdCi")->caption, "Cin");
  EXPECT_EQ(findFrameControl(1, "EdCs")->hint, "Anode coupling capacitor");
  EXPECT_EQ(findFrameControl(1, "EdVb")->maxLength, 3);
  EXPECT_EQ(findFrameControl(1, "CheckBoxC1shunted")->caption, "Cin shunted");
  EXPECT_EQ(findFrameControl(25, "EdVa")->caption, "Va :  anode voltage (V)"); // two blanks
  EXPECT_EQ(findFrameControl(36, "EdCg")->caption, "EdCg");
  EXPECT_EQ(findFrameControl(37, "EdRa")->caption, "Primary impedance (Ω)");
  EXPECT_EQ(findFrameControl(12, "EdVb")->caption, "");
  EXPECT_EQ(findFrameControl(7, "EdCo1"), nullptr);
  EXPECT_EQ(findFrameControl(99, "EdVb"), nullptr);

  std::vector<std::string> c13;
  for (const FrameControl& c : frameControls(13))
    c13.push_back(c.name);
  EXPECT_THAT(c13, ElementsAre("EdVb", "EdRa", "EdVg", "EdIk", "EdRo", "LBtube", "LabelVa", "LabelVk"));

  const FrameControl* yield = findFrameControl(38, "LBYt");
  ASSERT_NE(yield, nullptr);
  EXPECT_EQ(yield->kind, ControlKind::SelectionList);
  EXPECT_THAT(yield->items,
              ElementsAre("100", "99", "98", "97", "96", "95", "94", "93", "92", "91", "90", "85", "80"));
  EXPECT_THAT(findFrameControl(38, "LBparallel")->items, ElementsAre("1", "2", "3", "4"));
}

// Names the solvers read must be on their frames under exactly that name.
TEST(FrameControls, FieldsTheSolversReadExist) {
  const std::vector<std::pair<int, std::string>> read = {
      {7, "EcCo1"},      {10, "EdIcs"},  {13, "EdIk"},   {14, "EdRag"},  {14, "EdRgs1"},
      {14, "EdC1"},      {16, "EdVref"}, {23, "EdRk12"}, {25, "EdVa"},   {35, "EdRso"},
      {36, "EdVek"},     {39, "EdZaa"},  {40, "EdVe"},   {26, "Label9"}, {1, "CheckBoxCkconnected"},
      {37, "LBparallel"}};
  for (const auto& [n, name] : read)
    EXPECT_NE(findFrameControl(n, name), nullptr) << "C" << n << " " << name;
}

} // namespace
} // namespace velmorin
