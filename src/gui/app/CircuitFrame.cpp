#include "app/CircuitFrame.h"

#include "app/EntryKeyFilter.h"
#include "app/LabelledEdit.h"
#include "schematics/ControlMetrics.h"
#include "schematics/Drawings.h"
#include "widgets/SceneView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmorin::gui {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// The caption a value label gets in the plain grid, where no drawing says
// what it shows: its name without the "Label" prefix.
QString gridCaption(const FrameControl& c) {
  if (c.kind == ControlKind::ValueLabel)
    return qs(c.name.rfind("Label", 0) == 0 ? c.name.substr(5) : c.name);
  if (c.kind == ControlKind::TubeList)
    return QStringLiteral("Tube");
  if (c.name == "LBparallel")
    return QStringLiteral("Tubes in parallel");
  return qs(c.caption);
}

} // namespace

CircuitFrame::CircuitFrame(int circuit, QWidget* parent) : QWidget(parent), circuit_(circuit) {
  setObjectName(QString("TFrame%1").arg(circuit));
  if (hasSchematic(circuit))
    buildOnDrawing();
  else
    buildGrid();
}

QWidget* CircuitFrame::makeControl(const FrameControl& c, QWidget* parent, bool onDrawing) {
  const QString name = qs(c.name);
  switch (c.kind) {
  case ControlKind::LabelledEdit: {
    return nullptr; // built by the callers, which know where the caption goes
  }
  case ControlKind::TubeList:
  case ControlKind::SelectionList: {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    if (c.kind == ControlKind::TubeList) {
      box->setProperty(kTagProperty, c.tubeKind);
      box->setPlaceholderText(tr("select a tube"));
    }
    for (const std::string& item : c.items)
      box->addItem(qs(item));
    // A list that nothing restores shows the frame's own choice; the others
    // are set when the window restores its circuit.
    box->setCurrentIndex(c.remembered ? -1 : box->findText(qs(c.defaultText), Qt::MatchExactly));
    box->setToolTip(qs(c.hint));
    return box;
  }
  case ControlKind::CheckBox: {
    auto* box = new QCheckBox(qs(c.caption), parent);
    box->setObjectName(name);
    box->setToolTip(qs(c.hint));
    return box;
  }
  case ControlKind::ValueLabel:
  case ControlKind::FixedLabel: {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setProperty(kTagProperty, c.kind == ControlKind::FixedLabel ? -1 : 0);
    label->setText(c.kind == ControlKind::FixedLabel ? qs(c.caption) : QString());
    if (!onDrawing)
      label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
  }
  }
  return nullptr;
}

namespace {

QLineEdit* setUpEdit(LabelledEdit* box, const FrameControl& c) {
  QLineEdit* edit = box->edit();
  edit->setObjectName(qs(c.name));
  box->setObjectName(qs(c.name + "Box"));
  edit->setProperty(kTagProperty, c.minusAllowed ? -1 : 0);
  if (c.maxLength > 0)
    edit->setMaxLength(c.maxLength);
  edit->setToolTip(qs(c.hint));
  // An edit that nothing restores keeps the frame's own text.
  if (!c.remembered)
    edit->setText(qs(c.defaultText));
  return edit;
}

} // namespace

void CircuitFrame::buildOnDrawing() {
  const Schematic schematic = *circuitSchematic(circuit_);
  const QSize size(int(std::ceil(schematic.scene.width)), int(std::ceil(schematic.scene.height)));
  setFixedSize(size);
  drawing_ = new SceneView(this);
  drawing_->setObjectName("Drawing");
  drawing_->setScene(schematic.scene);
  drawing_->setGeometry(0, 0, size.width(), size.height());
  drawing_->lower();

  for (const FrameControl& c : frameControls(circuit_)) {
    const ControlAnchor* a = schematic.anchor(c.name);
    QWidget* placed = nullptr;
    QWidget* control = nullptr;
    if (c.kind == ControlKind::LabelledEdit) {
      auto* box = new LabelledEdit(qs(c.caption), a ? a->caption : CaptionSide::Left, this);
      control = setUpEdit(box, c);
      box->edit()->setFixedWidth(int(metrics::kEditWidth));
      placed = box;
    } else {
      control = placed = makeControl(c, this, true);
      if (auto* label = qobject_cast<QLabel*>(control); label && a)
        label->setAlignment(Qt::AlignVCenter | (a->align == plot::Anchor::Right    ? Qt::AlignRight
                                                : a->align == plot::Anchor::Center ? Qt::AlignHCenter
                                                                                   : Qt::AlignLeft));
    }
    if (a)
      placed->setGeometry(int(std::lround(a->x)), int(std::lround(a->y)), int(std::lround(a->w)),
                          int(std::lround(a->h)));
    controls_.push_back({&c, control});
  }
}

void CircuitFrame::buildGrid() {
  // A white sheet, like the drawings, on which the grey fields stand out.
  auto* frameLayout = new QVBoxLayout(this);
  frameLayout->setContentsMargins(0, 0, 0, 0);
  auto* sheet = new QWidget(this);
  sheet->setObjectName("Sheet");
  sheet->setAutoFillBackground(true);
  QPalette paper = sheet->palette();
  paper.setColor(QPalette::Window, Qt::white);
  sheet->setPalette(paper);
  frameLayout->addWidget(sheet);
  auto* outer = new QVBoxLayout(sheet);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(10);
  auto* note = new QLabel(tr("Entries of circuit C%1").arg(circuit_), sheet);
  note->setObjectName("GridHeading");
  outer->addWidget(note);

  // Two columns of captioned entries, then the lists, the check boxes and
  // the values the solver writes.
  auto* entries = new QGridLayout;
  entries->setHorizontalSpacing(8);
  entries->setVerticalSpacing(4);
  auto* others = new QGridLayout;
  others->setHorizontalSpacing(8);
  others->setVerticalSpacing(4);
  auto* results = new QGridLayout;
  results->setHorizontalSpacing(8);
  results->setVerticalSpacing(2);
  QGroupBox* group = nullptr;
  QGridLayout* groupLayout = nullptr;
  const QString groupCaption = qs(std::string(frameGroupBoxCaption(circuit_)));
  int editIndex = 0, otherRow = 0, resultRow = 0, groupRow = 0;
  const auto& list = frameControls(circuit_);
  const bool anyInBox =
      std::any_of(list.begin(), list.end(), [](const FrameControl& c) { return !c.placedOnFrame; });

  for (const FrameControl& c : list) {
    QWidget* parentWidget = sheet;
    if (!c.placedOnFrame && !group) {
      group = new QGroupBox(groupCaption, sheet);
      groupLayout = new QGridLayout(group);
    }
    if (!c.placedOnFrame)
      parentWidget = group;
    QWidget* control = nullptr;
    if (c.kind == ControlKind::LabelledEdit) {
      auto* caption = new QLabel(qs(c.caption), parentWidget);
      auto* edit = new QLineEdit(parentWidget);
      edit->setObjectName(qs(c.name));
      edit->setProperty(kTagProperty, c.minusAllowed ? -1 : 0);
      if (c.maxLength > 0)
        edit->setMaxLength(c.maxLength);
      edit->setToolTip(qs(c.hint));
      edit->setFixedWidth(80);
      caption->setBuddy(edit);
      caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      control = edit;
      if (!c.placedOnFrame) {
        groupLayout->addWidget(caption, groupRow, 0);
        groupLayout->addWidget(edit, groupRow++, 1);
      } else {
        const int row = editIndex / 2, col = (editIndex % 2) * 2;
        entries->addWidget(caption, row, col);
        entries->addWidget(edit, row, col + 1);
        ++editIndex;
      }
    } else {
      control = makeControl(c, parentWidget, false);
      QGridLayout* target = !c.placedOnFrame                    ? groupLayout
                            : c.kind == ControlKind::ValueLabel ? results
                                                                : others;
      int& row = !c.placedOnFrame ? groupRow : c.kind == ControlKind::ValueLabel ? resultRow : otherRow;
      if (c.kind == ControlKind::CheckBox) {
        target->addWidget(control, row++, 1);
      } else {
        QString caption = gridCaption(c);
        // The power stages' yield list is captioned by their (otherwise empty) group box.
        if (c.name == "LBYt" && !anyInBox && !groupCaption.isEmpty())
          caption = groupCaption;
        auto* label = new QLabel(caption, parentWidget);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        target->addWidget(label, row, 0);
        target->addWidget(control, row++, 1);
      }
    }
    controls_.push_back({&c, control});
  }
  outer->addLayout(entries);
  outer->addLayout(others);
  if (group)
    outer->addWidget(group);
  outer->addLayout(results);
  outer->addStretch(1);
  setFixedSize(sizeHint().expandedTo(QSize(320, 200)));
}

QWidget* CircuitFrame::find(const QString& name) const {
  const std::string n = name.toStdString();
  for (const Control& c : controls_)
    if (c.info->name == n)
      return c.widget;
  return nullptr;
}

QLineEdit* CircuitFrame::edit(const QString& name) const {
  return qobject_cast<QLineEdit*>(find(name));
}
QComboBox* CircuitFrame::list(const QString& name) const {
  return qobject_cast<QComboBox*>(find(name));
}
QCheckBox* CircuitFrame::checkBox(const QString& name) const {
  return qobject_cast<QCheckBox*>(find(name));
}
QLabel* CircuitFrame::label(const QString& name) const {
  return qobject_cast<QLabel*>(find(name));
}

std::vector<Entry> CircuitFrame::entries(bool onFrameOnly) const {
  std::vector<Entry> out;
  for (const Control& c : controls_) {
    if (onFrameOnly && !c.info->placedOnFrame)
      continue;
    switch (c.info->kind) {
    case ControlKind::LabelledEdit:
      out.push_back(
          {c.info->name, EntryKind::Edit, qobject_cast<QLineEdit*>(c.widget)->text().toStdString(), false});
      break;
    case ControlKind::TubeList:
    case ControlKind::SelectionList: {
      auto* box = qobject_cast<QComboBox*>(c.widget);
      out.push_back({c.info->name,
                     c.info->kind == ControlKind::TubeList ? EntryKind::TubeList : EntryKind::Combo,
                     box->currentIndex() >= 0 ? box->currentText().toStdString() : std::string(), false});
      break;
    }
    case ControlKind::CheckBox:
      out.push_back({c.info->name, EntryKind::CheckBox, "", qobject_cast<QCheckBox*>(c.widget)->isChecked()});
      break;
    case ControlKind::ValueLabel:
    case ControlKind::FixedLabel:
      break;
    }
  }
  return out;
}

void CircuitFrame::setLabelText(const std::string& name, const std::string& text) {
  for (const Control& c : controls_)
    if (c.info->name == name && c.info->kind == ControlKind::ValueLabel)
      qobject_cast<QLabel*>(c.widget)->setText(qs(text));
}

} // namespace velmorin::gui
