#pragma once
// The program's name and version as one line, "quillcalc 1.0.0": what
// --version prints, the NEC decks' first comment, the plan's byline.
#include <QString>

namespace quill::io {

QString ProgramAndVersion();

}  // namespace quill::io
