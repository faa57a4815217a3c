#include "io/localenumber.h"

namespace quill::io {

std::optional<double> ReadLocaleNumber(const QString& text, const QLocale& locale) {
  bool ok = false;
  double value = locale.toDouble(text.trimmed(), &ok);
  if (!ok) value = QLocale::c().toDouble(text.trimmed(), &ok);
  return ok ? std::optional(value) : std::nullopt;
}

}  // namespace quill::io
