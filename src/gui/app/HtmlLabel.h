// A label that renders the small HTML of captions (bold, colours, line
// breaks, links, inline images "idx:N" from its own picture list) and
// reports clicks on its links.
#pragma once

#include <QMap>
#include <QPixmap>
#include <QTextBrowser>

namespace velmorin::gui {

class HtmlLabel : public QTextBrowser {
  Q_OBJECT
public:
  explicit HtmlLabel(QWidget* parent = nullptr);

  // The caption exactly as given; rendered as HTML.
  void setText(const QString& html);
  QString text() const { return text_; }

  // The picture an <IMG src="idx:N"> of the caption shows.
  void setImage(int index, const QPixmap& pixmap);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

signals:
  void linkClicked();

protected:
  QVariant loadResource(int type, const QUrl& name) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  QString text_;
  QMap<int, QPixmap> images_;
};

} // namespace velmorin::gui
