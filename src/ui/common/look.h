#pragma once

// The look the windows were designed in, kept on every desktop. The designs
// fix some colours (red and blue text, the notes' light cyan) and take the
// rest from the system's scheme, which was a light one when they were drawn:
// black text, white boxes, a light grey button face. A dark theme or style
// would pair the fixed colours with its own dark ones, and a style with
// thick frames would leave the small result boxes too little room. So the
// designed windows keep the light scheme and the thin frames of Qt's Fusion
// style; message boxes, dialogs and context menus, which are the desktop's
// own kind of window, follow the desktop.

#include <QPalette>

class QStyle;
class QWidget;

namespace quill::ui {

// Fusion's light scheme, as the windows show on a desktop without a theme of
// its own, with a darker selection blue so that selected text reads at 4.5:1.
QPalette DesignPalette();

// The style that draws the designed windows: Fusion, one instance for all.
QStyle* DesignStyle();

// Gives `window` and every widget in it the design's style and palette. Run
// it once the window's controls are built. Colours the window or a control
// chose itself stay; windows that are opened from it later (dialogs, message
// boxes, menus) are not affected.
void UseDesignLook(QWidget* window);

}  // namespace quill::ui
