#pragma once

// The web link window's design: the window itself and its three labels with
// their places, texts and looks, in tab order. web builds itself from this.

#include <span>

#include "ui/common/builder.h"
#include "ui/weblink/web.h"

namespace quill::ui::weblink {

// In tab order (labels take no focus, but keep their places in it). Places
// are measured from the window's client area.
std::span<const Control<web>> controls();

// The author's page, as the link label shows it: short enough to show whole
// on the label's one line. A click opens it with a closing "/".
inline constexpr char kPageAddress[] = "https://example.org/quillbeam";

// The window itself.
inline constexpr char kCaption[] = "Web Page Link";
inline constexpr int kClientLeft = 2130;  // twips, from the screen's corner
inline constexpr int kClientTop = 1695;
inline constexpr int kClientWidth = 3315;
inline constexpr int kClientHeight = 1845;

}  // namespace quill::ui::weblink
