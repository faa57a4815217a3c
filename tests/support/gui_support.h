#pragma once

// What the window tests share: the application set up as the program sets
// it up, closing every window between tests, and finding windows and tab stops.

#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QWidget>

#include "app/application.h"
#include "calc/design.h"
#include "ui/common/controls.h"
#include "ui/main/form1.h"

namespace quill::test {

// What the main window's fourteen result boxes show, in the order of ResultBox.
inline QStringList ResultTexts(const Form1& form) {
  QStringList texts;
  for (std::size_t i = 0; i < kResultBoxCount; ++i) texts << form.resultBox(ResultBox(i))->text();
  return texts;
}

// Call from initTestCase().
inline void SetUpGuiTest() {
  // The offscreen platform cannot raise windows and says so each time.
  static const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("does not support raise()"))) previous(type, context, message);
      });
  app::SetUpApplication(*qApp);
  QApplication::setCursorFlashTime(0);  // a steady caret
}

// Closes every window and lets the deferred deletions happen, as after the
// user closed them.
inline void CloseAllWindows() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The open top-level windows of one class.
template <class Window>
QList<Window*> OpenWindows() {
  QList<Window*> found;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(w)) found << window;
  }
  return found;
}

// The next control that Tab moves to, skipping the inner parts of
// multi-line boxes.
inline QWidget* NextTabStop(QWidget* w) {
  QWidget* next = w->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus) || next->objectName().startsWith(QLatin1String("qt_"))) {
    next = next->nextInFocusChain();
  }
  return next;
}

}  // namespace quill::test
