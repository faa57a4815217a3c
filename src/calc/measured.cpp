#include "calc/measured.h"

#include <cmath>
#include <limits>

namespace quill::touchstone {
namespace {

double swrOf(double reflection) {
  if (!(reflection < 1)) return std::numeric_limits<double>::infinity();
  return (1 + reflection) / (1 - reflection);
}

}  // namespace

bool MeasuredSweep::minimumInside() const { return lowest > 0 && lowest + 1 < points.size(); }

MeasuredSweep Measure(const Measurement& measurement, double referenceOhms) {
  MeasuredSweep sweep;
  sweep.referenceOhms = referenceOhms;
  sweep.points.reserve(measurement.points.size());
  const double fileOhms = measurement.referenceOhms;
  // The reflection against referenceOhms of a load whose reflection against
  // fileOhms is G is (G + k) / (1 + kG): the same as working out Z and then
  // (Z - Z0) / (Z + Z0), with no infinity where Z has none.
  const double k = (fileOhms - referenceOhms) / (fileOhms + referenceOhms);
  for (const Point& p : measurement.points) {
    MeasuredPoint m;
    m.frequencyMHz = p.frequencyMHz;
    const std::complex<double> z = fileOhms * (1.0 + p.s11) / (1.0 - p.s11);
    m.r = z.real();
    m.x = z.imag();
    if (!std::isfinite(m.r) || !std::isfinite(m.x)) m.r = m.x = std::numeric_limits<double>::quiet_NaN();
    if (fileOhms == referenceOhms || !(p.magnitude < 1)) {
      m.swr = swrOf(p.magnitude);
    } else {
      m.swr = swrOf(std::abs((p.s11 + k) / (1.0 + k * p.s11)));
    }
    sweep.points.push_back(m);
    if (m.swr < sweep.points[sweep.lowest].swr) sweep.lowest = sweep.points.size() - 1;
  }
  return sweep;
}

}  // namespace quill::touchstone
