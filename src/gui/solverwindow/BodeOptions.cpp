#include "solverwindow/BodeOptions.h"

#include "solverwindow/LegendBoxes.h"

#include "catalogue/Legends.h"
#include "widgets/ScenePainter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmorin::gui {

std::string legendTitleOf(const std::string& caption) {
  const std::size_t open = caption.find('>');
  if (open == std::string::npos)
    return caption;
  const std::size_t close = caption.find('<', open + 1);
  return caption.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

LegendCheckBox::LegendCheckBox(QWidget* parent) : QCheckBox(parent) {}

void LegendCheckBox::setHtmlCaption(const QString& html) {
  html_ = html;
  setText(QString::fromStdString(legendTitleOf(html.toStdString())));
  // The colour of the FONT tag: the curve's colour in the plot.
  const int at = html.indexOf('#');
  if (at >= 0) {
    const QColor c(html.mid(at, 7));
    if (c.isValid()) {
      QPalette p = palette();
      p.setColor(QPalette::WindowText, c);
      p.setColor(QPalette::ButtonText, c);
      setPalette(p);
      setStyleSheet(QString("QCheckBox { color: %1; font-weight: bold; }").arg(c.name()));
    }
  }
}

BodeOptions::BodeOptions(QWidget* parent)
    : QWidget(parent), CBfreqmin(new QComboBox(this)), CBfreqmax(new QComboBox(this)),
      CBstraycap(new QComboBox(this)), CheckBoxIgnoreMiller(new QCheckBox(tr("ignore effects"), this)),
      CBfeedback(new QGroupBox(tr("Apply negative feedback fraction to global gain"), this)),
      feedback_(new QButtonGroup(this)) {
  CBfreqmin->setObjectName("CBfreqmin");
  CBfreqmax->setObjectName("CBfreqmax");
  CBstraycap->setObjectName("CBstraycap");
  CheckBoxIgnoreMiller->setObjectName("CheckBoxIgnoreMiller");
  CBfeedback->setObjectName("CBfeedback");
  CBfreqmin->addItems({"0.1 Hz", "1 Hz", "10 Hz", "100 Hz"});
  CBfreqmax->addItems({"10 kHz", "100 kHz", "1 MHz", "10 MHz"});
  CBstraycap->addItems({"1 pF", "2 pF", "3 pF", "4 pF", "5 pF"});
  CheckBoxIgnoreMiller->setToolTip(
      tr("ignore Cga Miller effect of common-cathode stages, and Cgk bootstrap of cathode-followers"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);

  auto* sweep = new QGroupBox(tr("Sweep frequency"), this);
  auto* sweepLayout = new QHBoxLayout(sweep);
  sweepLayout->addWidget(new QLabel(tr("from"), sweep));
  sweepLayout->addWidget(CBfreqmin);
  sweepLayout->addWidget(new QLabel(tr("to"), sweep));
  sweepLayout->addWidget(CBfreqmax);
  sweepLayout->addStretch(1);
  layout->addWidget(sweep);

  auto* stray = new QGroupBox(tr("Stray capacitance per pin"), this);
  auto* strayLayout = new QHBoxLayout(stray);
  strayLayout->addWidget(CBstraycap);
  strayLayout->addWidget(new QLabel(tr("define base unit"), stray));
  strayLayout->addStretch(1);
  layout->addWidget(stray);

  auto* miller = new QGroupBox(tr("Bootstrapping of capacitances"), this);
  auto* millerLayout = new QHBoxLayout(miller);
  millerLayout->addWidget(CheckBoxIgnoreMiller);
  layout->addWidget(miller);

  const QStringList feedbackItems = {"None",         "1/1000 -30dB", "1/500  -27dB", "1/200  -23dB",
                                     "1/100  -20dB", "1/50   -17dB", "1/20   -13dB", "1/10   -10dB"};
  auto* feedbackLayout = new QGridLayout(CBfeedback);
  for (int i = 0; i < feedbackItems.size(); ++i) {
    auto* radio = new QRadioButton(feedbackItems[i], CBfeedback);
    radio->setObjectName(QString("CBfeedback%1").arg(i));
    feedback_->addButton(radio, i);
    feedbackLayout->addWidget(radio, i / 3, i % 3);
  }
  layout->addWidget(CBfeedback);

  auto* plot = new QGroupBox(tr("Check the outputs to plot"), this);
  auto* plotLayout = new QGridLayout(plot);
  for (std::size_t i = 0; i < CheckBoxLegends.size(); ++i) {
    auto* box = new LegendCheckBox(plot);
    box->setObjectName(QString("CheckBoxG%1").arg(i + 1));
    box->setVisible(false);
    plotLayout->addWidget(box, int(i) / 2, int(i) % 2);
    CheckBoxLegends[i] = box;
  }
  layout->addWidget(plot);
  layout->addStretch(1);
}

int BodeOptions::feedbackIndex() const {
  return feedback_->checkedId();
}

void BodeOptions::setFeedbackIndex(int index) {
  if (QAbstractButton* b = feedback_->button(index)) {
    b->setChecked(true);
  } else if (QAbstractButton* checked = feedback_->checkedButton()) {
    feedback_->setExclusive(false);
    checked->setChecked(false);
    feedback_->setExclusive(true);
  }
}

double BodeOptions::getFreqMin() const {
  switch (CBfreqmin->currentIndex()) {
  case 0:
    return 0.1;
  case 2:
    return 10;
  case 3:
    return 100;
  default:
    return 1;
  }
}

double BodeOptions::getFreqMax() const {
  switch (CBfreqmax->currentIndex()) {
  case 0:
    return 1e4;
  case 2:
    return 1e6;
  case 3:
    return 1e7;
  default:
    return 1e5;
  }
}

double BodeOptions::getFeedbackRatio() const {
  static constexpr double kRatios[] = {0, 0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1};
  const int i = feedbackIndex();
  return i >= 1 && i <= 7 ? kRatios[i] : 0;
}

void BodeOptions::setCheckBoxLegends(const std::vector<std::string>& titles) {
  for (std::size_t i = 0; i < CheckBoxLegends.size(); ++i) {
    LegendCheckBox* box = CheckBoxLegends[i];
    if (i >= titles.size()) {
      box->setVisible(false);
      continue;
    }
    const plot::Argb color = legendColors[i];
    const QString hex = QString("#%1%2%3")
                            .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
                            .toUpper();
    box->setHtmlCaption(QString("<FONT COLOR=\"%1\">%2</FONT>").arg(hex, QString::fromStdString(titles[i])));
    box->setLegendColor(color);
    box->setChecked(true);
    box->setVisible(true);
  }
}

plot::TLégendes getCheckBoxLegends(const BodeOptions& options) {
  plot::TLégendes out;
  for (const LegendCheckBox* box : options.CheckBoxLegends)
    if (!box->isHidden())
      out.push_back({legendTitleOf(box->htmlCaption().toStdString()), box->isChecked(), box->legendColor()});
  return out;
}

} // namespace velmorin::gui
