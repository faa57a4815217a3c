#pragma once

// The frequency box reads the digits of the user's own script as well as
// ASCII digits: a user in Cairo may type "١٤٦", one in Tehran "۱۴۶٫۵", one in
// Delhi "१४६.५". The calculation reads ASCII digits only, so the box's text
// is handed to it with those digits made ASCII.

#include <QLocale>
#include <QString>
#include <string>

namespace quill::ui {

// `text` as UTF-8, with each digit that belongs to `locale` replaced by the
// ASCII digit of the same value: the digits the locale writes numbers with
// (QLocale::zeroDigit(), Arabic-Indic in ar_EG, Extended Arabic-Indic in
// fa_IR), and every set of decimal digits of the script the locale writes
// its language in (Devanagari in hi_IN, whose numbers Qt writes in ASCII
// digits). Everything else is left as it is, so in C, English and any other
// locale whose script has no digits of its own the text is unchanged.
std::string WithAsciiDigits(const QString& text, const QLocale& locale = QLocale());

}  // namespace quill::ui
