#include "ui/model/plots_scale.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quill::ui::plots {

double SwrFraction(double swr) {
  if (std::isnan(swr)) return NAN;
  if (swr <= 1) return 0;
  return std::min(std::log(swr) / std::log(kSwrTop), kSwrOffScale);
}

double PatternOuter(const std::vector<nec::PatternPoint>& pattern) {
  double most = -INFINITY;
  for (const nec::PatternPoint& point : pattern) {
    if (std::isfinite(point.gainDbi) && point.gainDbi > kNoPower) most = std::max(most, point.gainDbi);
  }
  if (!std::isfinite(most)) return NAN;
  return std::ceil(most / kOuterStep) * kOuterStep;
}

double PatternFraction(double gainDbi, double outerDbi) {
  if (!std::isfinite(gainDbi) || !std::isfinite(outerDbi) || gainDbi <= kNoPower) return 0;
  return std::clamp((gainDbi - (outerDbi - kPatternRange)) / kPatternRange, 0.0, 1.0);
}

QPointF PolarPoint(QPointF centre, double radius, double azimuthDeg, double fraction) {
  const double angle = azimuthDeg * std::numbers::pi / 180;
  return {centre.x() - radius * fraction * std::sin(angle), centre.y() - radius * fraction * std::cos(angle)};
}

double NiceStep(double span, int most) {
  if (!std::isfinite(span) || span <= 0) return 1;
  most = std::max(most, 1);
  const double rough = span / most;
  const double power = std::pow(10, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= rough * (1 - 1e-9)) return factor * power;
  }
  return 10 * power;
}

std::vector<double> Ticks(double low, double high, double step) {
  std::vector<double> ticks;
  if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(step) || step <= 0) return ticks;
  // Counted in whole steps, so that no rounding creeps along the axis and
  // the tick at zero is zero, not 1e-15.
  const double first = std::ceil(low / step - 1e-9), last = std::floor(high / step + 1e-9);
  for (double k = first; k <= last && ticks.size() < 100; ++k) ticks.push_back(k * step);
  return ticks;
}

int DecimalsFor(double step) {
  if (!std::isfinite(step) || step <= 0 || step >= 1) return 0;
  return std::min(6, int(std::ceil(-std::log10(step) - 1e-9)));
}

}  // namespace quill::ui::plots
