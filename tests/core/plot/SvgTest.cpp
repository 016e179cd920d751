#include "plot/Svg.h"

#include "SceneQueries.h"
#include "TempDataDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

namespace velmorin::plot {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A small XML checker: tags nest and close, attributes are quoted, and every
// '&' starts one of the five predefined entities.
bool wellFormed(const std::string& xml, std::string& why) {
  std::vector<std::string> open;
  std::size_t i = 0;
  if (xml.rfind("<?xml", 0) == 0)
    i = xml.find("?>") + 2;
  bool seenRoot = false;
  while (i < xml.size()) {
    char c = xml[i];
    if (c == '&') {
      bool ok = false;
      for (const char* e : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"})
        ok = ok || xml.compare(i, std::strlen(e), e) == 0;
      if (!ok)
        return why = "bare & at " + std::to_string(i), false;
      ++i;
      continue;
    }
    if (c != '<') {
      if (c == '>')
        return why = "bare > at " + std::to_string(i), false;
      if (open.empty() && !std::isspace(static_cast<unsigned char>(c)))
        return why = "text outside the root", false;
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    char quote = 0;
    for (; end < xml.size(); ++end) {
      if (quote) {
        if (xml[end] == quote)
          quote = 0;
        else if (xml[end] == '<')
          return why = "< inside an attribute", false;
      } else if (xml[end] == '"' || xml[end] == '\'')
        quote = xml[end];
      else if (xml[end] == '>')
        break;
    }
    if (end == xml.size())
      return why = "unterminated tag", false;
    std::string tag = xml.substr(i + 1, end - i - 1);
    if (tag.front() == '/') {
      if (open.empty() || open.back() != tag.substr(1))
        return why = "mismatched </" + tag + ">", false;
      open.pop_back();
    } else {
      std::string name = tag.substr(0, tag.find_first_of(" \n/"));
      if (open.empty() && seenRoot)
        return why = "second root", false;
      seenRoot = true;
      if (tag.back() != '/')
        open.push_back(name);
    }
    i = end + 1;
  }
  if (!open.empty())
    return why = "unclosed <" + open.back() + ">", false;
  return seenRoot;
}

Scene sampleScene() {
  Scene s;
  s.width = 200;
  s.height = 100;
  s.line({1, 2}, {3, 4}, 0xFF000080, 2);
  s.polyline({{0, 0}, {10, 5.5}, {20, 0}}, 0x80FF0000, 0.3, false);
  s.rect(5, 50, 12, -20, 0xFFFF7F00);
  s.text({100, 40}, "<Ra & \"T1\" 'x'>", 0xFF000000, 12, Anchor::Center, true);
  s.text({57, 60}, "100000\u03A9  µ", 0xFF808080, 9, Anchor::Right);
  return s;
}

TEST(Svg, WritesEveryKindOfItem) {
  const std::string svg = toSvg(sampleScene());
  std::string why;
  EXPECT_TRUE(wellFormed(svg, why)) << why << "\n" << svg;

  EXPECT_THAT(svg, HasSubstr("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"200\" "
                             "height=\"100\" viewBox=\"0 0 200 100\">"));
  EXPECT_THAT(svg,
              HasSubstr("<rect x=\"0\" y=\"0\" width=\"200\" height=\"100\" fill=\"rgb(255,255,255)\"/>"));
  EXPECT_THAT(svg, HasSubstr("<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"rgb(0,0,128)\" "
                             "stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"));
  // Alpha 0x80 becomes an opacity; square ends stay square.
  EXPECT_THAT(svg, HasSubstr("<polyline points=\"0,0 10,5.5 20,0\" fill=\"none\" stroke=\"rgb(255,0,0)\" "
                             "stroke-opacity=\"0.502\" stroke-width=\"0.3\" stroke-linecap=\"butt\"/>"));
  // A rectangle of negative height is the same rectangle drawn upward.
  EXPECT_THAT(svg, HasSubstr("<rect x=\"5\" y=\"30\" width=\"12\" height=\"20\" fill=\"rgb(255,127,0)\"/>"));
  // 12 pt at 96 dpi is 16 px; bold falls back to the family that has a bold face.
  EXPECT_THAT(svg, HasSubstr("<text x=\"100\" y=\"40\" font-family=\"Noto Sans Mono, monospace\" "
                             "font-size=\"16px\" text-anchor=\"middle\" font-weight=\"bold\" "
                             "fill=\"rgb(0,0,0)\" xml:space=\"preserve\">"
                             "&lt;Ra &amp; &quot;T1&quot; &apos;x&apos;&gt;</text>"));
  EXPECT_THAT(svg,
              HasSubstr("<text x=\"57\" y=\"60\" font-family=\"Noto Mono, monospace\" font-size=\"12px\" "
                        "text-anchor=\"end\" fill=\"rgb(128,128,128)\" xml:space=\"preserve\">"
                        "100000\u03A9  µ</text>"));
}

TEST(Svg, StaysWellFormedWithBadInput) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Scene s;
  s.width = nan;
  s.height = 50;
  s.line({nan, 0}, {1, 1}, 0xFF000000, 1);
  s.polyline({{0, 0}, {inf, 1}}, 0xFF000000, 1);
  s.rect(0, 0, nan, 1, 0xFF000000);
  s.text({0, inf}, "hidden", 0xFF000000, 12);
  s.text({1, 1},
         std::string("a\x01"
                     "b\xFF"
                     "c\xC3",
                     6),
         0xFF000000, 12);
  s.background = 0x00000000;
  const std::string svg = toSvg(s);
  std::string why;
  EXPECT_TRUE(wellFormed(svg, why)) << why << "\n" << svg;
  EXPECT_THAT(svg, Not(HasSubstr("<line")));
  EXPECT_THAT(svg, Not(HasSubstr("<polyline")));
  EXPECT_THAT(svg, Not(HasSubstr("hidden")));
  EXPECT_THAT(svg, Not(HasSubstr("nan")));
  EXPECT_THAT(svg, Not(HasSubstr("inf")));
  EXPECT_THAT(svg, HasSubstr("width=\"0\" height=\"50\""));
  EXPECT_THAT(svg, HasSubstr("fill=\"rgb(0,0,0)\" fill-opacity=\"0\"/>"));
  // Control characters dropped, broken UTF-8 replaced by U+FFFD.
  EXPECT_THAT(svg, HasSubstr(">ab\uFFFDc\uFFFD</text>"));
}

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(Svg, WriteReplacesTheFileAndLeavesNoTemporary) {
  velmorin::testing::TempDataDir dir;
  const auto path = dir.file("plot.svg");
  {
    std::ofstream old(path);
    old << "old content that is longer than nothing";
  }
  writeSvg(sampleScene(), path);
  EXPECT_EQ(readFile(path), toSvg(sampleScene()));
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
    ++files;
  EXPECT_EQ(files, 1u);
}

TEST(Svg, WriteFailureThrowsAndCreatesNothing) {
  velmorin::testing::TempDataDir dir;
  const auto path = dir.file("missing-folder") / "plot.svg";
  EXPECT_THROW(writeSvg(sampleScene(), path), SvgWriteError);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  // A folder in the way of the target: the rename fails, the temporary goes.
  std::filesystem::create_directory(dir.file("taken.svg"));
  EXPECT_THROW(writeSvg(sampleScene(), dir.file("taken.svg")), SvgWriteError);
  EXPECT_FALSE(std::filesystem::exists(dir.file("taken.svg.tmp")));
}

TEST(TextWidth, CountsCodePointsAtSixTenthsOfAnEm) {
  EXPECT_DOUBLE_EQ(textWidth("", 12), 0);
  EXPECT_DOUBLE_EQ(textWidth("Vak", 12), 3 * 0.6 * 16);
  // "Ω" and "µ" are two bytes each but one character.
  EXPECT_DOUBLE_EQ(textWidth("100\u03A9 µA", 9), 7 * 0.6 * 12);
}

} // namespace
} // namespace velmorin::plot
