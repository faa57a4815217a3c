// Painting the plan. The page is laid out in points on an area of fixed
// size, then scaled to whatever paper the device has: A4, Letter or a
// printer's own. Everything is drawn as vectors and text, so the page stays
// sharp at any zoom and its numbers can be searched and copied.
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/common/forms.h"
#include "ui/main/dimension_names.h"
#include "ui/main/form1_design.h"
#include "ui/main/plan.h"

namespace quill::ui {
namespace {

// The area the page is laid out on, in points. A4 and Letter both hold it
// within their 15 mm margins at about its own size.
constexpr double kAreaWidth = 510;
constexpr double kAreaHeight = 720;
constexpr double kPointsPerInch = 72;

// Title block.
constexpr double kTitleSize = 18;
constexpr double kTitleHeight = 26;
constexpr double kBylineSize = 9;
constexpr double kBylineHeight = 14;

// The drawing: the window's picture at full width, so that its pixels
// (655 x 424) become points at this ratio.
constexpr double kDrawingTop = 48;
constexpr double kDrawingPixels = 655;
constexpr double kPointsPerPixel = kAreaWidth / kDrawingPixels;
constexpr double kPointsPerTwip = kPointsPerPixel / kTwipsPerPixel;
// The window's 8.25 pt type is 11 pixels high; on the page it scales with
// the drawing, so the values keep their boxes' proportions.
constexpr double kBoxTextSize = 11 * kPointsPerPixel;
constexpr double kBoxPadding = 1.5;             // between a box's edge and its text
constexpr QRgb kValueColour = qRgb(176, 0, 0);  // the boxes' red, dark enough for a grey printout
constexpr QRgb kBoxBorderColour = qRgb(128, 128, 128);
constexpr double kHairline = 0.5;

// The cut list.
constexpr double kTableTop = 412;
constexpr double kHeadingSize = 12;
constexpr double kHeadingHeight = 20;
constexpr double kRowHeight = 15.5;
constexpr double kTableTextSize = 10;
constexpr double kNameLeft = 4;
constexpr double kFirstColumn = 290;  // left edge of the first unit's column
constexpr double kColumnWidth = 110;
// Decimal points line up this far into a unit's column, so that digits of
// the same place stand above each other.
constexpr double kDecimalOffset = 50;
constexpr double kHeaderShift = 4;
constexpr QRgb kStripeColour = qRgb(236, 236, 236);
// The spacings follow the ten element lengths, under a rule of their own.
constexpr std::size_t kElementRows = 10;

constexpr double kReminderSize = 10;

// Caption boxes of the window that name a value in the right-hand column;
// without them those values would be anonymous on paper.
constexpr const char* kCaptionNames[] = {"Text13", "Text15", "Text16", "Text18", "Text20", "Text22"};
// Where the window has its frequency box and its caption, the plan states
// the frequency and the unit of the values on the drawing.
constexpr const char* kFrequencyBox = "Text2";
constexpr const char* kFrequencyCaption = "Text3";

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

const form1::Row* designRow(const char* name) {
  for (const form1::Row& row : form1::controls()) {
    if (qstrcmp(row.design.name, name) == 0) return &row;
  }
  return nullptr;
}

// A control's place on the drawing, in points of the laid-out area.
QRectF onDrawing(const ControlDesign& design) {
  return {design.left * kPointsPerTwip, kDrawingTop + design.top * kPointsPerTwip,
          design.width * kPointsPerTwip, design.height * kPointsPerTwip};
}

// A font no wider than `room` for `text`: long values (exponent form) are
// set smaller rather than cut.
QFont fitted(QPainter& painter, QFont font, const QString& text, double room) {
  const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
  if (width > room) font.setPointSizeF(font.pointSizeF() * room / width);
  return font;
}

void drawTitle(QPainter& painter, const Frame& frame, const Plan& plan) {
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kTitleSize, true));
  painter.drawText(frame.rect(0, 0, kAreaWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignTop, plan.title);
  painter.setFont(frame.font(kBylineSize));
  painter.drawText(frame.rect(0, kTitleHeight, kAreaWidth, kBylineHeight), Qt::AlignLeft | Qt::AlignTop,
                   plan.byline);
}

// A result box as the window shows it: white, framed, the value in red.
void drawValueBox(QPainter& painter, const Frame& frame, const ControlDesign& design, const QString& text) {
  const QRectF box = onDrawing(design);
  const QRectF device = frame.rect(box.x(), box.y(), box.width(), box.height());
  painter.setPen(frame.pen(kBoxBorderColour, kHairline));
  painter.setBrush(Qt::white);
  painter.drawRect(device);
  const QRectF inner = device.adjusted(frame.length(kBoxPadding), 0, -frame.length(kBoxPadding), 0);
  painter.setFont(fitted(painter, frame.font(kBoxTextSize), text, inner.width()));
  painter.setPen(QColor(kValueColour));
  painter.drawText(inner, horizontalAlignment(design.align) | Qt::AlignVCenter, text);
}

void drawCaption(QPainter& painter, const Frame& frame, const ControlDesign& design, const QString& text,
                 bool bold = false) {
  const QRectF box = onDrawing(design);
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kBoxTextSize, bold));
  const Qt::Alignment vertical = text.contains(QLatin1Char('\n')) ? Qt::AlignTop : Qt::AlignVCenter;
  painter.drawText(frame.rect(box.x(), box.y(), box.width(), box.height()),
                   horizontalAlignment(design.align) | vertical, text.trimmed());
}

// The window's drawing with its leader lines, the fourteen values on their
// dimension lines and the captions of the right-hand column.
void drawDrawing(QPainter& painter, const Frame& frame, const Plan& plan) {
  QSvgRenderer renderer(QStringLiteral(":/ui/main/antenna.svg"));
  const QSizeF pixels = renderer.defaultSize();
  const QRectF drawing =
      frame.rect(0, kDrawingTop, pixels.width() * kPointsPerPixel, pixels.height() * kPointsPerPixel);
  renderer.render(&painter, drawing);
  painter.setPen(frame.pen(qRgb(0, 0, 0), kHairline));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(drawing);
  for (const form1::LineDesign& line : form1::kLines) {
    painter.drawLine(frame.point(line.x1 * kPointsPerTwip, kDrawingTop + line.y1 * kPointsPerTwip),
                     frame.point(line.x2 * kPointsPerTwip, kDrawingTop + line.y2 * kPointsPerTwip));
  }
  for (const form1::Row& row : form1::controls()) {
    if (row.shows) drawValueBox(painter, frame, row.design, plan.in(plan.unit)[std::size_t(*row.shows)]);
  }
  for (const char* name : kCaptionNames) {
    if (const form1::Row* row = designRow(name))
      drawCaption(painter, frame, row->design, designText(row->design.text));
  }
  if (const form1::Row* row = designRow(kFrequencyBox)) {
    drawCaption(painter, frame,
                {row->design.name, nullptr, row->design.left, row->design.top, row->design.width,
                 row->design.height, Align::Centre},
                plan.frequency + QStringLiteral(" MHz"), true);
  }
  if (const form1::Row* row = designRow(kFrequencyCaption)) {
    drawCaption(
        painter, frame, row->design,
        QStringLiteral("VALUES IN\n%1").arg(QString::fromLatin1(UnitWord(plan.unit).data()).toUpper()));
  }
}

// `text` with its decimal separator at `x` (points): the digits before it
// end there, the rest starts there.
void drawDecimalAligned(QPainter& painter, const Frame& frame, double x, double top, const QString& text,
                        const QString& separator) {
  qsizetype split = text.indexOf(separator);
  if (split < 0) split = text.indexOf(QLatin1Char('E'));
  if (split < 0) split = text.size();
  const QRectF row = frame.rect(0, top, kAreaWidth, kRowHeight);
  const QRectF before(row.left(), row.top(), frame.point(x, 0).x() - row.left(), row.height());
  const QRectF after(before.right(), row.top(), row.right() - before.right(), row.height());
  painter.drawText(before, Qt::AlignRight | Qt::AlignVCenter, text.left(split));
  painter.drawText(after, Qt::AlignLeft | Qt::AlignVCenter, text.mid(split));
}

// Every dimension by name, in the user's unit and then in the other, both
// for the same frequency: one sheet serves either tape measure.
void drawCutTable(QPainter& painter, const Frame& frame, const Plan& plan) {
  const Unit units[] = {plan.unit, plan.unit == Unit::Inches ? Unit::Centimetres : Unit::Inches};
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kHeadingSize, true));
  painter.drawText(frame.rect(0, kTableTop, kAreaWidth, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Cut list for %1 MHz").arg(plan.frequency));

  double top = kTableTop + kHeadingHeight;
  painter.setFont(frame.font(kTableTextSize, true));
  painter.drawText(frame.rect(kNameLeft, top, kFirstColumn, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Dimension"));
  for (int i = 0; i < 2; ++i) {
    QString word = QString::fromLatin1(UnitWord(units[i]).data());
    word[0] = word[0].toUpper();
    // Centred a little right of the decimal points, over the digits.
    const double centre = kFirstColumn + i * kColumnWidth + kDecimalOffset + kHeaderShift;
    painter.drawText(frame.rect(centre - kColumnWidth / 2, top, kColumnWidth, kRowHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, word);
  }
  top += kRowHeight;
  painter.setPen(frame.pen(qRgb(0, 0, 0), kHairline));
  painter.drawLine(frame.point(0, top), frame.point(kAreaWidth, top));

  painter.setFont(frame.font(kTableTextSize));
  const DimensionNames& names = form1::dimensionNames();
  for (std::size_t i = 0; i < kDimensions.size(); ++i, top += kRowHeight) {
    const auto box = static_cast<std::size_t>(kDimensions[i].box);
    if (i % 2) painter.fillRect(frame.rect(0, top, kAreaWidth, kRowHeight), QColor(kStripeColour));
    if (i == kElementRows) painter.drawLine(frame.point(0, top), frame.point(kAreaWidth, top));
    painter.drawText(frame.rect(kNameLeft, top, kFirstColumn, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(names[box]));
    for (int u = 0; u < 2; ++u) {
      drawDecimalAligned(painter, frame, kFirstColumn + u * kColumnWidth + kDecimalOffset, top,
                         plan.in(units[u])[box], plan.decimalSeparator);
    }
  }
  painter.drawLine(frame.point(0, top), frame.point(kAreaWidth, top));
}

// The builder's notes say it once; the plan repeats it where it is needed.
void drawReminder(QPainter& painter, const Frame& frame, double top) {
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kReminderSize));
  painter.drawText(frame.rect(0, top, kAreaWidth, kAreaHeight - top),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QStringLiteral("All lengths and spacings are measured to the center of the bolt. "
                                  "Small overhangs are allowed."));
}

}  // namespace

void PaintPlan(QPagedPaintDevice& device, const Plan& plan) {
  const QRect paintable = device.pageLayout().paintRectPixels(device.logicalDpiX());
  const Frame frame(device, QRectF(QPointF(0, 0), paintable.size()));
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  drawTitle(painter, frame, plan);
  drawDrawing(painter, frame, plan);
  drawCutTable(painter, frame, plan);
  drawReminder(painter, frame, kTableTop + kHeadingHeight + (kDimensions.size() + 1) * kRowHeight + 14);
}

}  // namespace quill::ui
