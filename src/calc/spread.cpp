#include "calc/spread.h"

#include <algorithm>
#include <cmath>

namespace quill::nec {
namespace {

constexpr double kMmPerMetre = 1000;
// Any fixed number will do; this one is the golden ratio's, as SplitMix64 uses.
constexpr std::uint64_t kSeed = 0x9e3779b97f4a7c15ULL;
constexpr int kMantissaBits = 53;

void widen(Range& range, double value, bool first) {
  if (first) {
    range = {value, value};
  } else {
    range.min = std::min(range.min, value);
    range.max = std::max(range.max, value);
  }
}

}  // namespace

std::uint64_t CutErrors::next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

double CutErrors::within(double tolerance) {
  const double unit = double(next() >> (64 - kMantissaBits)) / double(1ULL << kMantissaBits);
  return tolerance * (2 * unit - 1);
}

Model CutCopy(const Model& model, double toleranceMm, int copy) {
  Model cut = model;
  // Each copy its own stream, so a copy does not depend on how many there are.
  CutErrors errors(kSeed ^ CutErrors(std::uint64_t(copy)).next());
  const double tolerance = toleranceMm / kMmPerMetre;
  for (std::size_t i = 0; i < cut.elements.size(); ++i) {
    Element& e = cut.elements[i];
    const double tube = e.tube.length() + errors.within(tolerance);
    const double left = e.leftLeg.length() + errors.within(tolerance);
    const double right = e.rightLeg.length() + errors.within(tolerance);
    const double x = e.tube.from.x + (i == 0 ? 0 : errors.within(tolerance));
    const Point leftFoot{x, -tube / 2, -left}, leftCorner{x, -tube / 2, 0};
    const Point rightCorner{x, tube / 2, 0}, rightFoot{x, tube / 2, -right};
    e.leftLeg.from = leftFoot;
    e.leftLeg.to = e.tube.from = leftCorner;
    e.tube.to = e.rightLeg.from = rightCorner;
    e.rightLeg.to = rightFoot;
  }
  return cut;
}

double LargestCutMm(const Model& model) {
  double shortest = HUGE_VAL;
  for (const Element& e : model.elements) {
    shortest = std::min({shortest, e.leftLeg.length(), e.rightLeg.length()});
  }
  return shortest * kMmPerMetre / 10;
}

Spread SpreadOf(double cutMm, double designMHz, int asked, const std::vector<Results>& copies) {
  Spread spread;
  spread.cutMm = cutMm;
  spread.designMHz = designMHz;
  spread.asked = asked;
  spread.copies = int(copies.size());
  for (std::size_t c = 0; c < copies.size(); ++c) {
    const Results& r = copies[c];
    const bool first = c == 0;
    widen(spread.lowestFrequencyMHz, r.lowestSwr().frequencyMHz, first);
    widen(spread.lowestSwr, r.lowestSwr().swr, first);
    widen(spread.swrAtFrequency, r.atFrequency().swr, first);
    widen(spread.gainDbi, r.atFrequency().gainDbi, first);
    widen(spread.frontToBackDb, r.atFrequency().frontToBackDb, first);
    if (first) spread.band.resize(r.sweep.size());
    for (std::size_t i = 0; i < r.sweep.size() && i < spread.band.size(); ++i) {
      Range range{spread.band[i].swrMin, spread.band[i].swrMax};
      widen(range, r.sweep[i].swr, first);
      spread.band[i] = {r.sweep[i].frequencyMHz, range.min, range.max};
    }
  }
  return spread;
}

}  // namespace quill::nec
