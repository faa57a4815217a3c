#pragma once

// What the trim, a measurement and the cutting-tolerance spread add to a
// model's listing: the sentences the model window shows, and the text, CSV
// and JSON of --model --trim, --measured and --tolerance.

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

// "Trim: lengthen every leg by 27 mm (1 1/16 in) to bring the lowest SWR
// from 150.0 to 146.0 MHz. The model then gives 1.07 at 146.0 MHz.", with
// the gain and front-to-back ratio after and before; or its refusal. Each
// sentence writes its decimal point as `point` (the window gives the
// locale's), the file's name as it is.
std::string TrimSentence(const TrimAnswer& trim, std::string_view point = ".");
// "Measured lowest SWR 1.15 at 148.215 MHz on 50 ohms (FILE, 101 points)".
std::string MeasuredSentence(const MeasuredListing& measured, std::string_view point = ".");
// "Cut within ±3 mm: lowest SWR 1.01 to 1.06, between 149.3 and 150.4 MHz;
// at 146.0 MHz 1.92 to 2.37.", and the gain and front-to-back ranges.
std::string SpreadSentence(const Spread& spread, std::string_view point = ".");

// The lines after the model's own text (ModelAsText), each ending in "\n".
std::string TuningAsText(const TrimAnswer* trim, const MeasuredListing* measured, const Spread* spread);
// Tables after the model's own CSV, each after a blank line.
std::string TuningAsCsv(const TrimAnswer* trim, const MeasuredListing* measured, const Spread* spread);
// `modelJson` (ModelAsJson) with "trim", "measured" and "tolerance" added
// for those given.
std::string WithTuningJson(std::string modelJson, const TrimAnswer* trim, const MeasuredListing* measured,
                           const Spread* spread);

}  // namespace quill::nec
