#pragma once

// What the model window's plots share: the scales that turn values into
// places, the layouts that make room for the labels in the widget's own
// font, and small draw helpers for axes, marks and labels. Everything is in
// the widget's logical pixels, so a desktop's scale factor scales it all.

#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "calc/necresults.h"

class QFontMetricsF;
class QPainter;
class QPolygonF;
class QWidget;

namespace quill::ui::plots {

// Accent colours, fixed so that the curves look alike on every desktop. Both
// have at least 3:1 contrast against white and against the dark bases of
// GNOME's and Adwaita's dark looks (#242424, #303030).
constexpr QRgb kCurveColour = qRgb(0x35, 0x84, 0xe4);  // the curves: SWR, R, the pattern
constexpr QRgb kMarkColour = qRgb(0xe6, 0x61, 0x00);   // the second curve (X) and the marked points
// A marked point's size, in lines of the widget's font.
constexpr double kMarkLines = 0.6;

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

// The design frequency's label, over its line.
QString DesignText(const QLocale& locale, double designMHz);
// The design frequency: the one the results are for, or failing that the
// sweep's centre.
double DesignMHz(const nec::Results& results);

// The colours of a plot, from its palette: text for ink, base for the
// ground, mid for the grid where it stands out from the ground.
struct Inks {
  QColor text, base, grid;
};
Inks InksOf(const QWidget& plot);
// WCAG's contrast ratio of two colours, 1 to 21.
double Contrast(QRgb a, QRgb b);

// A plot with frequency across.
struct FrequencyFrame {
  QRectF area;  // where the curves go
  double lowMHz = 0, highMHz = 1;
  double x(double mhz) const { return area.left() + (mhz - lowMHz) / (highMHz - lowMHz) * area.width(); }
  bool usable() const { return area.width() >= 8 && area.height() >= 8; }
};
// The place of `swr` in `area`.
double SwrY(const QRectF& area, double swr);

// A linear value scale, upwards.
struct ValueScale {
  double low = 0, high = 1, step = 1;
  double y(const QRectF& area, double value) const {
    return area.bottom() - (value - low) / (high - low) * area.height();
  }
};
struct ImpedanceFrame {
  FrequencyFrame frequency;
  ValueScale scale;
};

struct PolarFrame {
  QPointF centre;
  double radius = 0;
  double outerDbi = 0;  // NaN if no direction has power
};

// The layouts, as each plot paints itself in `plot` with its font and size.
FrequencyFrame SwrLayout(const QWidget& plot, const nec::Results& results);
ImpedanceFrame ImpedanceLayout(const QWidget& plot, const nec::Results& results);
PolarFrame PatternLayout(const QWidget& plot, const nec::Results& results);

// Shared drawing. The value grid's ticks are (place, label), most important first.
void DrawPlaceholder(QPainter& painter, const QRectF& rect, const Inks& inks, const QString& text);
void DrawFrequencyAxis(QPainter& painter, const FrequencyFrame& frame, const Inks& inks,
                       const QLocale& locale);
void DrawValueGrid(QPainter& painter, const QRectF& area,
                   const std::vector<std::pair<double, QString>>& ticks, const Inks& inks);
void DrawDesignLine(QPainter& painter, const FrequencyFrame& frame, double designMHz, const Inks& inks,
                    const QLocale& locale);
void DrawCurve(QPainter& painter, const QRectF& clip, const QPolygonF& points, QRgb colour);
void DrawMark(QPainter& painter, QPointF at, double size, const Inks& inks);
// `text` centred in `box`, on a patch of the ground so that the grid and the
// curves behind it fade rather than cross it.
void DrawOnPatch(QPainter& painter, const QRectF& box, const QString& text, const Inks& inks);
// The title of the upright axis, above it at the left.
void DrawAxisTitle(QPainter& painter, const QRectF& area, const QString& text, const Inks& inks);

}  // namespace quill::ui::plots
