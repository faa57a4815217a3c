#include "ui/main/form1_design.h"

namespace quill::ui::form1 {
namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr FontSpec kCallSignFont{kSerifFace, 14.25, false};
constexpr FontSpec kInputFont{kSansFace, 13.5, true};

// Result boxes differ only in place, alignment and what they show.
constexpr ControlDesign result(const char* name, int left, int top, int width, int height, Align align,
                               const char* accessibleName) {
  return {name, Kind::Result, "000.00", left, top,     width,         height,
          true, false,        align,    kRed, nullptr, accessibleName};
}
constexpr ControlDesign caption(const char* name, const char* text, int left, int top, int width, int height,
                                bool multiLine = false) {
  return {name,  Kind::Caption, text,  left,      top,
          width, height,        false, multiLine, multiLine ? Align::Centre : Align::Left};
}
constexpr ControlDesign button(const char* name, const char* text, int left, int top, int width, int height) {
  return {name, Kind::Button, text, left, top, width, height};
}

constexpr ControlDesign kControls[] = {
    {"Text1", Kind::Caption, "XX9ZZZ", 120, 120, 1575, 375, false, false, Align::Left, kBlue, &kCallSignFont},
    {"Text2", Kind::Input, "000.0000001", 7560, 4560, 1455, 375, true, false, Align::Centre, kRed,
     &kInputFont, "Frequency in megahertz"},
    caption("Text3", "INPUT\r\nFREQUENCY\r\nIN MEGAHERTZ\r\n", 7560, 5040, 1455, 615, true),
    button("Command1", "INCHES", 6240, 4560, 1095, 375),
    result("Text4", 2280, 840, 735, 315, Align::Right, "Reflector horizontal length"),
    result("Text5", 3000, 1560, 735, 285, Align::Right, "Reflector to driven element spacing"),
    result("Text6", 3600, 1920, 735, 285, Align::Right, "Driven element horizontal length"),
    result("Text7", 4440, 2400, 735, 285, Align::Right, "Driven element to D1 spacing"),
    result("Text8", 5040, 2760, 735, 285, Align::Right, "D1 horizontal length"),
    result("Text9", 0, 3960, 735, 285, Align::Right, "Reflector vertical length"),
    result("Text10", 1440, 4680, 855, 285, Align::Right, "Driven element vertical length"),
    result("Text11", 3000, 5280, 735, 285, Align::Right, "D1 vertical length"),
    result("Text12", 8040, 1560, 975, 285, Align::Left, "D1 to D2 spacing"),
    caption("Text13", "D1 TO D2\r\nSPACING\r\n", 7920, 1920, 1095, 495, true),
    result("Text14", 8040, 2400, 975, 285, Align::Centre, "Additional director spacing"),
    caption("Text15", "ALL ADDITIONAL\r\nDIRECTOR\r\nSPACINGS\r\n", 7560, 2880, 1575, 735, true),
    caption("Text16", "D2 Horizontal", 6600, 120, 1335, 285),
    result("Text17", 8040, 120, 975, 285, Align::Left, "D2 horizontal length"),
    caption("Text18", "D3 TO Dn Horz", 6600, 480, 1455, 285),
    result("Text19", 8040, 480, 975, 285, Align::Left, "D3 to Dn horizontal length"),
    caption("Text20", "D2 Vertical", 6600, 840, 1455, 285),
    result("Text21", 8040, 840, 975, 285, Align::Left, "D2 vertical length"),
    caption("Text22", "D3 to Dn Vert", 6600, 1200, 1455, 285),
    result("Text23", 8040, 1200, 975, 285, Align::Left, "D3 to Dn vertical length"),
    button("Command2", "NOTES", 4680, 5280, 1215, 375),
    button("Command3", "WEB LINK", 4680, 4560, 1215, 375),
    button("Command4", "CM", 6240, 5280, 1095, 375),
};

}  // namespace

std::span<const ControlDesign> controls() { return kControls; }

}  // namespace quill::ui::form1
