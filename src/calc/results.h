#pragma once

// The fourteen results as they leave the program: a text block to paste into
// a post, CSV and JSON, each followed by the antenna with its number of
// elements: the boom positions, the pieces to cut and the stock they take.
// The names of the dimensions belong to the main window (each result box's
// accessible name); the caller passes them in.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/build.h"
#include "calc/design.h"
#include "calc/elements.h"

namespace quill {

// "in" or "cm"; "inches" or "centimetres".
std::string_view UnitSymbol(Unit unit);
std::string_view UnitWord(Unit unit);

// The names of the dimensions, indexed by ResultBox.
using DimensionNames = std::array<std::string, kResultBoxCount>;

struct ResultLine {
  std::string key;
  std::string name;
  std::string text;  // as the box shows it
  float value = 0;   // the stored value (JSON gives it beside the text)
};

struct ResultList {
  std::string frequency;  // as the frequency box's write-back shows it
  float frequencyMHz = 0;
  Unit unit = Unit::Inches;
  std::vector<ResultLine> lines;  // in the order of ListedDimensions()
  // The antenna built from these values; a list without elements
  // (elements 0) has only the fourteen dimensions.
  Assembly assembly;
};

// The list of a finished calculation on `record`, with texts in the
// boxes' format and `decimalSeparator`, for an antenna of `elements` whose
// pieces are cut with `allowance` (without one, the default for `unit`).
ResultList ListResults(const DesignValues& record, Unit unit, const Calculation& calculation,
                       const DimensionNames& names, std::string_view decimalSeparator = ".",
                       int elements = kFewestElements, std::optional<EndAllowance> allowance = std::nullopt);

// "Quillbeam for 146 MHz, in inches", then one line per dimension: the name,
// padded so that the values line up at their decimal separators in a
// monospace font. After a blank line, the antenna: the number of elements,
// each element's position from the reflector, the boom length (the boom
// ends come on top), the allowance, each piece as "1 x Reflector tube" with
// its length bolt centre to bolt centre, then again with its cut length,
// and the tube and leg stock in all (cut lengths), lined up the same way.
// Every line ends with "\n".
std::string ResultsAsText(const ResultList& list, std::string_view decimalSeparator = ".");
// "key,name,value,unit", then a row per dimension (value: the box's text);
// then "elements", "boom_reflector" ... "boom_d8", "boom_length",
// "allowance", for each piece "reflector_tube_count" (no unit),
// "reflector_tube" (bolt centre to bolt centre) and "reflector_tube_cut",
// and "tube_total", "leg_total" (cut lengths).
std::string ResultsAsCsv(const ResultList& list);
// {"frequency_mhz": ..., "unit": ..., "dimensions": [{"key", "name", "text",
// "value"}, ...], "elements": N, "boom": [{"element", "position"}, ...],
// "boom_length": ..., "allowance": ..., "pieces": [{"key", "count",
// "length", "centre_length", "cut_length"}, ...], "tube_total": ...,
// "leg_total": ...}; "length" is "centre_length", bolt centre to bolt
// centre, and the totals add the cut lengths. Stored values (a dimension's
// value, a piece's length) are numbers in the shortest form that reads back
// to the same single-precision value; the sums worked out in double
// precision (the positions, the boom length, the cut lengths and the
// totals) are given to the seven
// significant digits that the text shows, since the digits past those are
// noise of the single-precision values they add up.
std::string ResultsAsJson(const ResultList& list);

}  // namespace quill
