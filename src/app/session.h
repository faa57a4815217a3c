#pragma once

#include <optional>

namespace quill::app {

// Chooses the window system before the QApplication is made, and makes sure
// there is a display to open the windows on.
//
// Left to itself the program prefers X11, through XWayland on a Wayland
// desktop, whenever an X server answers on DISPLAY: there the window manager
// keeps the windows' frames, places them where they ask and brings them to
// the front. With no X server it runs on Wayland (WAYLAND_DISPLAY). A
// platform the user names (QT_QPA_PLATFORM, -platform) is kept; only an X11
// or Wayland one is checked.
//
// With no display to reach, says so in one line on stderr and returns the
// exit status (1): Qt itself would abort there.
std::optional<int> ChooseWindowSystem(int argc, char* argv[]);

// Takes the choice back out of the environment once the QApplication is made,
// so that programs started from here (the web browser) choose for themselves.
void ForgetWindowSystemChoice();

}  // namespace quill::app
