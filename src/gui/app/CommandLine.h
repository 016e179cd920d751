// The program's command line: "--circuit N" opens the solver window of
// circuit N directly.
#pragma once

#include <QStringList>

#include <optional>

namespace velmorin::gui {

struct CommandLine {
  std::optional<int> circuit; // 1 to 40 when given
  QString error;              // what is wrong with the command line, if anything
};

CommandLine parseCommandLine(const QStringList& arguments);

} // namespace velmorin::gui
