#include "catalogue/Legends.h"

#include "catalogue/Circuits.h"

#include <stdexcept>
#include <string>

namespace velmorin {

namespace {

// Curve titles per circuit; an empty list means the circuit has no Bandwidth page.
const std::vector<std::vector<std::string_view>>& legendTitles() {
  static const std::vector<std::vector<std::string_view>> titles = {
      // C1
      {"RC input", "T1", "RC output", "Overall gain"},
      // C2
      {"RC input", "T1A", "T1K", "RCa output", "RCk output"},
      // C3
      {"RC input", "T1", "RC output", "Overall gain"},
      // C4
      {"RC input", "T1", "T2", "RC output", "Overall gain"},
      // C5
      {"RC input", "T1A", "T1K", "RCa output", "RCk output"},
      // C6
      {"RC input", "T1", "T2", "RC output", "Overall gain"},
      // C7
      {"RC in", "T1", "T2", "RC1", "RC2"},
      // C8
      {"RC input", "T1", "T2", "RC output", "Overall gain"},
      // C9
      {"RC input", "T1", "T2", "RC output", "Overall gain"},
      // C10
      {"RC in", "T1", "T2", "RC1", "RC2"},
      // C11
      {"RC input", "T1", "RC output", "Overall gain"},
      // C12
      {},
      // C13
      {},
      // C14
      {"RC input", "T1", "Level shifter", "T2", "RC output", "Overall gain"},
      // C15
      {"RC in", "T1", "T2", "RC1", "RC2"},
      // C16
      {},
      // C17
      {},
      // C18
      {},
      // C19
      {},
      // C20
      {"RC input", "T2", "RC T2->T1", "T1", "RC output", "Overall gain"},
      // C21
      {"RC input", "T1", "T2", "T4", "T3", "RC output", "Overall gain"},
      // C22
      {},
      // C23
      {},
      // C24
      {},
      // C25
      {},
      // C26
      {},
      // C27
      {},
      // C28
      {},
      // C29
      {},
      // C30
      {},
      // C31
      {},
      // C32
      {"T1 gain", "RC output", "Overall gain"},
      // C33
      {},
      // C34
      {"RC input", "T1", "T2", "RC output", "Overall gain"},
      // C35
      {"RC input", "T2", "T1", "RC output", "Overall gain"},
      // C36
      {"RC input", "T1", "RC output", "Overall gain"},
      // C37
      {},
      // C38
      {},
      // C39
      {},
      // C40
      {},
  };
  return titles;
}

} // namespace

std::vector<CircuitLegend> legends(int n) {
  if (!isValidCircuit(n))
    throw std::out_of_range("No circuit C" + std::to_string(n));
  std::vector<CircuitLegend> result;
  const auto& titles = legendTitles()[static_cast<std::size_t>(n - 1)];
  for (std::size_t i = 0; i < titles.size() && i < legendColors.size(); ++i)
    result.push_back({titles[i], legendColors[i]});
  return result;
}

} // namespace velmorin
