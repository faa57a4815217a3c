#pragma once

#include <QString>
#include <optional>
#include <string>

#include "calc/design.h"
#include "calc/elements.h"

namespace quill::app {

// What the command line asks for, each option's value read once into the
// numbers the commands take.
struct Request {
  enum class Action {
    Windows,  // start the windows as usual
    Help,
    Version,
    Calculate,  // --frequency: results on stdout and/or files, no window
    BadUsage,
  };
  // How the command line prints what it works out.
  enum class Format { Text, Csv, Json };

  Action action = Action::Windows;
  QString reply;    // Help, Version: what to print
  QString problem;  // BadUsage: what is wrong, for the message

  // Calculate
  std::string frequency;  // the number of --frequency, in ASCII with "."
  Unit unit = Unit::Inches;
  Format format = Format::Text;
  // Results go to stdout unless a file is asked for without --format.
  bool printResults = true;
  QString planFile;    // --plan, or empty
  QString necFile;     // --nec, or empty
  bool model = false;  // --model: the model run in nec2c
  // --elements: of the plan, the listings and the model.
  int elements = kFewestElements;
  // --diameter: the model's tubes and the plan's, or the diameter that
  // suits the frequency.
  std::optional<double> diameterMm;
  // --trim (with --model or --nec): the leg trim, from the model or from
  // --measured's sweep.
  bool trim = false;
  QString measuredFile;               // --measured (with --model): an analyser's Touchstone file, or empty
  std::optional<double> toleranceMm;  // --tolerance (with --model): the cutting spread
  // --allowance: the tube past each bolt on the plan and in the listings'
  // cut lengths, or the unit's default.
  std::optional<double> allowanceMm;
};

// What is listed (the results, the model's), in the format asked for.
template <class Listed, class Text, class Csv, class Json>
std::string Listing(Request::Format format, const Listed& listed, Text text, Csv csv, Json json) {
  switch (format) {
    case Request::Format::Csv:
      return csv(listed);
    case Request::Format::Json:
      return json(listed);
    case Request::Format::Text:
      break;
  }
  return text(listed);
}

}  // namespace quill::app
