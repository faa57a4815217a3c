#include "ui/model/plots_tuning.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace quill::ui::plots {
namespace {

constexpr double kLineWidth = 2;
// The legend's line samples, in digits.
constexpr double kSampleDigits = 2.5;

QPolygonF line(const std::vector<nec::SweepPoint>& points, double (*value)(const nec::SweepPoint&),
               const std::function<double(double)>& y, const FrequencyFrame& frame) {
  QPolygonF polygon;
  for (const nec::SweepPoint& p : points) polygon << QPointF(frame.x(p.frequencyMHz), y(value(p)));
  return polygon;
}

void drawDashed(QPainter& painter, const QRectF& clip, const QPolygonF& points, QRgb colour) {
  painter.save();
  painter.setClipRect(clip);
  painter.setPen(QPen(QColor(colour), kLineWidth, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygonF run;
  for (const QPointF& p : points) {
    if (std::isfinite(p.x()) && std::isfinite(p.y())) {
      run << p;
      continue;
    }
    if (run.size() > 1) painter.drawPolyline(run);
    run.clear();
  }
  if (run.size() > 1) painter.drawPolyline(run);
  painter.restore();
}

// Lines of the legend at the bottom left inside the plot, each with a
// sample of its line, on a patch of the ground.
void drawLegend(QPainter& painter, const QRectF& area, const std::vector<std::pair<QPen, QString>>& rows,
                const Inks& inks) {
  const QFontMetricsF metrics(painter.font());
  const double height = metrics.height(), digit = metrics.horizontalAdvance(QLatin1Char('0'));
  double width = 0;
  for (const auto& row : rows) width = std::max(width, metrics.horizontalAdvance(row.second));
  const double sample = kSampleDigits * digit;
  width = std::min(width + sample + 2 * digit, area.width() - digit);
  QRectF box(area.left() + digit / 2, area.bottom() - digit / 2 - height * double(rows.size()), width,
             height * double(rows.size()));
  QColor patch = inks.base;
  patch.setAlphaF(0.85);
  painter.fillRect(box, patch);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double middle = box.top() + height * (double(i) + 0.5);
    painter.setPen(rows[i].first);
    painter.drawLine(QPointF(box.left() + digit / 2, middle),
                     QPointF(box.left() + digit / 2 + sample, middle));
    painter.setPen(inks.text);
    const QRectF text(box.left() + sample + digit, middle - height / 2, box.width() - sample - digit, height);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(rows[i].second, Qt::ElideMiddle, text.width()));
  }
}

}  // namespace

void DrawSwrBand(QPainter& painter, const FrequencyFrame& frame, const std::vector<nec::BandPoint>& band) {
  if (band.size() < 2) return;
  QPolygonF shape;
  for (const nec::BandPoint& b : band) shape << QPointF(frame.x(b.frequencyMHz), SwrY(frame.area, b.swrMax));
  for (auto b = band.rbegin(); b != band.rend(); ++b)
    shape << QPointF(frame.x(b->frequencyMHz), SwrY(frame.area, b->swrMin));
  for (const QPointF& p : shape) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return;
  }
  QColor fill(kCurveColour);
  fill.setAlphaF(kBandOpacity);
  painter.save();
  painter.setClipRect(frame.area);
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawPolygon(shape);
  painter.restore();
}

void DrawMeasuredSwr(QPainter& painter, const FrequencyFrame& frame,
                     const std::vector<nec::SweepPoint>& measured, const QString& name, const Inks& inks) {
  if (measured.empty()) return;
  const auto swrY = [&](double swr) { return SwrY(frame.area, swr); };
  DrawCurve(painter, frame.area,
            line(
                measured, [](const nec::SweepPoint& p) { return p.swr; }, swrY, frame),
            kMeasuredColour);
  std::size_t lowest = 0;
  for (std::size_t i = 1; i < measured.size(); ++i) {
    if (measured[i].swr < measured[lowest].swr) lowest = i;
  }
  const QFontMetricsF metrics(painter.font());
  const double mark = kMarkLines * metrics.height();
  if (measured[lowest].swr <= kSwrTop) {
    const QPointF at(frame.x(measured[lowest].frequencyMHz), swrY(measured[lowest].swr));
    painter.setPen(QPen(inks.text, 1));
    painter.setBrush(QColor(kMeasuredColour));
    painter.drawRect(QRectF(at.x() - mark / 2, at.y() - mark / 2, mark, mark));
    painter.setBrush(Qt::NoBrush);
  }
  drawLegend(painter, frame.area,
             {{QPen(QColor(kCurveColour), kLineWidth), QObject::tr("Model")},
              {QPen(QColor(kMeasuredColour), kLineWidth), QObject::tr("Measured: %1").arg(name)}},
             inks);
}

void DrawMeasuredImpedance(QPainter& painter, const ImpedanceFrame& frame,
                           const std::vector<nec::SweepPoint>& measured, const QString& name,
                           const Inks& inks) {
  if (measured.empty()) return;
  const QRectF& area = frame.frequency.area;
  const auto y = [&](double ohms) {
    return std::clamp(frame.scale.y(area, ohms), area.top() - area.height(), area.bottom() + area.height());
  };
  drawDashed(painter, area,
             line(
                 measured, [](const nec::SweepPoint& p) { return p.r; }, y, frame.frequency),
             kCurveColour);
  drawDashed(painter, area,
             line(
                 measured, [](const nec::SweepPoint& p) { return p.x; }, y, frame.frequency),
             kMarkColour);
  drawLegend(painter, area,
             {{QPen(inks.text, kLineWidth, Qt::DashLine), QObject::tr("Measured: %1").arg(name)}}, inks);
}

}  // namespace quill::ui::plots
