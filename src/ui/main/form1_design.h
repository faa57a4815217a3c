#pragma once

// The main window's design: every control with its place, text and look, in
// tab order. Form1 builds itself from this table; it is the one place where
// the layout is written down, and the one place that says which result box
// shows which dimension.

#include <optional>
#include <span>
#include <string_view>

#include "calc/design.h"
#include "ui/common/builder.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"

namespace quill::ui::form1 {

struct Row {
  ControlMember<Form1> member;
  ControlDesign design;
  std::optional<ResultBox> shows = std::nullopt;  // result boxes: what the calculation writes here
};

// Picture1, the window's only direct child: the drawing that every other
// control stands on. It fills the client area from its top-left corner and
// is larger than the window at start (its right strip is blank margin).
const Row& picture();
// The controls inside Picture1, in tab order after it.
std::span<const Row> controls();
// Picture1's drawing as the build drew it at the device-pixel ratios 1 and 2
// without its text, and the text drawn over it (PictureBox::addBitmap,
// setBitmapText): start-up neither reads nor draws the drawing's lines on
// most screens, and needs no SVG renderer.
std::span<const unsigned char* const> drawingBitmaps();
std::span<const DrawingText> drawingText();
// The drawing's size in pixels.
QSize drawingPixels();

// What a result box's accessible description says about its value.
inline constexpr char kNothingCalculated[] = "Nothing calculated yet";
inline constexpr char kInInches[] = "In inches";
inline constexpr char kInCentimetres[] = "In centimetres";

// The window itself.
inline constexpr char kTitle[] = "Form1";
inline constexpr int kClientWidth = 9225;   // twips
inline constexpr int kClientHeight = 6390;  // twips

struct LineDesign {
  const char* name;
  int x1, y1, x2, y2;  // twips, from Picture1's inner area
};
// Leader lines from Text6 to Text5 and from Text8 to Text7, parallel to the boom.
inline constexpr LineDesign kLines[] = {
    {.name = "Line1", .x1 = 3600, .y1 = 2040, .x2 = 3240, .y2 = 1800},
    {.name = "Line2", .x1 = 5040, .y1 = 2880, .x2 = 4560, .y2 = 2640},
};

}  // namespace quill::ui::form1
