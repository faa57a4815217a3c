#include "ui/weblink/web_design.h"

namespace quill::ui::weblink {
namespace {

constexpr LabelDesign kLabels[] = {
    {"Label1", 525, 75, 2265, 390, Align::Centre, "The link will be opened in your default browser."},
    {"Label2", 450, 750, 2490, 345, Align::Centre, "Click Link Below to "},
    {"lblWebPage", 525, 1335, 2205, 255, Align::Left, kPageAddress, true},
};

}  // namespace

std::span<const LabelDesign> labels() { return kLabels; }

}  // namespace quill::ui::weblink
