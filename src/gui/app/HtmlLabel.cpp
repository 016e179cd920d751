#include "app/HtmlLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace velmorin::gui {

HtmlLabel::HtmlLabel(QWidget* parent) : QTextBrowser(parent) {
  setFrameShape(QFrame::NoFrame);
  setOpenLinks(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  document()->setDocumentMargin(1);
  viewport()->setAutoFillBackground(false);
  setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl&) { emit linkClicked(); });
}

void HtmlLabel::setText(const QString& html) {
  text_ = html;
  setHtml(html);
  updateGeometry();
}

void HtmlLabel::setImage(int index, const QPixmap& pixmap) {
  images_[index] = pixmap;
  document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("idx:%1").arg(index)), pixmap);
  setHtml(text_);
}

QVariant HtmlLabel::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("idx")) {
    const int index = name.path().toInt();
    if (images_.contains(index))
      return images_.value(index);
  }
  return QTextBrowser::loadResource(type, name);
}

QSize HtmlLabel::sizeHint() const {
  // Measured unwrapped, with the pictures the caption shows.
  const std::unique_ptr<QTextDocument> measure(document()->clone(const_cast<HtmlLabel*>(this)));
  measure->setTextWidth(-1);
  const QSizeF size = measure->size();
  return {int(size.width()) + 4, std::max(int(size.height()) + 2, fontMetrics().height() + 4)};
}

QSize HtmlLabel::minimumSizeHint() const {
  return {0, sizeHint().height()};
}

void HtmlLabel::resizeEvent(QResizeEvent* event) {
  QTextBrowser::resizeEvent(event);
  document()->setTextWidth(viewport()->width());
}

} // namespace velmorin::gui
