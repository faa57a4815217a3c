#include "ui/main/form1_design.h"

#include <algorithm>

namespace quill::ui::form1 {
namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr FontSpec kCallSignFont{kSerifFace, 14.25};
constexpr FontSpec kInputFont{kSansFace, 13.5, true};

// Result boxes differ only in place, alignment and what they show.
constexpr Row result(TextBox* Form1::*member, ResultBox shows, const char* name, int left, int top, int width,
                     int height, Align align, const char* accessibleName) {
  return {member,
          {name, "000.00", left, top, width, height, align, true, kRed, 0, nullptr, accessibleName},
          shows};
}
// Caption boxes have no border; the multi-line ones are centred.
constexpr Row caption(TextBox* Form1::*member, const char* name, const char* text, int left, int top,
                      int width, int height) {
  return {member, {name, text, left, top, width, height, Align::Left, false}};
}
constexpr Row caption(QPlainTextEdit* Form1::*member, const char* name, const char* text, int left, int top,
                      int width, int height) {
  return {member, {name, text, left, top, width, height, Align::Centre, false}};
}
constexpr Row button(CommandButton* Form1::*member, const char* name, const char* text, int left, int top,
                     int width, int height) {
  return {member, {name, text, left, top, width, height}};
}

constexpr Row kPicture{
    &Form1::Picture1,
    {"Picture1", ":/ui/main/antenna.svg", 0, 0, 9885, 6420, Align::Left, true, 0, 0, nullptr,
     "Drawing of the Quillbeam antenna",
     "The boom runs from upper left to lower right, crossed by the reflector, the driven element "
     "and director D1. Each element is a horizontal tube with a vertical leg at each end. Every "
     "result box stands on the dimension it shows; the directors beyond D1 are listed on the "
     "right."}};

using enum ResultBox;
using F = Form1;
constexpr Row kControls[] = {
    {&F::Text1, {"Text1", "XX9ZZZ", 120, 120, 1575, 375, Align::Left, false, kBlue, 0, &kCallSignFont}},
    {&F::Text2,
     {"Text2", "000.0000001", 7560, 4560, 1455, 375, Align::Centre, true, kRed, 0, &kInputFont,
      "Frequency in megahertz"}},
    caption(&F::Text3, "Text3", "INPUT\r\nFREQUENCY\r\nIN MEGAHERTZ\r\n", 7560, 5040, 1455, 615),
    button(&F::Command1, "Command1", "INCHES", 6240, 4560, 1095, 375),
    result(&F::Text4, Text4, "Text4", 2280, 840, 735, 315, Align::Right, "Reflector horizontal length"),
    result(&F::Text5, Text5, "Text5", 3000, 1560, 735, 285, Align::Right,
           "Reflector to driven element spacing"),
    result(&F::Text6, Text6, "Text6", 3600, 1920, 735, 285, Align::Right, "Driven element horizontal length"),
    result(&F::Text7, Text7, "Text7", 4440, 2400, 735, 285, Align::Right, "Driven element to D1 spacing"),
    result(&F::Text8, Text8, "Text8", 5040, 2760, 735, 285, Align::Right, "D1 horizontal length"),
    result(&F::Text9, Text9, "Text9", 0, 3960, 735, 285, Align::Right, "Reflector vertical length"),
    result(&F::Text10, Text10, "Text10", 1440, 4680, 855, 285, Align::Right,
           "Driven element vertical length"),
    result(&F::Text11, Text11, "Text11", 3000, 5280, 735, 285, Align::Right, "D1 vertical length"),
    result(&F::Text12, Text12, "Text12", 8040, 1560, 975, 285, Align::Left, "D1 to D2 spacing"),
    caption(&F::Text13, "Text13", "D1 TO D2\r\nSPACING\r\n", 7920, 1920, 1095, 495),
    result(&F::Text14, Text14, "Text14", 8040, 2400, 975, 285, Align::Centre, "Additional director spacing"),
    caption(&F::Text15, "Text15", "ALL ADDITIONAL\r\nDIRECTOR\r\nSPACINGS\r\n", 7560, 2880, 1575, 735),
    caption(&F::Text16, "Text16", "D2 Horizontal", 6600, 120, 1335, 285),
    result(&F::Text17, Text17, "Text17", 8040, 120, 975, 285, Align::Left, "D2 horizontal length"),
    caption(&F::Text18, "Text18", "D3 TO Dn Horz", 6600, 480, 1455, 285),
    result(&F::Text19, Text19, "Text19", 8040, 480, 975, 285, Align::Left, "D3 to Dn horizontal length"),
    caption(&F::Text20, "Text20", "D2 Vertical", 6600, 840, 1455, 285),
    result(&F::Text21, Text21, "Text21", 8040, 840, 975, 285, Align::Left, "D2 vertical length"),
    caption(&F::Text22, "Text22", "D3 to Dn Vert", 6600, 1200, 1455, 285),
    result(&F::Text23, Text23, "Text23", 8040, 1200, 975, 285, Align::Left, "D3 to Dn vertical length"),
    button(&F::Command2, "Command2", "NOTES", 4680, 5280, 1215, 375),
    button(&F::Command3, "Command3", "WEB LINK", 4680, 4560, 1215, 375),
    button(&F::Command4, "Command4", "CM", 6240, 5280, 1095, 375),
};

// Every dimension is shown by exactly one box, and that box is a
// single-line text box.
constexpr bool eachResultShownOnce() {
  for (const Row& row : kControls) {
    if (row.shows && !std::holds_alternative<TextBox * Form1::*>(row.member)) return false;
  }
  for (std::size_t i = 0; i < kResultBoxCount; ++i) {
    if (std::ranges::count(kControls, std::optional(ResultBox(i)), &Row::shows) != 1) return false;
  }
  return true;
}
static_assert(eachResultShownOnce());

}  // namespace

const Row& picture() { return kPicture; }
std::span<const Row> controls() { return kControls; }

}  // namespace quill::ui::form1
