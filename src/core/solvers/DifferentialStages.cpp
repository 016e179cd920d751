// Circuits C7, C10: differential stages.
#include "solvers/Circuits.h"

#include "solvers/SolverRun.h"

namespace velmorin {

SolveResult solveC7(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C7 is not available yet.", RefusedAs::Box);
}

SolveResult solveC10(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C10 is not available yet.", RefusedAs::Box);
}

} // namespace velmorin
