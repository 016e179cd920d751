// Bounds of the iterative searches of TTube whose textbook form has none, so
// that every search returns in bounded time whatever it is asked.
#pragma once

namespace velmorin::limits {

// basicBiasSuccApprox halves its bracket at every step and meets 1 µA within a
// few tens of evaluations; the bound only stops inputs that are not numbers.
inline constexpr int kSuccApproxEvaluations = 1000;

// whichVg walks the grid down in 1 V steps until the current falls to the
// request; a pentode or a model that never cuts off stops at this many volts.
inline constexpr int kWhichVgSteps = 10000;
// Halvings of whichVg's bracket: the bracket is at most kWhichVgSteps volts
// wide, so this is far below the resolution of a double.
inline constexpr int kBisectionSteps = 200;

// whichVa's fixed 0.5 % steps usually land within 1 µA after a few hundred
// evaluations; past this many it brackets the anode voltage and bisects.
inline constexpr int kWhichVaSteps = 4000;
// The highest anode voltage whichVa searches, as a multiple of the model's
// maximum anode voltage, and in any case at least kWhichVaCeilingVolts.
inline constexpr double kWhichVaCeilingFactor = 10.0;
inline constexpr double kWhichVaCeilingVolts = 10000.0;

// whichVgOld steps the grid down by 1 mV: this bound is 1000 V below its start.
inline constexpr int kWhichVgOldSteps = 1000000;

} // namespace velmorin::limits
