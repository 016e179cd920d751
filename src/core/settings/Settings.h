// Typed access to the keys of the settings file: the general section, window
// placement, the Bode and pentode keys and the per-circuit sections.
#pragma once

#include "settings/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmorin {

// Left, top, width and height of a window, in pixels.
struct FormPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const FormPlacement&) const = default;
};

class Settings {
public:
  static constexpr const char* kGeneralSection = "Tessivar";
  static constexpr const char* kFormSection = "FormPosDim";
  static constexpr const char* kBodeSection = "Bode";
  static constexpr const char* kPentodeSection = "pentode";

  explicit Settings(std::filesystem::path file);

  // The file itself, for keys without an accessor of their own.
  IniFile& file() { return ini_; }
  const IniFile& file() const { return ini_; }

  // General section.
  int lastCircuit() const;
  void setLastCircuit(int circuit);
  bool flat() const; // gallery (true) or tree (false)
  void setFlat(bool flat);
  bool displayHor() const;
  void setDisplayHor(bool horizontal);
  int rgBorders() const;
  void setRgBorders(int value);
  int editBorders() const;
  void setEditBorders(int value);
  bool ckbBackground() const;
  void setCkbBackground(bool grey);

  // Window placement under "<form>_l", "<form>_t", "<form>_w", "<form>_h";
  // each missing or unreadable value takes the matching default.
  static std::string formKey(const std::string& formName, char edge);
  FormPlacement readForm(const std::string& formName, const FormPlacement& defaults) const;
  void storeForm(const std::string& formName, const FormPlacement& placement);

  // The stray capacitance list's last chosen item.
  int strayCaps() const;
  void setStrayCaps(int index);

  // The screen-grid voltage field of the anode-curve viewer; "100" when
  // missing or blank.
  std::string pentodeVs() const;
  void setPentodeVs(const std::string& text);

  // Per-circuit section "C<n>".
  static std::string circuitSection(int circuit);
  std::optional<std::string> circuitValue(int circuit, const std::string& key) const;
  std::string readCircuitString(int circuit, const std::string& key, const std::string& defaultValue) const;
  int readCircuitInteger(int circuit, const std::string& key, int defaultValue) const;
  bool readCircuitBool(int circuit, const std::string& key, bool defaultValue) const;
  void writeCircuitString(int circuit, const std::string& key, const std::string& value);
  void writeCircuitInteger(int circuit, const std::string& key, int value);
  void writeCircuitBool(int circuit, const std::string& key, bool value);
  // Many keys of one circuit in a single write.
  void writeCircuitValues(int circuit, const std::vector<std::pair<std::string, std::string>>& values);

private:
  IniFile ini_;
};

} // namespace velmorin
