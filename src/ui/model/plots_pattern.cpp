// The horizontal-plane radiation pattern: polar, in dBi, azimuth 0 (towards
// the directors) at the top.
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "ui/common/numbers.h"
#include "ui/model/plots.h"
#include "ui/model/plots_draw.h"

namespace quill::ui {
namespace {

using namespace plots;

// Square, in lines of the widget's font.
constexpr double kHintLines = 22;
constexpr double kLeastLines = 16;
constexpr double kSpokeStepDeg = 30;
// The ring labels stand along this direction (lower right), where a beam's
// pattern has the least to cover: between its back lobe and its side.
constexpr double kRingLabelDeg = 225;
constexpr double kLeastRingGapLines = 1.2;
constexpr double kCurveWidth = 2;
// The area inside the pattern, tinted so that its shape reads at a glance.
constexpr int kFillAlpha = 48;

QString degrees(const QLocale& locale, double deg) {
  return QObject::tr("%1°").arg(FixedNumber(locale, deg, 0));
}

void drawRings(QPainter& painter, const PolarFrame& frame, const Inks& inks) {
  painter.setPen(QPen(inks.grid, 1));
  painter.setBrush(Qt::NoBrush);
  for (double az = 0; az < 360; az += kSpokeStepDeg)
    painter.drawLine(frame.centre, PolarPoint(frame.centre, frame.radius, az, 1));
  painter.drawEllipse(frame.centre, frame.radius, frame.radius);
  if (!std::isfinite(frame.outerDbi)) return;
  for (double down = kRingStep; down < kPatternRange; down += kRingStep) {
    const double r = frame.radius * PatternFraction(frame.outerDbi - down, frame.outerDbi);
    painter.drawEllipse(frame.centre, r, r);
  }
}

// Each ring's gain, the outer one's with the unit; over the pattern, so
// that the pattern never hides its own scale.
void drawRingLabels(QPainter& painter, const PolarFrame& frame, const Inks& inks, const QLocale& locale) {
  if (!std::isfinite(frame.outerDbi)) return;
  const QFontMetricsF metrics(painter.font());
  // In a small plot, labels on neighbouring rings would touch: then every other one.
  const double gap = frame.radius * kRingStep / kPatternRange;
  const double step = gap < kLeastRingGapLines * metrics.height() ? 2 * kRingStep : kRingStep;
  for (double down = 0; down < kPatternRange; down += step) {
    const double gain = frame.outerDbi - down;
    const QString text =
        down == 0 ? QObject::tr("%1 dBi").arg(FixedNumber(locale, gain, 0)) : FixedNumber(locale, gain, 0);
    QRectF box(0, 0, metrics.horizontalAdvance(text) + metrics.horizontalAdvance(QLatin1Char(' ')),
               metrics.height());
    box.moveCenter(
        PolarPoint(frame.centre, frame.radius, kRingLabelDeg, PatternFraction(gain, frame.outerDbi)));
    DrawOnPatch(painter, box, text, inks);
  }
}

// The four compass points, outside the outer ring; the top one says what it is.
void drawCompass(QPainter& painter, const PolarFrame& frame, const Inks& inks, const QLocale& locale) {
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height(), gap = metrics.horizontalAdvance(QLatin1Char('0')) / 2;
  painter.setPen(inks.text);
  const QPointF c = frame.centre;
  const double r = frame.radius;
  const double wide = 2 * r + 20 * line;
  painter.drawText(QRectF(c.x() - wide / 2, c.y() - r - line - gap / 2, wide, line),
                   Qt::AlignHCenter | Qt::AlignBottom,
                   QObject::tr("%1 towards the directors").arg(degrees(locale, 0)));
  painter.drawText(QRectF(c.x() - wide / 2, c.y() + r + gap / 2, wide, line), Qt::AlignHCenter | Qt::AlignTop,
                   degrees(locale, 180));
  // Anticlockwise seen from above: 90 on the left, 270 on the right.
  painter.drawText(QRectF(c.x() - r - gap - wide, c.y() - line / 2, wide, line),
                   Qt::AlignRight | Qt::AlignVCenter, degrees(locale, 90));
  painter.drawText(QRectF(c.x() + r + gap, c.y() - line / 2, wide, line), Qt::AlignLeft | Qt::AlignVCenter,
                   degrees(locale, 270));
}

void drawPattern(QPainter& painter, const PolarFrame& frame, const nec::Results& results) {
  QPolygonF shape;
  for (const nec::PatternPoint& point : results.pattern) {
    if (!std::isfinite(point.azimuthDeg)) continue;
    shape << PolarPoint(frame.centre, frame.radius, point.azimuthDeg,
                        PatternFraction(point.gainDbi, frame.outerDbi));
  }
  if (shape.isEmpty()) return;
  QColor fill(kCurveColour);
  fill.setAlpha(kFillAlpha);
  painter.setPen(QPen(QColor(kCurveColour), kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPolygon(shape);
  painter.setBrush(Qt::NoBrush);
}

// The first direction of the highest gain, marked on the pattern and given
// as a number under it, with what the centre stands for.
void drawMaximum(QPainter& painter, const PolarFrame& frame, const nec::Results& results, const Inks& inks,
                 const QLocale& locale) {
  const nec::PatternPoint* best = nullptr;
  for (const nec::PatternPoint& point : results.pattern) {
    if (!std::isfinite(point.gainDbi) || !std::isfinite(point.azimuthDeg) || point.gainDbi <= kNoPower)
      continue;
    if (!best || point.gainDbi > best->gainDbi) best = &point;
  }
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  QStringList texts = {QObject::tr("No power in any direction")};
  if (best) {
    DrawMark(painter,
             PolarPoint(frame.centre, frame.radius, best->azimuthDeg,
                        PatternFraction(best->gainDbi, frame.outerDbi)),
             kMarkLines * line, inks);
    texts = {
        QObject::tr("Maximum %1 dBi at %2")
            .arg(FixedNumber(locale, best->gainDbi, 2), degrees(locale, best->azimuthDeg)),
        QObject::tr("Centre: %1 dBi or less").arg(FixedNumber(locale, frame.outerDbi - kPatternRange, 0))};
  }
  painter.setPen(inks.text);
  QRectF box(0, frame.centre.y() + frame.radius + 1.3 * line, painter.device()->width(), line);
  for (const QString& text : texts) {
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter,
                     metrics.elidedText(text, Qt::ElideRight, box.width()));
    box.translate(0, line);
  }
}

}  // namespace

PatternPlot::PatternPlot(QWidget* parent)
    : ResultsPlot(tr("Horizontal radiation pattern"),
                  tr("A polar plot of the gain in dBi in each direction of the horizontal plane at the "
                     "design frequency, towards the directors at the top. The summary gives the numbers."),
                  {kHintLines, kHintLines}, {kLeastLines, kLeastLines}, parent) {}

QString PatternPlot::nothingToShow() const { return tr("No pattern to show"); }

void PatternPlot::paintResults(QPainter& painter, const Inks& inks) {
  const PolarFrame frame = PatternLayout(*this, results());
  if (frame.radius < 8) return;
  drawRings(painter, frame, inks);
  drawCompass(painter, frame, inks, locale());
  drawPattern(painter, frame, results());
  drawRingLabels(painter, frame, inks, locale());
  drawMaximum(painter, frame, results(), inks, locale());
}

}  // namespace quill::ui
