#include "app/windows.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>
#include <memory>

#include "app/errors.h"
#include "ui/main/form1.h"
#include "ui/main/results_menu.h"
#include "ui/model/modelwindow.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

namespace quill::app {
namespace {

template <class Window>
QPointer<Window>& instance() {
  static QPointer<Window> window;
  return window;
}

// Wayland lets no program raise, restore or place its own window (short of
// xdg_activation_v1, which not every compositor offers), and its minimised
// state is never reported back. What always works is to map the window
// afresh: the compositor shows a new window in front, wherever it places it.
bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The window's own state is the one to clear: the widget hears of a change
// only later.
void mapAfresh(QWidget* window) {
  window->hide();
  window->windowHandle()->setWindowStates(Qt::WindowNoState);
  window->show();
}

// Brings a window that is already open to the front, restored if minimised.
void bringToFront(QWidget* window) {
  if (onWayland()) {
    mapAfresh(window);
  } else {
    QWindow* handle = window->windowHandle();
    if (handle->windowStates() & Qt::WindowMinimized) {
      handle->setWindowStates(handle->windowStates() & ~Qt::WindowMinimized);
    }
    window->show();
  }
  window->raise();
  window->activateWindow();
}

// A fixed-size window is not maximised, whoever asks: Qt's own title bar on
// Wayland offers every window a maximise button, and a compositor that
// grants it ends the program when the window keeps its size (a protocol
// error). The request has gone out by the time the window hears of it, so on
// Wayland the window is mapped afresh, unmaximised, before the compositor's
// answer is taken; elsewhere it is simply put back.
void keepUnmaximised(QWidget* window) {
  if (window->minimumSize() != window->maximumSize()) return;
  auto pending = std::make_shared<bool>(false);
  QObject::connect(window->windowHandle(), &QWindow::windowStateChanged, window,
                   [window, pending](Qt::WindowState state) {
                     if (state != Qt::WindowMaximized || *pending) return;
                     *pending = true;
                     QMetaObject::invokeMethod(
                         window,
                         [window, pending] {
                           *pending = false;
                           if (onWayland()) {
                             mapAfresh(window);
                           } else {
                             QWindow* handle = window->windowHandle();
                             handle->setWindowStates(handle->windowStates() & ~Qt::WindowMaximized);
                           }
                         },
                         Qt::QueuedConnection);
                   });
}

// Shows the one instance of `Window`, building it first if there is none:
// `connectWindow` then wires the new window to the rest of the program.
// Closing a window deletes it, so the next request builds it afresh.
template <class Window, class Connect, class Make>
Window* showSingle(Connect connectWindow, Make make) {
  QPointer<Window>& window = instance<Window>();
  if (!window) {
    window = make();
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    connectWindow(window.data());
    window->show();
    keepUnmaximised(window);
    window->raise();
    window->activateWindow();
  } else {
    bringToFront(window);
  }
  return window;
}

template <class Window, class Connect>
Window* showSingle(Connect connectWindow) {
  return showSingle<Window>(connectWindow, [] { return new Window; });
}

void reportError(const RunTimeError& error) { ReportRunTimeError(error); }

}  // namespace

Form1* ShowMainWindow() {
  return showSingle<Form1>([](Form1* form) {
    QObject::connect(form, &Form1::notesRequested, form, [] { ShowNotesWindow(); });
    QObject::connect(form, &Form1::webLinkRequested, form, [] { ShowWebLinkWindow(); });
    QObject::connect(form, &Form1::runTimeError, form, &reportError);
    QObject::connect(form->resultsMenu(), &ui::ResultsMenu::modelRequested, form,
                     [form] { ShowModelWindow(form); });
  });
}

frmAbout* ShowNotesWindow() {
  return showSingle<frmAbout>([](frmAbout*) {});
}

web* ShowWebLinkWindow() {
  return showSingle<web>(
      [](web* window) { QObject::connect(window, &web::launchFailed, window, &reportError); });
}

ui::ModelWindow* ShowModelWindow(Form1* form) {
  return showSingle<ui::ModelWindow>([form](ui::ModelWindow* window) {
    // It models what the main window shows, now and after each calculation.
    const auto follow = [form, window] {
      if (form->shown()) window->follow(form->shown()->frequencyMHz);
    };
    QObject::connect(form, &Form1::resultsShown, window, follow);
    follow();
  });
}

Form1* MainWindow() { return instance<Form1>(); }
frmAbout* NotesWindow() { return instance<frmAbout>(); }
web* WebLinkWindow() { return instance<web>(); }
ui::ModelWindow* ModelWindow() { return instance<ui::ModelWindow>(); }

}  // namespace quill::app
