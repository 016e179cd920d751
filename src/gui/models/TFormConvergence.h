// The convergence trace window: how an iterative bias solver converged, the
// currents it tried drawn as one green line, redrawn at every resize.
#pragma once

#include "models/Trace.h"

#include <QWidget>

namespace velmorin::gui {

class SceneView;

class TFormConvergence : public QWidget {
  Q_OBJECT
public:
  // A tool window owned by `owner`, captioned "Wait..." until a trace is shown.
  explicit TFormConvergence(QWidget* owner);

  // Shows the trace and its caption line.
  void setTrace(const Trace& trace);
  const Trace& trace() const { return trace_; }
  SceneView* image() const { return image_; }

private:
  Trace trace_;
  SceneView* image_;
};

} // namespace velmorin::gui
