#include "models/TFormConvergence.h"

#include "plot/TraceScene.h"
#include "widgets/SceneView.h"

#include <QVBoxLayout>

namespace velmorin::gui {

TFormConvergence::TFormConvergence(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      image_(new SceneView(this)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QStringLiteral("Wait..."));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  image_->setObjectName("Image");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 3, 3, 3);
  layout->addWidget(image_);
  setMinimumSize(300, 111);
  resize(384, 111);
}

void TFormConvergence::setTrace(const Trace& trace) {
  trace_ = trace;
  setWindowTitle(QString::fromStdString(trace_.caption));
  image_->setSceneFunction([this](double w, double h) { return plot::traceScene(trace_, w, h); });
}

} // namespace velmorin::gui
