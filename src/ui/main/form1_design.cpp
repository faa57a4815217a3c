#include "ui/main/form1_design.h"

#include <algorithm>

namespace quill::ui::form1 {
namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr FontSpec kCallSignFont{kSerifFace, 14.25};
constexpr FontSpec kInputFont{kSansFace, 13.5, true};
// What every result box shows until the first calculation.
constexpr char kNoResult[] = "000.00";

// The tables are laid out by hand, one control to a few lines, so that they
// read as tables.
// clang-format off
constexpr Row kPicture{
    .member = &Form1::Picture1,
    .design = {.name = "Picture1", .text = ":/ui/main/antenna.svg",
               .left = 0, .top = 0, .width = 9885, .height = 6420,
               .accessibleName = "Drawing of the Quillbeam antenna",
               .accessibleDescription =
                   "The boom runs from upper left to lower right, crossed by the reflector, the driven "
                   "element and director D1. Each element is a horizontal tube with a vertical leg at each "
                   "end. Every result box stands on the dimension it shows; the directors beyond D1 are "
                   "listed on the right."}};

// In tab order. Result boxes have red text and a border; caption boxes have
// none, and the multi-line ones are centred. Every row gives its place as
// left, top, width and height in twips, from Picture1's inner corner.
using enum ResultBox;
using F = Form1;
constexpr Row kControls[] = {
    {.member = &F::Text1,
     .design = {.name = "Text1", .text = "XX9ZZZ",
                .left = 120, .top = 120, .width = 1575, .height = 375,
                .border = false, .colour = kBlue, .font = &kCallSignFont}},
    {.member = &F::Text2,
     .design = {.name = "Text2", .text = "000.0000001",
                .left = 7560, .top = 4560, .width = 1455, .height = 375,
                .align = Align::Centre, .colour = kRed, .font = &kInputFont,
                .accessibleName = "Frequency in megahertz"}},
    {.member = &F::Text3,
     .design = {.name = "Text3", .text = "INPUT\r\nFREQUENCY\r\nIN MEGAHERTZ\r\n",
                .left = 7560, .top = 5040, .width = 1455, .height = 615,
                .align = Align::Centre, .border = false}},
    {.member = &F::Command1,
     .design = {.name = "Command1", .text = "INCHES",
                .left = 6240, .top = 4560, .width = 1095, .height = 375}},
    {.member = &F::Text4,
     .design = {.name = "Text4", .text = kNoResult,
                .left = 2280, .top = 840, .width = 735, .height = 315,
                .align = Align::Right, .colour = kRed, .accessibleName = "Reflector horizontal length"},
     .shows = Text4},
    {.member = &F::Text5,
     .design = {.name = "Text5", .text = kNoResult,
                .left = 3000, .top = 1560, .width = 735, .height = 285,
                .align = Align::Right, .colour = kRed,
                .accessibleName = "Reflector to driven element spacing"},
     .shows = Text5},
    {.member = &F::Text6,
     .design = {.name = "Text6", .text = kNoResult,
                .left = 3600, .top = 1920, .width = 735, .height = 285,
                .align = Align::Right, .colour = kRed, .accessibleName = "Driven element horizontal length"},
     .shows = Text6},
    {.member = &F::Text7,
     .design = {.name = "Text7", .text = kNoResult,
                .left = 4440, .top = 2400, .width = 735, .height = 285,
                .align = Align::Right, .colour = kRed, .accessibleName = "Driven element to D1 spacing"},
     .shows = Text7},
    {.member = &F::Text8,
     .design = {.name = "Text8", .text = kNoResult,
                .left = 5040, .top = 2760, .width = 735, .height = 285,
                .align = Align::Right, .colour = kRed, .accessibleName = "D1 horizontal length"},
     .shows = Text8},
    {.member = &F::Text9,
     .design = {.name = "Text9", .text = kNoResult,
                .left = 0, .top = 3960, .width = 735, .height = 285,
                .align = Align::Right, .colour = kRed, .accessibleName = "Reflector vertical length"},
     .shows = Text9},
    {.member = &F::Text10,
     .design = {.name = "Text10", .text = kNoResult,
                .left = 1440, .top = 4680, .width = 855, .height = 285,
                .align = Align::Right, .colour = kRed, .accessibleName = "Driven element vertical length"},
     .shows = Text10},
    {.member = &F::Text11,
     .design = {.name = "Text11", .text = kNoResult,
                .left = 3000, .top = 5280, .width = 735, .height = 285,
                .align = Align::Right, .colour = kRed, .accessibleName = "D1 vertical length"},
     .shows = Text11},
    {.member = &F::Text12,
     .design = {.name = "Text12", .text = kNoResult,
                .left = 8040, .top = 1560, .width = 975, .height = 285,
                .align = Align::Left, .colour = kRed, .accessibleName = "D1 to D2 spacing"},
     .shows = Text12},
    {.member = &F::Text13,
     .design = {.name = "Text13", .text = "D1 TO D2\r\nSPACING\r\n",
                .left = 7920, .top = 1920, .width = 1095, .height = 495,
                .align = Align::Centre, .border = false}},
    {.member = &F::Text14,
     .design = {.name = "Text14", .text = kNoResult,
                .left = 8040, .top = 2400, .width = 975, .height = 285,
                .align = Align::Centre, .colour = kRed, .accessibleName = "Additional director spacing"},
     .shows = Text14},
    {.member = &F::Text15,
     .design = {.name = "Text15", .text = "ALL ADDITIONAL\r\nDIRECTOR\r\nSPACINGS\r\n",
                .left = 7560, .top = 2880, .width = 1575, .height = 735,
                .align = Align::Centre, .border = false}},
    {.member = &F::Text16,
     .design = {.name = "Text16", .text = "D2 Horizontal",
                .left = 6600, .top = 120, .width = 1335, .height = 285,
                .border = false}},
    {.member = &F::Text17,
     .design = {.name = "Text17", .text = kNoResult,
                .left = 8040, .top = 120, .width = 975, .height = 285,
                .align = Align::Left, .colour = kRed, .accessibleName = "D2 horizontal length"},
     .shows = Text17},
    {.member = &F::Text18,
     .design = {.name = "Text18", .text = "D3 TO Dn Horz",
                .left = 6600, .top = 480, .width = 1455, .height = 285,
                .border = false}},
    {.member = &F::Text19,
     .design = {.name = "Text19", .text = kNoResult,
                .left = 8040, .top = 480, .width = 975, .height = 285,
                .align = Align::Left, .colour = kRed, .accessibleName = "D3 to Dn horizontal length"},
     .shows = Text19},
    {.member = &F::Text20,
     .design = {.name = "Text20", .text = "D2 Vertical",
                .left = 6600, .top = 840, .width = 1455, .height = 285,
                .border = false}},
    {.member = &F::Text21,
     .design = {.name = "Text21", .text = kNoResult,
                .left = 8040, .top = 840, .width = 975, .height = 285,
                .align = Align::Left, .colour = kRed, .accessibleName = "D2 vertical length"},
     .shows = Text21},
    {.member = &F::Text22,
     .design = {.name = "Text22", .text = "D3 to Dn Vert",
                .left = 6600, .top = 1200, .width = 1455, .height = 285,
                .border = false}},
    {.member = &F::Text23,
     .design = {.name = "Text23", .text = kNoResult,
                .left = 8040, .top = 1200, .width = 975, .height = 285,
                .align = Align::Left, .colour = kRed, .accessibleName = "D3 to Dn vertical length"},
     .shows = Text23},
    {.member = &F::Command2,
     .design = {.name = "Command2", .text = "NOTES",
                .left = 4680, .top = 5280, .width = 1215, .height = 375}},
    {.member = &F::Command3,
     .design = {.name = "Command3", .text = "WEB LINK",
                .left = 4680, .top = 4560, .width = 1215, .height = 375}},
    {.member = &F::Command4,
     .design = {.name = "Command4", .text = "CM",
                .left = 6240, .top = 5280, .width = 1095, .height = 375}},
};
// clang-format on

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
