#pragma once

// What nec2c worked out for a model's deck: the feed impedance, gain and
// front-to-back ratio at each frequency of the deck's sweep, and the
// radiation pattern in the horizontal plane at the design frequency.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::nec {

// One frequency of the sweep.
struct SweepPoint {
  double frequencyMHz = 0;
  double r = 0, x = 0;       // the feed impedance R + jX, in ohms
  double swr = 0;            // of R + jX against Results::referenceOhms
  double gainDbi = 0;        // total power gain towards the directors (azimuth 0, horizontal plane)
  double frontToBackDb = 0;  // that gain minus the gain at azimuth 180
};

// One direction of the horizontal-plane pattern.
struct PatternPoint {
  double azimuthDeg = 0;  // 0 is towards the directors
  double gainDbi = 0;     // total power gain; nec2c writes -999.99 where there is no power
};

// The impedance the SWR is taken against unless the user asks for another:
// the coax most stations use.
inline constexpr double kReferenceOhms = 50;

struct Results {
  double designFrequencyMHz = 0;
  int elements = 0;
  double diameterMm = 0;
  double referenceOhms = kReferenceOhms;
  std::vector<SweepPoint> sweep;      // in rising frequency; an odd count, centred on the design frequency
  std::vector<PatternPoint> pattern;  // at the design frequency, in rising azimuth

  // The sweep's centre point: the design frequency.
  const SweepPoint& atFrequency() const { return sweep[sweep.size() / 2]; }
  // The sweep point with the lowest SWR (the first of equals), not interpolated.
  const SweepPoint& lowestSwr() const {
    std::size_t lowest = 0;
    for (std::size_t i = 1; i < sweep.size(); ++i) {
      if (sweep[i].swr < sweep[lowest].swr) lowest = i;
    }
    return sweep[lowest];
  }
};

// The standing-wave ratio of a feed impedance R + jX on a line of
// `referenceOhms`; infinite where R is not positive.
double Swr(double r, double x, double referenceOhms);

// What ReadResults found in nec2c's output.
struct Reading {
  std::optional<Results> results;
  std::string problem;  // why there are none: a phrase to follow "nec2c's output holds "
};

// Reads the output nec2c wrote for a deck whose sweep has `frequencies`
// (SweepFrequencies of its model): the feed impedance of each frequency's
// block, its pattern's total gain at azimuth 0 and 180 in the horizontal
// plane, and the whole pattern of the middle block. Fills the sweep and the
// pattern of a Results whose other fields are the caller's; the SWR is
// worked out against `referenceOhms`. Results only if every frequency has
// its block, in order, with an impedance and both gains, all numbers.
Reading ReadResults(std::string_view output, const std::vector<double>& frequencies, double referenceOhms);

}  // namespace quill::nec
