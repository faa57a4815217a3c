#include "app/errors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>

namespace quill::app {
namespace {

ErrorReporter& reporter() {
  static ErrorReporter current;
  return current;
}

void showMessageBox(const RunTimeError& error) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ErrorMessage(error),
                  QMessageBox::Ok);
  // Every box gets its OK button's icon from the style afresh, and Qt's
  // pixmap cache keeps a copy of every icon it paints, keyed by the icon
  // (up to the cache's 10 MB): a box per error would grow the program by
  // about 1.6 KB each time. The boxes share one icon, taken again when the
  // style changes, and so are painted from the cache.
  static QPointer<QStyle> iconStyle;
  static QIcon okIcon;
  QAbstractButton* ok = box.button(QMessageBox::Ok);
  if (iconStyle != box.style()) {
    iconStyle = box.style();
    okIcon = ok->icon();
  }
  ok->setIcon(okIcon);
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
