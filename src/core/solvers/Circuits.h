// The circuit solvers, one per circuit of the catalogue. Each is a pure
// function of the frame's entries, the window options and the tube models.
#pragma once

#include "models/ModelLookup.h"
#include "solvers/SolveTypes.h"

namespace velmorin {

using SolverFunction = SolveResult (*)(const SolveRequest&, const ModelLookup&);

SolveResult solveC1(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC2(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC3(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC4(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC5(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC6(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC7(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC8(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC9(const SolveRequest& request, const ModelLookup& models);
SolveResult solveC10(const SolveRequest& request, const ModelLookup& models);

// The solver of circuit n, or null when it is not built yet.
SolverFunction solverFor(int n);

} // namespace velmorin
