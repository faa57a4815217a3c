#pragma once

class QApplication;

namespace quill::app {

// Names the application, sets its version and fonts. Called once at start-up
// (and by the tests, so they see the windows as the program shows them).
void SetUpApplication(QApplication& application);

}  // namespace quill::app
