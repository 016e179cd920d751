#include "app/LabelledEdit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace velmorin::gui {

LabelledEdit::LabelledEdit(const QString& caption, CaptionSide side, QWidget* parent)
    : QWidget(parent), caption_(new QLabel(caption, this)), edit_(new QLineEdit(this)) {
  QBoxLayout* layout = side == CaptionSide::Above ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                                  : static_cast<QBoxLayout*>(new QHBoxLayout(this));
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(side == CaptionSide::Above ? 0 : 4);
  caption_->setBuddy(edit_);
  if (side == CaptionSide::Above) {
    caption_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    layout->addWidget(caption_);
    layout->addWidget(edit_);
  } else {
    caption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(caption_, 1);
    layout->addWidget(edit_, 0);
  }
}

} // namespace velmorin::gui
