#include "solverwindow/SchemaBox.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velmorin::gui {

SchemaBox::SchemaBox(QWidget* parent) : QFrame(parent), caption_(new QLabel(this)) {
  caption_->setObjectName("ContainerCaption");
  caption_->setFixedHeight(16);
  QFont f = caption_->font();
  f.setBold(true);
  caption_->setFont(f);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 0, 1, 1);
  layout->setSpacing(0);
  layout->addWidget(caption_);
  setBorder(false);
}

void SchemaBox::setTitle(const QString& title) {
  caption_->setText(title);
}

QString SchemaBox::title() const {
  return caption_->text();
}

void SchemaBox::setBorder(bool visible) {
  setFrameShape(visible ? QFrame::Box : QFrame::NoFrame);
  setLineWidth(1);
}

void SchemaBox::setFrame(QWidget* frame) {
  frame_ = frame;
  layout()->addWidget(frame);
  const QMargins m = layout()->contentsMargins();
  setFixedSize(frame->width() + m.left() + m.right(),
               caption_->height() + frame->height() + m.top() + m.bottom());
}

} // namespace velmorin::gui
