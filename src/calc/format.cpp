#include "calc/format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quill {

std::string FormatDimension(float value, std::string_view decimalSeparator) {
  return FormatSignificant(static_cast<double>(value), decimalSeparator);
}

std::string FormatSignificant(double value, std::string_view decimalSeparator) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  // Negative zero reads as plain zero.
  if (value == 0.0) return "0";

  // "%.7G" rules: exponent form below 1E-04 and from 1E+07 on; trailing zeros
  // and a bare trailing point are dropped, the exponent has at least two digits.
  std::array<char, 32> buffer{};
  auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 7);
  if (error != std::errc{}) return "NaN";  // cannot happen with 32 characters

  std::string text;
  text.reserve(16);
  for (const char* p = buffer.data(); p != end; ++p) {
    if (*p == '.') {
      text += decimalSeparator;
    } else {
      text += *p == 'e' ? 'E' : *p;
    }
  }
  return text;
}

BoxTexts FormatResults(const Calculation& calculation, std::string_view decimalSeparator) {
  BoxTexts texts;
  for (const BoxWrite& write : calculation)
    texts[static_cast<std::size_t>(write.box)] = FormatDimension(write.value, decimalSeparator);
  return texts;
}

}  // namespace quill
