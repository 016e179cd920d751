#include "app/Startup.h"

#include "settings/DataFolder.h"

#include <QCoreApplication>

namespace velmorin::gui {

std::filesystem::path prepareDataFolder() {
  const std::filesystem::path folder = dataFolder();
  const std::filesystem::path exe = QCoreApplication::applicationDirPath().toStdString();
  // Installed: <prefix>/bin and <prefix>/share/velmorin. Built: the program
  // sits one folder deeper than the build tree's share/velmorin, or two for
  // the test programs.
  for (const auto& share : {exe / ".." / "share" / "velmorin", exe / ".." / ".." / "share" / "velmorin",
                            exe / ".." / ".." / ".." / "share" / "velmorin"}) {
    std::error_code ec;
    if (std::filesystem::is_directory(share, ec)) {
      seedDataFiles(share, folder);
      break;
    }
  }
  return folder;
}

} // namespace velmorin::gui
