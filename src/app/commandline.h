#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "app/modelcommand.h"
#include "app/neccommand.h"
#include "calc/design.h"
#include "calc/necmodel.h"

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
  using Format = ListingFormat;

  Action action = Action::Windows;
  QString reply;    // Help, Version: what to print
  QString problem;  // BadUsage: what is wrong, for the message

  // Calculate
  std::string frequency;  // the number of --frequency, in ASCII with "."
  Unit unit = Unit::Inches;
  Format format = Format::Text;
  // Results go to stdout unless a file is asked for without --format.
  bool printResults = true;
  QString planFile;  // --plan, or empty
  // --elements: of the plan and the listings (the model reads it itself).
  int elements = kFewestElements;
  // --nec FILE [--diameter MM] [--elements N]: the NEC-2 model, or nothing.
  std::optional<NecCommand> nec;
  // --model [--diameter MM] [--elements N]: the model run in nec2c, or nothing.
  std::optional<ModelCommand> model;
  // --trim (with --model or --nec), --measured FILE and --tolerance MM (with --model).
  ModelTuning tuning;
};

// Reads the command line; needs no QCoreApplication and no display.
//
// Without --frequency, --help (-h) and --version (-v) are answered, Qt's own
// options (qtoptions.h) are left for Qt, and any other argument is bad
// usage, so that a typo never opens the windows. With --frequency the
// program opens no window, and Qt's options, unknown ones and stray
// arguments are bad usage, as are --unit, --format, --plan or --nec without
// --frequency.
Request ParseCommandLine(const QStringList& arguments);

// Answers --help, --version and --frequency, and bad usage, and returns the
// exit status (exitstatus.h); returns nothing when the windows should start.
// Runs before any QApplication exists. Every line on stderr starts with
// "quillcalc: ".
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace quill::app
