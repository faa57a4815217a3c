#pragma once

// What the plan's painting helpers share: the laid-out area, and the frame
// that carries its points to the device. The page is laid out in points on
// an area of fixed size, then scaled to whatever paper the device has: A4,
// Letter or a printer's own.

#include <QFont>
#include <QPagedPaintDevice>
#include <QPen>
#include <QRectF>
#include <algorithm>

#include "ui/common/forms.h"
#include "ui/main/plan.h"

class QPainter;

namespace quill::ui::plan {

// The area the page is laid out on, in points. A4 and Letter both hold it
// within their 15 mm margins at about its own size.
inline constexpr double kAreaWidth = 510;
inline constexpr double kAreaHeight = 720;
inline constexpr double kPointsPerInch = 72;
inline constexpr double kHairline = 0.5;

// Points on the laid-out area to the device's units: scaled to fit the
// paintable area and centred across it.
class Frame {
 public:
  Frame(const QPagedPaintDevice& device, const QRectF& paintable) {
    const double devicePerPoint = device.logicalDpiX() / kPointsPerInch;
    scale_ = std::min(paintable.width() / kAreaWidth, paintable.height() / kAreaHeight);
    left_ = (paintable.width() - kAreaWidth * scale_) / 2;
    // A point size is in the device's points already; only the fit scales it.
    fontScale_ = scale_ / devicePerPoint;
  }
  double length(double points) const { return points * scale_; }
  QPointF point(double x, double y) const { return {left_ + length(x), length(y)}; }
  QRectF rect(double x, double y, double width, double height) const {
    return {point(x, y), QSizeF(length(width), length(height))};
  }
  QFont font(double points, bool bold = false) const {
    QFont font = designFont(kSansFace, points * fontScale_, bold);
    font.setHintingPreference(QFont::PreferNoHinting);  // laid out for paper, not pixels
    return font;
  }
  QPen pen(QRgb colour, double points) const { return QPen(QColor(colour), length(points)); }

 private:
  double scale_ = 1, left_ = 0, fontScale_ = 1;
};

// The cut list, the boom's marks and the notes, from `top` down (points).
// Returns where they end.
double drawTables(QPainter& painter, const Frame& frame, const Plan& plan, double top);

}  // namespace quill::ui::plan
