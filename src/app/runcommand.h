#pragma once

#include <optional>

namespace quill::app {

// Answers --help, --version and --frequency, and bad usage, and returns the
// exit status (exitstatus.h); returns nothing when the windows should start.
// Runs before any QApplication exists. Every line on stderr starts with
// "quillcalc: ".
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace quill::app
