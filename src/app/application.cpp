#include "app/application.h"

#include <QApplication>

#include "app/version.h"
#include "ui/common/forms.h"

namespace quill::app {

void SetUpApplication(QApplication& application) {
  application.setApplicationName(QStringLiteral(QUILLCALC_NAME));
  application.setApplicationVersion(QStringLiteral(QUILLCALC_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(QUILLCALC_APP_ID));  // the menu entry's id
  ui::installFontSubstitutes();
  // The windows' default font for everything, so that start-up loads no
  // second face for the system's default (every new QLineEdit lays its text
  // out in the application font before it takes its own).
  QApplication::setFont(ui::defaultFont());
}

}  // namespace quill::app
