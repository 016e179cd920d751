// Bias of two tubes in series across one supply: the cascode (upper grid at
// a fixed voltage) and the stacked pair of the SRPP family (upper grid on
// the middle node). Both search the middle node voltage; for each trial
// node each tube's current is solved exactly against its own resistors, so
// the point returned satisfies both tube equations and Kirchhoff's voltage
// law along the DC path.
#pragma once

#include "models/TTube.h"
#include "models/Trace.h"

namespace velmorin {

// T1 at the bottom with Rk to ground, grid at 0 V; T2 on top, cathode on the
// middle node, grid at Vg2, anode through Ra + Rx to Vb. Returns the number
// of passes (maxIter when the currents never met within 1 µA).
int solveCascodePair(TTube& T1, TTube& T2, int maxIter, double Vb, double Vg2, double Ra, double Rk,
                     double Rx, Trace* winT1, Trace* winT2);

// T1 at the bottom with Rk1 to ground; T2 with its anode at Vb and its
// cathode through Rk2 and Rx down to the middle node, Vgk2 = −Rk2·Ia.
int solveStackedPair(TTube& T1, TTube& T2, int maxIter, double Vb, double Rk1, double Rk2, double Rx,
                     Trace* winT1, Trace* winT2);

// The current I that a tube draws when the voltages of its own circuit
// depend on it: I = tube(vak0 − rA·I, vgk0 − rK·I). Leaves the tube at that
// point. Both rA and rK must be ≥ 0 (the current then falls as I rises).
double selfConsistentCurrent(TTube& tube, double vak0, double rA, double vgk0, double rK);

} // namespace velmorin
