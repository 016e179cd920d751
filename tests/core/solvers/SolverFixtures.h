// Tube models and requests for solver tests: the built-in models in memory,
// and a request holding a circuit's first-opening entries.
#pragma once

#include "catalogue/Circuits.h"
#include "database/BuiltInModels.h"
#include "models/ModelLookup.h"
#include "solvers/DefaultEntries.h"
#include "solvers/SolveTypes.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace velmorin::testing {

inline const TubeModel& builtIn(const std::string& name) {
  for (const auto& m : builtInModels())
    if (m.name == name)
      return m;
  throw std::runtime_error("no built-in model " + name);
}

inline MapModelLookup builtInLookup() {
  MapModelLookup lookup;
  for (const auto& m : builtInModels())
    lookup.add(m);
  return lookup;
}

inline SolveRequest defaultRequest(int circuit, const std::string& tube) {
  SolveRequest r;
  r.circuit = circuit;
  r.title = std::string(circuitTitle(circuit));
  r.entries = defaultEntries(circuit);
  for (auto& e : r.entries)
    if (e.kind == EntryKind::TubeList)
      e.text = tube;
  r.clock = [] { return std::string("12:00:00"); };
  return r;
}

inline void setEntry(SolveRequest& r, const std::string& name, const std::string& text) {
  for (auto& e : r.entries)
    if (e.name == name) {
      if (e.kind == EntryKind::CheckBox)
        e.ticked = text == "1";
      else
        e.text = text;
      return;
    }
  throw std::runtime_error("no entry " + name);
}

// The NK triode equation written out on its own, to check solvers against.
inline double nkTriode(const TubeModel& m, double vak, double vgk) {
  if (vak <= 0)
    return 0;
  double e1 = vak / m.kp * std::log1p(std::exp(m.kp * (1 / m.mu + vgk / std::sqrt(m.kvb + vak * vak))));
  return 2 * std::pow(e1, m.ex) / m.kg1;
}

// Every text a user sees in a result: none may hold "nan" or "inf".
inline std::string allTexts(const SolveResult& r) {
  std::string s = r.dcReport + "\n" + r.acReport + "\n";
  if (r.refused)
    s += *r.refused + "\n";
  for (const auto& m : r.messages)
    s += m.text + "\n";
  for (const auto& [name, caption] : r.labels)
    s += caption + "\n";
  for (const auto& c : r.resultsRow)
    s += c + "\n";
  for (const auto& t : r.traces)
    s += t.caption + "\n";
  return s;
}

} // namespace velmorin::testing
