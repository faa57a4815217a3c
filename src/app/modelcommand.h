#pragma once

#include <chrono>
#include <cstdio>

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
// when nec2c is missing, fails, computes nothing or runs past `limit`.
int RunModelCommand(const Request& request, std::FILE* out = stdout, std::FILE* errors = stderr,
                    std::chrono::milliseconds limit = io::kNecTimeLimit);

}  // namespace quill::app
