// The component that owns the open settings file for the program's windows
// and stores and restores a window's position and size in it.
#pragma once

#include "settings/Settings.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <memory>

namespace velmorin::gui {

class TIniPosDim : public QObject {
public:
  explicit TIniPosDim(QObject* parent = nullptr);
  ~TIniPosDim() override;

  // Remembers the form and opens the settings file object on that path;
  // nothing is read yet.
  void Open(QWidget* Forme, const std::filesystem::path& IniFileName);
  // Releases the file (every write is already on disk) and forgets the form.
  void Close();

  // Writes the form's left, top, width and height under "FormPosDim" with
  // keys made from its object name ("Form1_l" ...). Nothing without an open
  // file or without a form.
  void storeForm(QWidget* AForm);
  // Restores the form's placement; a placement that shows no more than 100
  // by 100 pixels of the window on any monitor is replaced by a centred one.
  void readForm(QWidget* AForm);

  // The open settings file, through which the windows read and write their
  // keys; nullptr when closed.
  Settings* FiniFile() const { return FiniFile_.get(); }
  QWidget* FForme() const { return FForme_; }

private:
  QPointer<QWidget> FForme_;
  std::unique_ptr<Settings> FiniFile_;
};

} // namespace velmorin::gui
