#pragma once

// The notes window's design: the window itself and every control with its
// place, text and look, in tab order. frmAbout builds itself from this table.

#include <QRgb>
#include <span>

#include "ui/common/builder.h"
#include "ui/notes/frmabout.h"

namespace quill::ui::notes {

// In tab order: the labels take no focus but keep their places in it.
// Places are measured from the window's client area.
std::span<const Control<frmAbout>> controls();

// The window itself.
inline constexpr char kCaption[] = "QUILLBEAM by XX9ZZZ";  // replaced at load
inline constexpr int kClientLeft = 2340;                   // twips, from the screen's corner
inline constexpr int kClientTop = 1935;
inline constexpr int kClientWidth = 7335;
inline constexpr int kClientHeight = 6570;
inline constexpr QRgb kBackColour = qRgb(128, 255, 255);  // light cyan

}  // namespace quill::ui::notes
