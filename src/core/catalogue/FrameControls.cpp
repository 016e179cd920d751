#include "catalogue/FrameControls.h"

#include "catalogue/Circuits.h"
#include "catalogue/EntryDefaults.h"

#include <stdexcept>
#include <utility>

namespace velmorin {

namespace {

// Builds one table entry; the modifiers read like the notes of the frame list.
class Control {
public:
  Control(std::string name, ControlKind kind) {
    c_.name = std::move(name);
    c_.kind = kind;
  }
  Control& caption(std::string text) {
    c_.caption = std::move(text);
    return *this;
  }
  Control& hint(std::string text) {
    c_.hint = std::move(text);
    return *this;
  }
  Control& acceptsMinus() {
    c_.minusAllowed = true;
    return *this;
  }
  Control& notRemembered() {
    c_.remembered = false;
    return *this;
  }
  // Inside the output-transformer group box: outside the frame's own controls,
  // so neither checked, styled nor remembered.
  Control& inTransformerBox() {
    c_.placedOnFrame = false;
    c_.remembered = false;
    return *this;
  }
  // The text the frame itself carries; shown only where nothing restores the control.
  Control& frameText(std::string text) {
    c_.defaultText = std::move(text);
    return *this;
  }
  Control& maxLength(int length) {
    c_.maxLength = length;
    return *this;
  }
  Control& tubeKind(int kind) {
    c_.tubeKind = kind;
    return *this;
  }
  Control& items(std::vector<std::string> list) {
    c_.items = std::move(list);
    return *this;
  }
  const FrameControl& control() const { return c_; }

private:
  FrameControl c_;
};

Control edit(std::string name, std::string caption, std::string hint = {}) {
  Control c(std::move(name), ControlKind::LabelledEdit);
  c.caption(std::move(caption)).hint(std::move(hint));
  return c;
}

Control tubeList(std::string name, int kind) {
  Control c(std::move(name), ControlKind::TubeList);
  c.tubeKind(kind);
  return c;
}

Control checkBox(std::string name, std::string caption) {
  Control c(std::move(name), ControlKind::CheckBox);
  c.caption(std::move(caption));
  return c;
}

Control selectionList(std::string name, std::vector<std::string> items) {
  Control c(std::move(name), ControlKind::SelectionList);
  c.items(std::move(items));
  return c;
}

Control valueLabel(std::string name) {
  Control c(std::move(name), ControlKind::ValueLabel);
  c.notRemembered();
  return c;
}

// Fills in what a first opening shows, in frame order, the way the window
// restores a frame that has nothing remembered: an edit takes the default of
// its name, or that of the edit restored just before it when its name says
// nothing; a selection list opens on its first item; tube lists select nothing.
void applyDefaults(std::vector<FrameControl>& frame) {
  std::string previousEdit;
  for (FrameControl& c : frame) {
    if (!c.placedOnFrame)
      continue; // never restored: keeps the frame's own text
    switch (c.kind) {
    case ControlKind::LabelledEdit:
      if (auto text = defaultTextForName(c.name))
        c.defaultText = *text;
      else
        c.defaultText = previousEdit;
      previousEdit = c.defaultText;
      break;
    case ControlKind::SelectionList:
      c.defaultText = c.items.empty() ? std::string() : c.items.front();
      break;
    default:
      c.defaultText.clear();
      break;
    }
  }
}

std::vector<std::vector<FrameControl>> buildFrames() {
  const std::vector<std::string> parallelTubes = {"1", "2", "3", "4"};
  const std::vector<std::string> transformerYield = {"100", "99", "98", "97", "96", "95", "94",
                                                     "93",  "92", "91", "90", "85", "80"};
  // Per circuit: labelled edits, then the other inputs, then the value labels.
  const std::vector<std::vector<Control>> table = {
      // C1
      {
          edit("EdVb", "V").maxLength(3),
          edit("EdRa", "Ra", "Anode ohmic load"),
          edit("EdRk", "Rk", "Cathode bias resistor"),
          edit("EdRo", "Ro", "Anode output load"),
          edit("EdCo", "Co", "Output load capacitor"),
          edit("EdRgs", "Rgs", "Grid stopper resistance"),
          edit("EdRg", "Rg", "Grid pulldown resistor"),
          edit("EdCgs", "Cgs", "Grid capacitor stopper"),
          edit("EdCi", "Cin", "Input isolating capacitor"),
          edit("EdCg", "Cg", "Input capacitor"),
          edit("EdCs", "Cout", "Anode coupling capacitor"),
          edit("EdCk", "Ck", "Cathode decoupling capacitor"),
          edit("EdRs", "Rs", "Source ohmic impedance"),
          tubeList("LBtube", kTriode),
          checkBox("CheckBoxCkconnected", "Ck connected"),
          checkBox("CheckBoxC1shunted", "Cin shunted"),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
          valueLabel("LabelIa"),
      },
      // C2
      {
          edit("EdVb", "V"),
          edit("EdRa", "Ra"),
          edit("EdRgk", "Rgk"),
          edit("EdRk", "Rk"),
          edit("EdRko", "Rko"),
          edit("EdRao", "Rao"),
          edit("EdRg", "Rg"),
          edit("EdCko", "Cko"),
          edit("EdCa", "Ca"),
          edit("EdCgk", "Cgk"),
          edit("EdCk", "Ck"),
          edit("EdCg", "Cg"),
          edit("EdCao", "Cao"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
          valueLabel("LabelVg"),
          valueLabel("LabelIa"),
      },
      // C3
      {
          edit("EdVb", "V"),
          edit("EdVg", "V"),
          edit("EdRk", "Rk"),
          edit("EdRo", "Ro"),
          edit("EdRg", "Rg"),
          edit("EdCs", "Cs"),
          edit("EdRs", "Rs"),
          edit("EdCo", "Co"),
          edit("EdCg", "Cg"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVk"),
          valueLabel("LabelIa"),
      },
      // C4
      {
          edit("EdVb", "V"),
          edit("EdRa", "Ra"),
          edit("EdRk2", "Rk2"),
          edit("EdRo", "Ro"),
          edit("EdRg", "Rg"),
          edit("EdCg", "Cg"),
          edit("EdCgs", "Cgs"),
          edit("EdRgs", "Rgs"),
          edit("EdCs", "Cs"),
          edit("EdRs", "Rs"),
          edit("EdCo", "Co"),
          edit("EdCko", "Cko"),
          edit("EdCk", "Ck"),
          edit("EdRk1", "Rk1"),
          edit("EdRko", "Rko"),
          tubeList("LBtube1", kTriode),
          tubeList("LBtube2", kTriode),
          checkBox("CheckBoxConnected", "connected").notRemembered(),
          checkBox("CheckBoxShunted", "shunted").notRemembered(),
          valueLabel("LabelVg"),
          valueLabel("LabelVk1"),
          valueLabel("LabelVk2"),
          valueLabel("LabelIt"),
          valueLabel("LabelIa2"),
          valueLabel("LabelIa1"),
      },
      // C5
      {
          edit("EdVb", "V"),
          edit("EdVg", "V"),
          edit("EdRk", "Rk"),
          edit("EdRa", "Ra"),
          edit("EdRao", "Rao"),
          edit("EdRko", "Rko"),
          edit("EdCg", "Cg"),
          edit("EdCao", "Cao"),
          edit("EdCko", "Cko"),
          edit("EdRg", "Rg"),
          edit("EdCa", "Ca"),
          edit("EdCk", "Ck"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVk"),
          valueLabel("LabelVa"),
          valueLabel("LabelIa"),
      },
      // C6
      {
          edit("EdVb", "V"),     edit("EdRg1", "Rg1"),  edit("EdRg2", "Rg2"),  edit("EdRk", "Rk"),
          edit("EdRa", "Ra"),    edit("EdRo", "Ro"),    edit("EdCg", "Cg"),    edit("EdCa", "Ca"),
          edit("EdCo", "Co"),    edit("EdCk", "Ck"),    edit("EdRs", "Rs"),    edit("EdCs", "Cs"),
          edit("EdRgs", "Rgs"),  edit("EdCgs", "Cgs"),  edit("EdRg", "Rg"),    tubeList("LBtube", kTriode),
          valueLabel("LabelVa"), valueLabel("LabelVk"), valueLabel("LabelVg"), valueLabel("LabelVm"),
          valueLabel("LabelIt"), valueLabel("LabelIa"),
      },
      // C7
      {
          edit("EdVb", "Vb"),
          edit("EdCg", "Cg").acceptsMinus(),
          edit("EdVg", "Vbias"),
          edit("EdRk", "Rk"),
          edit("EdRa1", "Ra1"),
          edit("EdRa2", "Ra2"),
          edit("EdRo1", "Ro1"),
          edit("EdRo2", "Ro2"),
          edit("EdCo2", "Co2").acceptsMinus(),
          edit("EcCo1", "Co1").acceptsMinus(),
          edit("EdRg", "Rg").acceptsMinus(),
          edit("EdCa2", "Ca2").acceptsMinus(),
          edit("EdCa1", "Ca1").acceptsMinus(),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa2"),
          valueLabel("LabelVk"),
          valueLabel("LabelVa1"),
          valueLabel("LabelIt"),
          valueLabel("LabelIa2"),
          valueLabel("LabelIa1"),
      },
      // C8
      {
          edit("EdVb", "V"),           edit("EdRk1", "Rk1"),
          edit("EdRk2", "Rk2"),        edit("EdRo", "Ro"),
          edit("EdRa", "Ra"),          edit("EdCgs", "Cgs"),
          edit("EdCa", "Ca"),          edit("EdCo", "Co"),
          edit("EdCk", "Ck"),          edit("EdRs", "Rs"),
          edit("EdCs", "Cs"),          edit("EdRgs", "Rgs"),
          edit("EdRg", "Rg"),          edit("EdCg", "Cg"),
          tubeList("LBtube", kTriode), checkBox("CheckBoxRa", "short Ra"),
          valueLabel("LabelVk2"),      valueLabel("LabelVg2"),
          valueLabel("LabelVk1"),      valueLabel("LabelIt"),
          valueLabel("LabelVa2"),
      },
      // C9
      {
          edit("EdVb", "V"),      edit("EdRa1", "Ra1"),         edit("EdRk1", "Rk1"),
          edit("EdRk2", "Rk2"),   edit("EdRa2", "Ra2"),         edit("EdRo", "Ro"),
          edit("EdCa", "Ca"),     edit("EdRgs", "Rgs"),         edit("EdRs", "Rs"),
          edit("EdCs", "Cs"),     edit("EdRg", "Rg"),           edit("EdCg", "Cg"),
          edit("EdCgs", "Cgs"),   edit("EdCk1", "Ck1"),         edit("EdCk2", "Ck2"),
          edit("EdCo", "Co"),     tubeList("LBtube1", kTriode), tubeList("LBtube2", kTriode),
          valueLabel("LabelVa2"), valueLabel("LabelVa1"),       valueLabel("LabelVk1"),
          valueLabel("LabelVk2"), valueLabel("LabelIt"),        valueLabel("LabelIa2"),
          valueLabel("LabelIa1"),
      },
      // C10
      {
          edit("EdVb", "V"),
          edit("EdRa1", "Ra1"),
          edit("EdRo1", "Ro1"),
          edit("EdIcs", "Current (A)"),
          edit("EdVg", "DC Vg").acceptsMinus(),
          edit("EdRk", "Source impedance"),
          edit("EdRa2", "Ra2"),
          edit("EdRg", "Rg"),
          edit("EdRo2", "Ro2"),
          edit("EdCo2", "Co2"),
          edit("EdCo1", "Co1"),
          edit("EdCa1", "Ca1"),
          edit("EdCa2", "Ca2"),
          edit("EdCg", "Cg"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa1"),
          valueLabel("LabelVa2"),
          valueLabel("LabelVk"),
          valueLabel("LabelIt"),
          valueLabel("LabelIa1"),
          valueLabel("LabelIa2"),
      },
      // C11
      {
          edit("EdVb", "V"),
          edit("EdRa", "Ra"),
          edit("EdRk", "Rk"),
          edit("EdRo", "Ro"),
          edit("EdCg", "Cg"),
          edit("EdCo", "Co"),
          edit("EdCk", "Ck"),
          edit("EdRg", "Rg"),
          edit("EdCa", "Ca"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
          valueLabel("LabelIt"),
          valueLabel("LabelIa1"),
          valueLabel("LabelIa2"),
      },
      // C12
      {
          edit("EdVb", ""),
          edit("EdRa", "Ra"),
          edit("EdRk1", "Rk1"),
          edit("EdRk2", "Rk2"),
          edit("EdRo", "Ro"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa"),
          valueLabel("LabelVk2"),
          valueLabel("LabelVk1"),
          valueLabel("LabelIt"),
          valueLabel("LabelIa1"),
          valueLabel("LabelIa2"),
      },
      // C13
      {
          edit("EdVb", ""),
          edit("EdRa", "Ra"),
          edit("EdVg", "Vg").acceptsMinus(),
          edit("EdIk", "Ik : constant current (A)"),
          edit("EdRo", "Ro"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
      },
      // C14
      {
          edit("EdVb", "V"),      edit("EdRa1", "Ra1"),         edit("EdRk1", "Rk1"),
          edit("EdRk2", "Rk2"),   edit("EdRa2", "Ra2"),         edit("EdRag", "R1"),
          edit("EdRg2", "R2"),    edit("EdRo", "Ro"),           edit("EdCgs1", "Cg"),
          edit("EdCo", "Co"),     edit("EdCa", "Ca"),           edit("EdCk2", "Ck2"),
          edit("EdCk1", "Ck1"),   edit("EdRgs1", "Rs"),         edit("EdCs", "Cs"),
          edit("EdRg1", "Rg"),    edit("EdRgs2", "Rgs"),        edit("EdCgs2", "Cgs"),
          edit("EdC1", "C1"),     tubeList("LBtube1", kTriode), tubeList("LBtube2", kTriode),
          valueLabel("LabelVa1"), valueLabel("LabelVa2"),       valueLabel("LabelVg2"),
          valueLabel("LabelVk1"), valueLabel("LabelVk2"),       valueLabel("LabelIt"),
          valueLabel("LabelIa2"), valueLabel("LabelIa1"),       valueLabel("LabelIg"),
      },
      // C15
      {
          edit("EdVb", "V"),      edit("EdRkg", "Rkg"),        edit("EdRg", "Rg").acceptsMinus(),
          edit("EdRk", "Rk"),     edit("EdRa1", "Ra1"),        edit("EdRa2", "Ra2"),
          edit("EdRo1", "Ro1"),   edit("EdCo1", "Co1"),        edit("EdCo2", "Co2"),
          edit("EdRo2", "Ro2"),   edit("EdCa2", "Ca2"),        edit("EdCg", "Cg"),
          edit("EdCa1", "Ca1"),   tubeList("LBtube", kTriode), valueLabel("LabelVa1"),
          valueLabel("LabelVa2"), valueLabel("LabelVk"),       valueLabel("LabelVg"),
          valueLabel("LabelIt"),  valueLabel("LabelIa1"),      valueLabel("LabelIa2"),
      },
      // C16
      {
          edit("EdVb", "Vb : power supply (V)"),
          edit("EdR1", "R1"),
          edit("EdR2", "R2"),
          edit("EdVref", "Vref (V)"),
          edit("EdR3", "R3"),
          edit("EdR4", "R4"),
          edit("EdIo", "Io : output current (A)"),
          tubeList("LBtube1", kTriode),
          tubeList("LBtube2", kTriode),
          valueLabel("LabelVg1"),
          valueLabel("LabelVo"),
          valueLabel("LabelVg2"),
          valueLabel("LabelIt"),
          valueLabel("LabelIa2"),
          valueLabel("LabelIref"),
          valueLabel("LabelIdiv"),
      },
      // C17
      {
          edit("EdVb", ""),
          edit("EdR", "R"),
          edit("EdVref", "Vref (V)"),
          edit("EdIo", "Io : output current (A)"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVo"),
      },
      // C18
      {
          edit("EdVb", ""),
          edit("EdR1", "R1"),
          edit("EdR2", "R2"),
          edit("EdVref", "Vref (V)"),
          edit("EdR3", "R3"),
          edit("EdIo", "Io : output current (A)"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVo"),
          valueLabel("LabelVg"),
          valueLabel("LabelIa"),
          valueLabel("LabelItot"),
      },
      // C19
      {
          edit("EdVb", "V"),      edit("EdRa1", "Ra1"),        edit("EdRk1", "Rk1"),
          edit("EdRa2", "Ra2"),   edit("EdRk2", "Rk2"),        edit("EdRa3", "Ra3"),
          edit("EdRk3", "Rk3"),   edit("EdR1", "R1"),          edit("EdR2", "R2"),
          edit("EdR3", "R3"),     edit("EdRg2", "Rg2"),        edit("EdRg1", "Rg1"),
          edit("EdRo", "Ro"),     tubeList("LBtube", kTriode), valueLabel("LabelVk3"),
          valueLabel("LabelVk2"), valueLabel("LabelVk1"),      valueLabel("LabelVa1"),
          valueLabel("LabelVa2"), valueLabel("LabelVa3"),      valueLabel("LabelVb3"),
          valueLabel("LabelVb2"), valueLabel("LabelVb1"),      valueLabel("LabelItot"),
          valueLabel("LabelI3"),  valueLabel("LabelI2"),       valueLabel("LabelI1"),
      },
      // C20
      {
          edit("EdVb", "V"),      edit("EdRa1", "Ra1"),        edit("EdRk1", "Rk1"),
          edit("EdRa2", "Ra2"),   edit("EdRk2", "Rk2"),        edit("EdR1", "R1"),
          edit("EdR2", "R2"),     edit("EdRg1", "Rg1"),        edit("EdRo", "Ro"),
          edit("EdRs", "Rs"),     edit("EdCa1", "Ca1"),        edit("EdCa2", "Ca2"),
          edit("EdRgs1", "Rgs1"), edit("EdCk1", "Ck1"),        edit("EdCk2", "Ck2"),
          edit("EdRg2", "Rg2"),   edit("EdCg2", "Cg"),         edit("EdCgs2", "Cgs2"),
          edit("EdRgs2", "Rgs2"), edit("EdCs", "Cs"),          edit("EdCo", "Co"),
          edit("EdCgs1", "Cgs1"), tubeList("LBtube", kTriode), valueLabel("LabelItot"),
          valueLabel("LabelVa1"), valueLabel("LabelVa2"),      valueLabel("LabelI1"),
          valueLabel("LabelI2"),  valueLabel("LabelVk1"),      valueLabel("LabelVk2"),
          valueLabel("LabelVb1"), valueLabel("LabelVb2"),
      },
      // C21
      {
          edit("EdVb", "V"),      edit("EdR1", "R1"),           edit("EdR2", "R2"),
          edit("EdR3", "R3"),     edit("EdR4", "R4"),           edit("EdRo", "Ro"),
          edit("EdCo", "Co"),     edit("EdCg", "Cg"),           edit("EdRg", "Rg"),
          edit("EdRgs", "Rgs"),   edit("EdC1", "C1"),           edit("EdCgs", "Cgs"),
          edit("EdCa", "Ca"),     tubeList("LBtube1", kTriode), tubeList("LBtube2", kTriode),
          valueLabel("LabelVa1"), valueLabel("LabelVk2"),       valueLabel("LabelVk4"),
          valueLabel("LabelVa3"), valueLabel("LabelVk3"),       valueLabel("LabelVk1"),
          valueLabel("LabelI1"),  valueLabel("LabelI3"),        valueLabel("LabelItot"),
      },
      // C22
      {
          edit("EdVb", "V"),
          edit("EdR1", "R1"),
          edit("EdR2", "R2"),
          edit("EdVg2", ""),
          edit("EdRo", "Ro"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVk2"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk1"),
          valueLabel("LabelI2"),
      },
      // C23
      {
          edit("EdVb", "Vb : power supply (V)"),
          edit("EdRa1", "Ra1"),
          edit("EdRa2", "Ra2"),
          edit("EdRk3", "Rk3"),
          edit("EdRf1", "Rf1"),
          edit("EdRk12", "Rk12"),
          edit("EdRf2", "Rf2"),
          edit("EdVg1", ""),
          tubeList("LBtube1", kTriode),
          tubeList("LBtube2", kTriode),
          valueLabel("LabelItot"),
          valueLabel("LabelVo"),
          valueLabel("LabelVk3"),
          valueLabel("LabelVg2"),
          valueLabel("LabelVk12"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVa2"),
          valueLabel("LabelI1"),
          valueLabel("LabelI2"),
          valueLabel("LabelI4"),
          valueLabel("LabelIf12"),
          valueLabel("LabelI12"),
          valueLabel("LabelI3"),
      },
      // C24
      {
          edit("EdVb", "Vb : power supply (V)"),
          edit("EdR1", "R1"),
          edit("EdRk1", "Rk1"),
          edit("EdR2", "R2"),
          edit("EdRk2", "Rk2"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVo"),
          valueLabel("LabelItot"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk1"),
          valueLabel("LabelVk2"),
          valueLabel("LabelI3"),
          valueLabel("LabelI2"),
          valueLabel("LabelI1"),
          valueLabel("LabelI9"),
      },
      // C25
      {
          edit("EdRk", "Rk"),
          edit("EdVa", "Va :  anode voltage (V)"),
          edit("EdVg", "Vg (V)"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelIa"),
          valueLabel("LabelVk"),
      },
      // C26
      {
          edit("EdVb", "Vb : power supply (V)"),
          edit("EdRa", "Ra"),
          edit("EdRk2", "Rk2"),
          edit("EdRk1", "Rk1"),
          edit("EdRk3", "Rk3"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelItot"),
          valueLabel("LabelVa1"),
          valueLabel("LabelI1"),
          valueLabel("LabelI2"),
          valueLabel("LabelVk1"),
          valueLabel("LabelVk12"),
          valueLabel("LabelVk2"),
          valueLabel("Label9"),
      },
      // C27
      {
          edit("EdVb", ""),
          edit("EdRa", "Ra"),
          edit("EdR2", "R2"),
          edit("EdR1", "R1"),
          edit("EdRk", "Rk"),
          edit("EdIo", "Io : output current (A)"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVo"),
          valueLabel("LabelVk"),
          valueLabel("LabelVg2"),
          valueLabel("LabelItot"),
          valueLabel("LabelIa2"),
          valueLabel("LabelVa1"),
      },
      // C28
      {
          edit("EdVb", ""),
          edit("EdRa2", "Ra2"),
          edit("EdRa1", "Ra1"),
          edit("EdRk2", "Rk2"),
          edit("EdRok", "Rok"),
          edit("EdRk1", "Rk1"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelItot"),
          valueLabel("LabelVa2"),
          valueLabel("LabelVo"),
          valueLabel("LabelVk1"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk2"),
          valueLabel("LabelIa1"),
          valueLabel("LabelIok"),
          valueLabel("LabelIa2"),
      },
      // C29
      {
          edit("EdRg", "Rg"),
          edit("EdRk", "Rk"),
          edit("EdRao", "Rao"),
          edit("EdRf", "Rf"),
          edit("EdRa", "Ra"),
          edit("EdVb", "Vb"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelIa"),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
      },
      // C30
      {
          edit("EdVb", "Vb"),
          edit("EdRk2", "Rk2"),
          edit("EdRa", "Ra"),
          edit("EdRk1", "Rk1"),
          edit("EdRg2", "Rg2 for AC estimation"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVk2"),
          valueLabel("LabelVg2"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk1"),
          valueLabel("LabelIa"),
      },
      // C31
      {
          edit("EdVb", "Vb"),
          edit("EdR1", "R1"),
          edit("EdR2", "R2"),
          edit("EdRk", "Rk"),
          edit("EdRo", "Ro"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelIa"),
          valueLabel("LabelVk2"),
          valueLabel("LabelVo"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk1"),
      },
      // C32
      {
          edit("EdVb", "V"),
          edit("EdRk", "Rk"),
          edit("EdRa", "Ra"),
          edit("EdRo", "Ro"),
          edit("EdCs", "Cs"),
          edit("EdCo", "Co"),
          edit("EdCk", "Ck"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelIa"),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
      },
      // C33
      {
          edit("EdVb", "V"),
          edit("EdRa", "Ra"),
          edit("EdVg2", "V"),
          edit("EdRk", "Rk"),
          edit("EdRg", "Rg"),
          edit("EdRo", "Ro"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa"),
          valueLabel("LabelVak"),
          valueLabel("LabelVk"),
          valueLabel("LabelIa"),
      },
      // C34
      {
          edit("EdVb", "V"),
          edit("EdR1", "R1"),
          edit("EdR2", "R2"),
          edit("EdRs", "Rs"),
          edit("EdCs", "Cs"),
          edit("EdRgs", "Rgs"),
          edit("EdCg", "Cg"),
          edit("EdRg", "Rg"),
          edit("EdCgs", "Cgs"),
          edit("EdCk", "Ck"),
          edit("EdRo", "Ro"),
          edit("EdCo", "Co"),
          edit("EdCa", "Ca"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk2"),
          valueLabel("LabelVk1"),
          valueLabel("LabelIa"),
      },
      // C35
      {
          edit("EdR1", "R1"),
          edit("EdRo", "Ro"),
          edit("EdRso", "Rso"),
          edit("EdVb", "V"),
          edit("EdVg2", "V"),
          edit("EdCo", "Co"),
          edit("EdCso", "Cso"),
          edit("EdRg", "Rg"),
          edit("EdCg", "Cg"),
          tubeList("LBtube", kTriode),
          valueLabel("LabelIa"),
          valueLabel("LabelVa1"),
          valueLabel("LabelVk1"),
          valueLabel("LabelVk2"),
      },
      // C36
      {
          edit("EdVb", "V"),
          edit("EdRa", "Ra"),
          edit("EdRo", "Ro"),
          edit("EdVek", "Screen-cathode voltage"),
          edit("EdRk", "Rk"),
          edit("EdRs", "Rs"),
          edit("EdCk", "Ck"),
          edit("EdCo", "Co"),
          edit("EdCgs", "Cgs"),
          edit("EdRgs", "Rgs"),
          edit("EdRg", "Rg"),
          edit("EdCg", "EdCg"),
          edit("EdCs", "Cs"),
          edit("EdCa", "Ca"),
          tubeList("LBtube", kPentode),
          valueLabel("LabelI"),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
          valueLabel("LabelRe"),
          valueLabel("LabelVe"),
      },
      // C37
      {
          edit("EdVb", "V"),
          edit("EdRk", "Rk"),
          edit("EdVg", "Bias voltage (V)").acceptsMinus(),
          edit("EdRa", "Primary impedance (Ω)"),
          edit("EdRp", "Primary ohmic resistance (Ω)"),
          tubeList("LBtube", kTriode),
          selectionList("LBparallel", parallelTubes),
          selectionList("LBYt", transformerYield),
          valueLabel("LabelIa"),
          valueLabel("LabelVk"),
          valueLabel("LabelVa"),
      },
      // C38
      {
          edit("EdRa", "Primary impedance (Ω)"),
          edit("EdRp", "Primary ohmic resistance (Ω)"),
          edit("EdVb", "V"),
          edit("EdVg", "V").acceptsMinus(),
          edit("EdRk", "Rk"),
          edit("EdVg2", "V"),
          tubeList("LBtube", kPentode),
          selectionList("LBYt", transformerYield),
          selectionList("LBparallel", parallelTubes),
          valueLabel("LabelIa"),
          valueLabel("LabelVa"),
          valueLabel("LabelVk"),
          valueLabel("LabelIg2"),
          valueLabel("LabelIk"),
      },
      // C39
      {
          edit("EdVb", "V"),
          edit("EdRk", "Rk"),
          edit("EdVg", "Grid bias (V)").acceptsMinus(),
          edit("EdRp", "Primary ohmic resistance (Ω)"),
          edit("EdZaa", "Primary impedance (Ω)"),
          tubeList("LBtube", kTriode),
          selectionList("LBparallel", parallelTubes),
          selectionList("LBYt", transformerYield),
          valueLabel("LabelIb"),
          valueLabel("LabelVk"),
          valueLabel("LabelVa"),
      },
      // C40
      {
          edit("EdRa", "Primary impedance (Ω)").inTransformerBox().frameText("3000"),
          edit("EdRp", "Primary ohmic resistance (Ω)").inTransformerBox().frameText("100"),
          edit("EdVb", "V"),
          edit("EdVg", "Grid bias (V)").acceptsMinus(),
          edit("EdVe", "V"),
          edit("EdRk", "Rk"),
          tubeList("LBtube", kPentode),
          selectionList("LBYt", transformerYield).inTransformerBox().frameText("95"),
          selectionList("LBparallel", parallelTubes),
          valueLabel("LabelIb"),
          valueLabel("LabelVk"),
          valueLabel("LabelIe"),
      },
  };
  std::vector<std::vector<FrameControl>> frames;
  frames.reserve(table.size());
  for (const auto& circuit : table) {
    std::vector<FrameControl> frame;
    frame.reserve(circuit.size());
    for (const Control& c : circuit)
      frame.push_back(c.control());
    applyDefaults(frame);
    frames.push_back(std::move(frame));
  }
  return frames;
}

} // namespace

const std::vector<FrameControl>& frameControls(int n) {
  if (!isValidCircuit(n))
    throw std::out_of_range("No circuit C" + std::to_string(n));
  static const std::vector<std::vector<FrameControl>> frames = buildFrames();
  return frames[static_cast<std::size_t>(n - 1)];
}

const FrameControl* findFrameControl(int n, std::string_view name) {
  if (!isValidCircuit(n))
    return nullptr;
  for (const FrameControl& c : frameControls(n))
    if (c.name == name)
      return &c;
  return nullptr;
}

std::string_view frameGroupBoxCaption(int n) {
  if (n >= 37 && n <= 39)
    return "Transformer power yield (%)";
  if (n == 40)
    return "Output transformer";
  return "";
}

} // namespace velmorin
