#pragma once

// The exit statuses of quillcalc's command line, for every action it runs
// without a window. Scripts test them: they never change meaning.

namespace quill::app {

enum ExitStatus : int {
  kExitDone = 0,
  kExitOutputFailed = 1,       // an output could not be written
  kExitBadUsage = 2,           // an option, a value or a combination the program cannot take
  kExitCalculationFailed = 3,  // the frequency cannot be calculated: the run-time error, as "INCHES" gives it
  kExitModelFailed = 4,  // the model could not be run: nec2c missing, failed, computed nothing, timed out
};

}  // namespace quill::app
