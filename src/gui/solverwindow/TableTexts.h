// What the two result tables show and copy: the gain table's cell texts,
// the logged-results columns' colours and the logged table as
// tab-separated text.
#pragma once

#include "frequency/TDataQP.h"
#include "text/Locale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorin::gui {

// Column k (0 to 5) of a gain-table row: stage, type, frequency, gain,
// gain in dB, input impedance. A separator row (empty title) shows nothing.
std::string gainTableCell(const TDataQP& row, int column, const Locale& locale);

inline constexpr int kGainTableColumns = 6;
// "Stage", "Type", "Frequ.", "Gain x", "Gain dB", "Zin" and their widths.
const std::vector<std::string>& gainTableCaptions();
const std::vector<int>& gainTableWidths();

// The text colour of a logged-results column, ARGB, chosen by its caption;
// nothing for the default colour.
std::optional<std::uint32_t> logColumnColor(std::string_view caption);

// The logged-results table as the clipboard gets it: every caption followed
// by a tab, CR LF, then each row's cells each followed by a tab, CR LF.
std::string logTableText(const std::vector<std::string>& captions,
                         const std::vector<std::vector<std::string>>& rows);

} // namespace velmorin::gui
