// A picture control that paints a core Scene. The scene comes from a
// function of the control's size, asked again whenever the control is
// resized, so a drawing always fills its control at its own scale.
#pragma once

#include "plot/Scene.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace velmorin::gui {

class SceneView : public QWidget {
  Q_OBJECT
public:
  using SceneFunction = std::function<plot::Scene(double width, double height)>;

  explicit SceneView(QWidget* parent = nullptr);

  // The drawing; an empty function shows the bare background.
  void setSceneFunction(SceneFunction f);
  // A drawing of fixed size, whatever the control's size.
  void setScene(plot::Scene scene);
  void clear();
  bool hasScene() const { return bool(function_); }

  // The scene as it is painted at the current size.
  const plot::Scene& currentScene();

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  SceneFunction function_;
  std::optional<plot::Scene> cached_;
  QSize hint_;
};

} // namespace velmorin::gui
