#include "app/optionnumber.h"

#include <algorithm>
#include <string_view>

#include "ui/common/digits.h"

namespace quill::app {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` is one whole number: a sign, digits with at most one
// decimal point (either "." or `point`), at least one digit, and an
// exponent with digits. On success `ascii` has the number with ".".
bool wholeNumber(std::string_view text, std::string_view point, std::string& ascii) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) ascii += text[i++];
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ascii += text[i++];
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    ascii += '.';
    mantissa += digits();
  } else if (!point.empty() && text.substr(i, point.size()) == point) {
    i += point.size();
    ascii += '.';
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ascii += text[i++];
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ascii += text[i++];
    if (digits() == 0) return false;
  }
  return i == text.size();
}

}  // namespace

OptionNumber ReadOptionNumber(const QString& text, std::string_view unit, const QString& what,
                              const QLocale& locale) {
  // Blanks are skipped wherever they are, as the box skips them.
  std::string compact = ui::WithAsciiDigits(text, locale);
  compact.erase(std::remove_if(compact.begin(), compact.end(), isBlank), compact.end());
  if (!unit.empty() && compact.size() > unit.size() &&
      std::equal(unit.begin(), unit.end(), compact.end() - unit.size(),
                 [](char u, char c) { return u == (c | 0x20); }))
    compact.resize(compact.size() - unit.size());
  const std::string point = locale.decimalPoint().toStdString();
  OptionNumber read;
  if (wholeNumber(compact, point == "." ? "" : point, read.number)) return read;
  read.number.clear();
  read.problem = QStringLiteral("'%1' is not %2").arg(text, what);
  // A decimal comma where the locale writes none.
  std::string withPoint = compact;
  std::replace(withPoint.begin(), withPoint.end(), ',', '.');
  std::string ascii;
  if (point != "," && withPoint != compact && wholeNumber(withPoint, "", ascii))
    read.problem +=
        QStringLiteral("; write %1, with '.' as the decimal point").arg(QString::fromStdString(ascii));
  return read;
}

}  // namespace quill::app
