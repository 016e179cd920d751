// The text files delivered with the program, checked as the program reads
// them: the circuit comments file, the welcome text, and the user manual's
// chapters that the build prints to PDF.
#include "catalogue/CircuitComments.h"
#include "catalogue/Circuits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace velmorin {
namespace {

namespace fs = std::filesystem;

fs::path sourceDir() {
  if (const char* dir = std::getenv("VELMORIN_TEST_SOURCE_DIR"); dir && *dir)
    return dir;
  // Run by hand, outside ctest: the tree that holds this file.
  return fs::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "cannot read " << path;
    return {};
  }
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    result.push_back(line);
  }
  return result;
}

int wordCount(std::string_view text) {
  int words = 0;
  bool inWord = false;
  for (char c : text) {
    const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
    if (!blank && !inWord)
      ++words;
    inWord = !blank;
  }
  return words;
}

// The offset of the first byte that breaks UTF-8 (bad lead or continuation
// byte, overlong form, surrogate, beyond U+10FFFF) or is a NUL; npos if none.
std::size_t firstInvalidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b == 0)
      return i;
    std::size_t length = 0;
    char32_t code = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      length = 2;
      code = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      length = 3;
      code = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      length = 4;
      code = b & 0x07;
    } else {
      return i;
    }
    if (i + length > s.size())
      return i;
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80)
        return i;
      code = (code << 6) | (c & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return i;
    i += length;
  }
  return std::string_view::npos;
}

// "" when every element is closed, in order; otherwise the first fault. Rich
// text left open (a <b> or <font> without its end tag) runs to the end of
// the view, so the delivered HTML closes everything but the void elements.
std::string tagBalanceFault(std::string_view html) {
  static const std::set<std::string, std::less<>> voidElements = {"br", "hr", "img", "meta"};
  std::vector<std::string> open;
  std::size_t i = 0;
  while ((i = html.find('<', i)) != std::string_view::npos) {
    const std::size_t end = html.find('>', i);
    if (end == std::string_view::npos)
      return "unterminated tag at offset " + std::to_string(i);
    std::string_view tag = html.substr(i + 1, end - i - 1);
    i = end + 1;
    if (tag.empty() || tag.front() == '!')
      continue; // doctype or comment
    const bool closing = tag.front() == '/';
    if (closing)
      tag.remove_prefix(1);
    std::string name;
    for (char c : tag) {
      if (!std::isalnum(static_cast<unsigned char>(c)))
        break;
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (name.empty())
      return "malformed tag <" + std::string(tag) + ">";
    if (voidElements.count(name) || tag.back() == '/')
      continue;
    if (!closing) {
      open.push_back(name);
      continue;
    }
    if (open.empty())
      return "</" + name + "> closes nothing";
    if (open.back() != name)
      return "</" + name + "> closes <" + open.back() + ">";
    open.pop_back();
  }
  if (!open.empty())
    return "<" + open.back() + "> is never closed";
  return {};
}

TEST(CommentsFile, HeadersAreTheFortyCircuitsOnceEachInOrder) {
  // A comment line starting with "#" would end its comment early, and a
  // header with a blank or a sign in it would open no circuit at all.
  std::vector<std::string> headers;
  for (const std::string& line : lines(readFile(sourceDir() / "data" / "schemas.txt")))
    if (!line.empty() && line.front() == '#')
      headers.push_back(line);
  std::vector<std::string> expected;
  for (int n = 1; n <= kCircuitCount; ++n)
    expected.push_back("#" + std::to_string(n));
  EXPECT_EQ(headers, expected);
}

TEST(CommentsFile, EveryCircuitHasACommentLedByAOneLineHeadline) {
  const fs::path file = sourceDir() / "data" / "schemas.txt";
  for (int n = 1; n <= kCircuitCount; ++n) {
    SCOPED_TRACE(circuitCode(n));
    const std::string comment = getMemoCircuitFromFile(file, n);
    ASSERT_FALSE(comment.empty());
    const std::string_view headline = commentHeadline(comment);
    ASSERT_FALSE(headline.empty()) << "no sentence ends with \".\"";
    EXPECT_EQ(headline.back(), '.');
    // The first "." must end the first line: a decimal point or an
    // abbreviation there would cut the bold headline in mid-sentence.
    const std::string_view firstLine = std::string_view(comment).substr(0, comment.find("\r\n"));
    EXPECT_EQ(headline, firstLine);
    EXPECT_LT(headline.size(), comment.size()) << "a headline with nothing after it";
    const int words = wordCount(comment);
    EXPECT_GE(words, 80);
    EXPECT_LE(words, 200);
  }
}

TEST(CommentsFile, IsUtf8) {
  const std::string text = readFile(sourceDir() / "data" / "schemas.txt");
  EXPECT_EQ(firstInvalidUtf8(text), std::string_view::npos);
  EXPECT_NE(text.find("µ"), std::string::npos) << "the micro sign should appear as UTF-8";
}

TEST(WelcomeText, IsClosedUtf8HtmlThatNamesTheProgram) {
  const std::string html = readFile(sourceDir() / "data" / "introduction.html");
  ASSERT_FALSE(html.empty());
  EXPECT_EQ(html.rfind("<html>", 0), 0u);
  EXPECT_NE(html.find("Velmorin"), std::string::npos);
  EXPECT_EQ(firstInvalidUtf8(html), std::string_view::npos);
  EXPECT_EQ(tagBalanceFault(html), "");
  // The rich-text view understands only a subset of CSS: keep styling in tags.
  EXPECT_EQ(html.find("<style"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
}

TEST(ManualSource, ChaptersAreClosedFragmentsOpeningWithOnePlainTitle) {
  std::vector<fs::path> chapters;
  for (const auto& entry : fs::directory_iterator(sourceDir() / "docs" / "manual"))
    if (entry.path().extension() == ".html")
      chapters.push_back(entry.path());
  std::sort(chapters.begin(), chapters.end());
  ASSERT_GE(chapters.size(), 8u);
  for (const fs::path& chapter : chapters) {
    SCOPED_TRACE(chapter.filename().string());
    const std::string html = readFile(chapter);
    // The manual generator numbers headings written exactly "<h1>" and "<h2>".
    EXPECT_EQ(html.rfind("<h1>", 0), 0u);
    EXPECT_EQ(html.find("<h1>", 1), std::string::npos);
    EXPECT_EQ(html.find("<h1 "), std::string::npos);
    EXPECT_EQ(html.find("<h2 "), std::string::npos);
    EXPECT_EQ(firstInvalidUtf8(html), std::string_view::npos);
    EXPECT_EQ(tagBalanceFault(html), "");
  }
}

TEST(ManualSource, TheTagCheckerFindsWhatItIsMeantTo) {
  EXPECT_EQ(tagBalanceFault("<p>a<br>b<img src=\"x\"/></p>"), "");
  EXPECT_EQ(tagBalanceFault("<p><b>bold</p>"), "</p> closes <b>");
  EXPECT_EQ(tagBalanceFault("<ul><li>one"), "<li> is never closed");
  EXPECT_EQ(tagBalanceFault("text</i>"), "</i> closes nothing");
  EXPECT_EQ(firstInvalidUtf8("ok \xC2\xB5"), std::string_view::npos);
  EXPECT_EQ(firstInvalidUtf8("latin-1 \xB5"), 8u);
  EXPECT_EQ(firstInvalidUtf8("overlong \xC0\xAF"), 9u);
}

} // namespace
} // namespace velmorin
