#include "ui/common/numbers.h"

#include "calc/necreport.h"

namespace quill::ui {
namespace {

QLocale withoutGroups(const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return plain;
}

}  // namespace

QString FixedNumber(const QLocale& locale, double value, int decimals) {
  return withoutGroups(locale).toString(value, 'f', decimals);
}

QString ShortNumber(const QLocale& locale, double value, int digits) {
  return withoutGroups(locale).toString(value, 'g', digits);
}

QString PlainNumber(const QLocale& locale, double value) {
  return withoutGroups(locale).toString(value, 'g', QLocale::FloatingPointShortest);
}

QString MhzNumber(const QLocale& locale, double mhz) {
  // Rounded to the kHz first, then written without the zeros that follow.
  return PlainNumber(locale, QString::fromStdString(nec::KilohertzText(mhz)).toDouble());
}

}  // namespace quill::ui
