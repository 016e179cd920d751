// The solver's call contract: what a solve reads (the frame's entries and
// the window options) and everything it produces, as plain values. The
// solver window applies a SolveResult; the command-line tool prints it.
#pragma once

#include "frequency/FrequencyResponse.h"
#include "models/Trace.h"
#include "plot/LoadLine.h"
#include "plot/VoltageStack.h"
#include "solvers/Entries.h"
#include "text/Locale.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmorin {

// The window options a solver reads.
struct SolveOptions {
  double fmin = 1; // sweep bounds, Hz
  double fmax = 1e5;
  double feedback = 0; // feedback fraction β, 0 = none
  bool ignoreMiller = false;
  double strayCap = 1e-12; // per pin, F
  // The legend boxes of the Bandwidth page: title, ticked, colour. Empty:
  // the circuit's own legends, all ticked.
  std::vector<Legend> legends;
  std::string configurationCaption; // the caption of the loaded configuration, if any
};

struct SolveRequest {
  int circuit = 0;
  std::string title;
  std::vector<Entry> entries;
  SolveOptions options;
  Locale locale;
  // The time-of-day cell of the results row; unset: the local time now.
  std::function<std::string()> clock;
};

enum class MessageKind { Error, Information };

struct SolverMessage {
  MessageKind kind = MessageKind::Error;
  std::string text;
};

enum class RefusedAs { Report, Box };

struct SolveResult {
  int circuit = 0;
  std::string title;
  // A validation failure: only its text, nothing else is produced.
  std::optional<std::string> refused;
  RefusedAs refusedAs = RefusedAs::Box;
  bool success = false; // every check passed (the results row starts with the time)

  std::vector<SolverMessage> messages; // message boxes, in order
  std::string dcReport;
  std::string acReport;
  std::vector<std::pair<std::string, std::string>> labels; // component name → caption
  std::vector<plot::StackColumn> stacks;
  double stackVb = 0; // the voltage the full height of a stack bar stands for
  std::vector<plot::LoadLineData> loadLines;
  std::vector<std::string> resultsColumns; // "-" first
  std::vector<std::string> resultsRow;
  std::vector<Trace> traces;
  std::optional<FrequencyResult> frequency;

  static SolveResult refusal(int circuit, std::string title, std::string text, RefusedAs as) {
    SolveResult r;
    r.circuit = circuit;
    r.title = std::move(title);
    r.refused = std::move(text);
    r.refusedAs = as;
    return r;
  }
};

} // namespace velmorin
