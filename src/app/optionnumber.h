#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

namespace quill::app {

// The number of an option (--frequency, --diameter, --elements), read as the
// frequency box reads its text in the same locale (its own digits and
// decimal separator as well as 0 to 9 and "."), but only if the whole text
// is one number, with an optional unit in any case after it: a script must
// not get the results for 146 when it wrote "146,5" in an English locale,
// or "146.5.3".
struct OptionNumber {
  std::string number;  // the number in ASCII with "." for the calculation, if the text is one
  QString problem;     // why it is not, for the message
  bool ok() const { return problem.isEmpty(); }
};

// `unit` is the word that may follow the number ("mhz", "mm", or none);
// `what` ends the problem's sentence "'TEXT' is not …": "a number of MHz".
OptionNumber ReadOptionNumber(const QString& text, std::string_view unit, const QString& what,
                              const QLocale& locale = QLocale());

// --frequency's number, optionally followed by MHz.
inline OptionNumber ReadFrequency(const QString& text, const QLocale& locale = QLocale()) {
  return ReadOptionNumber(text, "mhz", QStringLiteral("a number of MHz"), locale);
}

}  // namespace quill::app
