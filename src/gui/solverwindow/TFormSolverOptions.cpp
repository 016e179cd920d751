#include "solverwindow/TFormSolverOptions.h"

#include "settings/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmorin::gui {

namespace {

QGroupBox* radioGroup(const QString& caption, const QString& name, const QStringList& items,
                      QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], box);
    radio->setObjectName(QString("%1_%2").arg(name).arg(i));
    group->addButton(radio, i);
    layout->addWidget(radio);
  }
  return box;
}

void select(QButtonGroup* group, int index) {
  if (QAbstractButton* b = group->button(index != 0 ? 1 : 0))
    b->setChecked(true);
}

} // namespace

TFormSolverOptions::TFormSolverOptions(const Settings& settings, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("FormSolverOptions");
  setWindowTitle(tr("Options for interactive schematics"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(tr("Interactive schematics"), this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(radioGroup(tr("Borders of edit boxes"), "RGEditBorders", {tr("none"), tr("visible")},
                                    editBorders_, group));
  background_ = new QCheckBox(tr("gray background of edit boxes"), group);
  background_->setObjectName("CKBbackground");
  groupLayout->addWidget(background_);
  groupLayout->addWidget(radioGroup(tr("Electrical diagram"), "RGContainerBorders",
                                    {tr("no border"), tr("border visible")}, containerBorders_, group));
  layout->addWidget(group);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
  QPushButton* discard = buttons->addButton(tr("Discard"), QDialogButtonBox::RejectRole);
  save->setObjectName("ButtonSave");
  discard->setObjectName("ButtonDiscard");
  save->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  select(containerBorders_, settings.rgBorders());
  select(editBorders_, settings.editBorders());
  background_->setChecked(settings.ckbBackground());
}

int TFormSolverOptions::editBorders() const {
  return std::max(0, editBorders_->checkedId());
}
int TFormSolverOptions::containerBorders() const {
  return std::max(0, containerBorders_->checkedId());
}
bool TFormSolverOptions::greyBackground() const {
  return background_->isChecked();
}

void TFormSolverOptions::store(Settings& settings) const {
  settings.setRgBorders(containerBorders());
  settings.setEditBorders(editBorders());
  settings.setCkbBackground(greyBackground());
}

} // namespace velmorin::gui
