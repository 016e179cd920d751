// Costs of the tube equations and of the bias solvers on a 12AX7 and an EL34.
#include "database/BuiltInModels.h"
#include "models/TTube.h"
#include "models/TubeModel.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using velmorin::TTube;
using velmorin::TubeModel;

const TubeModel& builtIn(const std::string& name) {
  for (const auto& m : velmorin::builtInModels())
    if (m.name == name)
      return m;
  throw std::runtime_error("no built-in model " + name);
}

TubeModel ecc83() {
  return builtIn("ECC83 / 12AX7");
}
TubeModel el34() {
  return builtIn("EL34");
}

void BM_TriodeEquation(benchmark::State& state) {
  TTube t(ecc83(), "T1");
  double Vak = 250, Ia = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Vak);
    t.CalculerNK(Vak, -1.5, Ia);
    benchmark::DoNotOptimize(Ia);
  }
}
BENCHMARK(BM_TriodeEquation);

void BM_PentodeEquation(benchmark::State& state) {
  TTube t(el34(), "T1");
  double Vak = 250;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Vak);
    benchmark::DoNotOptimize(t.CalculerNKpentode(Vak, -15, 250));
  }
}
BENCHMARK(BM_PentodeEquation);

void BM_BasicBiasSuccApprox(benchmark::State& state) {
  TTube t(ecc83(), "T1");
  for (auto _ : state)
    benchmark::DoNotOptimize(t.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr));
}
BENCHMARK(BM_BasicBiasSuccApprox);

void BM_BasicBiasPoints(benchmark::State& state) {
  TTube t(ecc83(), "T1");
  double Vak = 0, Vgk = 0, Ia = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(t.basicBiasPoints(250, 100e3, 1.5e3, Vak, Vgk, Ia, nullptr));
}
BENCHMARK(BM_BasicBiasPoints);

void BM_GridBiasPoints(benchmark::State& state) {
  TTube t(ecc83(), "T1");
  double Vak = 0, Vgk = 0, Ia = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(t.gridBiasPoints(250, 100e3, 1.5e3, 1.0, Vak, Vgk, Ia, nullptr));
}
BENCHMARK(BM_GridBiasPoints);

void BM_LoadLineNullVgk(benchmark::State& state) {
  TTube t(ecc83(), "T1");
  double Vakmin = 0, Iamax = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(t.LoadLineNullVgk(250, 101.5e3, Vakmin, Iamax));
}
BENCHMARK(BM_LoadLineNullVgk);

void BM_WhichVg(benchmark::State& state) {
  TTube t(ecc83(), "T1");
  for (auto _ : state)
    benchmark::DoNotOptimize(t.whichVg(1e-3, 250, 0));
}
BENCHMARK(BM_WhichVg);

} // namespace
