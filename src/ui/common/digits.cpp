#include "ui/common/digits.h"

#include <QChar>

namespace quill::ui {
namespace {

// The script of the locale's own name for its language ("हिन्दी", "فارسی"):
// QLocale names scripts in its own terms, QChar in Unicode's, and this is
// where the two meet. Unknown for the C locale, whose name is empty.
QChar::Script writingScript(const QLocale& locale) {
  for (const char32_t c : locale.nativeLanguageName().toUcs4()) {
    const QChar::Script script = QChar::script(c);
    if (script != QChar::Script_Common && script != QChar::Script_Inherited &&
        script != QChar::Script_Unknown)
      return script;
  }
  return QChar::Script_Unknown;
}

}  // namespace

std::string WithAsciiDigits(const QString& text, const QLocale& locale) {
  const QList<uint> zero = locale.zeroDigit().toUcs4();
  const char32_t localeZero = zero.isEmpty() ? U'0' : zero.first();
  const QChar::Script script = writingScript(locale);
  // Latin and the scripts without digits of their own change nothing.
  auto own = [&](char32_t c) {
    if (c < 0x80 || QChar::category(c) != QChar::Number_DecimalDigit) return false;
    return (c >= localeZero && c <= localeZero + 9) ||
           (script != QChar::Script_Unknown && QChar::script(c) == script);
  };
  QString ascii = text;
  for (qsizetype i = 0; i < ascii.size(); ++i) {
    char32_t c = ascii[i].unicode();
    qsizetype length = 1;
    if (ascii[i].isHighSurrogate() && i + 1 < ascii.size() && ascii[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(ascii[i], ascii[i + 1]);
      length = 2;
    }
    if (own(c)) {
      ascii.replace(i, length, QChar(u'0' + QChar::digitValue(c)));
    } else {
      i += length - 1;
    }
  }
  return ascii.toStdString();
}

}  // namespace quill::ui
