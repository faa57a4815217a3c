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

// Type and rows shared by the tables.
inline constexpr double kHeadingSize = 11;
inline constexpr double kHeadingHeight = 16;
inline constexpr double kRowHeight = 11.5;
inline constexpr double kTextSize = 8.5;
inline constexpr double kNameLeft = 4;

// One line of a table, `left` to `right` in points, from `top`.
struct Row {
  const Frame& frame;
  double top;
  double left;
  double right;

  QRectF cell(double x, double width) const { return frame.rect(x, top, width, kRowHeight); }
  // `text` ending at `x`, starting there, or centred on it.
  void before(QPainter& painter, double x, const QString& text) const;
  void after(QPainter& painter, double x, const QString& text) const;
  void centred(QPainter& painter, double x, double width, const QString& text) const;
  void stripe(QPainter& painter) const;
  void rule(QPainter& painter) const;
};

// A value's block of columns: the exact value with its decimal separator
// `point` in, then its tape reading, whole inches or millimetres ending
// `tapeEnd` in (a fraction follows).
struct UnitBlock {
  double point;
  double tapeEnd;
  double width;
  bool shortHeads = false;  // "in" and "cm" where "Centimetres" would run into "Tape, mm"
};
// The value `exact` (as shown) and its tape reading of `value` in `unit`.
void drawValue(QPainter& painter, const Row& row, double left, const UnitBlock& block, Unit unit,
               const QString& exact, double value, const QString& separator);
// A tape reading of `value` in `unit`: whole inches or millimetres ending at `end`, a fraction after.
void drawTape(QPainter& painter, const Row& row, double end, Unit unit, double value);
// "Inches" and "Tape, 1/16" over a block.
void drawUnitHeads(QPainter& painter, const Row& row, double left, const UnitBlock& block, Unit unit);
Unit otherUnit(Unit unit);
// A sum worked out in double precision, to seven digits with the plan's separator.
QString sum(double value, const Plan& plan);
// A table's heading in bold; returns where its rows start.
double drawHeading(QPainter& painter, const Frame& frame, double left, double top, double width,
                   const QString& heading);

// The cut list of the pieces, full width, from `top` down (points).
// Returns where it ends.
double drawCutList(QPainter& painter, const Frame& frame, const Plan& plan, double top);
// The boom's marks from its end, with the mast point, and the holes in the
// tubes, in a column from `left`, `width` wide.
double drawBoomAndHoles(QPainter& painter, const Frame& frame, const Plan& plan, double left, double top);
// What to buy, then the notes, in a column from `left` to the area's right.
void drawBuying(QPainter& painter, const Frame& frame, const Plan& plan, double left, double top);
// The boom from above, every element at its mark, in `area`.
void drawTopView(QPainter& painter, const Frame& frame, const Plan& plan, const QRectF& area);
// The driven element seen from the reflector towards the directors, with
// its fed corner, insulator, coax and choke, in `area`.
void drawFeedCorner(QPainter& painter, const Frame& frame, const Plan& plan, const QRectF& area);

}  // namespace quill::ui::plan
