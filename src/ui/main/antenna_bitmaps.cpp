#include "ui/common/picturebox.h"
#include "ui/main/form1_design.h"

// The drawing as src/ui/tools/render_drawing drew it at build time, taken
// into the program's read-only data as it stands: the files' paths come from
// the build (QUILL_ANTENNA_1X, QUILL_ANTENNA_2X, QUILL_ANTENNA_TEXT).
extern "C" const unsigned char quill_antenna_1x[];
extern "C" const unsigned char quill_antenna_2x[];

#define QUILL_INCBIN(name, path)                                                                \
  ".section .rodata\n.balign 16\n.globl " name "\n.hidden " name "\n" name ":\n.incbin \"" path \
  "\"\n.globl " name "_end\n.hidden " name "_end\n" name "_end:\n.previous\n"
asm(QUILL_INCBIN("quill_antenna_1x", QUILL_ANTENNA_1X) QUILL_INCBIN("quill_antenna_2x", QUILL_ANTENNA_2X));

namespace quill::ui::form1 {

std::span<const unsigned char* const> drawingBitmaps() {
  static const unsigned char* const bitmaps[] = {quill_antenna_1x, quill_antenna_2x};
  return bitmaps;
}

std::span<const DrawingText> drawingText() {
  static constexpr DrawingText texts[] = {
#include QUILL_ANTENNA_TEXT
  };
  return texts;
}

QSize drawingPixels() { return BitmapDrawingSize(quill_antenna_1x); }

}  // namespace quill::ui::form1
