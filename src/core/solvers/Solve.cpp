#include "solvers/Solve.h"

#include "catalogue/Circuits.h"
#include "solvers/Circuits.h"
#include "text/Format.h"

#include <array>

namespace velmorin {

SolverFunction solverFor(int n) {
  static const std::array<SolverFunction, 41> table = [] {
    std::array<SolverFunction, 41> t{};
    t[1] = solveC1;
    t[2] = solveC2;
    t[3] = solveC3;
    t[4] = solveC4;
    t[5] = solveC5;
    t[6] = solveC6;
    t[7] = solveC7;
    t[8] = solveC8;
    t[9] = solveC9;
    t[10] = solveC10;
    return t;
  }();
  return n >= 1 && n <= 40 ? table[static_cast<std::size_t>(n)] : nullptr;
}

bool isSolverAvailable(int circuit) {
  return solverFor(circuit) != nullptr;
}

SolveResult solve(int circuit, const SolveRequest& request, const ModelLookup& models) {
  if (!isValidCircuit(circuit))
    return SolveResult::refusal(
        circuit, request.title,
        sformat(request.locale, "There is no circuit C%d: circuits are numbered 1 to 40.", circuit),
        RefusedAs::Box);
  SolveRequest r = request;
  r.circuit = circuit;
  if (r.title.empty())
    r.title = std::string(circuitTitle(circuit));
  SolverFunction f = solverFor(circuit);
  if (!f)
    return SolveResult::refusal(
        circuit, r.title, sformat(request.locale, "The solver of circuit C%d is not available yet.", circuit),
        RefusedAs::Box);
  return f(r, models);
}

} // namespace velmorin
