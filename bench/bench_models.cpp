// Costs of the tube equations and of the bias solvers on a 12AX7 and an EL34.
#include "models/TTube.h"
#include "models/TubeModel.h"

#include <benchmark/benchmark.h>

namespace {

using velmorin::TTube;
using velmorin::TubeModel;

TubeModel ecc83() {
  TubeModel m;
  m.name = "ECC83 / 12AX7";
  m.kp = 600;
  m.mu = 100;
  m.kvb = 300;
  m.ex = 1.4;
  m.kg1 = 1060;
  m.pmax = 1;
  m.imax = 0.008;
  m.vmax = 350;
  m.t35 = 3;
  return m;
}

TubeModel el34() {
  TubeModel m;
  m.name = "EL34";
  m.kp = 47.01;
  m.mu = 14.18;
  m.kvb = 3.6;
  m.ex = 1.175;
  m.kg1 = 282.3;
  m.pmax = 25;
  m.imax = 0.15;
  m.vmax = 800;
  m.kg2 = 1147;
  m.t35 = 5;
  m.pemax = 8;
  m.vemax = 500;
  return m;
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
