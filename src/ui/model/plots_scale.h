#pragma once

// The scales of the model window's plots: where a value goes, as a share of
// the plot, and where the ticks fall. Pure arithmetic, apart from drawing.

#include <QPointF>
#include <vector>

#include "calc/necresults.h"

namespace quill::ui::plots {

// The SWR scale: 1 to 10 on a logarithmic axis, ticked where builders read
// an SWR chart. A wild value at the sweep's ends would flatten a scale that
// grew to hold it, so values above the top run off the plot instead.
constexpr double kSwrTop = 10;
// Most important first: a low plot labels the first that fit.
constexpr double kSwrTicks[] = {1, 10, 2, 5, 3, 1.5};
// How far past the top a value is drawn before the plot's edge cuts it:
// enough for the line to leave at the right slope, and never a huge
// coordinate from an infinite SWR.
constexpr double kSwrOffScale = 1.5;

// The pattern's scale: linear in dB, the outer ring at the maximum gain
// rounded up to 5 dB, the centre 40 dB below it, rings every 10 dB.
constexpr double kOuterStep = 5;
constexpr double kPatternRange = 40;
constexpr double kRingStep = 10;
// nec2c writes -999.99 where a direction has no power; anything at or below
// this is "no power", drawn at the centre and kept out of the scale.
constexpr double kNoPower = -999;

// The height of `swr` on the SWR scale: 0 at 1, 1 at kSwrTop, at most
// kSwrOffScale above it; NaN where there is no value to draw.
double SwrFraction(double swr);

// The gain of the pattern's outer ring in dBi, or NaN if no direction has power.
double PatternOuter(const std::vector<nec::PatternPoint>& pattern);
// The distance of `gainDbi` from the centre, 0 to 1 of the outer ring's radius.
double PatternFraction(double gainDbi, double outerDbi);
// Where the direction `azimuthDeg` at `fraction` of `radius` lies. Azimuth 0
// (the boom's forward direction, towards the directors) points up; seen from
// above, NEC's azimuth turns anticlockwise, so 90 is on the left.
QPointF PolarPoint(QPointF centre, double radius, double azimuthDeg, double fraction);

// A step of 1, 2 or 5 times a power of ten that cuts `span` into at most `most` parts.
double NiceStep(double span, int most);
// The multiples of `step` from `low` to `high`, both included (at most a hundred).
std::vector<double> Ticks(double low, double high, double step);
// The decimals that tell apart the multiples of `step`.
int DecimalsFor(double step);

}  // namespace quill::ui::plots
