#pragma once

// How many elements the builder is making: one count for the plan, the
// copied results, the NEC export and the model window, kept for as long as
// the program runs. It starts at the design's three (reflector, driven
// element and D1, as drawn); wherever the user changes it, the others
// follow.

namespace quill::ui {

int SessionElements();
// A count outside the modelled range (nec::kFewestElements to
// nec::kMostElements) is ignored: the caller has refused it already.
void SetSessionElements(int count);

}  // namespace quill::ui
