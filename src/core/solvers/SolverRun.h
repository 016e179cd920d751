// The working state of one solve: the request's entries and locale, the
// model lookup, the result being filled, and the helpers every circuit
// solver uses (tubes by model name, convergence traces, the results row).
#pragma once

#include "models/ModelLookup.h"
#include "models/TTube.h"
#include "solvers/SolveTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace velmorin {

class SolverRun {
public:
  SolverRun(const SolveRequest& request, const ModelLookup& models);

  const SolveRequest& request() const { return request_; }
  const Locale& loc() const { return request_.locale; }
  const Entries& entries() const { return entries_; }
  int circuit() const { return request_.circuit; }
  SolveResult& result() { return result_; }

  double number(const std::string& name) const { return entries_.number(name); }
  std::string text(const std::string& name) const { return entries_.text(name); }
  bool ticked(const std::string& name) const { return entries_.ticked(name); }
  // "EdVb" through limitSupply.
  double supply() const;

  // One trace per iteratively solved tube, tagged with the circuit number.
  // Call once, before solving; the pointers stay valid for the run.
  std::vector<Trace*> openConvergenceWindows(int n);

  // A tube of the named model, or nothing when that model cannot be used, in
  // which case the run is refused with a clear message.
  std::optional<TTube> makeTube(const std::string& modelName, const std::string& reference);

  // Ends the run with a validation failure.
  SolveResult refuse(const std::string& text, RefusedAs as);

  void message(MessageKind kind, const std::string& text) { result_.messages.push_back({kind, text}); }
  void label(const std::string& name, const std::string& caption) {
    result_.labels.emplace_back(name, caption);
  }

  // The results row: the time of day (or "ERROR"), then the given cells.
  void addResultRow(bool success, std::vector<std::string> cells);
  std::string cell(int decimals, double scale, double value) const;

  // The circuit's legends with the ticked states the window gave.
  std::vector<Legend> legends() const;

  // Sweeps the chain with the window's options and keeps the result.
  FrequencyResult frequencyResponse(std::vector<TQuadripole> chain);
  double strayCap() const { return request_.options.strayCap; }
  bool ignoreMiller() const { return request_.options.ignoreMiller; }

  SolveResult finish() { return std::move(result_); }

private:
  const SolveRequest& request_;
  const ModelLookup& models_;
  Entries entries_;
  SolveResult result_;
};

} // namespace velmorin
