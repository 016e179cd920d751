#include "settings/Settings.h"

#include "TempDataDir.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace velmorin {
namespace {

using testing::readText;
using testing::TempDataDir;
using testing::writeText;

TEST(Settings, DefaultsWithoutAFile) {
  TempDataDir dir;
  Settings settings(dir.file("velmorin.ini"));
  EXPECT_EQ(settings.lastCircuit(), 0);
  EXPECT_TRUE(settings.flat());
  EXPECT_TRUE(settings.displayHor());
  EXPECT_EQ(settings.rgBorders(), 0);
  EXPECT_EQ(settings.editBorders(), 0);
  EXPECT_TRUE(settings.ckbBackground());
  EXPECT_EQ(settings.strayCaps(), 0);
  EXPECT_EQ(settings.pentodeVs(), "100");
  EXPECT_EQ(settings.readForm("Form1", {1, 2, 3, 4}), (FormPlacement{1, 2, 3, 4}));
  EXPECT_EQ(settings.circuitValue(7, "EdRa"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(dir.file("velmorin.ini")));
}

TEST(Settings, WritesItsKeysWhereOthersFindThem) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  Settings settings(path);
  settings.setLastCircuit(36);
  settings.setFlat(false);
  settings.setDisplayHor(false);
  settings.setRgBorders(1);
  settings.setEditBorders(2);
  settings.setCkbBackground(false);
  settings.setStrayCaps(4);
  settings.setPentodeVs("250");
  settings.storeForm("FormAnode", {-10, 20, 800, 600});
  settings.writeCircuitString(7, "EdRa", "4k7");
  settings.writeCircuitInteger(7, "freqmin", 2);
  settings.writeCircuitBool(7, "ignoreMiller", true);
  settings.writeCircuitValues(7, {{"EdVb", "300"}, {"CheckBoxRa", "1"}});

  EXPECT_EQ(readText(path),
            "[Tessivar]\nlastcircuit=36\nflat=0\ndisplayhor=0\nrgborders=1\neditborders=2\n"
            "ckbbackground=0\n\n\n"
            "[Bode]\nstraycaps=4\n\n\n"
            "[pentode]\nvs=250\n\n\n"
            "[FormPosDim]\nFormAnode_l=-10\nFormAnode_t=20\nFormAnode_w=800\nFormAnode_h=600\n\n\n"
            "[C7]\nEdRa=4k7\nfreqmin=2\nignoreMiller=1\nEdVb=300\nCheckBoxRa=1\n");

  Settings reread(path);
  EXPECT_EQ(reread.lastCircuit(), 36);
  EXPECT_FALSE(reread.flat());
  EXPECT_FALSE(reread.displayHor());
  EXPECT_EQ(reread.rgBorders(), 1);
  EXPECT_EQ(reread.editBorders(), 2);
  EXPECT_FALSE(reread.ckbBackground());
  EXPECT_EQ(reread.strayCaps(), 4);
  EXPECT_EQ(reread.pentodeVs(), "250");
  EXPECT_EQ(reread.readForm("formanode", {}), (FormPlacement{-10, 20, 800, 600}));
  EXPECT_EQ(reread.readCircuitString(7, "edra", ""), "4k7");
  EXPECT_EQ(reread.readCircuitInteger(7, "FREQMIN", 1), 2);
  EXPECT_TRUE(reread.readCircuitBool(7, "ignoremiller", false));
  EXPECT_TRUE(reread.readCircuitBool(7, "CheckBoxRa", false));
  EXPECT_EQ(reread.circuitValue(8, "EdRa"), std::nullopt);
}

TEST(Settings, BadStoredValuesFallBackToDefaults) {
  TempDataDir dir;
  const auto path = dir.file("velmorin.ini");
  writeText(path, "[Tessivar]\nlastcircuit=C7\nflat=yes\nckbbackground=2\n"
                  "[pentode]\nvs=   \n"
                  "[FormPosDim]\nForm1_l=-5000\nForm1_w=wide\n");
  Settings settings(path);
  EXPECT_EQ(settings.lastCircuit(), 0);
  EXPECT_TRUE(settings.flat());
  EXPECT_TRUE(settings.ckbBackground());
  EXPECT_EQ(settings.pentodeVs(), "100");
  EXPECT_EQ(settings.readForm("Form1", {1, 2, 3, 4}), (FormPlacement{-5000, 2, 3, 4}));
  settings.setPentodeVs("");
  EXPECT_EQ(settings.pentodeVs(), "100");
}

} // namespace
} // namespace velmorin
