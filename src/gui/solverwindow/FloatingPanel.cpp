#include "solverwindow/FloatingPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmorin::gui {

namespace {
constexpr int kBarHeight = 22;
}

FloatingPanel::FloatingPanel(const QString& caption, QSize minimum, QSize maximum, QWidget* parent)
    : QFrame(parent), bar_(new QWidget(this)), caption_(new QLabel(caption, bar_)),
      close_(new QToolButton(bar_)), minimum_(minimum), maximum_(maximum) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(0);
  bar_->setObjectName("CaptionBar");
  bar_->setFixedHeight(kBarHeight);
  bar_->setAutoFillBackground(true);
  bar_->setCursor(Qt::PointingHandCursor);
  QPalette barPalette = bar_->palette();
  barPalette.setColor(QPalette::Window, QColor(0xDD, 0xE6, 0xF0));
  bar_->setPalette(barPalette);
  auto* barLayout = new QHBoxLayout(bar_);
  barLayout->setContentsMargins(6, 0, 2, 0);
  caption_->setObjectName("Caption");
  QFont f = caption_->font();
  f.setBold(true);
  caption_->setFont(f);
  close_->setObjectName("CloseButton");
  close_->setText(QStringLiteral("\u2715"));
  close_->setAutoRaise(true);
  close_->setToolTip(tr("Collapse"));
  barLayout->addWidget(caption_, 1);
  barLayout->addWidget(close_);
  layout->addWidget(bar_);
  bar_->installEventFilter(this);
  caption_->installEventFilter(this);
  connect(close_, &QToolButton::clicked, this, &FloatingPanel::closeClicked);
  // The folded bar shows its whole caption.
  minimum_.setWidth(std::max(minimum_.width(), bar_->sizeHint().width() + 4));
  maximum_ = maximum_.expandedTo(minimum_);
  collapse();
}

void FloatingPanel::setContent(QWidget* content) {
  content_ = content;
  content->setParent(this);
  static_cast<QVBoxLayout*>(layout())->addWidget(content, 1);
  content->setVisible(expanded_);
}

int FloatingPanel::captionHeight() const {
  return kBarHeight + 2;
}

void FloatingPanel::expandTo(QSize size) {
  expanded_ = true;
  if (content_)
    content_->setVisible(true);
  resize(size.expandedTo(minimum_).boundedTo(maximum_));
  raise();
}

void FloatingPanel::collapse() {
  expanded_ = false;
  if (content_)
    content_->setVisible(false);
  resize(minimum_.width(), captionHeight());
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
  // A click on the panel's body, outside its controls, folds it away.
  if (expanded_ && event->button() == Qt::LeftButton)
    emit closeClicked();
  QFrame::mousePressEvent(event);
}

bool FloatingPanel::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == bar_ || watched == caption_) && event->type() == QEvent::MouseButtonPress) {
    emit captionClicked();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

} // namespace velmorin::gui
