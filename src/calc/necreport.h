#pragma once

// A model's results as they leave the program: the text that --model prints
// and the model window copies, CSV and JSON.

#include <string>
#include <string_view>

#include "calc/necresults.h"

namespace quill::nec {

// What the model leaves out, in one line, as the deck's comments say it.
inline constexpr std::string_view kLeftOut =
    "A free-space model of straight, perfectly conducting wires: it leaves out the boom, the coax and its "
    "choke, the feed insulator and the ground.";

// The summary at the design frequency and the lowest SWR, what the model
// leaves out, then the sweep as a table that lines up in a monospace font.
// Every line ends with "\n".
std::string ModelAsText(const Results& results);
// "frequency_mhz,r_ohms,x_ohms,swr,gain_dbi,front_to_back_db", then a row
// per frequency of the sweep.
std::string ModelAsCsv(const Results& results);
// {"frequency_mhz", "elements", "diameter_mm", "reference_ohms",
// "at_frequency", "lowest_swr", "sweep": [...], "pattern": [...]}.
std::string ModelAsJson(const Results& results);

// The numbers as every listing gives them: MHz to seven significant digits
// (the design frequency's own precision), R, X and gains as nec2c printed
// them, the SWR to three decimals.
std::string FrequencyText(double mhz);
// MHz to the kHz, as a builder reads a frequency: "150.529".
std::string KilohertzText(double mhz);
std::string SwrText(double swr, int decimals = 3);
std::string FixedText(double value, int decimals);
// The shortest text that reads back as the same double.
std::string ShortestText(double value);

}  // namespace quill::nec
