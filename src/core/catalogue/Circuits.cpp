#include "catalogue/Circuits.h"

#include "catalogue/Legends.h"

#include <stdexcept>

namespace velmorin {

namespace {

struct CircuitRow {
  int number;
  std::string_view title;
  std::vector<Category> categories;
  int icon;
  CallingForm form;
};

std::vector<CircuitInfo> buildCircuits() {
  using enum Category;
  using enum CallingForm;
  // Icons: 1 for one tube and for the power stages, then 2, 3, 4 by tube count.
  const std::vector<CircuitRow> rows = {
      {1, "Common-cathode amplifier, cathode bias", {OneTube, GainStage}, 1, A},
      {2, "Phase inverter, self bias cathodyne", {OneTube, Buffer, PhaseInverter}, 1, A},
      {3, "Cathode-follower, fixed bias", {OneTube, Buffer}, 1, A},
      {4, "Common-cathode amplifier and DC-coupled cathode-follower", {TwoTube, GainStage, Buffer}, 2, A},
      {5, "Phase inverter, fixed bias cathodyne", {OneTube, PhaseInverter}, 1, A},
      {6, "True cascode", {TwoTube, GainStage, CascodeLike}, 2, A},
      {7, "Differential phase inverter, cathode bias", {TwoTube, PhaseInverter, Differential}, 2, A},
      {8, "Cascode SRPP", {TwoTube, GainStage, CascodeLike}, 2, A},
      {9, "Common-cathode amplifier with DC direct coupling", {TwoTube, GainStage}, 2, A},
      {10,
       "Differential phase inverter, constant current bias",
       {TwoTube, PhaseInverter, Differential},
       2,
       A},
      {11, "Dual triode mixer, balanced", {TwoTube, GainStage, Mixer}, 2, A},
      {12, "Dual triode mixer, asymmetrical", {TwoTube, GainStage, Mixer}, 2, B},
      {13, "Common-cathode amplifier, constant current bias", {OneTube, GainStage}, 1, B},
      {14, "Common-cathode amplifier with DC level shifting", {TwoTube, GainStage}, 2, A},
      {15,
       "Differential phase inverter, long-tailed pair, cathode bias",
       {PhaseInverter, Differential},
       2,
       A},
      {16, "Two-triode serial voltage regulator", {TwoTube, VoltageRegulator}, 2, B},
      {17, "Single triode serial voltage regulator", {OneTube, VoltageRegulator}, 1, B},
      {18, "Single triode shunt voltage regulator", {OneTube, VoltageRegulator}, 1, B},
      {19, "3-tube amplifier common-cathode, filtered power supply", {ThreeTube, GainStage}, 3, B},
      {20, "2-tube amplifier common-cathode, filtered power supply", {TwoTube, GainStage}, 2, A},
      {21, "Double cascode after Aikido Cirquette", {FourTube, GainStage, CascodeLike}, 4, A},
      {22, "Cascode SRPP, fixed bias", {TwoTube, GainStage, CascodeLike}, 2, B},
      {23, "Push-pull amplifier with DC feedback after Cirquette", {FourTube, GainStage, CascodeLike}, 4, B},
      {24, "SRPP headphone amplifier after Cirquette", {ThreeTube, GainStage, Buffer, CascodeLike}, 3, B},
      {25, "Basic current sink", {OneTube}, 1, B},
      {26, "CCDA line amplifier after Cirquette", {TwoTube, GainStage, Buffer}, 2, B},
      {27, "Janus cascode shunt regulator after Cirquette", {TwoTube, CascodeLike, VoltageRegulator}, 2, B},
      {28,
       "Totem pole split load phase splitter after Cirquette",
       {TwoTube, GainStage, CascodeLike, PhaseInverter},
       2,
       B},
      {29, "Amplifier with local feedback anode to grid", {OneTube, GainStage}, 1, B},
      {30, "Mu-follower", {TwoTube, GainStage, Buffer, CascodeLike}, 2, B},
      {31, "Cascode SRPP+", {TwoTube, GainStage, Buffer, CascodeLike}, 2, B},
      {32, "Common-grid amplifier", {OneTube, GainStage}, 1, A},
      {33, "White cathode follower", {TwoTube, Buffer, CascodeLike}, 2, B},
      {34, "Half-mu stage", {TwoTube, GainStage, CascodeLike}, 2, A},
      {35, "Cathode-follower with current sink", {TwoTube, Buffer, CascodeLike}, 2, A},
      {36, "Cathode-common pentode amplifier", {OneTube, GainStage}, 1, A},
      {37, "Single-ended triode power amplifier", {OneTube, PowerStage}, 1, A},
      {38, "Single-ended pentode power amplifier", {OneTube, PowerStage}, 1, A},
      {39, "Push-pull triode power amplifier", {TwoTube, PowerStage}, 1, A},
      {40, "Push-pull pentode power amplifier", {TwoTube, PowerStage}, 1, A},
  };
  std::vector<CircuitInfo> infos;
  infos.reserve(rows.size());
  for (const CircuitRow& row : rows) {
    CircuitInfo info;
    info.number = row.number;
    info.title = row.title;
    info.categories = row.categories;
    info.icon = row.icon;
    info.callingForm = row.form;
    // These five have two outputs in opposition and no overall-gain curve:
    // there is no single gain a feedback fraction could be applied to.
    const int n = row.number;
    info.feedbackEnabled = !(n == 2 || n == 5 || n == 7 || n == 10 || n == 15);
    info.isPowerStage = n >= 37 && n <= 40;
    info.hasBandwidthPage = !info.isPowerStage && !legends(n).empty();
    info.hasOutputPowerPage = n == 37 || n == 38;
    infos.push_back(std::move(info));
  }
  return infos;
}

const std::vector<CircuitInfo>& allCircuits() {
  static const std::vector<CircuitInfo> circuits = buildCircuits();
  return circuits;
}

} // namespace

bool isValidCircuit(int n) {
  return n >= 1 && n <= kCircuitCount;
}

const CircuitInfo& circuitInfo(int n) {
  if (!isValidCircuit(n))
    throw std::out_of_range("No circuit C" + std::to_string(n));
  return allCircuits()[static_cast<std::size_t>(n - 1)];
}

std::string_view circuitTitle(int n) {
  return circuitInfo(n).title;
}

std::string circuitCode(int n) {
  return "C" + std::to_string(n);
}

} // namespace velmorin
