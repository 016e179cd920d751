#include "widgets/ReportHtml.h"
#include "widgets/ReportView.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace velmorin::gui {
namespace {

// The report as Qt lays it out: one block per line, with its text and indent.
struct Laid {
  QStringList lines;
  std::vector<double> indents;
};

Laid layOut(const std::string& report) {
  QTextDocument doc;
  doc.setHtml(reportToRichText(report));
  Laid out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    // An empty line holds a no-break space, so it keeps a line's height.
    out.lines << (b.text() == QString(QChar(0xA0)) ? QString() : b.text());
    out.indents.push_back(b.blockFormat().leftMargin());
  }
  return out;
}

TEST(ReportHtml, LinesIndentsAndBlanksAreThoseOfThePlainText) {
  const Laid l = layOut("<p><b>Title</b></p><p>Velmorin</p><br><P INDENT=\"20\">a   b  => c</P>"
                        "<P INDENT=\"40\">gain  x</P>Ra  100k<BR>Rk    1k");
  EXPECT_EQ(l.lines,
            (QStringList{"Title", "Velmorin", "", "a   b  => c", "gain  x", "Ra  100k", "Rk    1k"}));
  EXPECT_EQ(l.indents, (std::vector<double>{0, 0, 0, 20, 40, 0, 0}));
}

TEST(ReportHtml, ColoursBoldAndSubscriptsReachTheText) {
  QTextDocument doc;
  doc.setHtml(reportToRichText("x <FONT color=\"#990000\"><b>250 V</b></FONT> g<SUB>m</SUB>"));
  const QTextBlock b = doc.begin();
  bool red = false, bold = false, sub = false;
  for (auto it = b.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat f = it.fragment().charFormat();
    if (it.fragment().text().contains("250")) {
      red = f.foreground().color() == QColor("#990000");
      bold = f.fontWeight() >= QFont::Bold;
    }
    if (it.fragment().text() == "m")
      sub = f.verticalAlignment() == QTextCharFormat::AlignSubScript;
  }
  EXPECT_TRUE(red);
  EXPECT_TRUE(bold);
  EXPECT_TRUE(sub);
}

TEST(ReportHtml, TextThatLooksLikeMarkupStaysText) {
  const Laid l = layOut("<font color=\"#ff4444\">Vgk > 0</font><br>a < b & c");
  EXPECT_EQ(l.lines, (QStringList{"Vgk > 0", "a < b & c"}));
}

TEST(ReportView, PlainTextIsTheReportWithoutMarkup) {
  ReportView view;
  view.setReport("<p><b>T</b></p><P INDENT=\"20\">x</P>");
  EXPECT_EQ(view.plainText(), "T\n    x");
  EXPECT_EQ(view.toPlainText(), "T\nx");
}

} // namespace
} // namespace velmorin::gui
