#include "Commands.h"
#include "ResultOutput.h"

#include "catalogue/Circuits.h"
#include "database/DatabaseModelLookup.h"
#include "database/ModelDatabase.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"
#include "solvers/DefaultEntries.h"
#include "solvers/Framework.h"
#include "solvers/Precheck.h"
#include "solvers/Solve.h"
#include "text/Format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iostream>

namespace velmorin::cli {

namespace {

std::optional<int> parseCircuit(const std::string& text) {
  std::string_view s = text;
  if (!s.empty() && (s.front() == 'C' || s.front() == 'c'))
    s.remove_prefix(1);
  int n = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end != s.data() + s.size() || !isValidCircuit(n))
    return std::nullopt;
  return n;
}

bool oneOf(double v, std::initializer_list<double> allowed) {
  return std::any_of(allowed.begin(), allowed.end(), [&](double a) { return std::fabs(v - a) <= 1e-9 * a; });
}

bool validTime(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':')
    return false;
  for (int i : {0, 1, 3, 4, 6, 7})
    if (!std::isdigit(static_cast<unsigned char>(t[static_cast<std::size_t>(i)])))
      return false;
  int h = std::stoi(t.substr(0, 2)), m = std::stoi(t.substr(3, 2)), s = std::stoi(t.substr(6, 2));
  return h < 24 && m < 60 && s < 60;
}

Entry* findEntry(std::vector<Entry>& entries, const std::string& name, EntryKind kind) {
  for (auto& e : entries)
    if (e.name == name && e.kind == kind)
      return &e;
  return nullptr;
}

// Builds the request from the circuit's first-opening entries and the
// options; an empty text means the options are valid, else it says why not.
std::string buildRequest(const SolveOptionsCli& o, int n, SolveRequest& req) {
  req.circuit = n;
  req.title = std::string(circuitTitle(n));
  req.entries = defaultEntries(n);
  const std::string code = circuitCode(n);

  if (!o.tube.empty()) {
    bool any = false;
    for (auto& e : req.entries)
      if (e.kind == EntryKind::TubeList) {
        e.text = o.tube;
        any = true;
      }
    if (!any)
      return code + " has no tube list";
  }
  for (const auto& [list, model] : {std::pair{"LBtube1", &o.tube1}, std::pair{"LBtube2", &o.tube2}}) {
    if (model->empty())
      continue;
    Entry* e = findEntry(req.entries, list, EntryKind::TubeList);
    if (!e)
      return code + " has no tube list " + list + " (use --tube)";
    e->text = *model;
  }
  for (const auto& set : o.sets) {
    auto eq = set.find('=');
    if (eq == std::string::npos || eq == 0)
      return "--set takes EdName=value, not \"" + set + "\"";
    std::string name = set.substr(0, eq);
    Entry* e = findEntry(req.entries, name, EntryKind::Edit);
    if (!e)
      e = findEntry(req.entries, name, EntryKind::Combo);
    if (!e)
      return code + " has no entry " + name;
    e->text = set.substr(eq + 1);
  }
  for (const auto& tick : o.ticks) {
    Entry* e = findEntry(req.entries, tick, EntryKind::CheckBox);
    if (!e)
      return code + " has no check box " + tick;
    e->ticked = true;
  }

  SolveOptions& opt = req.options;
  if (o.fmin) {
    if (!oneOf(*o.fmin, {0.1, 1, 10, 100}))
      return "--fmin must be 0.1, 1, 10 or 100 (Hz)";
    opt.fmin = *o.fmin;
  }
  if (o.fmax) {
    if (!oneOf(*o.fmax, {1e4, 1e5, 1e6, 1e7}))
      return "--fmax must be 10000, 100000, 1e6 or 1e7 (Hz)";
    opt.fmax = *o.fmax;
  }
  if (o.feedback) {
    if (*o.feedback != 0 && !oneOf(*o.feedback, {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1}))
      return "--feedback must be 0, 0.001, 0.002, 0.005, 0.01, 0.02, 0.05 or 0.1";
    opt.feedback = *o.feedback;
  }
  opt.ignoreMiller = o.ignoreMiller;
  if (o.stray) {
    if (!oneOf(*o.stray, {1, 2, 3, 4, 5}))
      return "--stray must be 1, 2, 3, 4 or 5 (pF)";
    opt.strayCap = *o.stray * 1e-12;
  } else {
    Settings settings(settingsFilePath());
    opt.strayCap = strayCapForIndex(std::clamp(settings.strayCaps(), 0, 4));
  }
  if (!o.time.empty()) {
    if (!validTime(o.time))
      return "--time takes HH:MM:SS, not \"" + o.time + "\"";
    req.clock = [t = o.time] { return t; };
  }
  return {};
}

int print(const SolveResult& r, const SolveOptionsCli& o, const Locale& locale) {
  switch (o.format) {
  case OutputFormat::Json:
    std::cout << resultToJson(r).dump(2) << "\n";
    break;
  case OutputFormat::Html:
    std::cout << resultToHtml(r);
    break;
  case OutputFormat::Text:
    std::cout << resultToText(r, locale);
    break;
  }
  return r.refused ? 2 : 0;
}

} // namespace

int runSolve(const SolveOptionsCli& o) {
  std::optional<int> n = parseCircuit(o.circuit);
  if (!n) {
    printError("no circuit \"" + o.circuit + "\": give C1 to C40 (see: velmorin-cli circuits)");
    return 2;
  }
  SolveRequest req;
  req.locale = Locale::fromEnvironment();
  if (std::string why = buildRequest(o, *n, req); !why.empty()) {
    printError(why);
    return 2;
  }

  std::vector<std::string> lines = precheckLines(*n, req.entries, req.locale);
  if (!lines.empty()) {
    std::string text = precheckText(lines);
    text.pop_back();
    SolveResult refused = SolveResult::refusal(*n, req.title, text, RefusedAs::Box);
    if (o.format == OutputFormat::Json)
      return print(refused, o, req.locale);
    std::cerr << text << "\n";
    return 2;
  }

  ensureModelDatabase();
  DatabaseModelLookup models(dataFolder());
  SolveResult r = solve(*n, req, models);
  if (r.refused && o.format != OutputFormat::Json) {
    std::cerr << *r.refused << "\n";
    return 2;
  }
  if (!o.svgDir.empty() && !r.refused)
    writeResultSvgs(r, o.svgDir, req.locale);
  return print(r, o, req.locale);
}

} // namespace velmorin::cli
