#pragma once

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <cstdio>
#include <optional>

#include "io/necrun.h"

namespace quill::app {

// quillcalc --frequency TEXT --model [--diameter MM] [--elements N]
// [--format text|csv|json]: the model of the antenna that "Export NEC
// model…" writes, run in nec2c, its results on stdout as the model window
// copies them (text), or as CSV or JSON. No display is needed.
// How the command line prints what it works out.
enum class ListingFormat { Text, Csv, Json };

struct ModelCommand {
  QString frequency;
  std::optional<QString> diameter;  // millimetres
  std::optional<QString> elements;
  ListingFormat format = ListingFormat::Text;
};

// What --model adds to the model's listing.
struct ModelTuning {
  bool trim = false;                 // --trim: the leg trim, from the model or the measurement
  std::optional<QString> measured;   // --measured FILE: an analyser's Touchstone file
  std::optional<QString> tolerance;  // --tolerance MM: the spread of cutting errors
};

// nec2c's runs need an event dispatcher; a QCoreApplication gives one
// without loading any of the GUI. Made when there is none yet.
class CoreForRuns {
 public:
  CoreForRuns();

 private:
  std::optional<QCoreApplication> core_;
};

// Runs the model and prints its results on `out`, or says on `errors` in one
// line why not and prints nothing. Returns the exit status (app::ExitStatus):
// 2 for a diameter or count the model cannot take, 3 for a frequency that
// cannot be calculated (neither runs nec2c), 4 when nec2c is missing, fails,
// computes nothing or runs past `limit`. A measurement file that cannot be
// read, or a tolerance below 0, not a number or over a tenth of the shortest
// leg, is bad usage, found before nec2c runs.
int RunModelCommand(const ModelCommand& command, const ModelTuning& tuning, std::FILE* out = stdout,
                    std::FILE* errors = stderr, std::chrono::milliseconds limit = io::kNecTimeLimit);
inline int RunModelCommand(const ModelCommand& command, std::FILE* out = stdout, std::FILE* errors = stderr,
                           std::chrono::milliseconds limit = io::kNecTimeLimit) {
  return RunModelCommand(command, {}, out, errors, limit);
}

}  // namespace quill::app
