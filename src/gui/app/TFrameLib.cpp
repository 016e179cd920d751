#include "app/TFrameLib.h"

#include "app/EntryKeyFilter.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace velmorin::gui {

namespace {

// The largest picture the box holds beside a readable title.
constexpr int kPictureWidth = 124;
constexpr int kPictureHeight = 108;

} // namespace

const QString& TFrameLib::styleSheet() {
  static const QString sheet = QStringLiteral(
      "QGroupBox#AGB { border: 2px solid #3a9a4a; border-radius: 9px; margin-top: 9px; background: white; }"
      "QGroupBox#AGB::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; color: #1d6b2a;"
      " font-weight: bold; }");
  return sheet;
}

TFrameLib::TFrameLib(int n, const QString& title, const QPixmap& thumbnail, QWidget* parent)
    : QFrame(parent), circuit_(n) {
  setObjectName(QStringLiteral("bfl%1").arg(n));
  setProperty(kTagProperty, n);
  setFixedSize(kWidth, kHeight);

  AGB = new QGroupBox(QStringLiteral("#C%1").arg(n), this);
  AGB->setObjectName(QStringLiteral("AGB"));

  ImageSchema = new HoverImage(AGB);
  ImageSchema->setObjectName(QStringLiteral("ImageSchema"));
  ImageSchema->setProperty(kTagProperty, n);
  ImageSchema->setCursor(Qt::PointingHandCursor);
  ImageSchema->setToolTip(QStringLiteral("Click to open the solver window"));
  ImageSchema->setAlignment(Qt::AlignCenter);
  ImageSchema->setFixedSize(kPictureWidth, kPictureHeight);
  if (!thumbnail.isNull())
    ImageSchema->setPixmap(
        thumbnail.width() > kPictureWidth || thumbnail.height() > kPictureHeight
            ? thumbnail.scaled(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : thumbnail);

  LabelTitre = new QLabel(title, AGB);
  LabelTitre->setObjectName(QStringLiteral("LabelTitre"));
  LabelTitre->setAlignment(Qt::AlignCenter);
  LabelTitre->setWordWrap(true);

  auto* inner = new QHBoxLayout(AGB);
  inner->setContentsMargins(4, 12, 4, 4);
  inner->setSpacing(4);
  inner->addWidget(ImageSchema);
  inner->addWidget(LabelTitre, 1);

  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(2, 0, 2, 2);
  outer->addWidget(AGB);

  connect(ImageSchema, &HoverImage::entered, this, [this] { emit commentRequested(circuit_); });
  connect(ImageSchema, &HoverImage::clicked, this, [this] { emit openRequested(circuit_); });
}

} // namespace velmorin::gui
