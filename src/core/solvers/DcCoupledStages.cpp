// Circuits C4, C6, C8, C9: two-tube DC-coupled stages.
#include "solvers/Circuits.h"

#include "solvers/SolverRun.h"

namespace velmorin {

SolveResult solveC4(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C4 is not available yet.", RefusedAs::Box);
}

SolveResult solveC6(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C6 is not available yet.", RefusedAs::Box);
}

SolveResult solveC8(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C8 is not available yet.", RefusedAs::Box);
}

SolveResult solveC9(const SolveRequest& request, const ModelLookup& models) {
  SolverRun run(request, models);
  return run.refuse("The solver of circuit C9 is not available yet.", RefusedAs::Box);
}

} // namespace velmorin
