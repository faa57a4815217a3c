#pragma once

#include <QString>
#include <cstdio>
#include <optional>

namespace quill::app {

// quillcalc --frequency TEXT --nec FILE [--diameter MM] [--elements N]: the
// NEC-2 model that "Export NEC model…" writes, with no display. The frequency
// text is read as the frequency box reads it; without a diameter or a count,
// those the window offers first are used.
struct NecCommand {
  QString frequency;
  QString file;
  std::optional<QString> diameter;  // millimetres
  std::optional<QString> elements;
};

// Exit statuses of the command.
inline constexpr int kNecWritten = 0;
inline constexpr int kNecNotWritten = 1;    // the file could not be written
inline constexpr int kNecBadInput = 2;      // a diameter, count or frequency that cannot be modelled
inline constexpr int kNecRunTimeError = 3;  // the calculation failed, as "INCHES" would

// Writes the deck, or says on `errors` why not and writes nothing. Returns
// the exit status.
int RunNecCommand(const NecCommand& command, std::FILE* errors = stderr);

}  // namespace quill::app
