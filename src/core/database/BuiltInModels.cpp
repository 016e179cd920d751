#include "database/BuiltInModels.h"

#include <algorithm>

namespace velmorin {

const std::vector<TubeModel>& builtInModels() {
  // Values in SI units; capacitances are written in picofarads times 1e-12.
  // Columns: name, comment, kp, mu, kvb, ex, kg1, pmax (W), imax (A), vmax (V),
  // kg2, cgk, cga, cak (F), t35, pemax (W), vemax (V).
  // clang-format off
  static const std::vector<TubeModel> models = {
      {"ECC81 / 12AT7", "ECC81 built-in", 282, 71, 1, 1.03, 168, 2.5, 0.015, 300, 0, 3e-12, 2e-12, 0.1e-12, 3, 0, 0},
      {"ECC82 / 12AU7", "ECC82 built-in", 84, 21.5, 300, 1.3, 1180, 2.75, 0.02, 400, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECC83 / 12AX7", "ECC83 built-in", 600, 100, 300, 1.4, 1060, 1, 0.008, 350, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"12AY7", "12AY7 built-in", 300, 45, 136.5, 1.47, 2355, 1.5, 0.01, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECC85", "ECC85 built-in", 224.4, 69.5, 2689.3, 1.481, 551.4, 2.5, 0.015, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECC86", "ECC86 built-in\r\nPhilips data book 1959", 48.11, 29.91, 201.6, 1.596, 294.6, 0.6, 0.02, 30, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECC88 / 6DJ8", "ECC88 built-in", 320, 28, 300, 1.3, 330, 1.8, 0.025, 250, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECC99", "ECC99 built-in", 170, 23.6, 224.7, 1.484, 437.25, 5, 0.05, 400, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL80 / 6AB8", "ECL80 built-in\r\nTriode section, Philips Data book 1951 AKA 6AB8", 45.5, 29.3, 300, 1.322, 1443.9, 1, 0.008, 200, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL81", "ECL81 built-in\r\nTriode section, universal vademecum (1960)", 369.3, 66.31, 2.5, 1.39, 1400.2, 1, 0.008, 250, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL82 / 6BM8", "ECL82 built-in\r\nTriode section, Philips Data Book 17-02-1956 AKA 6BM8", 500.37, 71.97, 0.7, 1.48, 1481.3, 1, 0.015, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL83", "ECL83 built-in\r\nTriode section, universal vademecum (1960)", 305.21, 119.15, 1.8, 1.321, 732.5, 3.5, 0.015, 250, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL84 / 6DX8", "ECL84 built-in\r\nTriode section, Philips Data Book sept 1968 AKA 6DX8", 343.45, 87.85, 300, 1.507, 473.2, 1, 0.012, 250, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL85 / 6GV8", "ECL85 built-in\r\nTriode section, Philips Data Book Jan 1960 AKA 6GV8", 247.12, 56.54, 3, 1.608, 719.6, 0.5, 0.015, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECL86 / 6GW8", "ECL86 built-in\r\nTriode section, Philips Data Book Jan 1970 AKA 6GW8", 1098.83, 109.92, 0.5, 1.425, 1754.6, 0.5, 0.004, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECF80 / 6AX8 6BL8", "ECF80 built-in\r\nTriode section, Philips data sheet AKA 6AX8 6BL8", 72.36, 22.63, 578.3, 1.318, 624.8, 1.5, 0.014, 250, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECF82 / 6U8", "ECF82 built-in\r\nTriode section, WF data sheet AKA 6U8", 106.38, 49.87, 300, 1.255, 323.2, 2.8, 0.015, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECF83", "ECF83 built-in\r\nTriode section, Universal Vademecum (1960)\r\nSOA data unknown, so copied from ECF86", 69.3, 11.83, 300, 1.052, 521.1, 1.5, 0.015, 125, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"ECF86 / 6GH8", "ECF86 built-in\r\nTriode section, Mazda Belvu Data Book  AKA 6HG8", 79.68, 16.08, 300, 1.162, 601.4, 1.5, 0.015, 125, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"300B", "300B built-in", 65, 3.95, 300, 1.4, 1550, 36, 0.1, 400, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"2A3", "2A3 built-in", 60, 4.2, 300, 1.4, 1500, 15, 0.2, 300, 0, 1e-12, 1e-12, 1e-12, 3, 0, 0},
      {"EF86", "EF86 built-in\r\nPhilips data sheet AKA 6CF8 and 6267 Z729 EF806", 222.06, 34.9, 4.7, 1.35, 2648.1, 1, 0.006, 300, 4627, 4.3e-12, 0.6e-12, 5.5e-12, 5, 0.2, 200},
      {"EL34", "EL34 built-in\r\nMullard Data Book Jan 1969", 47.01, 14.18, 3.6, 1.175, 282.3, 25, 0.15, 800, 1147, 15e-12, 1e-12, 8e-12, 5, 8, 500},
      {"EL84", "EL84 built-in\r\nMullard Data Sheet AKA 7189 6BQ5 N709", 111.04, 21.29, 17.9, 1.24, 401.7, 12, 0.065, 550, 4500, 10e-12, 1e-12, 5.1e-12, 5, 2, 300},
      {"6V6-GTA", "6V6 built-in\r\n6V6-GTA  1 2 3 4 ; A G2 G1 C (Beam Tetrode) AKA 6V6 6V6-GT EL90", 41.16, 10.7, 12.7, 1.31, 1672, 14, 0.115, 350, 4500, 4.3e-12, 0.6e-12, 5.1e-12, 5, 2.2, 315},
      {"5881", "5881 built-in\r\n5881  1 2 3 4 ; A G2 G1 C (Beam Tetrode) Tung-Sol Data Book", 53.86, 8.35, 14.4, 1.484, 2507.1, 23, 0.2, 400, 4500, 10e-12, 0.6e-12, 6.5e-12, 5, 3, 400},
      {"KT66", "KT66 built-in\r\nKT66 Beam Tetrode M-O Valve Co AKA Genalex", 34.89, 11.68, 22.3, 1.197, 510.9, 25, 0.2, 500, 4500, 16e-12, 2.3e-12, 10e-12, 5, 4, 500},
      {"KT88", "KT88 built-in\r\nKT88 Beam Tetrode The M-O Valve Co AKA Genalex", 26.48, 12.38, 36.5, 1.246, 340.4, 42, 0.23, 800, 4500, 14e-12, 0.8e-12, 12e-12, 5, 8, 600},
      {"6550", "6550 built-in\r\n6550 Beam Tetrode Tung-Sol Data Book 1963", 39.55, 8.61, 20.5, 1.435, 1066.6, 42, 0.19, 660, 4500, 15e-12, 0.8e-12, 10e-12, 5, 6, 440},
  };
  // clang-format on
  return models;
}

bool isBuiltInTriodeName(std::string_view name) {
  const auto& models = builtInModels();
  return std::any_of(models.begin(), models.begin() + kBuiltInTriodeCount,
                     [name](const TubeModel& m) { return m.name == name; });
}

} // namespace velmorin
