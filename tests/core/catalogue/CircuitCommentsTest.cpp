#include "catalogue/CircuitComments.h"

#include "TempDataDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

namespace velmorin {
namespace {

const char* const kComments = "Preface line that no circuit shows.\n"
                              "#1\n"
                              "  First circuit. Cathode bias.\n"
                              "Second line mentions #12 inside.\n"
                              "\n"
                              "#12\n"
                              "Twelfth circuit.\n"
                              "#7 \n"
                              "Block of a header with a trailing blank.\n"
                              "#3\n"
                              "#4\n"
                              "No dot here\n"
                              "#\n"
                              "after a bare hash\n";

TEST(CircuitComments, HeadersAreComparedAsWholeLines) {
  EXPECT_EQ(getMemoCircuit(kComments, 1), "First circuit. Cathode bias.\r\nSecond line mentions #12 inside.");
  EXPECT_EQ(getMemoCircuit(kComments, 12), "Twelfth circuit.");
  // "#7 " is a header (it ends #12's block) but not the header of circuit 7.
  EXPECT_EQ(getMemoCircuit(kComments, 7), "");
  EXPECT_EQ(getMemoCircuit(kComments, 2), "");
  EXPECT_EQ(getMemoCircuit(kComments, 0), "");
}

TEST(CircuitComments, EmptyBlocksAndLastBlock) {
  EXPECT_EQ(getMemoCircuit(kComments, 3), ""); // header directly followed by a header
  EXPECT_EQ(getMemoCircuit(kComments, 4), "No dot here");
  EXPECT_EQ(getMemoCircuit("#5\nlast block without line end", 5), "last block without line end");
  EXPECT_EQ(getMemoCircuit("", 1), "");
}

TEST(CircuitComments, CarriageReturnsAndByteOrderMarkDoNotHideHeaders) {
  EXPECT_EQ(getMemoCircuit("\xEF\xBB\xBF#1\r\nOne.\r\nTwo\r\n#2\r\nx\r\n", 1), "One.\r\nTwo");
  // Only the first block of a circuit counts.
  EXPECT_EQ(getMemoCircuit("#6\nfirst\n#6\nsecond\n", 6), "first");
}

TEST(CircuitComments, HeadlineIsTheFirstSentence) {
  EXPECT_EQ(commentHeadline("First circuit. Cathode bias."), "First circuit.");
  EXPECT_EQ(commentHeadline("No dot here"), "");
  EXPECT_EQ(commentHeadline(""), "");
  EXPECT_EQ(commentHeadline("3.3 V rail"), "3.");
}

TEST(CircuitComments, ReadsTheFileAndFailsWhenItIsMissing) {
  testing::TempDataDir dir;
  const auto path = dir.file("schemas.txt");
  EXPECT_THROW(getMemoCircuitFromFile(path, 1), std::runtime_error);
  {
    std::ofstream out(path, std::ios::binary);
    out << kComments;
  }
  EXPECT_EQ(getMemoCircuitFromFile(path, 12), "Twelfth circuit.");
}

} // namespace
} // namespace velmorin
