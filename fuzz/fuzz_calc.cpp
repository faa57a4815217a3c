// libFuzzer target: arbitrary bytes as the text of the frequency box, through
// the parse, both calculations and the formatting of every value, checking
// what must hold for any input.
//
//   fuzz_calc -dict=fuzz/calc.dict NEW_DIR fuzz/corpus/calc
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/design.h"
#include "calc/format.h"
#include "calc/parse.h"

using namespace quill;

namespace {

[[noreturn]] void fail(const char* what, std::string_view text = {}) {
  std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}
void require(bool condition, const char* what, std::string_view text = {}) {
  if (!condition) fail(what, text);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An independent reading of the leading number: drop the blanks, cut the
// longest prefix of the form [+-]digits[.digits][e[+-]digits] and hand it to
// the C library, which rounds correctly however many digits there are.
// `comma` reads "," as a decimal point as well (a locale that writes
// decimals with it). Returns false when the text has no leading number.
bool referenceParse(std::string_view text, double& value, bool comma = false) {
  std::string s;
  for (char c : text) {
    if (!isBlank(c)) s += c;
  }
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  bool digits = false;
  while (i < s.size() && isDigit(s[i])) number += s[i++], digits = true;
  if (i < s.size() && (s[i] == '.' || (comma && s[i] == ','))) {
    number += '.';
    ++i;
    while (i < s.size() && isDigit(s[i])) number += s[i++], digits = true;
  }
  if (!digits) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    bool exponentDigits = false;
    while (j < s.size() && isDigit(s[j])) exponent += s[j++], exponentDigits = true;
    if (exponentDigits) number += exponent;
  }
  value = std::strtod(number.c_str(), nullptr);  // correctly rounded, ERANGE ignored
  return true;
}

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The text of a finite value: [-]digits[<sep>digits][E(+|-)dd[d]] with
// 1 to 7 significant digits; returns the significant-digit count.
int checkShape(const std::string& text, std::string_view separator) {
  std::string_view t = text;
  if (!t.empty() && t.front() == '-') t.remove_prefix(1);
  std::string_view exponent;
  if (std::size_t e = t.find('E'); e != std::string_view::npos) {
    exponent = t.substr(e + 1);
    t = t.substr(0, e);
    require(exponent.size() >= 3 && exponent.size() <= 4 && (exponent[0] == '+' || exponent[0] == '-'),
            "exponent form", text);
    for (char c : exponent.substr(1)) require(isDigit(c), "exponent digits", text);
  }
  std::string digits;
  if (std::size_t p = t.find(separator); p != std::string_view::npos) {
    digits = std::string(t.substr(0, p)) + std::string(t.substr(p + separator.size()));
    require(p > 0 && p + separator.size() < t.size(), "digits on both sides of the separator", text);
    require(t.back() != '0', "no trailing zeros after the separator", text);
  } else {
    digits = std::string(t);
  }
  require(!digits.empty(), "digits", text);
  for (char c : digits) require(isDigit(c), "only digits", text);
  std::size_t first = digits.find_first_not_of('0');
  require(first != std::string::npos, "a non-zero digit", text);
  return static_cast<int>(digits.size() - first);
}

// Formats `value` with "." and with ","; checks the shape and that the text
// reads back as the value to within half a unit of its 7th digit.
void checkFormat(float value, bool mayBeSpecial) {
  const std::string dot = FormatDimension(value);
  const std::string comma = FormatDimension(value, ",");
  std::string expectComma = dot;
  if (std::size_t p = expectComma.find('.'); p != std::string::npos) expectComma[p] = ',';
  require(comma == expectComma, "separator replaced", dot);
  if (!std::isfinite(value)) {
    require(mayBeSpecial, "a result box shows a finite value", dot);
    require(dot == (std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity"), "special text", dot);
    return;
  }
  if (value == 0) {
    require(dot == "0", "zero reads 0", dot);
    return;
  }
  int significant = checkShape(dot, ".");
  require(significant >= 1 && significant <= 7, "at most 7 significant digits", dot);
  require((dot.front() == '-') == std::signbit(value), "sign shown", dot);
  // Read back: the nearest 7-digit decimal is within half a unit in the 7th
  // place (one unit allowed for the binary rounding of the bound itself).
  const double back = ParseLeadingNumber(dot);
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(double(value)))) - 6);
  require(std::fabs(back - double(value)) <= unit, "reads back", dot);
}

const ResultBox kPairs[][2] = {
    {ResultBox::Text4, ResultBox::Text9},    // reflector
    {ResultBox::Text6, ResultBox::Text10},   // driven element
    {ResultBox::Text8, ResultBox::Text11},   // D1
    {ResultBox::Text17, ResultBox::Text21},  // D2
    {ResultBox::Text19, ResultBox::Text23},  // D3 to Dn
};

struct Checked {
  bool ok = false;
  int error = 0;
  float values[kResultBoxCount] = {};
};

Checked checkCalculation(std::string_view text, Unit unit, double parsed) {
  DesignValues record;
  const Calculation c = Calculate(record, text, unit);
  Checked out;
  require(sameDouble(double(record.FrequencyMHz), double(static_cast<float>(parsed))) ||
              (std::isnan(record.FrequencyMHz) && std::isnan(parsed)),
          "the frequency is stored as read", text);
  if (c.error) {
    require((c.error->number == 11 && c.error->description == "Division by zero") ||
                (c.error->number == 6 && c.error->description == "Overflow"),
            "error 11 or 6", text);
    require(c.count == 0, "no box written on an error", text);
    out.error = c.error->number;
    return out;
  }
  require(c.count == kResultBoxCount, "fourteen boxes written", text);
  bool seen[kResultBoxCount] = {};
  for (const BoxWrite& w : c) {
    const auto index = static_cast<std::size_t>(w.box);
    require(index < kResultBoxCount && !seen[index], "every box written once", text);
    seen[index] = true;
    require(std::isfinite(w.value), "finite values", text);
    out.values[index] = w.value;
    checkFormat(w.value, false);
  }
  auto v = [&](ResultBox b) { return out.values[static_cast<std::size_t>(b)]; };
  for (const auto& pair : kPairs) {
    require(v(pair[1]) == v(pair[0]) / 2, "vertical is half the horizontal", text);
  }
  require(v(ResultBox::Text5) == v(ResultBox::Text14), "quarter-wave spacings equal", text);
  require(record.ElementHorizontal == v(ResultBox::Text19) && record.ElementVertical == v(ResultBox::Text23),
          "working pair ends with D3 to Dn", text);
  out.ok = true;
  return out;
}

// The buttons' calculations on the application-wide record give the same
// writes as a calculation on a record of its own.
void checkApplicationRecord(std::string_view text, Unit unit, const Checked& expected) {
  const Calculation c = unit == Unit::Inches ? CalculateInches(text) : CalculateCentimetres(text);
  require(c.ok() == expected.ok && (c.ok() || c.error->number == expected.error), "same outcome", text);
  for (const BoxWrite& w : c) {
    const auto index = static_cast<std::size_t>(w.box);
    require(index < kResultBoxCount, "a result box", text);
    require(sameDouble(w.value, expected.values[index]), "same value", text);
  }
  require(sameDouble(LastFrequency(), Design().FrequencyMHz), "last frequency", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // The parse agrees bit for bit with strtod, with "." alone and with ","
  // as well.
  const double parsed = ParseLeadingNumber(text);
  for (bool comma : {false, true}) {
    const double value = comma ? ParseLeadingNumber(text, ",") : parsed;
    double expected = 0;
    if (referenceParse(text, expected, comma)) {
      require(sameDouble(value, expected), "parse agrees with strtod", text);
    } else {
      require(sameDouble(value, 0.0), "no leading number reads 0", text);
    }
  }
  // The write-back into the frequency box shows the stored frequency.
  checkFormat(static_cast<float>(parsed), true);

  const Checked inches = checkCalculation(text, Unit::Inches, parsed);
  const Checked centimetres = checkCalculation(text, Unit::Centimetres, parsed);
  checkApplicationRecord(text, Unit::Inches, inches);
  checkApplicationRecord(text, Unit::Centimetres, centimetres);
  // Centimetres are larger: they fail whenever inches fail, in the same way,
  // and otherwise are the inches times 2.54 (to single precision).
  if (!inches.ok) require(centimetres.error == inches.error, "centimetres fail as inches do", text);
  if (inches.ok && centimetres.ok) {
    for (std::size_t i = 0; i < kResultBoxCount; ++i) {
      const double ratio = double(centimetres.values[i]) / double(inches.values[i]);
      require(std::fabs(ratio - 2.54) <= 2.54 * 3e-7, "centimetres are 2.54 inches", text);
    }
  }
  return 0;
}
