#include "solvers/Framework.h"
#include "solvers/Entries.h"
#include "solvers/Precheck.h"
#include "solvers/ResistorTable.h"

#include <gtest/gtest.h>

namespace velmorin {
namespace {

TEST(AppendErrors, EachFailedCheckAddsItsLineAfterTheHeadline) {
  std::string t = "R";
  EXPECT_TRUE(appendErrors(t, true, true, true, true, true));
  EXPECT_EQ(t, "R");

  t = "R";
  EXPECT_FALSE(appendErrors(t, true, false, false, true, true));
  EXPECT_EQ(t, "R<br><font color=\"#ff4444\"><b>No convergence !</b></font>"
               "<br><font color=\"#ff4444\">Wrong operating point</font>"
               "<br><font color=\"#ff4444\">Vgk > 0</font>");

  t.clear();
  EXPECT_FALSE(appendErrors(t, false, false, false, false, false));
  EXPECT_EQ(t, "<br><font color=\"#ff4444\"><b>No convergence !</b></font>"
               "<br><font color=\"#ff4444\">Tube out of loadline</font>"
               "<br><font color=\"#ff4444\">Wrong operating point</font>"
               "<br><font color=\"#ff4444\">Vgk > 0</font>"
               "<br><font color=\"#ff4444\">Wrong stacked voltages</font>"
               "<br><font color=\"#ff4444\">Too many iterations</font>");
}

TEST(Framework, SupplyLimitStackToleranceAndStrayCapacitance) {
  EXPECT_EQ(limitSupply(650), 500);
  EXPECT_EQ(limitSupply(500), 500);
  EXPECT_EQ(limitSupply(250), 250);
  EXPECT_TRUE(stackOK(1, 249.01, 250));
  EXPECT_FALSE(stackOK(1, 249, 250)); // exactly the tolerance fails
  EXPECT_DOUBLE_EQ(strayCapForIndex(0), 1e-12);
  EXPECT_DOUBLE_EQ(strayCapForIndex(2), 3e-12);
  EXPECT_EQ(orOnePicofarad(0), 1e-12);
  EXPECT_EQ(orOnePicofarad(47e-9), 47e-9);
}

TEST(Entries, ReadByNameLikeTheFrame) {
  Locale l;
  std::vector<Entry> e = {{"EdRa", EntryKind::Edit, "4k7", false},
                          {"LBtube", EntryKind::TubeList, "ECC83 / 12AX7", false},
                          {"CheckBoxCk", EntryKind::CheckBox, "", true},
                          {"EdBad", EntryKind::Edit, "abc", false}};
  Entries entries(e, l);
  EXPECT_EQ(entries.number("EdRa"), 4700);
  EXPECT_EQ(entries.number("EdBad"), 1);
  EXPECT_EQ(entries.number("EdMissing"), 0);
  EXPECT_EQ(entries.text("LBtube"), "ECC83 / 12AX7");
  EXPECT_EQ(entries.text("LBmissing"), "");
  EXPECT_TRUE(entries.ticked("CheckBoxCk"));
  EXPECT_FALSE(entries.ticked("CheckBoxMissing"));
}

TEST(Precheck, ReportsEveryFailureOnceInOrder) {
  Locale l;
  struct Case {
    int circuit;
    std::vector<Entry> entries;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {1, {{"EdVb", EntryKind::Edit, "250"}, {"LBtube", EntryKind::TubeList, "X"}}, {}},
      {1, {{"EdVb", EntryKind::Edit, "20"}, {"LBtube", EntryKind::TubeList, "X"}}, {}},
      {1, {{"EdVb", EntryKind::Edit, "800"}, {"LBtube", EntryKind::TubeList, "X"}}, {}},
      {1,
       {{"EdVb", EntryKind::Edit, "1k"}, {"LBtube", EntryKind::TubeList, ""}},
       {"Select tube(s)", "Supply voltage must be in the 20 ... 800V interval"}},
      {1, {{"EdVb", EntryKind::Edit, "19.9"}}, {"Supply voltage must be in the 20 ... 800V interval"}},
      {6,
       {{"LBtube1", EntryKind::TubeList, ""},
        {"LBtube2", EntryKind::TubeList, ""},
        {"EdVb", EntryKind::Edit, "250"}},
       {"Select tube(s)", "Select tube(s)"}},
      {37, {{"EdVb", EntryKind::Edit, "250"}, {"EdVg", EntryKind::Edit, "0"}}, {}},
      {37,
       {{"EdVb", EntryKind::Edit, "250"}, {"EdVg", EntryKind::Edit, "5"}},
       {"Voltage on grid 1 must be negative or null"}},
      {5, {{"EdVb", EntryKind::Edit, "250"}, {"EdVg", EntryKind::Edit, "5"}}, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(precheckLines(c.circuit, c.entries, l), c.lines) << "circuit " << c.circuit;
  EXPECT_EQ(precheckText({"Select tube(s)", "Select tube(s)"}), "Select tube(s)\nSelect tube(s)\n");
}

TEST(ResistorTable, ColumnsLineUpRightAligned) {
  std::vector<TResistor> rows(2);
  setResistor("Ra", rows[0], 0.001, 100000);
  setResistor("Rk", rows[1], 0.001, 1000);
  EXPECT_EQ(resistorTable(Locale{}, rows),
            "Ra<FONT color=\"#601010\">  100kΩ</FONT><FONT color=\"#73369E\">  1.000mA</FONT>"
            "<FONT color=\"#990000\">  100.00V</FONT><FONT color=\"#e3780E\">  100mW</FONT><BR>"
            "Rk<FONT color=\"#601010\">    1kΩ</FONT><FONT color=\"#73369E\">  1.000mA</FONT>"
            "<FONT color=\"#990000\">    1.00V</FONT><FONT color=\"#e3780E\">    1mW</FONT>");

  std::vector<TResistor> one(1);
  setResistor("Rload", one[0], 0.002, 1500);
  EXPECT_EQ(resistorTable(Locale{}, one),
            "Rload<FONT color=\"#601010\">  1500Ω</FONT>"
            "<FONT color=\"#73369E\">  2.000mA</FONT><FONT color=\"#990000\">  3.00V</FONT>"
            "<FONT color=\"#e3780E\">  6mW</FONT>");
}

} // namespace
} // namespace velmorin
