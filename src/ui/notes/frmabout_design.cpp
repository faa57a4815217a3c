#include "ui/notes/frmabout_design.h"

namespace quill::ui::notes {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr FontSpec kNotesFont{kSansFace, 9.75};

using Row = Control<frmAbout>;

constexpr char kConstruction[] =
    "The Quillbeam is designed to be used with a non-metallic boom. Elements may \r\n"
    "be horizontal tubes with small solid or tubing legs. The tubing may be crushed at \r\n"
    "the ends for drilling and bolt the legs on or you may drill thru the larger tubing and \r\n"
    "fasten with screws. Either way, the dimensions are measured to the center of the \r\n"
    "bolt. Small overhangs are allowed. The antenna is very forgiving!. The prototype \r\n"
    "had adjustment screws in the legs and 1/4 inch changes on 144 Mhz did not \r\n"
    "affect the performance. You only require one insulator for the driven element.\r\n";

constexpr char kOperation[] =
    "As the antenna is unbalanced,a choke made of 6 turns of coax on a 6 inch diameter is required to "
    "choke the rf. A ferrite coil off the back of a tv picture tube is helpfull here. The coax MUST be "
    "allowed to droop away from the corner and horizontal element. If you are close to metal or the "
    "ground, mount the antenna upside down. The first contact on the 2 meter protoype was over 200 miles "
    "while sitting on a picnic table, upside down! It operates like a stacked vertical array but you will "
    "find it also does horizontal contacts remarkably well.\r\n";

constexpr char kAnecdote[] =
    "One apartment dweller hung a 440 version upside down from his ceilling with suction cups and now "
    "beams his signal around.\r\n";

// In tab order; the labels take no focus but keep their places in it. Every
// row gives its place as left, top, width and height in twips, from the
// window's client area. The labels are opaque in the window's light cyan; the
// construction and operation notes read as printed paragraphs: no border, on
// the window's colour, in a larger type.
// clang-format off
using F = frmAbout;
constexpr Row kControls[] = {
    {.member = &F::lblDescription,
     .design = {.name = "lblDescription", .text = "OPERATION",
                .left = 120, .top = 3480, .width = 1215, .height = 330,
                .colour = kBlack, .background = kBackColour}},
    {.member = &F::lblDisclaimer,
     .design = {.name = "lblDisclaimer", .text = "TRICKS ...",
                .left = 120, .top = 5760, .width = 855, .height = 315,
                .colour = kBlack, .background = kBackColour}},
    {.member = &F::lblTitle,
     .design = {.name = "lblTitle", .text = "SAMPLE SWR Of 146 mhz QUILLBEAM",
                .left = 3720, .top = 0, .width = 3285, .height = 240,
                .colour = kBlack, .background = kBackColour}},
    {.member = &F::lblVersion,
     .design = {.name = "lblVersion", .text = "CONSTRUCTION:",
                .left = 0, .top = 1080, .width = 1605, .height = 225,
                .background = kBackColour}},
    {.member = &F::Text1,
     .design = {.name = "Text1", .text = kConstruction,
                .left = 120, .top = 1560, .width = 7095, .height = 1935,
                .border = false, .background = kBackColour, .font = &kNotesFont,
                .accessibleName = "Construction notes"}},
    {.member = &F::Text2,
     .design = {.name = "Text2", .text = kOperation,
                .left = 120, .top = 3720, .width = 7095, .height = 1935,
                .border = false, .background = kBackColour, .font = &kNotesFont,
                .accessibleName = "Operation notes"}},
    {.member = &F::Text3,
     .design = {.name = "Text3", .text = kAnecdote,
                .left = 120, .top = 6000, .width = 7095, .height = 525,
                .accessibleName = "Tricks"}},
    {.member = &F::Picture1,
     .design = {.name = "Picture1", .text = ":/ui/notes/swr_chart.svg",
                .left = 3000, .top = 240, .width = 4215, .height = 1095,
                .accessibleName = "Sample SWR chart of a 146 MHz Quillbeam",
                .accessibleDescription =
                    "Standing wave ratio from 144 to 148 MHz: about 1:3.6 at 144 MHz, 1:1 from a little "
                    "above 145 to a little below 146 MHz, and back to about 1:3.6 at 148 MHz."}},
    {.member = &F::Picture2,
     .design = {.name = "Picture2", .text = ":/ui/notes/sketch.svg",
                .left = 1440, .top = 0, .width = 1455, .height = 1455,
                .accessibleName = "Perspective sketch",
                .accessibleDescription =
                    "A drum-like body seen at an angle, held by a clamp on a vertical mast tube with a "
                    "diagonal brace."}},
};
// clang-format on

}  // namespace

std::span<const Control<frmAbout>> controls() { return kControls; }

}  // namespace quill::ui::notes
