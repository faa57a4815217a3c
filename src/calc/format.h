#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/design.h"

namespace quill {

// The text shown for a single-precision value: the shortest decimal form with
// at most 7 significant digits, no trailing zeros or trailing decimal point,
// "-" before negative values, and exponent form ("2.952E+10", "1.5E-05") when
// the value is too large or too small for 7 digits. `decimalSeparator` replaces
// the "." (the user's locale decides it). Infinity and NaN read "Infinity",
// "-Infinity" and "NaN".
std::string FormatDimension(float value, std::string_view decimalSeparator = ".");

// The same rules for a value worked out in double precision from stored
// values (a sum along the boom): its seven significant digits, as a box
// would show them.
std::string FormatSignificant(double value, std::string_view decimalSeparator = ".");

// What each result box shows after `calculation`, indexed by ResultBox: the
// FormatDimension text of the value written to it, empty where nothing was
// written (a calculation that failed writes nothing). Everything that shows
// or lists the fourteen results takes their texts from here.
using BoxTexts = std::array<std::string, kResultBoxCount>;
BoxTexts FormatResults(const Calculation& calculation, std::string_view decimalSeparator = ".");

}  // namespace quill
