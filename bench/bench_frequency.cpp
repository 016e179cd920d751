// Frequency response of the common-cathode amplifier's chain (input network,
// stage, output network) over the default sweep, 1 Hz to 100 kHz.
#include "database/BuiltInModels.h"
#include "frequency/FrequencyResponse.h"
#include "models/TTube.h"

#include <benchmark/benchmark.h>

using namespace velmorin;

namespace {

TTube biasedEcc83() {
  TubeModel m;
  for (const auto& b : builtInModels())
    if (b.name == "ECC83 / 12AX7")
      m = b;
  TTube t(m, "T1");
  t.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr);
  t.calculerParamètresIntrinsèques();
  return t;
}

std::vector<TQuadripole> c1Chain(const TTube& t) {
  const double s = 1e-12;
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{1e3, 47e-9, 1e6, 100e-12, 100e3, 100e-12, s},
                     std::vector<bool>{false, false});
  chain.emplace_back(tqpTubeCatCom, &t, std::vector<int>{2}, std::vector<double>{100e3, 1.5e3, 100e-6, s},
                     std::vector<bool>{false, true});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{},
                     std::vector<double>{0, 100e-9, 100e3, 10e-12, s}, std::vector<bool>{false});
  return chain;
}

void BM_FrequencyResponseC1(benchmark::State& state) {
  const TTube t = biasedEcc83();
  const TLégendes legends{{"RC input", true, 0xFF8A2BE2},
                          {"T1", true, 0xFFFF7F50},
                          {"RC output", true, 0xFF008000},
                          {"Overall gain", true, 0xFF00CED1}};
  for (auto _ : state) {
    FrequencyResult r = frequencyResponse("", c1Chain(t), legends, "C1", 0, 1e5, 1);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_FrequencyResponseC1)->Unit(benchmark::kMicrosecond);

} // namespace
