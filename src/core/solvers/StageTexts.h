// Small-signal stage formulas and the texts of the AC report: gain and
// impedances of each kind of stage from the tubes' µ, gm and ρ at their
// operating points.
#pragma once

#include "models/TTube.h"

#include <string>

namespace velmorin {

double gainCatComBypassed(TTube& tube, double RL);
double gainCatComUnbypassed(TTube& tube, double Rk, double RL);
double gainCatFol(TTube& tube, double RL);

struct DiffPairGains {
  double A1 = 0, A2 = 0, Adiff = 0;
};
// T1 takes the input, T2's grid is grounded for signals; R1L, R2L the
// effective anode loads, Rk the common cathode impedance.
DiffPairGains diffPairGains(const TTube& T1, const TTube& T2, double R1L, double R2L, double Rk);

std::string textCommonCathode(TTube& tube, double RL, double Rk, double Ra, double& Abyp, double& Aunb);
std::string textCathodeFollower(TTube& tube, double RL, double Rk, double& A, double& Zo);
std::string textCathodyne(const TTube& tube, double Rko, double Rk, double Rao, double Ra, double& Aa,
                          double& Ak);
std::string textSRPPOptimised(TTube& T1, TTube& T2, double RL, double Ra, double Rk2, double Rk1, double& Ab,
                              double& Au, double& Zb, double& Zu);
std::string textCascode(const TTube& T1, const TTube& T2, double Rk, double RL, double Ra, double& A,
                        double& Zo);
std::string textHalfMuFollower(TTube& T1, TTube& T2, double Rk2, double Rk1, double& Ab, double& Zb,
                               double& Au, double& Zu, double& ZT2);
std::string textFollowerSink(TTube& Ts, TTube& Tf, double RL, double Rkf, double Rks, double& A, double& Zo);

} // namespace velmorin
