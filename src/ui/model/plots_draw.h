#pragma once

// What the model window's plots share besides their scales (plots_scale.h):
// the layouts that make room for the labels in the widget's own
// font, and small draw helpers for axes, marks and labels. Everything is in
// the widget's logical pixels, so a desktop's scale factor scales it all.

#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "calc/necresults.h"
#include "ui/model/plots_scale.h"

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
