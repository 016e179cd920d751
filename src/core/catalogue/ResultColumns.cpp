#include "catalogue/ResultColumns.h"

#include "catalogue/Circuits.h"

#include <stdexcept>
#include <string>

namespace velmorin {

namespace {

std::vector<std::vector<std::string_view>> buildColumns() {
  // The captions after the first column "-".
  std::vector<std::vector<std::string_view>> columns = {
      // C1
      {"T1", "Vb (V)", "Ra (Ω)", "Rk (Ω)", "Va (V)", "Vk (V)", "Vak (V)", "Vgk (V)", "Ia (mA)", "Ptot (mW)",
       "PT1 (mW)", "PRa (mW)", "Ro (Ω)", "Abyp", "Aunbyp"},
      // C2
      {"T1", "Vb (V)", "Ra (Ω)", "Rgk (Ω)", "Rk (Ω)", "Va (V)", "Vk (V)", "Vg (V)", "Vak (V)", "Vgk (V)",
       "Ia (mA)", "Ptot (mW)", "PT1 (mW)", "PRa (mW)", "PRk (mW)", "Rao (Ω)", "Rko (Ω)", "Aa", "Ak"},
      // C3
      {"T1", "Vb (V)", "Vg (V)", "Rk (Ω)", "Vk (V)", "Vak (V)", "Vgk (V)", "Ia (mA)", "Ptot (mW)", "PT1 (mW)",
       "PRk (mW)", "Ro (Ω)", "Gain", "Zo (Ω)"},
      // C4
      {"T1",       "T2",        "Vb (V)",   "Ra (Ω)",   "Rk1 (Ω)",  "Rk2 (Ω)",   "Va1 (V)",
       "Vk1 (V)",  "Vk2 (V)",   "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)",  "Vgk2 (V)",
       "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PRa (mW)", "PT2 (mW)", "PRk2 (mW)", "Ro (Ω)",
       "A1",       "A2",        "A1.A2",    "Zo (Ω)"},
      // C5
      {"T1", "Vb (V)", "Vg (V)", "Ra (Ω)", "Va (V)", "Rk (Ω)", "Vk (V)", "Vak (V)", "Vgk (V)", "Ia (mA)",
       "Ptot (mW)", "PT1 (mW)", "PRa (mW)", "PRk (mW)", "Rao (Ω)", "Rko (Ω)", "Aa", "Ak"},
      // C6
      {"T1 & T2",   "Vb (V)",    "Rg1 (Ω)",   "Rg2 (Ω)",  "Vg (V)",   "Ra (Ω)",   "Va (V)",
       "Vm (V)",    "Rk (Ω)",    "Vk (V)",    "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)",
       "Vgk2 (V)",  "Ia2 (mA)",  "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PRa (mW)", "PRk (mW)",
       "PRg1 (mW)", "PRg2 (mW)", "Rao (Ω)",   "Gain",     "Zo (Ω)"},
      // C7
      {"T1 & T2",  "Vb (V)",    "Ra1 (Ω)",     "Ra2 (Ω)",  "Vg1 (V)",   "Vg2 (V)",   "Vg1-Vg2 (V)",
       "Va1 (V)",  "Va2 (V)",   "Va1-Va2 (V)", "ΔVa/ΔVg",  "Rk (Ω)",    "Vk (V)",    "Vak1 (V)",
       "Vgk1 (V)", "Ia1 (mA)",  "Vak2 (V)",    "Vgk2 (V)", "Ia2 (mA)",  "Ptot (mW)", "PT1 (mW)",
       "PT2 (mW)", "PRa1 (mW)", "PRa2 (mW)",   "PRk (mW)", "Gain Ninv", "Gain Inv",  "Gain diff"},
      // C8
      {"T1 & T2",  "Vb (V)",   "Rk1 (Ω)",  "Rk2 (Ω)",  "Vk1 (V)",  "Vk2 (V)",   "Vg2 (V)",   "Vak1 (V)",
       "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)",  "PT2 (mW)",
       "Ra (Ω)",   "Ro (Ω)",   "Aopt",     "Zopt (Ω)", "Abyp",     "Aunbyp",    "Zobyp (Ω)", "Zounbyp (Ω)"},
      // C9
      {"T1",        "T2",        "Vb (V)",   "Ra1 (Ω)",   "Ra2 (Ω)",  "Rk1 (Ω)",   "Rk2 (Ω)",
       "Va1 (V)",   "Va2 (V)",   "Vk1 (V)",  "Vk2 (V)",   "Vak1 (V)", "Vgk1 (V)",  "Ia1 (mA)",
       "Vak2 (V)",  "Vgk2 (V)",  "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PRa1 (mW)", "PT2 (mW)",
       "PRa2 (mW)", "PRk2 (mW)", "Ro (Ω)",   "A1b",       "A1u",      "A2b",       "A2u"},
      // C10
      {"T1 & T2",  "Vb (V)",   "Ra1 (Ω)",   "Ra2 (Ω)",  "Va1 (V)",  "Va2 (V)",   "Vg1 (V)",
       "Vg2 (V)",  "δVa/δVg",  "Ic (mA)",   "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)",  "Vak2 (V)",
       "Vgk2 (V)", "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PRa1 (mW)", "PRa2 (mW)",
       "Ro (Ω)",   "A1",       "A2",        "Adiff"},
      // C11
      {"T1 & T2",  "Vb (V)",   "Ra (Ω)",   "Rk (Ω)",   "Va (V)",    "Vk (V)",    "Vak1 (V)",
       "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)",  "Ptot (mW)", "PT1 (mW)",
       "PT2 (mW)", "PRa (mW)", "Ro (Ω)",   "Abyp",     "Zobyp (Ω)", "Aunbyp",    "Zounbyp (Ω)"},
      // C12
      {"T1 & T2",  "Vb (V)",   "Ra (Ω)",   "Va (V)",   "Rk1 (Ω)",  "Vk1 (V)",  "Rk2 (Ω)",   "Vk2 (V)",
       "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)",
       "PT2 (mW)", "PRa (mW)", "Ro",       "A1",       "A2",       "Zo (Ω)"},
      // C13
      {"T1", "Vb (V)", "Ra (Ω)", "Va (V)", "Ia (mA)", "Vg (V)", "Vk (V)", "Vak (V)", "Vgk (V)", "Ptot (mW)",
       "PT1 (mW)", "PRa (mW)", "Ro", "Abyp", "Zo (Ω)"},
      // C14
      {"T1",       "T2",        "Vb (V)",    "Ra1 (Ω)",   "Ra2 (Ω)",    "Rk1 (Ω)",
       "Rk2 (Ω)",  "Rag (Ω)",   "Rg2 (Ω)",   "Ig (mA)",   "Va1 (V)",    "Va2 (V)",
       "Vg2 (V)",  "Vk1 (V)",   "Vk2 (V)",   "Vak1 (V)",  "Vgk1 (V)",   "Ia1 (mA)",
       "Vak2 (V)", "Vgk2 (V)",  "Ia2 (mA)",  "Ptot (mW)", "PT1 (mW)",   "PRa1 (mW)",
       "PT2 (mW)", "PRa2 (mW)", "PRk2 (mW)", "PRag (mW)", "PRg2 (mW)",  "Ro (Ω)",
       "A1byp",    "A1unbyp",   "A2byp",     "A2unbyp",   "Zo2byp (Ω)", "Zo2unbyp (Ω)"},
      // C15
      {"T1 & T2",   "Vb (V)",   "Ra1 (Ω)",   "Ra2 (Ω)",  "Rk (Ω)",    "Rkg (Ω)",  "Va1 (V)",   "Va2 (V)",
       "Vg1 (V)",   "Vg2 (V)",  "Vk (V)",    "Gain",     "Vak1 (V)",  "Vgk1 (V)", "Ia1 (mA)",  "Vak2 (V)",
       "Vgk2 (V)",  "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PRa1 (mW)", "PT2 (mW)", "PRa2 (mW)", "PRk (mW)",
       "PRkg (mW)", "Ro (Ω)",   "A1",        "A2",       "Adiff"},
      // C16
      {"T1",       "T2",       "Vb (V)",   "R1 (Ω)",   "R2 (Ω)",    "R3 (Ω)",   "R4 (Ω)",
       "Vref (V)", "Vo (V)",   "Io (mA)",  "Vg1 (V)",  "Vg2 (V)",   "Vak1 (V)", "Vgk1 (V)",
       "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PT2 (mW)",
       "PR1 (mW)", "PR2 (mW)", "PR3 (mW)", "PR4 (mW)"},
      // C17
      {"T1", "Vb (V)", "R (Ω)", "Vref (V)", "Vo (V)", "Io (mA)", "Vak (V)", "Vgk (V)", "Ia (mA)", "Ptot (mW)",
       "PT1 (mW)", "PR (mW)", "PVref (mW)", "Pout (mW)"},
      // C18
      {"T1", "Vb (V)", "Ib (mA)", "R1 (Ω)", "R2 (Ω)", "R3 (Ω)", "Vref (V)", "Vo (V)", "Io (mA)", "Vak (V)",
       "Vgk (V)", "Ia (mA)", "Ptot (mW)", "PT1 (mW)", "PR1 (mW)", "PR2 (mW)", "PR3 (mW)", "PVref (mW)",
       "Pout (mW)"},
      // C19
      {"T1",       "Vb (V)",   "V1 (V)",   "V2 (V)",    "V3 (V)",    "IR1 (mA)", "IR2 (mA)", "IR3 (mA)",
       "Ia1 (mA)", "Ia2 (mA)", "Ia3 (mA)", "Va1 (V)",   "Va2 (V)",   "Va3 (V)",  "R1 (Ω)",   "R2 (Ω)",
       "R3 (Ω)",   "Ra1 (Ω)",  "Ra2 (Ω)",  "Ra3 (Ω)",   "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PT3 (mW)",
       "PR1 (mW)", "PR2 (mW)", "PR3 (mW)", "PRa1 (mW)", "PRa2 (mW)", "PRa3 (mW)"},
      // C20
      {"T1",        "Vb (V)",   "V1 (V)",   "V2 (V)",   "IR1 (mA)", "IR2 (mA)",  "Ia1 (mA)",
       "Ia2 (mA)",  "Va1 (V)",  "Va2 (V)",  "R1 (Ω)",   "R2 (Ω)",   "Ra1 (Ω)",   "Ra2 (Ω)",
       "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PR1 (mW)", "PR2 (mW)", "PRa1 (mW)", "PRa2 (mW)",
       "Rg2 (Ω)",   "Ro (Ω)",   "A1b",      "A1u",      "A2b",      "A2u"},
      // C21
      {"T1,T2",    "T3,T4",    "Vb (V)",   "Va1 (V)",  "Va3 (V)",  "ΣIa (mA)", "Vak1 (V)",  "Vgk1 (V)",
       "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Vak3 (V)", "Vgk3 (V)", "Ia3 (mA)",  "Vak4 (V)",
       "Vgk4 (V)", "Ia4 (mA)", "R1 (Ω)",   "R2 (Ω)",   "R3 (Ω)",   "R4 (Ω)",   "Ptot (mW)", "PT1 (mW)",
       "PT2 (mW)", "PT3 (mW)", "PT4 (mW)", "A1",       "A2",       "Zo"},
      // C22
      {"T1-T2",    "Vb (V)",   "Vg2 (V)",  "Vo (V)",   "Va1 (V)", "Vak1 (V)", "Vgk1 (V)",
       "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "R1 (Ω)",  "R2 (Ω)",   "Ptot (mW)",
       "PT1 (mW)", "PT2 (mW)", "PR1 (mW)", "PR2 (mW)", "Ro (Ω)",  "Av",       "Zo (Ω)"},
      // C23
      {"T1-T2",    "T3-T4",    "Vb (V)",    "Vg1 (V)",   "Vg2 (V)",  "Vo (V)",   "Va1 (V)",  "Va2 (V)",
       "Vk12 (V)", "Vak1 (V)", "Vgk1 (V)",  "Ia1 (mA)",  "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Vak3 (V)",
       "Vgk3 (V)", "Ia3 (mA)", "Vak4 (V)",  "Vgk4 (V)",  "Ia4 (mA)", "Ra1 (Ω)",  "Ra2 (Ω)",  "Rk12 (Ω)",
       "Rk3 (Ω)",  "Rf1 (Ω)",  "Rf2 (Ω)",   "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PT3 (mW)", "PT4 (mW)",
       "PR1 (mW)", "PR2 (mW)", "PRf1 (mW)", "PRf2 (mW)"},
      // C24
      {"Tubes",    "Vb (V)",   "Vo (V)",   "Va1 (V)",  "Vk1 (V)",   "Vk2",       "Vak1 (V)",
       "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)",  "Vak3 (V)",  "Vgk3 (V)",
       "Ia3 (mA)", "Rk1 (Ω)",  "Rk2 (Ω)",  "R1 (Ω)",   "R2 (Ω)",    "Ptot (mW)", "PT1 (mW)",
       "PT2 (mW)", "PT3 (mW)", "PR1 (mW)", "PR2 (mW)", "PRk1 (mW)", "PRk2 (mW)"},
      // C25
      {"Tube", "Va (V)", "Vg (V)", "Rk (Ω)", "Vak (V)", "Vgk (V)", "Ia (mA)", "PT1 (mW)", "PRk (mW)",
       "Ri (kΩ)"},
      // C26
      {"Tubes",     "Vb (V)",   "Va1 (V)",  "Vk1 (V)",  "Vk2 (V)",   "Vk12 (V)",  "Vak1 (V)", "Vgk1 (V)",
       "Ia1 (mA)",  "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Ra (Ω)",    "Rk1 (Ω)",   "Rk2 (Ω)",  "Rk3 (Ω)",
       "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PRa (mW)", "PRk1 (mW)", "PRk2 (mW)", "PRk3 (mW)"},
      // C27
      {"Tubes",    "Vb (V)",   "Itot",     "Vo (V)",   "Io",        "V1 (V)",   "V2 (V)",
       "Vk (V)",   "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)",  "Vgk2 (V)", "Ia2 (mA)",
       "Ra (Ω)",   "R1 (Ω)",   "R2 (Ω)",   "Rk (Ω)",   "Ptot (mW)", "PT1 (mW)", "PT2 (mW)",
       "PRa (mW)", "PRk (mW)", "PR1 (mW)", "PR2 (mW)"},
      // C28
      {"Tubes",    "Vb (V)",    "Va2",       "Vk2",       "Vo (V)",    "Va1",       "Vk1",
       "Iok",      "Vak1 (V)",  "Vgk1 (V)",  "Ia1 (mA)",  "Vak2 (V)",  "Vgk2 (V)",  "Ia2 (mA)",
       "Ra1 (Ω)",  "Ra2 (Ω)",   "Rk1 (Ω)",   "Rk2 (Ω)",   "Rok",       "Ptot (mW)", "PT1 (mW)",
       "PT2 (mW)", "PRa1 (mW)", "PRa2 (mW)", "PRk1 (mW)", "PRk2 (mW)", "PRok (mW)"},
      // C29
      {"Tube", "Vb (V)", "Va", "Vk", "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Ra (Ω)", "Rao (Ω)", "Rk (Ω)",
       "Rg (Ω)", "Rf (Ω)", "Ptot (mW)", "PT1 (mW)", "PRa (mW)", "Ao", "Avf", "Zin (Ω)", "Zout (Ω)"},
      // C30
      {"Tube",     "Vb (V)",    "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)",
       "Ia2 (mA)", "Va1",       "Vk1",      "Vg2",      "Vk2",      "Rk1 (Ω)",  "Ra (Ω)",
       "Rk2 (Ω)",  "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "PRa (mW)", "µ1",       "µ2",
       "Gain T1",  "Gain T2",   "Gain",     "Zout (Ω)"},
      // C31
      {"Tube",     "Vb (V)",   "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)",  "Vgk2 (V)", "Ia2 (mA)",
       "Va1",      "Vk1",      "Vm",       "Vk2",      "Rk1 (Ω)",  "R1 (Ω)",    "R2 (Ω)",   "Ptot (mW)",
       "PT1 (mW)", "PT2 (mW)", "Ro (Ω)",   "µ",        "Gain byp", "Gain unbyp"},
      // C32
      {"T1", "Vb (V)", "Ra (Ω)", "Rk (Ω)", "Va (V)", "Vk (V)", "Vak (V)", "Vgk (V)", "Ia (mA)", "Ptot (mW)",
       "PT1 (mW)", "PRa (mW)", "Ro (Ω)", "Gain", "Zin (Ω)", "Zout (Ω)"},
      // C33
      {"T1 T2",     "Vb (V)",   "Vg2 (V)",  "Ra (Ω)",   "Rk (Ω)",   "Va1 (V)",  "Va2 (V)",
       "Vk (V)",    "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)",
       "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "Ro (Ω)",   "Gain",     "Zout (Ω)"},
      // C34
      {"T1 T2", "Vb (V)", "Rk1 (Ω)", "Rk2 (Ω)", "Va1 (V)", "Vak1 (V)", "Vgk1 (V)", "Ia1 (mA)", "Vak2 (V)",
       "Vgk2 (V)", "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "Ab", "Au", "Zb (Ω)", "Zu (Ω)"},
      // C35
      {"T1 T2", "Vb (V)", "Vg (V)", "Rk1 (Ω)", "Va1 (V)", "Vk1 (V)", "Vk2 (V)", "Vak1 (V)", "Vgk1 (V)",
       "Ia1 (mA)", "Vak2 (V)", "Vgk2 (V)", "Ia2 (mA)", "Ptot (mW)", "PT1 (mW)", "PT2 (mW)", "Ro (Ω)", "Av",
       "Zo (Ω)"},
      // C36
      {"T1", "Vb (V)", "Vsk (V)", "Rk (Ω)", "Ra (Ω)", "Rs (Ω)", "Vak (V)", "Vgk (V)", "Vsk (V)", "Ia (mA)",
       "Is (mA)", "Ptot (mW)", "PT1a (mW)", "PT1s (mW)", "Ro (Ω)", "Av", "Zo (Ω)"},
      // C37
      {"T1", "Vb (V)", "Vg (V)", "Rk (Ω)", "Rp (Ω)", "Zt (Ω)", "TR yield (%)", "Vak (V)", "Vgk (V)",
       "Ia (mA)", "Pdc (W)", "Vg swing (V)", "Pout (W)", "Ia max (mA)", "Yield (%)"},
      // C38
      {"T1", "Vb (V)", "Vg (V)", "Rk (Ω)", "Rp (Ω)", "Zt (Ω)", "TR yield (%)", "Vak (V)", "Vgk (V)",
       "Ia (mA)", "Pdc (W)", "Vg swing (V)", "Pout (W)", "Ia max (mA)", "Yield (%)"},
      // C39
      {"T1", "Vb (V)", "Vg (V)", "Rk (Ω)", "Rp (Ω)", "Zt (Ω)", "TR yield (%)", "Vak (V)", "Vgk (V)",
       "Ia (mA)", "Pdc (W)", "Vg swing (V)", "Pout (W)", "Ia max (mA)", "Yield (%)"},
      // C40
      {"T1", "Vb (V)", "Vg (V)", "Rk (Ω)", "Rp (Ω)", "Zt (Ω)", "TR yield (%)", "Vak (V)", "Vgk (V)",
       "Ia (mA)", "Pdc (W)", "Vg swing (V)", "Pout (W)", "Ia max (mA)", "Yield (%)"},
  };
  for (auto& captions : columns)
    captions.insert(captions.begin(), "-");
  return columns;
}

} // namespace

const std::vector<std::string_view>& resultColumns(int n) {
  if (!isValidCircuit(n))
    throw std::out_of_range("No circuit C" + std::to_string(n));
  static const std::vector<std::vector<std::string_view>> columns = buildColumns();
  return columns[static_cast<std::size_t>(n - 1)];
}

} // namespace velmorin
