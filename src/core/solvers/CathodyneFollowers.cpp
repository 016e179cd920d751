// Circuits C2, C3, C5: cathodynes and the cathode follower.
#include "solvers/Circuits.h"

#include "solvers/SolverRun.h"

namespace velmorin {

SolveResult solveC2(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C2 is not available yet.", RefusedAs::Box);
}

SolveResult solveC3(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C3 is not available yet.", RefusedAs::Box);
}

SolveResult solveC5(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C5 is not available yet.", RefusedAs::Box);
}

} // namespace velmorin
