#include "io/program.h"

namespace quill::io {

// From the project's name and version in CMake, so that a window, a deck
// and --version never disagree.
QString ProgramAndVersion() { return QStringLiteral(QUILL_PROGRAM_AND_VERSION); }

}  // namespace quill::io
