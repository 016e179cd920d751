#include "solvers/SolverRun.h"

#include "catalogue/Legends.h"
#include "catalogue/ResultColumns.h"
#include "solvers/Framework.h"
#include "text/Format.h"
#include "text/ReportValues.h"

namespace velmorin {

SolverRun::SolverRun(const SolveRequest& request, const ModelLookup& models)
    : request_(request), models_(models), entries_(request.entries, request.locale) {
  result_.circuit = request.circuit;
  result_.title = request.title;
  if (request.circuit >= 1 && request.circuit <= 40)
    for (std::string_view c : resultColumns(request.circuit))
      result_.resultsColumns.emplace_back(c);
}

double SolverRun::supply() const {
  return limitSupply(number("EdVb"));
}

std::vector<Trace*> SolverRun::openConvergenceWindows(int n) {
  result_.traces.assign(static_cast<std::size_t>(n), Trace{});
  std::vector<Trace*> out;
  for (auto& t : result_.traces) {
    t.tag = request_.circuit;
    out.push_back(&t);
  }
  return out;
}

std::optional<TTube> SolverRun::makeTube(const std::string& modelName, const std::string& reference) {
  if (modelName.empty()) {
    refuse("Select tube(s)", RefusedAs::Box);
    return std::nullopt;
  }
  std::optional<TubeModel> model = models_.find(modelName);
  if (!model) {
    refuse(sformat(loc(), "Unknown tube model \"%s\": it is not in the model database.", modelName),
           RefusedAs::Box);
    return std::nullopt;
  }
  if (!isEvaluable(*model)) {
    refuse(
        sformat(loc(),
                "The tube model \"%s\" cannot be used: its kp, mu, kvb and kg1 (and kg2 for a pentode) must "
                "not be 0.",
                modelName),
        RefusedAs::Box);
    return std::nullopt;
  }
  return TTube(*model, reference, loc());
}

SolveResult SolverRun::refuse(const std::string& text, RefusedAs as) {
  result_ = SolveResult::refusal(request_.circuit, request_.title, text, as);
  return result_;
}

void SolverRun::addResultRow(bool success, std::vector<std::string> cells) {
  std::string time = success ? (request_.clock ? request_.clock() : localTimeOfDay()) : std::string("ERROR");
  cells.insert(cells.begin(), std::move(time));
  result_.resultsRow = std::move(cells);
  result_.success = success;
}

std::string SolverRun::cell(int decimals, double scale, double value) const {
  return fmtCell(loc(), decimals, scale, value);
}

std::vector<Legend> SolverRun::legends() const {
  if (!request_.options.legends.empty())
    return request_.options.legends;
  std::vector<Legend> out;
  for (const CircuitLegend& l : velmorin::legends(request_.circuit))
    out.push_back({std::string(l.title), true, l.color});
  return out;
}

FrequencyResult SolverRun::frequencyResponse(std::vector<TQuadripole> chain) {
  const SolveOptions& o = request_.options;
  FrequencyResult r =
      velmorin::frequencyResponse(o.configurationCaption, std::move(chain), legends(),
                                  sformat(loc(), "C%d", request_.circuit), o.feedback, o.fmax, o.fmin);
  result_.frequency = r;
  return r;
}

} // namespace velmorin
