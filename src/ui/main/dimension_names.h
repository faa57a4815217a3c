#pragma once

#include "calc/results.h"

namespace quill::ui::form1 {

// The names of the fourteen dimensions, indexed by ResultBox: each result
// box's accessible name in the window's design table. Needs no window, so
// the command line lists the results under the names a screen reader gives
// the boxes.
const DimensionNames& dimensionNames();

}  // namespace quill::ui::form1
