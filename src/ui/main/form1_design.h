#pragma once

// The main window's design: every control with its place, text and look, in
// tab order. Form1 builds itself from this table; it is the one place where
// the layout is written down.

#include <QRgb>
#include <span>

#include "ui/common/forms.h"

namespace quill::ui::form1 {

enum class Kind { Caption, Input, Result, Button };

struct FontSpec {
  const char* face;
  double points;
  bool bold;
};

struct ControlDesign {
  const char* name;
  Kind kind;
  const char* text;              // "\r\n" separates lines
  int left, top, width, height;  // twips, from Picture1's inner area
  bool border = true;
  bool multiLine = false;
  Align align = Align::Left;
  QRgb colour = 0;                 // 0: the system's window-text colour
  const FontSpec* font = nullptr;  // nullptr: the window's default font
  const char* accessibleName = nullptr;
};

std::span<const ControlDesign> controls();

// The window itself.
inline constexpr char kTitle[] = "Form1";
inline constexpr int kClientWidth = 9225;   // twips
inline constexpr int kClientHeight = 6390;  // twips
// Picture1 fills the client area from its top-left corner; it is larger than
// the window at start (its right strip is blank margin).
inline constexpr int kPictureWidth = 9885;
inline constexpr int kPictureHeight = 6420;

struct LineDesign {
  const char* name;
  int x1, y1, x2, y2;  // twips, from Picture1's inner area
};
// Leader lines from Text6 to Text5 and from Text8 to Text7, parallel to the boom.
inline constexpr LineDesign kLines[] = {
    {"Line1", 3600, 2040, 3240, 1800},
    {"Line2", 5040, 2880, 4560, 2640},
};

}  // namespace quill::ui::form1
