#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// The results of the last calculation. Every field is single precision and is
// rounded to it when stored; the fields are in this order on purpose (they
// mirror the program's record layout). `ElementHorizontal` and
// `ElementVertical` are reused in turn for the driven element and the
// directors, so after a calculation they hold the D3-to-Dn values.
struct DesignValues {
  float FrequencyMHz = 0;
  float Wavelength = 0;
  float SpacingReflectorDriven = 0;
  float SpacingDrivenD1 = 0;
  float ElementVertical = 0;
  float SpacingDirectors = 0;
  float ReflectorHorizontal = 0;
  float ReflectorVertical = 0;
  float ElementHorizontal = 0;
  float SpacingD1D2 = 0;
};

enum class Unit { Inches, Centimetres };

// A run-time error raised by the arithmetic, as the user is told about it.
struct RunTimeError {
  int number;
  std::string description;

  static RunTimeError divisionByZero() { return {11, "Division by zero"}; }
  static RunTimeError overflow() { return {6, "Overflow"}; }
  friend bool operator==(const RunTimeError&, const RunTimeError&) = default;
};

// The main window's result boxes, named as the window names them; the window's
// design table says which control shows which.
enum class ResultBox {
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11,
  Text12,
  Text14,
  Text17,
  Text19,
  Text21,
  Text23,
};
constexpr std::size_t kResultBoxCount = 14;

struct BoxWrite {
  ResultBox box;
  float value;
};

// What one calculation produced: the box writes in the order they are made
// (spacings, reflector, driven element, D1, D2, D3 to Dn; horizontal before
// vertical) and, if the arithmetic failed, the error. Writes made before a
// failure stay valid; with the formulas used, every failure happens before the
// first write.
struct Calculation {
  std::array<BoxWrite, kResultBoxCount> writes{};
  std::size_t count = 0;
  std::optional<RunTimeError> error;

  bool ok() const { return !error; }
  const BoxWrite* begin() const { return writes.data(); }
  const BoxWrite* end() const { return writes.data() + count; }
};

// Parses `frequencyText` (see ParseLeadingNumber for `localeDecimalPoint`),
// overwrites `record` field by field and returns the box writes.
// `FrequencyMHz` is stored before anything can fail.
Calculation Calculate(DesignValues& record, std::string_view frequencyText, Unit unit,
                      std::string_view localeDecimalPoint = ".");
// The same for a frequency already read: the results for exactly this
// single-precision value (what a calculation that read it showed).
Calculation CalculateFrequency(DesignValues& record, float frequencyMHz, Unit unit);

// The application-wide record, zero at start.
DesignValues& Design();

// The calculations behind the "INCHES" and "CM" buttons, on the
// application-wide record.
Calculation CalculateInches(std::string_view frequencyText, std::string_view localeDecimalPoint = ".");
Calculation CalculateCentimetres(std::string_view frequencyText, std::string_view localeDecimalPoint = ".");

// The frequency of the last calculation in MHz, 0 before the first.
float LastFrequency();

}  // namespace quill
