#include "calc/design.h"

#include "calc/arithmetic.h"
#include "calc/parse.h"

namespace quill {
namespace {

// Length constants in feet x MHz: K / F is a length in feet.
constexpr double kHalfWave = 492;
constexpr double kReflector = 1036;
constexpr double kDriven = 985;
constexpr double kDirector1 = 867;
constexpr double kDirector2 = 863.5;
constexpr double kDirectorRest = 860;
constexpr double kInchesPerFoot = 12;
constexpr double kCentimetresPerInch = 2.54;

// One calculation: the sequence of stores, checks and box writes.
class Run {
 public:
  Run(DesignValues& record, Unit unit) : v_(record), unit_(unit) {}

  // `frequency` is the number read from the frequency box.
  Calculation operator()(double frequency) {
    v_.FrequencyMHz = math_.store(frequency);
    if (spacings() && reflector() && element(kDriven, ResultBox::Text6, ResultBox::Text10) &&
        element(kDirector1, ResultBox::Text8, ResultBox::Text11) &&
        element(kDirector2, ResultBox::Text17, ResultBox::Text21)) {
      element(kDirectorRest, ResultBox::Text19, ResultBox::Text23);
    }
    return std::move(result_);
  }

 private:
  // Stores `value` into `field` and checks; false when the calculation stops.
  bool store(float& field, double value) {
    field = math_.store(value);
    return passes();
  }
  bool passes() {
    result_.error = math_.check();
    return !result_.error;
  }
  void write(ResultBox box, float value) { result_.writes[result_.count++] = {box, value}; }

  // K / F / 2 x 12, in the calculation's unit. In centimetres the status is
  // checked once more before converting.
  bool primary(float& field, double inchesNumerator, double divisor) {
    double inches =
        math_.multiply(math_.divide(math_.divide(inchesNumerator, v_.FrequencyMHz), divisor), kInchesPerFoot);
    if (unit_ == Unit::Centimetres) {
      if (!passes()) return false;
      inches = math_.multiply(inches, kCentimetresPerInch);
    }
    return store(field, inches);
  }

  bool spacings() {
    // 492 / F is half a wavelength in feet: doubled, then x 12 for inches.
    double halfWaveFeet = math_.divide(kHalfWave, v_.FrequencyMHz);
    double inches = math_.multiply(math_.multiply(halfWaveFeet, 2), kInchesPerFoot);
    if (unit_ == Unit::Centimetres) {
      if (!passes()) return false;
      inches = math_.multiply(inches, kCentimetresPerInch);
    }
    if (!store(v_.Wavelength, inches)) return false;
    if (!store(v_.SpacingReflectorDriven, math_.multiply(v_.Wavelength, 0.25)) ||
        !store(v_.SpacingDrivenD1, math_.multiply(v_.Wavelength, 0.15)) ||
        !store(v_.SpacingD1D2, math_.multiply(v_.Wavelength, 0.2)) ||
        !store(v_.SpacingDirectors, math_.multiply(v_.Wavelength, 0.25))) {
      return false;
    }
    write(ResultBox::Text5, v_.SpacingReflectorDriven);
    write(ResultBox::Text7, v_.SpacingDrivenD1);
    write(ResultBox::Text12, v_.SpacingD1D2);
    write(ResultBox::Text14, v_.SpacingDirectors);
    return true;
  }

  bool reflector() {
    if (!primary(v_.ReflectorHorizontal, kReflector, 2) ||
        !store(v_.ReflectorVertical, math_.divide(v_.ReflectorHorizontal, 2))) {
      return false;
    }
    write(ResultBox::Text4, v_.ReflectorHorizontal);
    write(ResultBox::Text9, v_.ReflectorVertical);
    return true;
  }

  bool element(double k, ResultBox horizontal, ResultBox vertical) {
    if (!primary(v_.ElementHorizontal, k, 2) ||
        !store(v_.ElementVertical, math_.divide(v_.ElementHorizontal, 2))) {
      return false;
    }
    write(horizontal, v_.ElementHorizontal);
    write(vertical, v_.ElementVertical);
    return true;
  }

  DesignValues& v_;
  Unit unit_;
  Arithmetic math_;
  Calculation result_;
};

}  // namespace

Calculation Calculate(DesignValues& record, std::string_view frequencyText, Unit unit,
                      std::string_view localeDecimalPoint) {
  return Run(record, unit)(ParseLeadingNumber(frequencyText, localeDecimalPoint));
}

Calculation CalculateFrequency(DesignValues& record, float frequencyMHz, Unit unit) {
  return Run(record, unit)(frequencyMHz);
}

DesignValues& Design() {
  static DesignValues record;
  return record;
}

Calculation CalculateInches(std::string_view frequencyText, std::string_view localeDecimalPoint) {
  return Calculate(Design(), frequencyText, Unit::Inches, localeDecimalPoint);
}

Calculation CalculateCentimetres(std::string_view frequencyText, std::string_view localeDecimalPoint) {
  return Calculate(Design(), frequencyText, Unit::Centimetres, localeDecimalPoint);
}

float LastFrequency() { return Design().FrequencyMHz; }

}  // namespace quill
