#include "widgets/SceneView.h"

#include "widgets/ScenePainter.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace velmorin::gui {

SceneView::SceneView(QWidget* parent) : QWidget(parent) {}

void SceneView::setSceneFunction(SceneFunction f) {
  function_ = std::move(f);
  cached_.reset();
  update();
}

void SceneView::setScene(plot::Scene scene) {
  hint_ = QSize(int(std::ceil(scene.width)), int(std::ceil(scene.height)));
  setSceneFunction([s = std::move(scene)](double, double) { return s; });
  updateGeometry();
}

void SceneView::clear() {
  setSceneFunction({});
}

const plot::Scene& SceneView::currentScene() {
  if (!cached_) {
    if (function_)
      cached_ = function_(width(), height());
    else {
      plot::Scene empty;
      empty.width = width();
      empty.height = height();
      empty.background = plot::Argb(0);
      cached_ = std::move(empty);
    }
  }
  return *cached_;
}

QSize SceneView::sizeHint() const {
  return hint_.isValid() ? hint_ : QWidget::sizeHint();
}

void SceneView::resizeEvent(QResizeEvent* event) {
  cached_.reset();
  QWidget::resizeEvent(event);
}

void SceneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const plot::Scene& scene = currentScene();
  // A transparent background lets the control's own background show through.
  if ((scene.background >> 24) != 0)
    painter.fillRect(rect(), toQColor(scene.background));
  paintSceneItems(painter, scene);
}

} // namespace velmorin::gui
