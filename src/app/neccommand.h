#pragma once

#include <cstdio>
#include <optional>

#include "app/request.h"
#include "calc/necmodel.h"

namespace quill::app {

// The model of the request's frequency, diameter and element count (without
// a diameter, the one that suits the frequency), or nothing after saying on
// `errors` in one line why not; `status` is then the exit status (bad usage
// for a diameter or count the model cannot take, a failed calculation as
// "INCHES" would report it).
std::optional<nec::Model> ModelOfRequest(const Request& request, std::FILE* errors, int& status);

// quillcalc --frequency TEXT --nec FILE [--diameter MM] [--elements N]: the
// NEC-2 model that "Export NEC model…" writes, with no display. Writes the
// deck, or says on `errors` why not and writes nothing. Returns the exit
// status (app/exitstatus.h).
int RunNecCommand(const Request& request, std::FILE* errors = stderr);

}  // namespace quill::app
