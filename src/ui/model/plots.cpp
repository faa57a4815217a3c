// The two plots against frequency: the SWR, and the feed impedance's R and X.
#include "ui/model/plots.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "calc/necreport.h"
#include "ui/common/numbers.h"
#include "ui/model/plots_draw.h"

namespace quill::ui {
namespace {

using namespace plots;

// Hints, in lines of the widget's font, for the plots against frequency:
// wide enough for a dozen frequency labels, and never so small that the
// labels crowd the curve out.
constexpr double kHintWidthLines = 28;
constexpr double kHintHeightLines = 14;
constexpr double kLeastWidthLines = 22;
constexpr double kLeastHeightLines = 11;
// The legend's line samples, in digits.
constexpr double kSampleDigits = 2.5;

void drawSwrGrid(QPainter& painter, const FrequencyFrame& frame, const Inks& inks, const QLocale& locale) {
  std::vector<std::pair<double, QString>> ticks;
  for (const double swr : kSwrTicks) ticks.emplace_back(SwrY(frame.area, swr), ShortNumber(locale, swr));
  DrawValueGrid(painter, frame.area, ticks, inks);
}

// The sweep as a line. Between sweep points the line is straight: the
// sweep's steps are close enough for that, and a smoothed curve could dip
// below the marked lowest point.
void drawSwrCurve(QPainter& painter, const FrequencyFrame& frame, const nec::Results& results) {
  QPolygonF points;
  for (const nec::SweepPoint& point : results.sweep)
    points << QPointF(frame.x(point.frequencyMHz), SwrY(frame.area, point.swr));
  DrawCurve(painter, frame.area, points, kCurveColour);
}

// The room right of the design frequency's label, in the row above the
// plot. The label stands over the middle: the design frequency is the
// sweep's centre.
QRectF rightOfDesign(const QRectF& area, const QFontMetricsF& metrics, const nec::Results& results,
                     const QLocale& locale) {
  const QString design = DesignText(locale, DesignMHz(results));
  const double room = area.width() / 2 - metrics.horizontalAdvance(design) / 2 - metrics.height();
  return {area.right() - room, area.top() - 1.2 * metrics.height(), room, metrics.height()};
}

// The sweep point with the lowest SWR, the same one the summary names,
// marked on the curve. Its numbers stand in the row above the plot beside a
// sample of the mark, where the curve cannot run through them; in a narrow
// plot without the word, then without the unit, then the SWR alone.
void drawLowest(QPainter& painter, const FrequencyFrame& frame, const nec::Results& results, const Inks& inks,
                const QLocale& locale) {
  const nec::SweepPoint& lowest = results.lowestSwr();
  if (!std::isfinite(lowest.swr) || !std::isfinite(lowest.frequencyMHz) || lowest.swr > kSwrTop) return;
  const QFontMetricsF metrics(painter.font());
  const double mark = kMarkLines * metrics.height(), digit = metrics.horizontalAdvance(QLatin1Char('0'));
  DrawMark(painter, QPointF(frame.x(lowest.frequencyMHz), SwrY(frame.area, lowest.swr)), mark, inks);
  const QString swr = FixedNumber(locale, lowest.swr, 2), mhz = MhzNumber(locale, lowest.frequencyMHz);
  const QRectF room = rightOfDesign(frame.area, metrics, results, locale).adjusted(mark + digit, 0, 0, 0);
  QString text;
  for (const QString& candidate :
       {QObject::tr("Lowest %1 at %2 MHz").arg(swr, mhz), QObject::tr("%1 at %2 MHz").arg(swr, mhz),
        QObject::tr("%1 at %2").arg(swr, mhz), swr}) {
    text = candidate;
    if (metrics.horizontalAdvance(text) <= room.width()) break;
  }
  const double width = metrics.horizontalAdvance(text);
  painter.setPen(inks.text);
  painter.drawText(room, Qt::AlignRight | Qt::AlignVCenter, text);
  DrawMark(painter, QPointF(room.right() - width - digit / 2 - mark / 2, room.center().y()), mark, inks);
}

// Where the sweep runs off the top, the plot says that its scale stops at
// 10: just under the top edge, on the side where the curve leaves.
void drawOffScaleNote(QPainter& painter, const FrequencyFrame& frame, const nec::Results& results,
                      const Inks& inks, const QLocale& locale) {
  const nec::SweepPoint* off = nullptr;
  for (const nec::SweepPoint& point : results.sweep) {
    if (point.swr > kSwrTop && std::isfinite(point.frequencyMHz)) off = off ? off : &point;
  }
  if (!off) return;
  const QFontMetricsF metrics(painter.font());
  const double digit = metrics.horizontalAdvance(QLatin1Char('0'));
  const QString note = QObject::tr("SWR above %1: off the top").arg(ShortNumber(locale, kSwrTop));
  QRectF box(0, 0, metrics.horizontalAdvance(note) + digit, metrics.height());
  const bool left = frame.x(off->frequencyMHz) < frame.area.center().x();
  if (left) {
    box.moveTopLeft(frame.area.topLeft() + QPointF(digit / 2, digit / 2));
  } else {
    box.moveTopRight(frame.area.topRight() + QPointF(-digit / 2, digit / 2));
  }
  DrawOnPatch(painter, box, metrics.elidedText(note, Qt::ElideRight, frame.area.width()), inks);
}

void drawImpedanceGrid(QPainter& painter, const ImpedanceFrame& frame, const Inks& inks,
                       const QLocale& locale) {
  const QRectF& area = frame.frequency.area;
  std::vector<std::pair<double, QString>> ticks;
  for (const double ohms : Ticks(frame.scale.low, frame.scale.high, frame.scale.step))
    ticks.emplace_back(frame.scale.y(area, ohms), FixedNumber(locale, ohms, DecimalsFor(frame.scale.step)));
  DrawValueGrid(painter, area, ticks, inks);
  // X = 0 is resonance: the line X crosses there is drawn in ink, not grid.
  const double zero = frame.scale.y(area, 0);
  painter.setPen(QPen(inks.text, 1));
  painter.drawLine(QPointF(area.left(), zero), QPointF(area.right(), zero));
}

void drawImpedanceCurves(QPainter& painter, const ImpedanceFrame& frame, const nec::Results& results) {
  const QRectF& area = frame.frequency.area;
  // Values far off the scale are held a plot's height past it: the clip cuts
  // the line at the edge, and the painter never meets a huge coordinate.
  auto y = [&](double ohms) {
    return std::clamp(frame.scale.y(area, ohms), area.top() - area.height(), area.bottom() + area.height());
  };
  QPolygonF r, x;
  for (const nec::SweepPoint& point : results.sweep) {
    const double across = frame.frequency.x(point.frequencyMHz);
    r << QPointF(across, y(point.r));  // NaN stays NaN, and breaks the line
    x << QPointF(across, y(point.x));
  }
  DrawCurve(painter, area, r, kCurveColour);
  DrawCurve(painter, area, x, kMarkColour);
}

// Which curve is which, at the top right above the plot, where no curve can
// cover it: with the quantities' names where they fit beside the design
// frequency's label in the middle, as the bare letters where not.
void drawLegend(QPainter& painter, const QRectF& area, const nec::Results& results, const Inks& inks,
                const QLocale& locale) {
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height(), digit = metrics.horizontalAdvance(QLatin1Char('0'));
  const QRgb colours[] = {kCurveColour, kMarkColour};
  const QStringList names = {QObject::tr("R (resistance)"), QObject::tr("X (reactance)")};
  const QStringList letters = {QObject::tr("R"), QObject::tr("X")};
  auto widthOf = [&](const QStringList& texts) {
    double width = 0;
    for (const QString& text : texts) width += metrics.horizontalAdvance(text) + (kSampleDigits + 2) * digit;
    return width;
  };
  const QStringList& texts =
      widthOf(names) <= rightOfDesign(area, metrics, results, locale).width() ? names : letters;
  double right = area.right();
  const double middle = area.top() - 0.7 * line;
  for (int i = 1; i >= 0; --i) {
    const double width = metrics.horizontalAdvance(texts[i]);
    painter.setPen(inks.text);
    painter.drawText(QRectF(right - width, middle - line / 2, width, line), Qt::AlignVCenter, texts[i]);
    right -= width + digit / 2;
    painter.setPen(QPen(QColor(colours[i]), 2));
    painter.drawLine(QPointF(right - kSampleDigits * digit, middle), QPointF(right, middle));
    right -= kSampleDigits * digit + 1.5 * digit;
  }
}

}  // namespace

ResultsPlot::ResultsPlot(const QString& name, const QString& description, Lines hint, Lines least,
                         QWidget* parent)
    : QWidget(parent), hint_(hint), least_(least) {
  setAccessibleName(name);
  setAccessibleDescription(description);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the ground is painted whole
}

void ResultsPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Inks inks = InksOf(*this);
  painter.fillRect(rect(), inks.base);
  if (!hasSomethingToShow()) return DrawPlaceholder(painter, rect(), inks, nothingToShow());
  painter.setRenderHint(QPainter::Antialiasing);
  paintResults(painter, inks);
}

QSize ResultsPlot::inLines(Lines size) const {
  const double line = QFontMetricsF(font()).height();
  return {int(std::ceil(size.across * line)), int(std::ceil(size.upright * line))};
}

QSize ResultsPlot::sizeHint() const { return inLines(hint_); }
QSize ResultsPlot::minimumSizeHint() const { return inLines(least_); }

void ResultsPlot::setResults(const nec::Results& results) {
  results_ = results;
  update();
}

void ResultsPlot::clear() {
  results_ = {};
  update();
}

SwrPlot::SwrPlot(QWidget* parent)
    : ResultsPlot(
          tr("SWR against frequency"),
          tr("A plot of the SWR across the sweep, with the design frequency and the lowest SWR marked. "
             "The summary gives the numbers."),
          {kHintWidthLines, kHintHeightLines}, {kLeastWidthLines, kLeastHeightLines}, parent) {}

QString SwrPlot::nothingToShow() const { return tr("No SWR to show"); }

void SwrPlot::paintResults(QPainter& painter, const Inks& inks) {
  const FrequencyFrame frame = SwrLayout(*this, results());
  if (!frame.usable()) return;
  drawSwrGrid(painter, frame, inks, locale());
  DrawFrequencyAxis(painter, frame, inks, locale());
  DrawAxisTitle(painter, frame.area, tr("SWR (%1 Ω)").arg(ShortNumber(locale(), results().referenceOhms)),
                inks);
  DrawDesignLine(painter, frame, DesignMHz(results()), inks, locale());
  drawSwrCurve(painter, frame, results());
  drawLowest(painter, frame, results(), inks, locale());
  drawOffScaleNote(painter, frame, results(), inks, locale());
}

ImpedancePlot::ImpedancePlot(QWidget* parent)
    : ResultsPlot(
          tr("Feed impedance against frequency"),
          tr("A plot of the feed impedance's resistance R and reactance X across the sweep, with the design "
             "frequency marked. The summary gives the numbers."),
          {kHintWidthLines, kHintHeightLines}, {kLeastWidthLines, kLeastHeightLines}, parent) {}

QString ImpedancePlot::nothingToShow() const { return tr("No impedance to show"); }

void ImpedancePlot::paintResults(QPainter& painter, const Inks& inks) {
  const ImpedanceFrame frame = ImpedanceLayout(*this, results());
  if (!frame.frequency.usable()) return;
  drawImpedanceGrid(painter, frame, inks, locale());
  DrawFrequencyAxis(painter, frame.frequency, inks, locale());
  DrawAxisTitle(painter, frame.frequency.area, tr("R, X (Ω)"), inks);
  DrawDesignLine(painter, frame.frequency, DesignMHz(results()), inks, locale());
  drawImpedanceCurves(painter, frame, results());
  drawLegend(painter, frame.frequency.area, results(), inks, locale());
}

}  // namespace quill::ui
