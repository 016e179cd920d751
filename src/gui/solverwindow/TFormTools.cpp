#include "solverwindow/TFormTools.h"

#include "schematics/Drawings.h"
#include "text/Format.h"
#include "widgets/SceneView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>
#include <optional>

namespace velmorin::gui {

namespace {

// A decimal number in the user's locale, exponent allowed ("1E6").
std::optional<double> readDecimal(const QString& text, const Locale& locale) {
  std::string s = text.trimmed().toStdString();
  if (s.empty())
    return std::nullopt;
  if (locale.decimal != ".")
    for (std::size_t at = s.find(locale.decimal); at != std::string::npos;
         at = s.find(locale.decimal, at + 1))
      s.replace(at, locale.decimal.size(), ".");
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

QLineEdit* labelledEdit(const QString& caption, const QString& name, const QString& text, QWidget* parent,
                        QBoxLayout* into) {
  auto* column = new QVBoxLayout;
  column->setSpacing(2);
  auto* label = new QLabel(caption, parent);
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setMaximumWidth(110);
  label->setBuddy(edit);
  column->addWidget(label);
  column->addWidget(edit);
  into->addLayout(column);
  return edit;
}

} // namespace

TFormTools::TFormTools(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      locale_(Locale::fromEnvironment()) {
  setObjectName("FormTools");
  setWindowTitle(tr("Basic tools"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(tr("Resistive divider"), this);
  auto* g = new QVBoxLayout(group);
  auto* label1 =
      new QLabel(tr("Set V1 (input voltage) and the sum R1 + R2. Move the scrollbar to set the output "
                    "voltage V2 : corresponding values of R1 and R2 will be displayed."),
                 group);
  label1->setObjectName("Label1");
  label1->setWordWrap(true);
  g->addWidget(label1);

  auto* edits = new QHBoxLayout;
  EdV1 = labelledEdit(tr("V1 (V)"), "EdV1", "300", group, edits);
  EdR12 = labelledEdit(tr("R1 + R2 (Ω)"), "EdR12", "1E6", group, edits);
  edits->addStretch(1);
  g->addLayout(edits);
  EdV1->installEventFilter(this);
  EdR12->installEventFilter(this);

  ScrollBar1 = new QScrollBar(Qt::Horizontal, group);
  ScrollBar1->setObjectName("ScrollBar1");
  ScrollBar1->setMinimum(1);
  ScrollBar1->setPageStep(10);
  g->addWidget(ScrollBar1);

  const Schematic divider = dividerSchematic();
  auto* image = new SceneView(group);
  image->setObjectName("Image1");
  image->setScene(divider.scene);
  image->setFixedSize(int(divider.scene.width), int(divider.scene.height));
  auto place = [&](const char* name) {
    auto* label = new QLabel(image);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    if (const ControlAnchor* a = divider.anchor(name))
      label->setGeometry(int(a->x), int(a->y), int(a->w), int(a->h));
    return label;
  };
  Lab1 = place("Lab1");
  Lab2 = place("Lab2");
  LabV2 = place("LabV2");
  LabV2->setStyleSheet("color: #FF0000;");
  g->addWidget(image, 0, Qt::AlignHCenter);
  layout->addWidget(group);

  // The maximum follows V1, so the position is the output voltage in volts.
  ScrollBar1->setMaximum(EdV1->text().toInt());
  ScrollBar1->setValue(1);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFormTools::ScrollBar1Change);
  setFixedWidth(sizeHint().width() < 300 ? 300 : sizeHint().width());
}

TFormTools* TFormTools::instance() {
  static QPointer<TFormTools> tools;
  if (!tools)
    tools = new TFormTools;
  return tools;
}

bool TFormTools::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == EdV1 || watched == EdR12) && event->type() == QEvent::KeyPress) {
    // Digits only, as typed; editing keys and shortcuts pass.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (!(key->modifiers() & Qt::ControlModifier) && !text.isEmpty() && text.front().unicode() >= 0x20 &&
        text.front().unicode() != 0x7F && !text.front().isDigit())
      return true;
  }
  if (watched == EdV1 && event->type() == QEvent::KeyRelease)
    EdV1KeyUp();
  return QWidget::eventFilter(watched, event);
}

void TFormTools::EdV1KeyUp() {
  const QString text = EdV1->text().trimmed();
  // An emptied field is a value being retyped, not an error.
  if (text.isEmpty())
    return;
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok) {
    QMessageBox::critical(this, windowTitle(), tr("'%1' is not a valid integer value").arg(text));
    return;
  }
  if (v < ScrollBar1->minimum()) {
    QMessageBox::critical(this, windowTitle(),
                          tr("V1 must be at least %1 V: the maximum stays %2")
                              .arg(ScrollBar1->minimum())
                              .arg(ScrollBar1->maximum()));
    return;
  }
  const QSignalBlocker quiet(ScrollBar1); // a changed maximum alone does not recompute
  ScrollBar1->setMaximum(v);
}

void TFormTools::ScrollBar1Change() {
  const auto R12 = readDecimal(EdR12->text(), locale_);
  const auto V1 = readDecimal(EdV1->text(), locale_);
  if (!R12 || !V1 || *V1 == 0)
    return;
  const double p = ScrollBar1->value(), m = ScrollBar1->maximum();
  const double V2 = p * *V1 / m;
  const double R2 = V2 * *R12 / *V1;
  const double R1 = *R12 - R2;
  if (!std::isfinite(V2) || !std::isfinite(R2) || !std::isfinite(R1))
    return;
  LabV2->setText(QString::fromStdString(sformat(locale_, "%0.1f V", V2)));
  Lab2->setText(QString::fromStdString(sformat(locale_, "%0.2f kΩ", R2 / 1000)));
  Lab1->setText(QString::fromStdString(sformat(locale_, "%0.2f kΩ", R1 / 1000)));
}

} // namespace velmorin::gui
