#include "calc/trim.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace quill::nec {
namespace {

constexpr double kMmPerMetre = 1000;
constexpr double kSixteenths = 16;
// A trim is found when its lowest SWR lies this close to the design
// frequency (a ratio): well inside a sweep step (0.25 %), so that a finer
// sweep finds it there too.
constexpr double kClose = 0.0005;
// Before any trim has run, the lowest SWR is taken to move by the change in
// length of half the element over half a wavelength: a shift of 2.7 %
// wants about 27 mm of leg at 146 MHz.
constexpr double kFirstGuessWavelengths = 0.5;
// The first step's changes lie this far apart, as a part of the estimate,
// so that the next step can interpolate between them.
constexpr double kFirstSpread = 0.1;
// Steps after which the search gives up.
constexpr std::size_t kMostProbes = 12;
// Changes are tried to the tenth of a mm, as the deck and the listing give them.
constexpr double kMmResolution = 0.1;

double toTenth(double mm) { return std::round(mm / kMmResolution) / (1 / kMmResolution); }

double reflection2(const SweepPoint& p, double ohms) {
  const std::complex<double> z(p.r, p.x);
  return std::norm((z - ohms) / (z + ohms));
}

double offBy(const TrimProbe& probe) {
  return LowestBetweenSteps(probe.results).frequencyMHz / probe.results.designFrequencyMHz - 1;
}

}  // namespace

Model WithLegsChanged(const Model& model, double legChangeMm) {
  Model changed = model;
  changed.legChangeMm += legChangeMm;
  const double change = legChangeMm / kMmPerMetre;
  const double longest = model.wavelength / kSegmentsPerWavelength;
  for (Element& element : changed.elements) {
    for (Wire* leg : {&element.leftLeg, &element.rightLeg}) {
      Point& foot = leg == &element.leftLeg ? leg->from : leg->to;
      foot.z -= change;
      leg->segments = std::max(leg->segments, static_cast<int>(std::ceil(leg->length() / longest)));
    }
    element.vertical = static_cast<float>(element.vertical + legChangeMm / kMmPerInch);
  }
  return changed;
}

double TrimRangeMm(const Model& model) {
  double shortest = HUGE_VAL;
  for (const Element& element : model.elements) shortest = std::min(shortest, element.leftLeg.length());
  return shortest * kMmPerMetre / 4;
}

Lowest LowestBetweenSteps(const Results& results) {
  const std::vector<SweepPoint>& sweep = results.sweep;
  const std::size_t i = static_cast<std::size_t>(&results.lowestSwr() - sweep.data());
  Lowest lowest{sweep[i].frequencyMHz, sweep[i].swr};
  if (i == 0 || i + 1 == sweep.size()) return lowest;
  const double ohms = results.referenceOhms;
  const double a = reflection2(sweep[i - 1], ohms), b = reflection2(sweep[i], ohms),
               c = reflection2(sweep[i + 1], ohms);
  const double curve = a - 2 * b + c;
  if (!(curve > 0)) return lowest;
  const double t = (a - c) / (2 * curve);  // in steps from point i, within half a step
  const double step = sweep[i + 1].frequencyMHz - sweep[i].frequencyMHz;
  const double g = std::sqrt(std::max(0.0, b - (a - c) * t / 4));
  lowest.frequencyMHz = sweep[i].frequencyMHz + t * step;
  lowest.swr = (1 + g) / (1 - g);
  return lowest;
}

TrimStep NextTrimStep(const Model& model, const std::vector<TrimProbe>& probes, int lanes) {
  TrimStep step;
  const double range = TrimRangeMm(model);
  std::size_t best = 0;
  for (std::size_t i = 1; i < probes.size(); ++i) {
    if (std::abs(offBy(probes[i])) < std::abs(offBy(probes[best]))) best = i;
  }
  if (std::abs(offBy(probes[best])) <= kClose) {
    step.found = best;
    return step;
  }
  double next = 0;
  if (const std::optional<double> slope = TrimSensitivity(probes); slope && *slope < 0) {
    // Along the line through the probe nearest the frequency and the one
    // nearest on the other side, or else the next nearest.
    std::size_t other = best == 0 ? 1 : 0;
    for (std::size_t i = 0; i < probes.size(); ++i) {
      if (i == best || probes[i].legChangeMm == probes[best].legChangeMm) continue;
      const bool across = (offBy(probes[i]) > 0) != (offBy(probes[best]) > 0);
      const bool otherAcross = (offBy(probes[other]) > 0) != (offBy(probes[best]) > 0);
      if ((across && !otherAcross) ||
          (across == otherAcross && std::abs(offBy(probes[i])) < std::abs(offBy(probes[other])))) {
        other = i;
      }
    }
    const double d0 = probes[best].legChangeMm, d1 = probes[other].legChangeMm;
    const double f0 = offBy(probes[best]), f1 = offBy(probes[other]);
    next = (f0 != f1 && d0 != d1) ? d0 - f0 * (d1 - d0) / (f1 - f0) : d0 - f0 / *slope;
  } else {
    next = probes[best].legChangeMm +
           offBy(probes[best]) * model.wavelength * kMmPerMetre * kFirstGuessWavelengths;
  }
  next = std::clamp(toTenth(next), -toTenth(range), toTenth(range));
  const bool tried = std::any_of(probes.begin(), probes.end(), [next](const TrimProbe& p) {
    return std::abs(p.legChangeMm - next) < 1e-9;
  });
  if (tried || probes.size() >= kMostProbes) {
    step.hopeless = true;
    return step;
  }
  if (probes.size() == 1 && lanes > 1) {
    for (int i = 0; i < lanes; ++i) {
      const double part = kFirstSpread * (double(i) / (lanes - 1) - 0.5);
      step.run.push_back(std::clamp(toTenth(next * (1 + part)), -toTenth(range), toTenth(range)));
    }
    step.run.erase(std::unique(step.run.begin(), step.run.end()), step.run.end());
  } else {
    step.run.push_back(next);
  }
  return step;
}

std::optional<double> TrimSensitivity(const std::vector<TrimProbe>& probes) {
  if (probes.empty()) return std::nullopt;
  // The widest pair of changes holds the least of the sweep's arithmetic.
  auto [low, high] = std::minmax_element(
      probes.begin(), probes.end(),
      [](const TrimProbe& a, const TrimProbe& b) { return a.legChangeMm < b.legChangeMm; });
  if (high->legChangeMm == low->legChangeMm) return std::nullopt;
  const double fl = LowestBetweenSteps(low->results).frequencyMHz,
               fh = LowestBetweenSteps(high->results).frequencyMHz;
  return std::log(fh / fl) / (high->legChangeMm - low->legChangeMm);
}

double MeasuredTrimMm(double measuredMHz, double designMHz, double sensitivity) {
  return toTenth(std::log(designMHz / measuredMHz) / sensitivity);
}

namespace {

std::string mhzText(double mhz) {
  const double tenths = std::round(mhz * 10);
  return std::to_string(static_cast<long long>(tenths) / 10) + '.' +
         std::to_string(static_cast<long long>(std::abs(tenths)) % 10);
}

std::string mmText(double mm) { return std::to_string(static_cast<long long>(std::floor(mm))); }

}  // namespace

TrimAnswer ModelTrim(const Model& model, const std::vector<TrimProbe>& probes, const TrimStep& last) {
  TrimAnswer answer;
  answer.toMHz = model.frequencyMHz;
  answer.before = probes.front().results;
  answer.fromMHz = answer.before->lowestSwr().frequencyMHz;
  if (last.found) {
    answer.found = true;
    answer.legChangeMm = probes[*last.found].legChangeMm;
    answer.after = probes[*last.found].results;
  } else {
    answer.refusal = "No trim: no change of every leg within " + mmText(TrimRangeMm(model)) +
                     " mm (a quarter of the shortest leg) brings the model's lowest SWR from " +
                     mhzText(answer.fromMHz) + " to " + mhzText(answer.toMHz) + " MHz.";
  }
  return answer;
}

TrimAnswer MeasurementTrim(const Model& model, const std::vector<TrimProbe>& probes, double lowestMHz,
                           double lowestSwr, bool dipInside) {
  TrimAnswer answer;
  answer.fromMeasurement = true;
  answer.toMHz = model.frequencyMHz;
  answer.fromMHz = lowestMHz;
  answer.fromSwr = lowestSwr;
  const std::optional<double> sensitivity = TrimSensitivity(probes);
  if (!dipInside) {
    answer.refusal = "No trim from the measurement: its SWR has no dip inside its range (its lowest is at " +
                     mhzText(lowestMHz) + " MHz, an end), so it cannot say where the antenna is resonant.";
    return answer;
  }
  const double change = sensitivity && *sensitivity < 0
                            ? MeasuredTrimMm(lowestMHz, model.frequencyMHz, *sensitivity)
                            : HUGE_VAL;
  if (!(std::abs(change) <= TrimRangeMm(model))) {
    answer.refusal = "No trim from the measurement: its lowest SWR, at " + mhzText(lowestMHz) +
                     " MHz, is too far from " + mhzText(model.frequencyMHz) +
                     " MHz for a leg trim (more than a quarter of the shortest leg).";
    return answer;
  }
  answer.found = true;
  answer.legChangeMm = change;
  return answer;
}

double SixteenthsOfInch(double mm) { return std::round(mm / kMmPerInch * kSixteenths) / kSixteenths; }

}  // namespace quill::nec
