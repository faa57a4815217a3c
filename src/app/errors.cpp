#include "app/errors.h"

#include <QApplication>
#include <QMessageBox>

namespace quill::app {
namespace {

ErrorReporter& reporter() {
  static ErrorReporter current;
  return current;
}

void showMessageBox(const RunTimeError& error) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ErrorMessage(error),
                  QMessageBox::Ok);
  box.exec();
}

}  // namespace

QString ErrorMessage(const RunTimeError& error) {
  return QStringLiteral("Run-time error '%1':\n\n%2")
      .arg(error.number)
      .arg(QString::fromStdString(error.description));
}

void ReportRunTimeError(const RunTimeError& error) {
  if (reporter()) {
    reporter()(error);
  } else {
    showMessageBox(error);
  }
}

ErrorReporter SetErrorReporter(ErrorReporter next) {
  ErrorReporter previous = std::move(reporter());
  reporter() = std::move(next);
  return previous;
}

}  // namespace quill::app
