#include "ui/weblink/web_design.h"

namespace quill::ui::weblink {
namespace {

using F = web;
constexpr Control<web> kControls[] = {
    {&F::Label1,
     {"Label1", "The link will be opened in your default browser.", 525, 75, 2265, 390, Align::Centre}},
    {&F::Label2, {"Label2", "Click Link Below to ", 450, 750, 2490, 345, Align::Centre}},
    {&F::lblWebPage, {"lblWebPage", kPageAddress, 525, 1335, 2205, 255, Align::Left}},
};

}  // namespace

std::span<const Control<web>> controls() { return kControls; }

}  // namespace quill::ui::weblink
