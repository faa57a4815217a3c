#pragma once

// The notes window's design: the window itself and every control with its
// place, text and look, in tab order. frmAbout builds itself from this table.

#include <QRgb>
#include <span>

#include "ui/common/forms.h"

namespace quill::ui::notes {

enum class Kind { Label, TextBox, Picture };

struct FontSpec {
  const char* face;
  double points;
};

struct ControlDesign {
  const char* name;
  Kind kind;
  // A label's or text box's text ("\r\n" ends a line); a picture box's
  // drawing, as a resource path.
  const char* text;
  int left, top, width, height;  // twips, from the window's client area
  // 0: the system's colour for the kind of control (button text for labels,
  // window text and window background for text boxes).
  QRgb colour = 0;
  QRgb background = 0;
  bool border = true;              // text boxes only
  const FontSpec* font = nullptr;  // nullptr: the window's default font
};

// In tab order: the labels take no focus but keep their places in it.
std::span<const ControlDesign> controls();

// The window itself.
inline constexpr char kCaption[] = "QUILLBEAM by XX9ZZZ";  // replaced at load
inline constexpr int kClientLeft = 2340;                   // twips, from the screen's corner
inline constexpr int kClientTop = 1935;
inline constexpr int kClientWidth = 7335;
inline constexpr int kClientHeight = 6570;
inline constexpr QRgb kBackColour = qRgb(128, 255, 255);  // light cyan

}  // namespace quill::ui::notes
