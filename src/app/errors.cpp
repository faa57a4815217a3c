#include "app/errors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>

#include "app/version.h"

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

// The one wording of a run-time error: its number, then, after
// `separator`, its description.
QString errorText(const RunTimeError& error, const QString& separator) {
  return QStringLiteral("Run-time error '%1':").arg(error.number) + separator +
         QString::fromStdString(error.description);
}

}  // namespace

QString ErrorMessage(const RunTimeError& error) { return errorText(error, QStringLiteral("\n\n")); }

QString ErrorLine(const RunTimeError& error) { return errorText(error, QStringLiteral(" ")); }

QString AsClause(QString sentence) {
  if (sentence.endsWith(QLatin1Char('.'))) sentence.chop(1);
  if (!sentence.isEmpty() && !(sentence.size() > 1 && sentence[1].isUpper()))
    sentence[0] = sentence[0].toLower();
  return sentence;
}

QString UsageLine(const QString& problem) {
  return problem + QStringLiteral(" (Try '%1 --help')").arg(QStringLiteral(QUILLCALC_NAME));
}

QString FileInMessage(const QString& path) {
  return path == QLatin1String("-") ? QStringLiteral("standard output") : path;
}

void SayOnStderr(const QString& line, std::FILE* to) {
  std::fputs((QStringLiteral(QUILLCALC_NAME ": ") + line + QLatin1Char('\n')).toLocal8Bit().constData(), to);
  std::fflush(to);
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
