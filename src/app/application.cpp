#include "app/application.h"

#include <QApplication>

#include "app/version.h"
#include "ui/common/forms.h"

namespace quill::app {

void SetUpApplication(QApplication& application) {
  application.setApplicationName(QStringLiteral("quillcalc"));
  application.setApplicationVersion(QStringLiteral(QUILLCALC_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(QUILLCALC_APP_ID));  // the menu entry's id
  ui::installFontSubstitutes();
}

}  // namespace quill::app
