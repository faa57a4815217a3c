// Compiled only by the layers_* tests (tests/layers/CMakeLists.txt): with
// QUILL_PROBE_INCLUDE unset, every include here follows the layers and the
// file compiles; with it set to a header of a layer above, it must not.
#include "calc/design.h"
#ifdef QUILL_PROBE_IO
#include "io/necrun.h"
#endif
#ifdef QUILL_PROBE_UI
#include "ui/main/form1.h"
#endif
#ifdef QUILL_PROBE_INCLUDE
#include QUILL_PROBE_INCLUDE
#endif

int quill_layer_probe() { return static_cast<int>(quill::kResultBoxCount); }
