#include "app/windows.h"

#include <QPointer>

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

template <class Window>
Window* showSingle() {
  QPointer<Window>& window = instance<Window>();
  if (!window) {
    window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose, true);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace

Form1* ShowMainWindow() { return showSingle<Form1>(); }
frmAbout* ShowNotesWindow() { return showSingle<frmAbout>(); }
web* ShowWebLinkWindow() { return showSingle<web>(); }

Form1* MainWindow() { return instance<Form1>(); }
frmAbout* NotesWindow() { return instance<frmAbout>(); }
web* WebLinkWindow() { return instance<web>(); }

}  // namespace quill::app
