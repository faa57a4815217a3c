#pragma once
// Numbers the windows write in the user's locale, one way for all: the
// locale's digits and decimal separator and no group separator, so that
// 1296 MHz reads "1296.115" in the summary, the title and on the plots
// alike (not "1,296.115" in one of them), as the user typed it.
#include <QLocale>
#include <QString>

namespace quill::ui {

// `value` with `decimals` decimals.
QString FixedNumber(const QLocale& locale, double value, int decimals);
// `value` with at most `digits` significant digits, trailing zeros dropped.
QString ShortNumber(const QLocale& locale, double value, int digits = 5);
// `value` whole: the fewest digits that read back as the same number
// ("6.35", "50", "0.0254").
QString PlainNumber(const QLocale& locale, double value);
// A frequency in MHz to the kHz, as the copied results give it: "146",
// "1296.25", "1300.115".
QString MhzNumber(const QLocale& locale, double mhz);

}  // namespace quill::ui
