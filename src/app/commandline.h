#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quill::app {

// What the program prints for its command line, or nothing when it should
// start its windows as usual. Only --help (-h) and --version (-v) mean
// anything; every other argument is ignored, so launchers that pass files
// or Qt's own options (-platform, -reverse, ...) still start the program.
// Needs no QCoreApplication.
std::optional<QString> CommandLineReply(const QStringList& arguments);

// Prints the reply to --help or --version on stdout and returns the exit
// status (0); returns nothing when the windows should start. Runs before any
// QApplication exists, so it needs no display.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace quill::app
