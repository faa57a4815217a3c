#pragma once

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <optional>

#include "app/request.h"
#include "io/necrun.h"

namespace quill::app {

// quillcalc --frequency TEXT --model [--diameter MM] [--elements N]
// [--format text|csv|json]: the model of the antenna that "Export NEC
// model…" writes, run in nec2c, its results on `out` as the model window
// copies them (text), or as CSV or JSON. No display is needed. Says on
// `errors` in one line why not and prints nothing otherwise. Returns the
// exit status (app::ExitStatus): 2 for a diameter or count the model cannot
// take, 3 for a frequency that cannot be calculated (neither runs nec2c), 4
// when nec2c is missing, fails, computes nothing or runs past `limit`. With
// --trim, --measured and --tolerance it adds the trim, the measurement and
// the cutting spread; a measurement file that cannot be read, or a
// tolerance over a tenth of the shortest leg, is bad usage, found before
// nec2c runs.
int RunModelCommand(const Request& request, std::FILE* out = stdout, std::FILE* errors = stderr,
                    std::chrono::milliseconds limit = io::kNecTimeLimit);

// nec2c's runs need an event dispatcher; a QCoreApplication gives one
// without loading any of the GUI. Made while it lives, when there is none.
class CoreForRuns {
 public:
  CoreForRuns();

 private:
  std::optional<QCoreApplication> core_;
};

}  // namespace quill::app
