#pragma once

#include <QString>
#include <cstdio>
#include <optional>

#include "calc/necmodel.h"

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

// The model of the command line's --frequency, --diameter and --elements
// (without the last two, those the window offers first), or nothing after
// saying on `errors` in one line why not; `status` is then the exit status
// (bad usage for a diameter or count, a failed calculation as "INCHES"
// would report it).
std::optional<nec::Model> ModelOfOptions(const QString& frequency, const std::optional<QString>& diameter,
                                         const std::optional<QString>& elements, std::FILE* errors,
                                         int& status);

// Writes the deck, or says on `errors` why not and writes nothing. Returns
// the exit status (app/exitstatus.h): a diameter, count or frequency that
// cannot be modelled is bad usage, a calculation that fails as "INCHES"
// would is a failed calculation. With the trim, a trim that nec2c cannot
// find, or no trim within reach, is a model that could not be run.
// `trim` (--trim): the deck with the trim from the model, which nec2c runs to find.
int RunNecCommand(const NecCommand& command, bool trim, std::FILE* errors = stderr);
inline int RunNecCommand(const NecCommand& command, std::FILE* errors = stderr) {
  return RunNecCommand(command, false, errors);
}

}  // namespace quill::app
