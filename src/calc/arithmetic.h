#pragma once

#include <cmath>
#include <optional>

#include "calc/design.h"

namespace quill {

// The arithmetic runs in double on single-precision fields, and every result
// is rounded to single precision when it is stored. Faults are remembered the
// way a floating-point unit keeps sticky status flags, and `check` turns them
// into the run-time error the user sees. Underflow and inexact results are not
// faults.
class Arithmetic {
 public:
  double divide(double a, double b) {
    if (b == 0) {
      if (a == 0 || std::isnan(a)) {
        invalid_ = true;
      } else {
        divisionByZero_ = true;
      }
    }
    return finite(a / b, a, b);
  }
  double multiply(double a, double b) { return finite(a * b, a, b); }

  // Rounds to single precision for storing in a field. A value beyond the
  // single range overflows, and so does an infinite input, which only the
  // frequency can be.
  float store(double value) {
    float stored = static_cast<float>(value);
    if (std::isinf(stored) && !divisionByZero_) overflow_ = true;
    return stored;
  }

  std::optional<RunTimeError> check() const {
    if (divisionByZero_) return RunTimeError::divisionByZero();
    if (overflow_ || invalid_) return RunTimeError::overflow();
    return std::nullopt;
  }

 private:
  double finite(double result, double a, double b) {
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b) && b != 0) overflow_ = true;
    return result;
  }

  bool divisionByZero_ = false;
  bool overflow_ = false;
  bool invalid_ = false;
};

}  // namespace quill
