#pragma once

class QString;
class QWidget;

namespace quill::ui {

// Asks how many elements the plan is for, offering the session's count;
// the answer becomes the session's count. False if the user cancelled.
bool ChoosePlanElements(QWidget* parent, const QString& title);

}  // namespace quill::ui
