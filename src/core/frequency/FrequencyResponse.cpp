#include "frequency/FrequencyResponse.h"

#include "frequency/Bandwidth.h"
#include "frequency/Sweep.h"

#include <array>
#include <limits>

namespace velmorin {

namespace {

// The input impedance of a stage's `which`-th downstream neighbour; a stage
// that names none (or a neighbour outside the chain) drives an open circuit.
double downstreamZin(std::span<TQuadripole> chain, const TQuadripole& q, std::size_t which) {
  const auto& faval = q.Faval();
  if (which >= faval.size() || faval[which] < 0 || std::size_t(faval[which]) >= chain.size())
    return std::numeric_limits<double>::infinity();
  return chain[std::size_t(faval[which])].ZinQPMémorisé();
}

plot::BodeCurve curveOfLegend(const TLégendes& legends, std::size_t index, std::size_t points) {
  plot::BodeCurve c;
  if (index < legends.size()) {
    c.title = legends[index].légende_titre;
    c.color = legends[index].légende_color;
    c.ticked = legends[index].légende_display;
  }
  c.gains.assign(points, 0.0);
  return c;
}

// The frequencies of the table blocks after the one at the maximum.
constexpr std::array kTableFrequencies{1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};

void appendTableBlock(std::vector<TDataQP>& table, std::span<TQuadripole> chain, const TLégendes& legends,
                      double f) {
  chainGain(chain, 0, f);
  std::size_t legend = 0;
  auto row = [&](const TQuadripole& q, double av) {
    TDataQP r;
    if (legend < legends.size()) {
      r.titre = legends[legend].légende_titre;
      r.couleur = legends[legend].légende_color;
    }
    ++legend;
    r.nature = natureName(q.Nature());
    r.fréq = f;
    r.av = av;
    r.zin = q.Zi();
    table.push_back(std::move(r));
  };
  for (const TQuadripole& q : chain) {
    row(q, q.Av0());
    if (hasSecondOutput(q.Nature()))
      row(q, q.Av1());
  }
  table.push_back(TDataQP{});
}

} // namespace

const char* natureName(TTypeQuadripole kind) {
  switch (kind) {
  case tqpInputGrid:
    return "RC-in";
  case tqpOutputLoad:
    return "RC-out";
  case tqpLevelShifter:
    return "RC-LevShi";
  case tqpInterStage:
    return "RC-inter";
  case tqpTubeCatCom:
    return "Cat-com";
  case tqpTubeCatFol:
    return "Cat-fol";
  case tqpTubeGriCom:
    return "Gri-com";
  case tqpTubeAnoCom:
    return "Ano-com";
  case tqpTubePullUpDn:
    return "Pull UpDn";
  case tqpTubeCathodyne:
    return "Cathodyne";
  case tqpTubeDifférentiel:
    return "Differen.";
  case tqpTubeMixer:
    return "";
  }
  return "";
}

double chainGain(std::span<TQuadripole> chain, double β, double f) {
  double A = 1;
  for (std::size_t j = chain.size(); j-- > 0;) {
    TQuadripole& q = chain[j];
    double Av0 = 0, Av1 = 0;
    switch (q.Nature()) {
    case tqpInputGrid: {
      const std::array values{f, downstreamZin(chain, q, 0)};
      const std::array flags{q.elements().C1Shunted};
      q.getVarGains(values, Av1, Av0, flags);
      break;
    }
    case tqpOutputLoad: {
      const std::array values{f};
      q.getVarGains(values, Av1, Av0);
      break;
    }
    case tqpTubeCathodyne:
    case tqpTubeDifférentiel: {
      const std::array values{f, downstreamZin(chain, q, 0), downstreamZin(chain, q, 1)};
      q.getVarGains(values, Av1, Av0);
      break;
    }
    default: {
      const std::array values{f, downstreamZin(chain, q, 0)};
      q.getVarGains(values, Av1, Av0);
      break;
    }
    }
    q.setAv0(Av0);
    q.setAv1(Av1);
    A *= Av0;
  }
  return A / (A * β + 1);
}

FrequencyResult frequencyResponse(const std::string& title, std::vector<TQuadripole> chain,
                                  const TLégendes& legends, const std::string& caption, double β, double fmax,
                                  double fmin) {
  FrequencyResult result;
  plot::BodeData& bode = result.bode;
  bode.title = title;
  bode.caption = caption;
  bode.β = β;
  bode.legends = legends;
  bode.frequencies = sweepFrequencies(fmin, fmax);
  const std::vector<double>& freqs = bode.frequencies;
  const std::size_t n = freqs.size();

  for (const TQuadripole& q : chain) {
    bode.outputs.push_back(curveOfLegend(legends, bode.outputs.size(), n));
    if (hasSecondOutput(q.Nature()))
      bode.outputs.push_back(curveOfLegend(legends, bode.outputs.size(), n));
  }
  bode.overallShown = legends.size() > bode.outputs.size();
  bode.overall = curveOfLegend(bode.overallShown ? legends : TLégendes{}, bode.outputs.size(), n);

  // The first of equal maxima wins; gains that are not numbers never do.
  double maxGain = 0;
  std::size_t k = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double overall = chainGain(chain, β, freqs[i]);
    std::size_t out = 0;
    for (const TQuadripole& q : chain) {
      bode.outputs[out++].gains[i] = q.Av0();
      if (hasSecondOutput(q.Nature()))
        bode.outputs[out++].gains[i] = q.Av1();
    }
    bode.overall.gains[i] = overall;
    if (overall > maxGain) {
      maxGain = overall;
      k = i;
    }
  }

  const GainAt gain = [&chain, β](double f) { return chainGain(chain, β, f); };
  const GainMaximum maximum = refineMaximum(freqs, k, gain);
  bode.fmaxGain = maximum.fmaxGain;
  bode.Gmax = maximum.Gmax;
  bode.fLow = lowerCutoff(gain, bode.Gmax, bode.fmaxGain);
  bode.fHigh = upperCutoff(gain, bode.Gmax, bode.fmaxGain);

  // The table shows the open-loop stages.
  appendTableBlock(result.table, chain, legends, bode.fmaxGain);
  for (double f : kTableFrequencies)
    appendTableBlock(result.table, chain, legends, f);
  return result;
}

} // namespace velmorin
