#include "ui/weblink/web_design.h"

namespace quill::ui::weblink {
namespace {

// Every row gives its place as left, top, width and height in twips, from
// the window's client area.
// clang-format off
using F = web;
constexpr Control<web> kControls[] = {
    {.member = &F::Label1,
     .design = {.name = "Label1", .text = "The link will be opened in your default browser.",
                .left = 525, .top = 75, .width = 2265, .height = 390,
                .align = Align::Centre}},
    {.member = &F::Label2,
     .design = {.name = "Label2", .text = "Click Link Below to ",
                .left = 450, .top = 750, .width = 2490, .height = 345,
                .align = Align::Centre}},
    {.member = &F::lblWebPage,
     .design = {.name = "lblWebPage", .text = kPageAddress,
                .left = 525, .top = 1335, .width = 2205, .height = 255,
                .align = Align::Left}},
};
// clang-format on

}  // namespace

std::span<const Control<web>> controls() { return kControls; }

}  // namespace quill::ui::weblink
