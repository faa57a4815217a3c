#include "calc/parse.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace quill {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, skipping blanks, and hands out the characters that form the
// number. Any other character ends the scan.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  char peek() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void take() { ++pos_; }
  // Takes the decimal point: "." or, if it is not empty, `alternative`.
  bool takePoint(std::string_view alternative) {
    if (peek() == '.') {
      take();
      return true;
    }
    if (!alternative.empty() && text_.substr(pos_, alternative.size()) == alternative) {
      pos_ += alternative.size();
      return true;
    }
    return false;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Saturating accumulation of the exponent digits, so that a long run of
// exponent digits cannot overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;

}  // namespace

double ParseLeadingNumber(std::string_view text, std::string_view localeDecimalPoint) {
  if (localeDecimalPoint == ".") localeDecimalPoint = {};
  Scanner in(text);
  bool negative = false;
  if (char c = in.peek(); c == '+' || c == '-') {
    negative = c == '-';
    in.take();
  }

  // The digits are collected without the sign and with leading zeros of the
  // integer part dropped; `scale` counts the digits left of the point.
  std::string mantissa;
  std::int64_t scale = 0;
  bool anyDigit = false;
  bool significant = false;
  while (isDigit(in.peek())) {
    char d = in.peek();
    in.take();
    anyDigit = true;
    if (d == '0' && !significant) continue;
    significant = true;
    mantissa += d;
    ++scale;
  }
  if (in.takePoint(localeDecimalPoint)) {
    while (isDigit(in.peek())) {
      char d = in.peek();
      in.take();
      anyDigit = true;
      if (d != '0') significant = true;
      if (significant) {
        mantissa += d;
      } else {
        --scale;  // a leading zero of the fraction shifts the number down
      }
    }
  }
  if (!anyDigit) return 0.0;

  std::int64_t exponent = 0;
  if (char c = in.peek(); c == 'e' || c == 'E') {
    in.take();
    bool negativeExponent = false;
    if (char s = in.peek(); s == '+' || s == '-') {
      negativeExponent = s == '-';
      in.take();
    }
    while (isDigit(in.peek())) {
      exponent = std::min(kExponentCap, exponent * 10 + (in.peek() - '0'));
      in.take();
    }
    if (negativeExponent) exponent = -exponent;
  }

  const double zero = negative ? -0.0 : 0.0;
  if (!significant) return zero;

  // The number is 0.<mantissa> x 10^(scale + exponent). Far outside the range
  // of double the answer is known without converting.
  const std::int64_t magnitude = scale + exponent;
  const double infinity =
      negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  if (magnitude > 400) return infinity;
  if (magnitude < -400) return zero;

  // Rounding to double is decided within the first 768 significant digits,
  // except that a tie there is broken by whether anything non-zero follows.
  // So a longer mantissa is cut, and one sticky "1" stands for every non-zero
  // digit that was cut off.
  constexpr std::size_t kKeptDigits = 800;
  if (mantissa.size() > kKeptDigits) {
    const bool nonZeroCut = mantissa.find_first_not_of('0', kKeptDigits) != std::string::npos;
    mantissa.resize(kKeptDigits);
    if (nonZeroCut) mantissa += '1';
  }
  std::string literal = "0." + mantissa + "e" + std::to_string(magnitude);
  double value = 0.0;
  auto [end, error] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) return magnitude > 0 ? infinity : zero;
  return negative ? -value : value;
}

}  // namespace quill
