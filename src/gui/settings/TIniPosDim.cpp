#include "settings/TIniPosDim.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace velmorin::gui {

TIniPosDim::TIniPosDim(QObject* parent) : QObject(parent) {}

TIniPosDim::~TIniPosDim() {
  Close();
}

void TIniPosDim::Open(QWidget* Forme, const std::filesystem::path& IniFileName) {
  FForme_ = Forme;
  FiniFile_ = std::make_unique<Settings>(IniFileName);
}

void TIniPosDim::Close() {
  // Each write went to disk atomically as it was made: there is nothing
  // left to flush.
  FiniFile_.reset();
  FForme_ = nullptr;
}

void TIniPosDim::storeForm(QWidget* AForm) {
  if (!FiniFile_ || !AForm)
    return;
  FiniFile_->storeForm(AForm->objectName().toStdString(),
                       {AForm->x(), AForm->y(), AForm->width(), AForm->height()});
}

void TIniPosDim::readForm(QWidget* AForm) {
  if (!FiniFile_ || !AForm)
    return;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary)
    return;
  const int W = primary->geometry().width();
  const int H = primary->geometry().height();
  const int w = AForm->width();
  const int h = AForm->height();
  // Integer division truncates towards zero, as the placement rule wants.
  const FormPlacement p =
      FiniFile_->readForm(AForm->objectName().toStdString(), {(W - w) / 2, (H - h) / 2, W / 2, H / 2});
  AForm->resize(p.width, p.height);
  AForm->move(p.left, p.top);

  // The size may have been bounded by the window's own limits: judge what it will show.
  const QRect bounds(p.left, p.top, AForm->width(), AForm->height());
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect shown = bounds.intersected(screen->geometry());
    if (shown.width() > 100 && shown.height() > 100)
      return;
  }
  AForm->move((W - AForm->width()) / 2, (H - AForm->height()) / 2);
}

} // namespace velmorin::gui
