// The one entry point of the circuit solvers.
#pragma once

#include "models/ModelLookup.h"
#include "solvers/SolveTypes.h"

namespace velmorin {

// Solves circuit `circuit` (1 to 40) for the request. A circuit whose solver
// is not available, or an unknown circuit, is refused with a message box.
SolveResult solve(int circuit, const SolveRequest& request, const ModelLookup& models);

bool isSolverAvailable(int circuit);

} // namespace velmorin
