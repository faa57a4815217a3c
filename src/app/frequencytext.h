#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace quill::app {

// The text of --frequency, read as the frequency box reads it in the same
// locale (its own digits and decimal separator as well as 0 to 9 and "."),
// but only if the whole text is one number, with an optional "MHz" in any
// case after it: a script must not get the results for 146 when it wrote
// "146,5" in an English locale, or "146.5.3".
struct FrequencyText {
  std::string number;  // the number in ASCII with "." for the calculation, if the text is one
  QString problem;     // why it is not, for the message
  bool ok() const { return problem.isEmpty(); }
};

FrequencyText ReadFrequency(const QString& text, const QLocale& locale = QLocale());

}  // namespace quill::app
