#include "solverwindow/TableTexts.h"

#include <gtest/gtest.h>

namespace velmorin::gui {
namespace {

TDataQP row(double f, double av, double zin) {
  return {"T1", "Cat-com", 0xFF000000, f, av, zin};
}

TEST(GainTable, FrequencyColumn) {
  const Locale l;
  struct Case {
    double f;
    const char* text;
  } cases[] = {{999, "999Hz"},         {1000, "1kHz"},   {1200, "1kHz"}, {999999, "1000kHz"},
               {1500000, "1500000Hz"}, {5996.4, "6kHz"}, {0.1, "0Hz"}};
  for (const Case& c : cases)
    EXPECT_EQ(gainTableCell(row(c.f, 1, 0), 2, l), c.text) << c.f;
}

TEST(GainTable, GainAndImpedanceColumns) {
  const Locale l;
  EXPECT_EQ(gainTableCell(row(1, 34.66, 0), 3, l), "34.66");
  EXPECT_EQ(gainTableCell(row(1, 10, 0), 4, l), "20.0dB");
  EXPECT_EQ(gainTableCell(row(1, 0, 0), 4, l), "");
  EXPECT_EQ(gainTableCell(row(1, -2, 0), 4, l), "");
  struct Case {
    double zin;
    const char* text;
  } cases[] = {{0, ""},
               {470, "470 \u03A9"},
               {999.4, "999 \u03A9"},
               {1000, "1.0 k\u03A9"},
               {723600, "723.6 k\u03A9"},
               {1e6, "1.0 M\u03A9"},
               {3911.2e6, "3911.2 M\u03A9"}};
  for (const Case& c : cases)
    EXPECT_EQ(gainTableCell(row(1, 1, c.zin), 5, l), c.text) << c.zin;
  const Locale comma{",", "."};
  EXPECT_EQ(gainTableCell(row(1, 0.5, 1500), 3, comma), "0,50");
  EXPECT_EQ(gainTableCell(row(1, 0.5, 1500), 5, comma), "1,5 k\u03A9");
}

TEST(GainTable, SeparatorRowsShowNothing) {
  TDataQP separator = row(1000, 2, 100);
  separator.titre.clear();
  for (int c = 0; c < kGainTableColumns; ++c)
    EXPECT_EQ(gainTableCell(separator, c, Locale{}), "");
  EXPECT_EQ(gainTableCell(row(1, 1, 1), 0, Locale{}), "T1");
  EXPECT_EQ(gainTableCell(row(1, 1, 1), 1, Locale{}), "Cat-com");
}

TEST(LogTable, ColumnColoursFollowTheCaptions) {
  struct Case {
    const char* caption;
    std::optional<std::uint32_t> color;
  } cases[] = {{"Vb (V)", 0xFFFF0000},       {"Ia (mA)", 0xFF000080},      {"Ra (\u03A9)", 0xFF800000},
               {"Ri (k\u03A9)", 0xFF800000}, {"Ptot (mW)", 0xFFDD5555},    {"Pout (W)", 0xFFDD5555},
               {"T1", 0xFF22AA22},           {"TR yield (%)", 0xFF22AA22}, {"Tubes", 0xFF22AA22},
               {"-", std::nullopt},          {"Abyp", std::nullopt},       {"Vk2", std::nullopt}};
  for (const Case& c : cases)
    EXPECT_EQ(logColumnColor(c.caption), c.color) << c.caption;
}

TEST(LogTable, TextHasATabAfterEveryCellAndCrLfLineEnds) {
  EXPECT_EQ(logTableText({"-", "T1"}, {}), "-\tT1\t\r\n");
  EXPECT_EQ(logTableText({"-", "T1"}, {{"12:00:00", "ECC83"}, {"ERROR", ""}}),
            "-\tT1\t\r\n12:00:00\tECC83\t\r\nERROR\t\t\r\n");
}

} // namespace
} // namespace velmorin::gui
