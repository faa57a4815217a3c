#pragma once

// What the trim, a measurement and the cutting-tolerance spread add to a
// model's listing: the sentences the model window shows, and the text, CSV
// and JSON of --model --trim, --measured and --tolerance.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/measured.h"
#include "calc/necresults.h"
#include "calc/spread.h"
#include "calc/trim.h"

namespace quill::nec {

// The measurement as loaded, and the name the listings give it.
struct MeasuredListing {
  std::string file;
  touchstone::MeasuredSweep sweep;
};

// How the model window writes its numbers: the locale's decimal point and
// digits, in UTF-8 ("٫" and "۰".."۹" in Persian).
struct NumberStyle {
  std::string point = ".";
  std::array<std::string, 10> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
};

// `text` with its numbers written in `style`: the digits of every number,
// and each decimal point between two of them. Digits that are part of a
// word ("nec2c") stay as they are.
std::string WithNumberStyle(std::string_view text, const NumberStyle& style);

// "Trim: lengthen every leg by 27 mm (1 1/16 in) to bring the lowest SWR
// from 150.0 to 146.0 MHz. The model then gives 1.07 at 146.0 MHz.", with
// the gain and front-to-back ratio after and before; or its refusal. Each
// sentence writes its numbers in `style` (the window gives the locale's),
// the file's name as it is.
std::string TrimSentence(const TrimAnswer& trim, const NumberStyle& style = {});
// "Measured lowest SWR 1.15 at 148.215 MHz on 50 ohms (FILE, 101 points)".
std::string MeasuredSentence(const MeasuredListing& measured, const NumberStyle& style = {});
// "Cut within ±3 mm: lowest SWR 1.01 to 1.06, between 149.3 and 150.4 MHz;
// at 146.0 MHz 1.92 to 2.37.", and the gain and front-to-back ranges.
std::string SpreadSentence(const Spread& spread, const NumberStyle& style = {});

// The lines after the model's own text (ModelAsText), each ending in "\n".
std::string TuningAsText(const TrimAnswer* trim, const MeasuredListing* measured, const Spread* spread);
// Tables after the model's own CSV, each after a blank line.
std::string TuningAsCsv(const TrimAnswer* trim, const MeasuredListing* measured, const Spread* spread);
// `modelJson` (ModelAsJson) with "trim", "measured" and "tolerance" added
// for those given.
std::string WithTuningJson(std::string modelJson, const TrimAnswer* trim, const MeasuredListing* measured,
                           const Spread* spread);

}  // namespace quill::nec
