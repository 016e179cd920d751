// What the GUI tests share: a solver window on a fresh data folder with the
// built-in tube models, and the capture of the message box an action opens.
#pragma once

#include "TempDataDir.h"

#include "app/CircuitFrame.h"
#include "database/ModelDatabase.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"
#include "solverwindow/TFormSolver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace velmorin::gui::testing {

inline constexpr const char* kEcc83 = "ECC83 / 12AX7";

class SolverWindowFixture : public ::testing::Test {
protected:
  void SetUp() override { ensureModelDatabase(data.path()); }

  // A solver window of circuit n, shown, deleted at the end of the test
  // unless the test closed it.
  TFormSolver* open(int n) {
    auto* w = new TFormSolver(n, data.path());
    w->show();
    windows.emplace_back(w);
    return w;
  }

  Settings settings() const { return Settings(settingsFilePath("velmorin", data.path())); }

  void TearDown() override {
    for (auto& w : windows)
      delete w.data();
    QApplication::processEvents();
  }

  velmorin::testing::TempDataDir data;
  std::vector<QPointer<TFormSolver>> windows;
};

inline QLineEdit* edit(TFormSolver* w, const char* name) {
  return w->getFrameForSolver()->edit(name);
}
inline QComboBox* list(TFormSolver* w, const char* name) {
  return w->getFrameForSolver()->list(name);
}
inline QCheckBox* checkBox(TFormSolver* w, const char* name) {
  return w->getFrameForSolver()->checkBox(name);
}

inline void selectTube(TFormSolver* w, const QString& model, const char* name = "LBtube") {
  QComboBox* l = list(w, name);
  ASSERT_NE(l, nullptr);
  const int i = l->findText(model);
  ASSERT_GE(i, 0) << model.toStdString();
  l->setCurrentIndex(i);
}

struct ModalBox {
  bool shown = false;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs `action`; the first message box it opens is read and closed.
inline ModalBox captureMessageBox(const std::function<void()>& action) {
  ModalBox box;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box.shown = true;
      box.text = m->text();
      box.icon = m->icon();
      m->done(QMessageBox::Ok);
      poll.stop();
    }
  });
  poll.start();
  action();
  poll.stop();
  return box;
}

} // namespace velmorin::gui::testing
