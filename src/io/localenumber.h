#pragma once

// Numbers as the user types them: in the digits and decimal separator of
// the user's locale (a decimal comma in German), or with a point.

#include <QLocale>
#include <QString>
#include <optional>

namespace quill::io {

std::optional<double> ReadLocaleNumber(const QString& text, const QLocale& locale = QLocale());

}  // namespace quill::io
