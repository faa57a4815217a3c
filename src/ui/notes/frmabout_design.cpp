#include "ui/notes/frmabout_design.h"

namespace quill::ui::notes {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr FontSpec kNotesFont{kSansFace, 9.75};

using Row = Control<frmAbout>;

constexpr Row label(QLabel* frmAbout::*member, const char* name, const char* text, int left, int top,
                    int width, int height, QRgb colour) {
  return {member, {name, text, left, top, width, height, Align::Left, true, colour, kBackColour}};
}
// The construction and operation notes read as printed paragraphs: no
// border, on the window's colour, in a larger type.
constexpr Row paragraph(QPlainTextEdit* frmAbout::*member, const char* name, const char* text, int left,
                        int top, int width, int height, const char* accessibleName) {
  return {member,
          {name, text, left, top, width, height, Align::Left, false, 0, kBackColour, &kNotesFont,
           accessibleName}};
}
constexpr Row picture(PictureBox* frmAbout::*member, const char* name, const char* resource, int left,
                      int top, int width, int height, const char* accessibleName,
                      const char* accessibleDescription) {
  return {member,
          {name, resource, left, top, width, height, Align::Left, true, 0, 0, nullptr, accessibleName,
           accessibleDescription}};
}

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

using F = frmAbout;
constexpr Row kControls[] = {
    label(&F::lblDescription, "lblDescription", "OPERATION", 120, 3480, 1215, 330, kBlack),
    label(&F::lblDisclaimer, "lblDisclaimer", "TRICKS ...", 120, 5760, 855, 315, kBlack),
    label(&F::lblTitle, "lblTitle", "SAMPLE SWR Of 146 mhz QUILLBEAM", 3720, 0, 3285, 240, kBlack),
    label(&F::lblVersion, "lblVersion", "CONSTRUCTION:", 0, 1080, 1605, 225, 0),
    paragraph(&F::Text1, "Text1", kConstruction, 120, 1560, 7095, 1935, "Construction notes"),
    paragraph(&F::Text2, "Text2", kOperation, 120, 3720, 7095, 1935, "Operation notes"),
    {&F::Text3, {"Text3", kAnecdote, 120, 6000, 7095, 525, Align::Left, true, 0, 0, nullptr, "Tricks"}},
    picture(
        &F::Picture1, "Picture1", ":/ui/notes/swr_chart.svg", 3000, 240, 4215, 1095,
        "Sample SWR chart of a 146 MHz Quillbeam",
        "Standing wave ratio from 144 to 148 MHz: about 1:3.6 at 144 MHz, 1:1 from a little above 145 to a "
        "little below 146 MHz, and back to about 1:3.6 at 148 MHz."),
    picture(
        &F::Picture2, "Picture2", ":/ui/notes/sketch.svg", 1440, 0, 1455, 1455, "Perspective sketch",
        "A drum-like body seen at an angle, held by a clamp on a vertical mast tube with a diagonal brace."),
};

}  // namespace

std::span<const Control<frmAbout>> controls() { return kControls; }

}  // namespace quill::ui::notes
