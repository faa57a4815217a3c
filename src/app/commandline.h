#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/modelcommand.h"
#include "app/neccommand.h"
#include "calc/design.h"

namespace quill::app {

// What the command line asks for.
struct Request {
  enum class Action {
    Windows,  // start the windows as usual
    Help,
    Version,
    Calculate,  // --frequency: results on stdout and/or files, no window
    BadUsage,
  };
  enum class Format { Text, Csv, Json };

  Action action = Action::Windows;
  QString reply;    // Help, Version: what to print
  QString problem;  // BadUsage: what is wrong, for the message

  // Calculate
  QString frequency;
  Unit unit = Unit::Inches;
  Format format = Format::Text;
  // Results go to stdout unless a file is asked for without --format.
  bool printResults = true;
  QString planFile;  // --plan, or empty
  // --nec FILE [--diameter MM] [--elements N]: the NEC-2 model, or nothing.
  std::optional<NecCommand> nec;
  // --model [--diameter MM] [--elements N]: the model run in nec2c, or nothing.
  std::optional<ModelCommand> model;
};

// Reads the command line; needs no QCoreApplication and no display.
//
// Without --frequency, only --help (-h) and --version (-v) mean anything:
// every other argument is ignored, so launchers that pass files or Qt's own
// options (-platform, -reverse, ...) still start the windows. With
// --frequency the program opens no window, and an argument it does not know
// is bad usage, as are --unit, --format or --plan without --frequency.
Request ParseCommandLine(const QStringList& arguments);

// The reply to --help or --version, or nothing.
std::optional<QString> CommandLineReply(const QStringList& arguments);

// Answers --help, --version and --frequency and returns the exit status;
// returns nothing when the windows should start. Runs before any
// QApplication exists. Exit statuses: 0 done, 1 an output could not be
// written, 2 bad usage, 3 the calculation failed (the run-time error on
// stderr, nothing on stdout, no file written).
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace quill::app
