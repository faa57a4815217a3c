// Painting the plan: its title and the drawing; the tables are in
// plan_tables.cpp. Everything is drawn as vectors and text, so the page
// stays sharp at any zoom and its numbers can be searched and copied.
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

#include "calc/results.h"
#include "ui/common/forms.h"
#include "ui/main/form1_design.h"
#include "ui/main/plan.h"
#include "ui/main/plan_paint.h"

namespace quill::ui {
namespace {

using plan::Frame;
using plan::kAreaWidth;
using plan::kHairline;

// Title block.
constexpr double kTitleSize = 16;
constexpr double kTitleHeight = 22;
constexpr double kBylineSize = 8.5;
constexpr double kBylineHeight = 12;

// The drawing: the window's picture (655 x 424 pixels) scaled so that the
// tables for ten elements fit under it, centred across the page. Its frame
// stands clear of it by a padding, since the window puts boxes right at the
// picture's edge (the reflector's leg length sits at its left border).
constexpr double kFrameTop = 40;
constexpr double kFramePadding = 5;
constexpr double kDrawingWidth = 440;
constexpr double kDrawingPixels = 655;
constexpr double kPointsPerPixel = kDrawingWidth / kDrawingPixels;
constexpr double kPointsPerTwip = kPointsPerPixel / kTwipsPerPixel;
constexpr double kDrawingLeft = (kAreaWidth - kDrawingWidth) / 2;
constexpr double kDrawingTop = kFrameTop + kFramePadding;
// Between the frame and the tables.
constexpr double kTablesGap = 10;
// The window's 8.25 pt type is 11 pixels high; on the page it scales with
// the drawing, so the values keep their boxes' proportions.
constexpr double kBoxTextSize = 11 * kPointsPerPixel;
constexpr double kBoxPadding = 1.5;             // between a box's edge and its text
constexpr QRgb kValueColour = qRgb(176, 0, 0);  // the boxes' red, dark enough for a grey printout
constexpr QRgb kBoxBorderColour = qRgb(128, 128, 128);

// Caption boxes of the window that name a value in the right-hand column;
// without them those values would be anonymous on paper.
constexpr const char* kCaptionNames[] = {"Text13", "Text15", "Text16", "Text18", "Text20", "Text22"};
// Where the window has its frequency box and its caption, the plan states
// the frequency and the unit of the values on the drawing.
constexpr const char* kFrequencyBox = "Text2";
constexpr const char* kFrequencyCaption = "Text3";

const form1::Row* designRow(const char* name) {
  for (const form1::Row& row : form1::controls()) {
    if (qstrcmp(row.design.name, name) == 0) return &row;
  }
  return nullptr;
}

// A control's place on the drawing, in points of the laid-out area.
QRectF onDrawing(const ControlDesign& design) {
  return {kDrawingLeft + design.left * kPointsPerTwip, kDrawingTop + design.top * kPointsPerTwip,
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
// dimension lines and the captions of the right-hand column, in a frame.
// Returns where the frame ends (points).
double drawDrawing(QPainter& painter, const Frame& frame, const Plan& plan) {
  const QSizeF pixels = form1::drawingPixels();
  const double height = pixels.height() * kPointsPerPixel;
  // As vectors, sharp on paper.
  QSvgRenderer drawing(QStringLiteral(":/ui/main/antenna.svg"));
  drawing.render(&painter, frame.rect(kDrawingLeft, kDrawingTop, pixels.width() * kPointsPerPixel, height));
  painter.setPen(frame.pen(qRgb(0, 0, 0), kHairline));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame.rect(kDrawingLeft - kFramePadding, kFrameTop, kDrawingWidth + 2 * kFramePadding,
                              height + 2 * kFramePadding));
  const auto at = [&frame](int x, int y) {
    return frame.point(kDrawingLeft + x * kPointsPerTwip, kDrawingTop + y * kPointsPerTwip);
  };
  for (const form1::LineDesign& line : form1::kLines)
    painter.drawLine(at(line.x1, line.y1), at(line.x2, line.y2));
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
  return kFrameTop + height + 2 * kFramePadding;
}

}  // namespace

void PaintPlan(QPagedPaintDevice& device, const Plan& plan) {
  const QRect paintable = device.pageLayout().paintRectPixels(device.logicalDpiX());
  const Frame frame(device, QRectF(QPointF(0, 0), paintable.size()));
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  drawTitle(painter, frame, plan);
  const double drawingEnd = drawDrawing(painter, frame, plan);
  plan::drawTables(painter, frame, plan, drawingEnd + kTablesGap);
}

}  // namespace quill::ui
