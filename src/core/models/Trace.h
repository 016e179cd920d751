// The convergence trace of one iteratively solved tube: the points a solver
// tried, one per iteration, and the caption line it sets when done.
#pragma once

#include <string>
#include <vector>

namespace velmorin {

struct Trace {
  int tag = 0;                     // the circuit number
  std::vector<double> points;      // consecutive pairs (x, y)
  std::string caption = "Wait..."; // replaced by the solver's trace line
  bool displayed = false;          // the solver asked for a redraw

  void AddPoint(double x, double y) {
    points.push_back(x);
    points.push_back(y);
  }
  void Display() { displayed = true; }
  std::size_t pointCount() const { return points.size() / 2; }
};

} // namespace velmorin
