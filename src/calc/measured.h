#pragma once

// A measured sweep as the model window and --model --measured show it: the
// feed impedance and SWR at each frequency an analyser measured, from the
// S11 of its Touchstone file (touchstone.h).

#include <cstddef>
#include <vector>

#include "calc/touchstone.h"

namespace quill::touchstone {

// One measured frequency.
struct MeasuredPoint {
  double frequencyMHz = 0;
  // The feed impedance R + jX in ohms: Zfile (1 + S11) / (1 - S11). Where
  // |S11| >= 1 (an analyser slightly out of calibration, or an open) no
  // passive load gives it: R is then zero or below, and both are NaN where
  // they are not finite.
  double r = 0, x = 0;
  // Against the reference impedance asked for; +infinity where |S11| >= 1,
  // which is off the scale, not an error.
  double swr = 0;
};

struct MeasuredSweep {
  double referenceOhms = 50;          // the impedance the SWR is taken against
  std::vector<MeasuredPoint> points;  // the file's, in rising frequency
  std::size_t lowest = 0;             // the point of lowest SWR, the first of equals

  const MeasuredPoint& lowestSwr() const { return points[lowest]; }
  // Whether the SWR has a dip inside the sweep: its lowest point is neither
  // the first nor the last (where every point is off the scale, the lowest is
  // the first). Without one, the measurement cannot say where the antenna is
  // resonant.
  bool minimumInside() const;
};

// The sweep of `measurement` with its SWR against `referenceOhms` (positive),
// converted where the file's reference impedance differs; where they are the
// same the SWR comes from |S11| as the file gives it.
MeasuredSweep Measure(const Measurement& measurement, double referenceOhms);

}  // namespace quill::touchstone
