#include "PdfBook.h"

#include "ManualStyle.h"
#include "ManualText.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace velmorin::manual {

namespace {

// The running text is laid out in 96-dpi pixels, the unit its style sheet
// speaks, and scaled onto the PDF page when drawn.
constexpr double kLayoutDpi = 96.0;
constexpr double kLayoutPerMm = kLayoutDpi / 25.4;

struct Heading {
  int level = 1;
  QString number;
  QString title;
  int page = 0; // 0-based page of the running text
};

struct Painter {
  QPainter& p;
  double dotsPerMm;

  double mm(double v) const { return v * dotsPerMm; }
  QPointF at(double x, double y) const { return {mm(x), mm(y)}; }

  void text(double x, double y, const QFont& font, const QColor& color, const QString& s,
            Qt::Alignment align = Qt::AlignLeft) {
    p.setFont(font);
    p.setPen(color);
    const QFontMetricsF metrics(font, p.device());
    double left = mm(x);
    if (align & Qt::AlignRight)
      left -= metrics.horizontalAdvance(s);
    else if (align & Qt::AlignHCenter)
      left -= metrics.horizontalAdvance(s) / 2;
    p.drawText(QPointF(left, mm(y)), s);
  }

  void line(double x1, double y1, double x2, double y2, const QColor& color, double widthMm,
            Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, mm(widthMm), style, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(at(x1, y1), at(x2, y2));
  }
};

double blockTextTop(QTextDocument& doc, const QTextBlock& block) {
  double top = doc.documentLayout()->blockBoundingRect(block).top();
  if (block.layout() && block.layout()->lineCount() > 0)
    top += block.layout()->lineAt(0).y();
  return top;
}

int pageOf(double y, double pageHeight) {
  // The layout puts a block that opens a page a hair above the page boundary.
  return static_cast<int>(std::floor((y + 1.0) / pageHeight));
}

// A heading (or a run of headings) left at the foot of a page moves to the
// next page with the text it introduces. Each move re-paginates what follows,
// so the pass repeats until nothing moves; every heading moves at most once.
void keepHeadingsWithText(QTextDocument& doc, double pageHeight) {
  for (bool moved = true; moved;) {
    moved = false;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
      if (block.blockFormat().headingLevel() == 0)
        continue;
      QTextBlock first = block;
      while (first.previous().isValid() && first.previous().blockFormat().headingLevel() != 0)
        first = first.previous();
      const QTextBlock text = block.next();
      if (!text.isValid() || text.blockFormat().headingLevel() != 0)
        continue;
      const bool alone =
          pageOf(blockTextTop(doc, text), pageHeight) > pageOf(blockTextTop(doc, block), pageHeight);
      if (!alone || first.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        continue;
      QTextBlockFormat format;
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(first).mergeBlockFormat(format);
      // Re-paginate everything: the incremental relayout after a format
      // change leaves the blocks after it without their lines.
      doc.markContentsDirty(0, doc.characterCount());
      moved = true;
      break;
    }
  }
}

std::vector<Heading> collectHeadings(QTextDocument& doc, double pageHeight) {
  std::vector<Heading> headings;
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 2)
      continue;
    const QString text = block.text();
    const qsizetype split = text.indexOf(kNumberSeparator);
    Heading h;
    h.level = level;
    h.number = split < 0 ? QString() : text.left(split);
    h.title = split < 0 ? text : text.mid(split + 1);
    h.page = pageOf(layout->blockBoundingRect(block).top(), pageHeight);
    headings.push_back(h);
  }
  return headings;
}

// A triode as drawn on a schematic: envelope, anode, grid, cathode and heater.
void drawTriode(Painter& d, double cx, double cy, double r) {
  const QColor ink = kAccent;
  const double w = 0.7;
  d.p.setBrush(Qt::NoBrush);
  d.p.setPen(QPen(ink, d.mm(w)));
  d.p.drawEllipse(d.at(cx, cy), d.mm(r), d.mm(r));
  // Anode: a plate with its lead up through the envelope.
  d.line(cx - r * 0.42, cy - r * 0.45, cx + r * 0.42, cy - r * 0.45, ink, w * 1.4);
  d.line(cx, cy - r * 0.45, cx, cy - r * 1.45, ink, w);
  // Grid: a dashed line with its lead out to the left.
  d.line(cx - r * 0.5, cy, cx + r * 0.5, cy, ink, w, Qt::DashLine);
  d.line(cx - r * 0.5, cy, cx - r * 1.45, cy, ink, w);
  // Cathode: a short bar bent down and out to the right.
  d.line(cx - r * 0.42, cy + r * 0.38, cx + r * 0.3, cy + r * 0.38, ink, w * 1.4);
  d.line(cx + r * 0.3, cy + r * 0.38, cx + r * 0.5, cy + r * 0.52, ink, w);
  d.line(cx + r * 0.5, cy + r * 0.52, cx + r * 1.45, cy + r * 0.52, ink, w);
  // Heater: a V with two leads down through the envelope.
  d.line(cx - r * 0.3, cy + r * 0.85, cx - r * 0.15, cy + r * 0.62, ink, w);
  d.line(cx - r * 0.15, cy + r * 0.62, cx, cy + r * 0.85, ink, w);
  d.line(cx - r * 0.3, cy + r * 0.85, cx - r * 0.3, cy + r * 1.45, ink, w);
  d.line(cx, cy + r * 0.85, cx, cy + r * 1.45, ink, w);
}

void drawTitlePage(Painter& d, const PageGeometry& g, const BookInfo& info) {
  d.line(g.left, 40, g.width - g.right, 40, kAccent, 0.8);
  d.text(g.left, 72, sansFont(40, QFont::DemiBold), kAccent, info.title);
  d.text(g.left, 88, sansFont(22), Qt::black, info.subtitle);
  d.text(g.left, 100, sansFont(12), kMuted, info.tagline);
  drawTriode(d, g.width / 2, 168, 24);
  d.line(g.left, 250, g.width - g.right, 250, kAccent, 0.3);
  d.text(g.left, 258, sansFont(10), kMuted, QStringLiteral("Version %1").arg(info.version));
}

void drawFooter(Painter& d, const PageGeometry& g, int pageNumber) {
  d.text(g.width / 2, g.footerBaseline, sansFont(9), kMuted, QString::number(pageNumber), Qt::AlignHCenter);
}

void drawRunningHead(Painter& d, const PageGeometry& g, const QString& book, const QString& chapter) {
  const QFont font = sansFont(8.5);
  d.text(g.left, g.headerBaseline, font, kMuted, book);
  d.text(g.width - g.right, g.headerBaseline, font, kMuted, chapter, Qt::AlignRight);
  d.line(g.left, g.headerBaseline + 2.2, g.width - g.right, g.headerBaseline + 2.2, kMuted, 0.15);
}

// Line pitch of the contents, in millimetres, and where its entries start.
constexpr double kContentsTop = 52.0;
constexpr double kChapterPitch = 8.0;
constexpr double kSectionPitch = 5.6;

std::vector<std::vector<Heading>> contentsPages(const std::vector<Heading>& headings, const PageGeometry& g) {
  std::vector<std::vector<Heading>> pages(1);
  double y = kContentsTop;
  for (const Heading& h : headings) {
    const double pitch = h.level == 1 ? kChapterPitch : kSectionPitch;
    if (y + pitch > g.textBottom) {
      pages.emplace_back();
      y = g.textTop;
    }
    y += pitch;
    pages.back().push_back(h);
  }
  return pages;
}

void drawContentsPage(Painter& d, const PageGeometry& g, const std::vector<Heading>& entries, bool first,
                      int firstBodyPage) {
  double y = g.textTop;
  if (first) {
    d.text(g.left, 40, sansFont(20, QFont::DemiBold), kAccent, QStringLiteral("Contents"));
    y = kContentsTop;
  }
  const double right = g.width - g.right;
  for (const Heading& h : entries) {
    const bool chapter = h.level == 1;
    y += chapter ? kChapterPitch : kSectionPitch;
    const QFont font = chapter ? sansFont(11, QFont::DemiBold) : sansFont(9.5);
    const QColor color = chapter ? kAccent : QColor(Qt::black);
    const double numberX = chapter ? g.left : g.left + 8;
    const double titleX = chapter ? g.left + 8 : g.left + 20;
    const QString page = QString::number(firstBodyPage + h.page);
    d.text(numberX, y, font, color, h.number);
    d.text(titleX, y, font, color, h.title);
    d.text(right, y, font, color, page, Qt::AlignRight);
    // A dotted leader from the title to its page number.
    const QFontMetricsF metrics(font, d.p.device());
    const double titleEnd = titleX + metrics.horizontalAdvance(h.title) / d.dotsPerMm + 2;
    const double numberStart = right - metrics.horizontalAdvance(page) / d.dotsPerMm - 2;
    if (numberStart > titleEnd)
      d.line(titleEnd, y - 0.3, numberStart, y - 0.3, kMuted, 0.25, Qt::DotLine);
  }
}

} // namespace

void printManual(const QString& outputPath, const QString& bodyHtml, const BookInfo& info) {
  const PageGeometry g;

  QPdfWriter writer(outputPath);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(1200);
  writer.setTitle(info.title + ' ' + info.subtitle);
  writer.setCreator(info.title);

  // Lay the running text out once on a fixed-resolution device, so the page
  // breaks do not depend on the screen of the machine that builds.
  QImage layoutDevice(1, 1, QImage::Format_ARGB32);
  layoutDevice.setDotsPerMeterX(static_cast<int>(std::lround(kLayoutDpi / 0.0254)));
  layoutDevice.setDotsPerMeterY(static_cast<int>(std::lround(kLayoutDpi / 0.0254)));
  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(&layoutDevice);
  doc.setUseDesignMetrics(true);
  doc.setDocumentMargin(0);
  doc.setDefaultFont(sansFont(10.5));
  doc.setDefaultStyleSheet(bodyStyleSheet());
  doc.setHtml(bodyHtml);
  const QSizeF textPage(g.textWidth() * kLayoutPerMm, g.textHeight() * kLayoutPerMm);
  doc.setPageSize(textPage);
  keepHeadingsWithText(doc, textPage.height());

  std::vector<Heading> headings = collectHeadings(doc, textPage.height());
  // The page break before the first chapter leaves an empty page in front of it.
  const int skipped = headings.empty() ? 0 : headings.front().page;
  for (Heading& h : headings)
    h.page -= skipped;
  const int bodyPages = doc.pageCount() - skipped;
  const auto contents = contentsPages(headings, g);
  const int firstBodyPage = 2 + static_cast<int>(contents.size()); // 1-based, after title and contents

  QPainter painter;
  if (!painter.begin(&writer))
    throw std::runtime_error("Cannot write " + outputPath.toStdString());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Painter d{painter, writer.resolution() / 25.4};

  drawTitlePage(d, g, info);

  int pageNumber = 1;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    writer.newPage();
    ++pageNumber;
    drawContentsPage(d, g, contents[i], i == 0, firstBodyPage);
    drawFooter(d, g, pageNumber);
  }

  const QString book = info.title + ' ' + info.subtitle;
  for (int page = 0; page < bodyPages; ++page) {
    writer.newPage();
    ++pageNumber;
    QString chapter;
    bool opensChapter = false;
    for (const Heading& h : headings) {
      if (h.page > page)
        break;
      if (h.level == 1) {
        chapter = h.title;
        opensChapter = h.page == page;
      }
    }
    if (!opensChapter)
      drawRunningHead(d, g, book, chapter);

    painter.save();
    painter.translate(d.at(g.left, g.textTop));
    const double scale = writer.resolution() / kLayoutDpi;
    painter.scale(scale, scale);
    const double top = (page + skipped) * textPage.height();
    painter.translate(0, -top);
    doc.drawContents(&painter, QRectF(0, top, textPage.width(), textPage.height()));
    painter.restore();

    drawFooter(d, g, pageNumber);
  }
  if (!painter.end())
    throw std::runtime_error("Cannot write " + outputPath.toStdString());
}

} // namespace velmorin::manual
