#pragma once

// The spread that cutting errors give: copies of a model in which every
// tube length, every leg length and every boom position but the
// reflector's is off by its own amount, uniform within the tolerance, and
// the ranges of what nec2c gives for them. The amounts come from a fixed
// seed, so that the same model gives the same copies on every machine.

#include <cstdint>
#include <string>
#include <vector>

#include "calc/necmodel.h"
#include "calc/necresults.h"

namespace quill::nec {

inline constexpr int kSpreadCopies = 32;
inline constexpr double kDefaultCutMm = 3;  // about 1/8 inch

// A small, fast generator (SplitMix64) whose sequence is fixed by its seed
// on every machine and library, unlike the standard distributions.
class CutErrors {
 public:
  explicit CutErrors(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // Uniform in [-tolerance, +tolerance).
  double within(double tolerance);

 private:
  std::uint64_t state_;
};

// Copy number `copy` (from 0) of `model`, cut within ±`toleranceMm`. Each
// corner and free leg end is computed once and shared by the wires that
// meet there, so the legs stay on their tubes.
Model CutCopy(const Model& model, double toleranceMm, int copy);

// The largest tolerance that makes sense: a tenth of the shortest leg.
double LargestCutMm(const Model& model);

struct Range {
  double min = 0, max = 0;
};

struct BandPoint {
  double frequencyMHz = 0;
  double swrMin = 0, swrMax = 0;
};

struct Spread {
  double cutMm = 0;
  double designMHz = 0;
  int copies = 0;  // how many copies nec2c ran to the end
  int asked = 0;   // how many were run
  Range lowestFrequencyMHz, lowestSwr, swrAtFrequency, gainDbi, frontToBackDb;
  std::vector<BandPoint> band;  // one per sweep step
};

// The ranges over the copies that ran (none when nec2c failed on every
// one). The lowest SWR is the sweep point's, as the model's own summary
// gives it.
Spread SpreadOf(double cutMm, double designMHz, int asked, const std::vector<Results>& copies);

}  // namespace quill::nec
