#include "catalogue/Categories.h"

#include "catalogue/Circuits.h"

#include <algorithm>

namespace velmorin {

const std::array<CategoryInfo, kCategoryCount>& categories() {
  // The tree capitalises the functional groups and says "Power stages".
  static const std::array<CategoryInfo, kCategoryCount> table = {{
      {Category::All, "All", "All circuits"},
      {Category::OneTube, "1-tube", "1-tube"},
      {Category::TwoTube, "2-tube", "2-tube"},
      {Category::ThreeTube, "3-tube", "3-tube"},
      {Category::FourTube, "4-tube", "4-tube"},
      {Category::GainStage, "gain stage", "Gain stage"},
      {Category::Buffer, "buffer", "Buffer"},
      {Category::CascodeLike, "cascode-like", "Cascode-like"},
      {Category::PhaseInverter, "phase inverter", "Phase inverter"},
      {Category::Differential, "differential", "Differential"},
      {Category::Mixer, "mixer", "Mixer"},
      {Category::VoltageRegulator, "voltage regulator", "Voltage regulator"},
      {Category::PowerStage, "power stage", "Power stages"},
  }};
  return table;
}

bool belongsTo(int n, Category category) {
  if (!isValidCircuit(n))
    return false;
  if (category == Category::All)
    return true;
  const auto& cats = circuitInfo(n).categories;
  return std::find(cats.begin(), cats.end(), category) != cats.end();
}

std::vector<int> circuitsIn(Category category) {
  std::vector<int> result;
  for (int n = 1; n <= kCircuitCount; ++n)
    if (belongsTo(n, category))
      result.push_back(n);
  return result;
}

} // namespace velmorin
