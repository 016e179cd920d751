// Shared fixtures of the frequency-response tests: an ECC83 biased as in the
// common-cathode circuit, and chains built from it.
#pragma once

#include "TubeModels.h"
#include "frequency/FrequencyResponse.h"
#include "models/TTube.h"
#include "models/TubeModel.h"

#include <vector>

namespace velmorin::testing {

inline TubeModel ecc83Model() {
  return ecc83();
}

// Biased at 250 V with 100 kΩ anode and 1.5 kΩ cathode resistors, with its
// small-signal parameters computed.
inline TTube biasedEcc83() {
  TTube t(ecc83Model(), "T1");
  t.basicBiasSuccApprox(250, 100e3, 1.5e3, nullptr);
  t.calculerParamètresIntrinsèques();
  return t;
}

// The common-cathode amplifier's chain with its default parts: input network,
// the stage, output network.
inline std::vector<TQuadripole> c1Chain(const TTube& t, bool ignoreMiller, double strayCap = 1e-12) {
  std::vector<TQuadripole> chain;
  chain.emplace_back(tqpInputGrid, nullptr, std::vector<int>{1},
                     std::vector<double>{1e3, 47e-9, 1e6, 100e-12, 100e3, 100e-12, strayCap},
                     std::vector<bool>{ignoreMiller, false});
  chain.emplace_back(tqpTubeCatCom, &t, std::vector<int>{2},
                     std::vector<double>{100e3, 1.5e3, 100e-6, strayCap},
                     std::vector<bool>{ignoreMiller, true});
  chain.emplace_back(tqpOutputLoad, nullptr, std::vector<int>{},
                     std::vector<double>{0, 100e-9, 100e3, 10e-12, strayCap},
                     std::vector<bool>{ignoreMiller});
  return chain;
}

inline TLégendes c1Legends() {
  return {{"RC input", true, 0xFF8A2BE2},
          {"T1", true, 0xFFFF7F50},
          {"RC output", true, 0xFF008000},
          {"Overall gain", true, 0xFF00CED1}};
}

} // namespace velmorin::testing
