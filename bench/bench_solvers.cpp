// One whole solve of each circuit that has a solver, with its default entries
// and a suitable built-in model (frequency response included).
#include "catalogue/FrameControls.h"
#include "database/BuiltInModels.h"
#include "solvers/DefaultEntries.h"
#include "solvers/Solve.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velmorin;

MapModelLookup& models() {
  static MapModelLookup lookup = [] {
    MapModelLookup l;
    for (const auto& m : builtInModels())
      l.add(m);
    return l;
  }();
  return lookup;
}

SolveRequest requestFor(int circuit) {
  SolveRequest r;
  r.circuit = circuit;
  r.entries = defaultEntries(circuit);
  for (auto& e : r.entries)
    if (e.kind == EntryKind::TubeList) {
      const FrameControl* c = findFrameControl(circuit, e.name);
      e.text = c && c->tubeKind == kPentode ? "EL34" : "ECC83 / 12AX7";
    } else if (e.name == "EdVg" && circuit < 37) {
      e.text = "100"; // a grid voltage the tube can follow, so the whole solve is timed
    } else if (e.name == "EdRk" && circuit == 5) {
      e.text = "100k"; // the cathodyne's default 1k would ask 100 mA of the tube
    }
  r.clock = [] { return std::string("12:00:00"); };
  return r;
}

void solveCircuit(benchmark::State& state, int circuit) {
  SolveRequest request = requestFor(circuit);
  for (auto _ : state) {
    SolveResult r = solve(circuit, request, models());
    benchmark::DoNotOptimize(r);
  }
}

const bool registered = [] {
  for (int n = 1; n <= 40; ++n)
    if (isSolverAvailable(n))
      benchmark::RegisterBenchmark(("Solve/C" + std::to_string(n)).c_str(), solveCircuit, n)
          ->Unit(benchmark::kMicrosecond);
  return true;
}();

} // namespace
