#include "settings/Settings.h"

#include <algorithm>

namespace velmorin {

Settings::Settings(std::filesystem::path file) : ini_(std::move(file)) {}

int Settings::lastCircuit() const {
  return ini_.readInteger(kGeneralSection, "lastcircuit", 0);
}
void Settings::setLastCircuit(int circuit) {
  ini_.writeInteger(kGeneralSection, "lastcircuit", circuit);
}
bool Settings::flat() const {
  return ini_.readBool(kGeneralSection, "flat", true);
}
void Settings::setFlat(bool flat) {
  ini_.writeBool(kGeneralSection, "flat", flat);
}
bool Settings::displayHor() const {
  return ini_.readBool(kGeneralSection, "displayhor", true);
}
void Settings::setDisplayHor(bool horizontal) {
  ini_.writeBool(kGeneralSection, "displayhor", horizontal);
}
int Settings::rgBorders() const {
  return ini_.readInteger(kGeneralSection, "rgborders", 0);
}
void Settings::setRgBorders(int value) {
  ini_.writeInteger(kGeneralSection, "rgborders", value);
}
int Settings::editBorders() const {
  return ini_.readInteger(kGeneralSection, "editborders", 0);
}
void Settings::setEditBorders(int value) {
  ini_.writeInteger(kGeneralSection, "editborders", value);
}
bool Settings::ckbBackground() const {
  return ini_.readBool(kGeneralSection, "ckbbackground", true);
}
void Settings::setCkbBackground(bool grey) {
  ini_.writeBool(kGeneralSection, "ckbbackground", grey);
}

std::string Settings::formKey(const std::string& formName, char edge) {
  return formName + "_" + std::string(1, edge);
}

FormPlacement Settings::readForm(const std::string& formName, const FormPlacement& defaults) const {
  return {ini_.readInteger(kFormSection, formKey(formName, 'l'), defaults.left),
          ini_.readInteger(kFormSection, formKey(formName, 't'), defaults.top),
          ini_.readInteger(kFormSection, formKey(formName, 'w'), defaults.width),
          ini_.readInteger(kFormSection, formKey(formName, 'h'), defaults.height)};
}

void Settings::storeForm(const std::string& formName, const FormPlacement& placement) {
  ini_.writeValues(kFormSection, {{formKey(formName, 'l'), std::to_string(placement.left)},
                                  {formKey(formName, 't'), std::to_string(placement.top)},
                                  {formKey(formName, 'w'), std::to_string(placement.width)},
                                  {formKey(formName, 'h'), std::to_string(placement.height)}});
}

int Settings::strayCaps() const {
  return ini_.readInteger(kBodeSection, "straycaps", 0);
}
void Settings::setStrayCaps(int index) {
  ini_.writeInteger(kBodeSection, "straycaps", index);
}

std::string Settings::pentodeVs() const {
  std::string text = ini_.readString(kPentodeSection, "vs", "");
  const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
  return blank ? "100" : text;
}
void Settings::setPentodeVs(const std::string& text) {
  ini_.writeString(kPentodeSection, "vs", text);
}

std::string Settings::circuitSection(int circuit) {
  return "C" + std::to_string(circuit);
}

std::optional<std::string> Settings::circuitValue(int circuit, const std::string& key) const {
  return ini_.value(circuitSection(circuit), key);
}
std::string Settings::readCircuitString(int circuit, const std::string& key,
                                        const std::string& defaultValue) const {
  return ini_.readString(circuitSection(circuit), key, defaultValue);
}
int Settings::readCircuitInteger(int circuit, const std::string& key, int defaultValue) const {
  return ini_.readInteger(circuitSection(circuit), key, defaultValue);
}
bool Settings::readCircuitBool(int circuit, const std::string& key, bool defaultValue) const {
  return ini_.readBool(circuitSection(circuit), key, defaultValue);
}
void Settings::writeCircuitString(int circuit, const std::string& key, const std::string& value) {
  ini_.writeString(circuitSection(circuit), key, value);
}
void Settings::writeCircuitInteger(int circuit, const std::string& key, int value) {
  ini_.writeInteger(circuitSection(circuit), key, value);
}
void Settings::writeCircuitBool(int circuit, const std::string& key, bool value) {
  ini_.writeBool(circuitSection(circuit), key, value);
}
void Settings::writeCircuitValues(int circuit,
                                  const std::vector<std::pair<std::string, std::string>>& values) {
  ini_.writeValues(circuitSection(circuit), values);
}

} // namespace velmorin
