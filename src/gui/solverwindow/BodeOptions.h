// The content of the "Set options to calculate and plot" panel: sweep
// bounds, stray capacitance, Miller box, feedback fraction and the seven
// legend check boxes, with the services the solvers read from them.
#pragma once

#include "plot/Scene.h"

#include <QCheckBox>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;

namespace velmorin::gui {

// A legend check box: its caption is a small HTML text,
// <FONT COLOR="#RRGGBB">title</FONT>, shown as the title in that colour.
class LegendCheckBox : public QCheckBox {
  Q_OBJECT
public:
  explicit LegendCheckBox(QWidget* parent = nullptr);

  void setHtmlCaption(const QString& html);
  const QString& htmlCaption() const { return html_; }
  plot::Argb legendColor() const { return color_; }
  void setLegendColor(plot::Argb c) { color_ = c; }

private:
  QString html_;
  plot::Argb color_ = 0xFF000000;
};

class BodeOptions : public QWidget {
  Q_OBJECT
public:
  explicit BodeOptions(QWidget* parent = nullptr);

  QComboBox* CBfreqmin;
  QComboBox* CBfreqmax;
  QComboBox* CBstraycap;
  QCheckBox* CheckBoxIgnoreMiller;
  QGroupBox* CBfeedback;
  std::array<LegendCheckBox*, 7> CheckBoxLegends{};

  int feedbackIndex() const; // -1 when none is selected
  void setFeedbackIndex(int index);

  double getFreqMin() const;
  double getFreqMax() const;
  double getFeedbackRatio() const;
  void setCheckBoxLegends(const std::vector<std::string>& titles);

private:
  QButtonGroup* feedback_;
};

// The title in a legend caption: the text after the first ">" up to the next "<".
std::string legendTitleOf(const std::string& caption);

} // namespace velmorin::gui
