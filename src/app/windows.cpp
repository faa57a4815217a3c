#include "app/windows.h"

#include <QPointer>

#include "app/errors.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

namespace quill::app {
namespace {

template <class Window>
QPointer<Window>& instance() {
  static QPointer<Window> window;
  return window;
}

// Shows the one instance of `Window`, building it first if there is none:
// `connectWindow` then wires the new window to the rest of the program.
// Closing a window deletes it, so the next request builds it afresh.
template <class Window, class Connect>
Window* showSingle(Connect connectWindow) {
  QPointer<Window>& window = instance<Window>();
  if (!window) {
    window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    connectWindow(window.data());
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void reportError(const RunTimeError& error) { ReportRunTimeError(error); }

}  // namespace

Form1* ShowMainWindow() {
  return showSingle<Form1>([](Form1* form) {
    QObject::connect(form, &Form1::notesRequested, form, [] { ShowNotesWindow(); });
    QObject::connect(form, &Form1::webLinkRequested, form, [] { ShowWebLinkWindow(); });
    QObject::connect(form, &Form1::runTimeError, form, &reportError);
  });
}

frmAbout* ShowNotesWindow() {
  return showSingle<frmAbout>([](frmAbout*) {});
}

web* ShowWebLinkWindow() {
  return showSingle<web>(
      [](web* window) { QObject::connect(window, &web::launchFailed, window, &reportError); });
}

Form1* MainWindow() { return instance<Form1>(); }
frmAbout* NotesWindow() { return instance<frmAbout>(); }
web* WebLinkWindow() { return instance<web>(); }

}  // namespace quill::app
