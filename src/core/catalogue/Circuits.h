// The fixed list of the 40 circuit topologies: number, title, groups, icon,
// solver calling form and the result pages each circuit's window offers.
#pragma once

#include "catalogue/Categories.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmorin {

inline constexpr int kCircuitCount = 40;

// Form A hands a solver the title and the window; form B also hands it the
// frame, the load-line box, the results table and the stack image directly.
enum class CallingForm { A, B };

struct CircuitInfo {
  int number = 0;
  std::string_view title;
  std::vector<Category> categories; // without Category::All, which holds every circuit
  int icon = 1;                     // record 1 to 4 of the icon stream
  CallingForm callingForm = CallingForm::A;
  bool feedbackEnabled = true;     // the global negative-feedback list applies
  bool hasBandwidthPage = false;   // Bode plot with legends
  bool hasOutputPowerPage = false; // drive sweep and waveforms
  bool isPowerStage = false;       // no AC page, the load-line page is an AC load line
};

bool isValidCircuit(int n);

// Circuit n, 1 to 40. Throws std::out_of_range for any other n.
const CircuitInfo& circuitInfo(int n);

// The title of circuit n exactly as the library shows it (throws like circuitInfo).
std::string_view circuitTitle(int n);

// "C%d": the key of everything stored per circuit (settings section, configuration code).
std::string circuitCode(int n);

} // namespace velmorin
