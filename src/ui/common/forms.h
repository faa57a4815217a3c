#pragma once

// Helpers shared by the windows: the measures and fonts of the window
// designs, turned into Qt terms.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace quill::ui {

// Window designs are measured in twips: 1440 to the inch, 15 to the pixel at
// 96 dpi. Qt's device-independent pixels are 96 dpi pixels, so high-DPI
// screens scale the whole design together with its fonts.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr QRect pxRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}

// The faces the designs name are Windows fonts; these are the metric
// equivalents Debian ships in fonts-liberation.
inline constexpr char kSansFace[] = "MS Sans Serif";
inline constexpr char kSerifFace[] = "Times New Roman";
void installFontSubstitutes();

// A font in the design's terms. Fractional point sizes (8.25, 9.75, 13.5)
// are kept exactly: at 96 dpi they are whole pixel sizes.
QFont designFont(const char* face, double points, bool bold = false);
// The default font of every window: "MS Sans Serif" 8.25 pt.
QFont defaultFont();

// A design text as Qt shows it: lines are stored with CR LF, Qt text
// widgets break on LF alone.
QString designText(const char* text);

enum class Align { Left, Centre, Right };
// The Qt flag for a design's horizontal alignment.
Qt::Alignment horizontalAlignment(Align align);

// Sets the colour of the text (and, if valid, of the background).
void setTextColour(QWidget* widget, const QColor& text, const QColor& background = QColor());

}  // namespace quill::ui
