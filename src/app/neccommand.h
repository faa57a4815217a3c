#pragma once

#include <QString>
#include <cstdio>
#include <optional>

namespace quill::app {

// quillcalc --frequency TEXT --nec FILE [--diameter MM] [--elements N]: the
// NEC-2 model that "Export NEC model…" writes, with no display. The frequency
// is the number the command line read from --frequency (ASCII, "."); the
// diameter is read as the dialog reads it. Without a diameter or a count,
// those the window offers first are used.
struct NecCommand {
  QString frequency;
  QString file;                     // "-" for standard output
  std::optional<QString> diameter;  // millimetres
  std::optional<QString> elements;
};

// Writes the deck, or says on `errors` why not and writes nothing. Returns
// the exit status (app/exitstatus.h): a diameter, count or frequency that
// cannot be modelled is bad usage, a calculation that fails as "INCHES"
// would is a failed calculation.
int RunNecCommand(const NecCommand& command, std::FILE* errors = stderr);

}  // namespace quill::app
