// The scales, layouts and draw helpers the model window's plots share.
#include "ui/model/plots_draw.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "ui/common/numbers.h"

namespace quill::ui::plots {
namespace {

// Room around a frequency plot, in lines of the widget's font (its height)
// and in digits (the width of "0"), so that the labels fit at any font size.
constexpr double kTopLines = 1.6;     // the upright axis's title and the design frequency
constexpr double kBottomLines = 2.4;  // the frequency labels and the axis's title
constexpr double kRightDigits = 3;    // half the last frequency label
constexpr double kLeftPadDigits = 1;  // between the value labels and the axis
// The labels want this much room around them, in digits across and lines
// upwards, before another label of the same axis.
constexpr double kLabelGapDigits = 2;
constexpr double kValueGapLines = 2.2;
constexpr double kTickLength = 0.3;  // in lines
// Lines: the grid thin, the curves thick enough to see at a glance.
constexpr double kGridWidth = 1;
constexpr double kCurveWidth = 2;
// A grid fainter than this against the ground is not seen; one made of ink
// takes this share of the ink.
constexpr double kLeastGridContrast = 1.8;
constexpr double kGridInk = 0.35;
// A label's patch is the ground at this opacity: the grid fades behind it.
constexpr double kPatchOpacity = 0.85;

// The pattern: the compass labels sit this many lines outside the outer
// ring, the maximum's line below everything.
constexpr double kPolarTopLines = 1.4;
constexpr double kPolarBottomLines = 3.8;  // 180°, the maximum, the centre
constexpr double kPolarSideDigits = 5;     // "270°" and a gap

double lineOf(const QWidget& plot) { return QFontMetricsF(plot.font()).height(); }
double digitOf(const QWidget& plot) { return QFontMetricsF(plot.font()).horizontalAdvance(QLatin1Char('0')); }

bool finite(double v) { return std::isfinite(v); }

// The lowest and highest finite frequency of the sweep, never equal.
std::pair<double, double> frequencyRange(const nec::Results& results) {
  double low = INFINITY, high = -INFINITY;
  for (const nec::SweepPoint& point : results.sweep) {
    if (!finite(point.frequencyMHz)) continue;
    low = std::min(low, point.frequencyMHz);
    high = std::max(high, point.frequencyMHz);
  }
  if (!(low <= high)) {
    const double centre = finite(results.designFrequencyMHz) ? results.designFrequencyMHz : 0;
    low = high = centre;
  }
  if (high - low <= std::abs(high) * 1e-9) {
    // One frequency: a span of 2 % around it (or 1 MHz at zero) to draw it in.
    const double half = high != 0 ? std::abs(high) * 0.01 : 0.5;
    low -= half;
    high += half;
  }
  return {low, high};
}

FrequencyFrame frequencyFrame(const QWidget& plot, const nec::Results& results, double leftLabelWidth) {
  const double line = lineOf(plot), digit = digitOf(plot);
  // Room for "-000" at least, so that the SWR and impedance plots, stacked,
  // usually have their frequency axes in line.
  leftLabelWidth = std::max(
      leftLabelWidth, QFontMetricsF(plot.font()).horizontalAdvance(FixedNumber(plot.locale(), -888, 0)));
  FrequencyFrame frame;
  const QRectF all = QRectF(plot.rect());
  frame.area = all.adjusted(leftLabelWidth + kLeftPadDigits * digit, kTopLines * line, -kRightDigits * digit,
                            -kBottomLines * line);
  std::tie(frame.lowMHz, frame.highMHz) = frequencyRange(results);
  return frame;
}

// Values past this many ohms are wild and left off the impedance scale's
// range (they run off the plot), so that the numbers stay drawable.
constexpr double kWildOhms = 1e6;

}  // namespace

Inks InksOf(const QWidget& plot) {
  const QPalette& palette = plot.palette();
  Inks inks{palette.color(QPalette::Text), palette.color(QPalette::Base), palette.color(QPalette::Mid)};
  // GNOME's dark theme hands over a mid as dark as its base, which would
  // hide the grid: then the grid is the ink, thinned into the ground.
  if (Contrast(inks.grid.rgb(), inks.base.rgb()) < kLeastGridContrast) {
    const double ink = kGridInk;
    inks.grid = QColor::fromRgbF(float(inks.base.redF() * (1 - ink) + inks.text.redF() * ink),
                                 float(inks.base.greenF() * (1 - ink) + inks.text.greenF() * ink),
                                 float(inks.base.blueF() * (1 - ink) + inks.text.blueF() * ink));
  }
  return inks;
}

double Contrast(QRgb a, QRgb b) {
  auto luminance = [](QRgb rgb) {
    auto linear = [](int channel) {
      const double c = channel / 255.0;
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString DesignText(const QLocale& locale, double designMHz) {
  // To the kHz, as the user may have typed it (1296.25), where nec2c
  // prints the sweep's frequencies with five digits.
  return QObject::tr("%1 MHz").arg(MhzNumber(locale, designMHz));
}

double DesignMHz(const nec::Results& results) {
  const double design = results.designFrequencyMHz;
  if (std::isfinite(design) && design > 0) return design;
  return results.sweep.empty() ? NAN : results.atFrequency().frequencyMHz;
}

double SwrY(const QRectF& area, double swr) { return area.bottom() - SwrFraction(swr) * area.height(); }

FrequencyFrame SwrLayout(const QWidget& plot, const nec::Results& results) {
  const QFontMetricsF metrics(plot.font());
  double widest = 0;
  for (const double tick : kSwrTicks)
    widest = std::max(widest, metrics.horizontalAdvance(ShortNumber(plot.locale(), tick)));
  return frequencyFrame(plot, results, widest);
}

ImpedanceFrame ImpedanceLayout(const QWidget& plot, const nec::Results& results) {
  double low = 0, high = 0;  // the zero line is always in view
  for (const nec::SweepPoint& point : results.sweep) {
    for (const double ohms : {point.r, point.x}) {
      if (!finite(ohms) || std::abs(ohms) > kWildOhms) continue;
      low = std::min(low, ohms);
      high = std::max(high, ohms);
    }
  }
  if (high - low < 1) high = low + 1;
  const double line = lineOf(plot);
  const double height = plot.height() - (kTopLines + kBottomLines) * line;
  ImpedanceFrame frame;
  ValueScale& scale = frame.scale;
  scale.step = NiceStep(high - low, std::max(1, int(height / (kValueGapLines * line))));
  scale.low = std::floor(low / scale.step) * scale.step;
  scale.high = std::ceil(high / scale.step) * scale.step;
  const QFontMetricsF metrics(plot.font());
  double widest = 0;
  for (const double tick : Ticks(scale.low, scale.high, scale.step)) {
    widest = std::max(widest,
                      metrics.horizontalAdvance(FixedNumber(plot.locale(), tick, DecimalsFor(scale.step))));
  }
  frame.frequency = frequencyFrame(plot, results, widest);
  return frame;
}

PolarFrame PatternLayout(const QWidget& plot, const nec::Results& results) {
  const double line = lineOf(plot), digit = digitOf(plot);
  const double across = (plot.width() - 2 * kPolarSideDigits * digit) / 2;
  const double upright = (plot.height() - (kPolarTopLines + kPolarBottomLines) * line) / 2;
  PolarFrame frame;
  frame.radius = std::max(0.0, std::min(across, upright));
  // Centred across; upright, centred in the room the labels leave.
  frame.centre = {plot.width() / 2.0, kPolarTopLines * line + std::max(upright, 0.0)};
  frame.outerDbi = PatternOuter(results.pattern);
  return frame;
}

void DrawPlaceholder(QPainter& painter, const QRectF& rect, const Inks& inks, const QString& text) {
  painter.setPen(inks.text);
  painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void DrawFrequencyAxis(QPainter& painter, const FrequencyFrame& frame, const Inks& inks,
                       const QLocale& locale) {
  const QRectF& area = frame.area;
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height(), digit = metrics.horizontalAdvance(QLatin1Char('0'));
  // As many labels as fit side by side, judged by the widest of them; a
  // step under 1 MHz makes them longer by its decimals, so judge again.
  auto stepFor = [&](int decimals, double& room) {
    room = metrics.horizontalAdvance(FixedNumber(locale, frame.highMHz, decimals)) + kLabelGapDigits * digit;
    return NiceStep(frame.highMHz - frame.lowMHz, std::max(1, int(area.width() / room)));
  };
  double room = 0;
  double step = stepFor(0, room);
  if (DecimalsFor(step) > 0) step = stepFor(DecimalsFor(step), room);
  const int decimals = DecimalsFor(step);
  for (const double mhz : Ticks(frame.lowMHz, frame.highMHz, step)) {
    const double x = frame.x(mhz);
    painter.setPen(QPen(inks.grid, kGridWidth));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter.setPen(QPen(inks.text, kGridWidth));
    painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength * line));
    const QRectF label(x - room, area.bottom() + kTickLength * line, 2 * room, line);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, FixedNumber(locale, mhz, decimals));
  }
  painter.setPen(QPen(inks.text, kGridWidth));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.drawLine(area.bottomLeft(), area.topLeft());
  const QRectF title(area.left(), area.bottom() + (kTickLength + 1) * line, area.width(), line);
  painter.drawText(title, Qt::AlignHCenter | Qt::AlignTop, QObject::tr("Frequency (MHz)"));
}

void DrawValueGrid(QPainter& painter, const QRectF& area,
                   const std::vector<std::pair<double, QString>>& ticks, const Inks& inks) {
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height(), digit = metrics.horizontalAdvance(QLatin1Char('0'));
  // Every tick has its grid line; in a low plot a label that would touch
  // one already drawn is left out, so the ticks come most important first.
  std::vector<double> labelled;
  for (const auto& [y, text] : ticks) {
    painter.setPen(QPen(inks.grid, kGridWidth));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    const bool crowded = std::any_of(labelled.begin(), labelled.end(),
                                     [&](double other) { return std::abs(other - y) < line; });
    if (crowded) continue;
    labelled.push_back(y);
    painter.setPen(inks.text);
    const QRectF label(0, y - line / 2, area.left() - kLeftPadDigits * digit / 2, line);
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, text);
  }
}

void DrawDesignLine(QPainter& painter, const FrequencyFrame& frame, double designMHz, const Inks& inks,
                    const QLocale& locale) {
  if (!finite(designMHz) || designMHz < frame.lowMHz || designMHz > frame.highMHz) return;
  // On a pixel's middle, so that the thin dashed line stays crisp.
  const double x = std::floor(frame.x(designMHz)) + 0.5;
  QPen pen(inks.text, kGridWidth, Qt::DashLine);
  painter.setPen(pen);
  painter.drawLine(QPointF(x, frame.area.top()), QPointF(x, frame.area.bottom()));
  const double line = QFontMetricsF(painter.font()).height();
  const QString text = DesignText(locale, designMHz);
  const double width = QFontMetricsF(painter.font()).horizontalAdvance(text);
  painter.drawText(QRectF(x - width, frame.area.top() - 1.2 * line, 2 * width, line), Qt::AlignHCenter, text);
}

void DrawCurve(QPainter& painter, const QRectF& clip, const QPolygonF& points, QRgb colour) {
  painter.save();
  painter.setClipRect(clip.adjusted(-kCurveWidth, -kCurveWidth, kCurveWidth, kCurveWidth));
  painter.setPen(QPen(QColor(colour), kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  // A point without a value breaks the line rather than bending it to a guess.
  QPolygonF run;
  auto flush = [&] {
    if (run.size() > 1) painter.drawPolyline(run);
    if (run.size() == 1) painter.drawPoint(run.front());
    run.clear();
  };
  for (const QPointF& point : points) {
    if (finite(point.x()) && finite(point.y())) {
      run << point;
    } else {
      flush();
    }
  }
  flush();
  painter.restore();
}

void DrawMark(QPainter& painter, QPointF at, double size, const Inks& inks) {
  painter.setPen(QPen(inks.text, kGridWidth));
  painter.setBrush(QColor(kMarkColour));
  painter.drawEllipse(at, size / 2, size / 2);
  painter.setBrush(Qt::NoBrush);
}

void DrawOnPatch(QPainter& painter, const QRectF& box, const QString& text, const Inks& inks) {
  QColor patch = inks.base;
  patch.setAlphaF(kPatchOpacity);
  painter.fillRect(box, patch);
  painter.setPen(inks.text);
  painter.drawText(box, Qt::AlignCenter, text);
}

void DrawAxisTitle(QPainter& painter, const QRectF& area, const QString& text, const Inks& inks) {
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height(), digit = metrics.horizontalAdvance(QLatin1Char('0'));
  painter.setPen(inks.text);
  painter.drawText(QRectF(digit / 2, area.top() - 1.4 * line, area.right(), line),
                   Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace quill::ui::plots
