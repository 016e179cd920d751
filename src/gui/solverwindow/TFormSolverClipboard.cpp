// The nine copy buttons of the solver window: pictures of the diagram, the
// load lines, the stack, the Bode plot and the power charts; the reports as
// plain text; the logged results as tab-separated text.
#include "solverwindow/TFormSolver.h"

#include "app/CircuitFrame.h"
#include "solverwindow/ResultTables.h"
#include "solverwindow/SchemaBox.h"
#include "solverwindow/TableTexts.h"
#include "widgets/ReportView.h"
#include "widgets/SceneView.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

namespace velmorin::gui {

namespace {
// Long enough for the flash picture to be seen.
constexpr int kFlashMilliseconds = 222;
} // namespace

QWidget* TFormSolver::copySource(int tag) const {
  switch (tag) {
  case 1:
    return getFrameForSolver() ? static_cast<QWidget*>(getFrameForSolver()) : ContainerSchema;
  case 2:
    return SBLL->viewport();
  case 3:
    return ImgBar;
  case 7:
    return ImageBode;
  case 8:
    return ImageWave;
  case 9:
    return ImagePower;
  default:
    return nullptr;
  }
}

void TFormSolver::butClipBrdClick(int tag) {
  QToolButton* const buttons[] = {butCopySchema, butCopyLoadline, butCopyStacks, butCopyDC, butCopyAC,
                                  Button1,       Button3,         Button4,       Button5};
  QPointer<QToolButton> pressed = tag >= 1 && tag <= 9 ? buttons[tag - 1] : nullptr;
  const bool wasVisible = pressed && !pressed->isHidden();
  ImageFlash->setVisible(true);
  ImageFlash->repaint();
  if (pressed)
    pressed->setVisible(false);
  QTimer::singleShot(kFlashMilliseconds, this, [this, tag, pressed, wasVisible] {
    copyToClipboard(tag);
    ImageFlash->setVisible(false);
    if (pressed && wasVisible)
      pressed->setVisible(true);
  });
}

void TFormSolver::copyToClipboard(int tag) {
  QClipboard* clipboard = QApplication::clipboard();
  switch (tag) {
  case 4:
    clipboard->setText(LabelHTML->plainText());
    return;
  case 5:
    clipboard->setText(HTMLabelAC->plainText());
    return;
  case 6:
    clipboard->setText(QString::fromStdString(logTableText(logModel_->captions(), logModel_->rows())));
    return;
  default:
    break;
  }
  QWidget* source = copySource(tag);
  if (!source)
    return;
  // The control's client area rendered into a picture of the same size.
  clipboard->setImage(source->grab().toImage());
}

} // namespace velmorin::gui
