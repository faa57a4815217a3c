#pragma once

// The web link window's design: the window itself and its three labels with
// their places, texts and looks, in tab order. web builds itself from this.

#include <span>

#include "ui/common/forms.h"

namespace quill::ui::weblink {

struct LabelDesign {
  const char* name;
  int left, top, width, height;  // twips, from the window's client area
  Align align;
  const char* text;
  bool link = false;  // blue, underlined, with the pointing hand; opens the page
};

// In tab order (labels take no focus, but keep their places in it).
std::span<const LabelDesign> labels();

// The author's page, as the link label shows it. Short enough to show whole
// on the label's one line.
inline constexpr char kPageAddress[] = "https://example.org/quillbeam";
// What a click hands to the browser: the address with a closing "/". One
// fixed text, never read back from the label.
inline constexpr char kOpenCommand[] = "https://example.org/quillbeam/";

// The window itself.
inline constexpr char kCaption[] = "Web Page Link";
inline constexpr int kClientLeft = 2130;  // twips, from the screen's corner
inline constexpr int kClientTop = 1695;
inline constexpr int kClientWidth = 3315;
inline constexpr int kClientHeight = 1845;

}  // namespace quill::ui::weblink
