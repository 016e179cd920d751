// TQuadripole: one stage of the frequency-response chain (input network, tube
// stage, interstage or output network). At one frequency it gives its voltage
// gain into the next stage's input impedance and its own input impedance.
//
// Magnitudes only: impedances are combined as positive moduli, gains are
// positive ratios, there is no phase.
#pragma once

#include <span>
#include <vector>

namespace velmorin {

class TTube;

// In this order: the ordinals are part of the stage kind's identity.
enum TTypeQuadripole {
  tqpInputGrid,
  tqpOutputLoad,
  tqpLevelShifter,
  tqpInterStage,
  tqpTubeCatCom,
  tqpTubeCatFol,
  tqpTubeGriCom,
  tqpTubeAnoCom,
  tqpTubePullUpDn,
  tqpTubeCathodyne,
  tqpTubeDifférentiel,
  tqpTubeMixer,
};

// True for the kinds with a second output (cathodyne, differential pair).
bool hasSecondOutput(TTypeQuadripole kind);

// What a tube stage needs of its tube, copied when the stage is built: the
// solver frees its tubes while the chain may still be evaluated.
struct StageTubeValues {
  double µ = 0, gm = 0, ρ = 0;
  double Cgk = 0, Cga = 0, Cak = 0;

  static StageTubeValues of(const TTube& tube);
};

// The network elements of a stage; which of them a kind uses is fixed by the
// kind (the passive kinds keep their parts in R1..C3 or in the named fields).
struct QuadripoleElements {
  double R1 = 0, C1 = 0, R2 = 0, C2 = 0, R3 = 0, C3 = 0;
  double Ca = 0;
  double Cs = 0, Ro = 0, Co = 0;
  double Rg = 0, Rgs = 0, Cgs = 0;
  double Rs = 0;
  double Ra = 0, Rk = 0, Ck = 0, Rgk = 0, Ra1 = 0, Ra2 = 0;
  double Cpin = 0, Cpou = 0;
  bool Ckconnected = false, C1Shunted = false;
};

class TQuadripole {
public:
  // `values` lists the kind's elements followed by the stray capacitance per
  // pin; `flags` starts with ignoreBootstrap, then the kind's own flag
  // (cathode capacitor connected, or input capacitor shunted). Missing
  // entries read as 0 and false. `faval` names the downstream stages by
  // their index in the chain (main output first).
  TQuadripole(TTypeQuadripole nature, const StageTubeValues& tube, std::vector<int> faval,
              const std::vector<double>& values, const std::vector<bool>& flags);
  // A null tube stands for the passive kinds.
  TQuadripole(TTypeQuadripole nature, const TTube* tube, std::vector<int> faval,
              const std::vector<double>& values, const std::vector<bool>& flags);

  TTypeQuadripole Nature() const { return tqp; }
  const std::vector<int>& Faval() const { return FFaval; }
  const QuadripoleElements& elements() const { return el; }
  const StageTubeValues& tube() const { return Tube; }
  bool ignoreBootstrap() const { return FignoreBootstrap; }

  // values = [f, ZL] or, with a second output, [f, ZL1, ZL2]; a missing load
  // is an open circuit. flags = [C1Shunted] for the input network. Av1 is
  // written only by the kinds with a second output.
  void getVarGains(std::span<const double> values, double& Av1, double& Av0,
                   std::span<const bool> flags = {});
  void setZinQuadripole(double fréquence, double LoadExterne);

  double GainQPMémorisé() const { return gainQuadripole; }
  double ZinQPMémorisé() const { return ZinQuadripole; }
  double Av0() const { return FAv0; }
  double Av1() const { return Fav1; }
  double Zi() const { return FZi; }
  void setAv0(double v) { FAv0 = v; }
  void setAv1(double v) { Fav1 = v; }

private:
  TTypeQuadripole tqp;
  QuadripoleElements el;
  StageTubeValues Tube;
  bool FignoreBootstrap = false;
  std::vector<int> FFaval;
  double gainQuadripole = 0, ZinQuadripole = 0;
  double FAv0 = 0, Fav1 = 0, FZi = 0;
};

} // namespace velmorin
