// Cost of the text helpers every report line and every entry goes through.
#include "text/EngValue.h"
#include "text/Format.h"
#include "text/ReportValues.h"

#include <benchmark/benchmark.h>

namespace {

const velmorin::Locale kLocale{".", ","};

void BM_SformatReportLine(benchmark::State& state) {
  for (auto _ : state) {
    std::string s = velmorin::sformat(kLocale, "%s<p indent=\"30\">%s     %.0f%% of Vamax (%.0fV)</p>",
                                      "<br>", velmorin::fmtVolt(kLocale, "Vak", 2, 151.234), 50.41, 300.0);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_SformatReportLine);

void BM_FmtCell(benchmark::State& state) {
  for (auto _ : state) {
    std::string s = velmorin::fmtCell(kLocale, 3, 1000, 0.0012345);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_FmtCell);

void BM_ParseEngValue(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmorin::parseEngValue("4k7", kLocale));
    benchmark::DoNotOptimize(velmorin::parseEngValue("100\u00B5", kLocale));
    benchmark::DoNotOptimize(velmorin::parseEngValue("1.5k", kLocale));
  }
}
BENCHMARK(BM_ParseEngValue);

} // namespace
