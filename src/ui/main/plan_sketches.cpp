// The plan's two drawings: the boom from above with every element at its
// mark, to scale; and the driven element from behind, where the coax is
// fed. Both are worked out from the plan's own numbers.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/main/plan_paint.h"

namespace quill::ui::plan {
namespace {

constexpr double kLabelSize = 7;
constexpr double kLabelHeight = 9;
constexpr double kBoomWidth = 3;  // points: the boom reads as a bar, the tubes as lines
constexpr double kTubeWidth = 1.2;
constexpr QRgb kInk = qRgb(0, 0, 0);
constexpr QRgb kBoomFill = qRgb(200, 200, 200);
constexpr QRgb kCoaxColour = qRgb(0, 0, 160);
constexpr double kDotRadius = 2.2;
constexpr double kMastSize = 5;

// The top view: its title above, the names below the tubes.
constexpr double kTitleRoom = 12;
constexpr double kNameRoom = 2 * kLabelHeight + 2;
constexpr double kNameWidth = 60;

// The feed sketch: the element's share of its area, the rest for labels.
constexpr double kElementShare = 0.6;
constexpr double kElementHeightShare = 0.4;
constexpr double kInsulatorSize = 5;
constexpr int kChokeTurns = 6;
constexpr double kChokeWidth = 14;
constexpr double kTurnHeight = 2.2;

void label(QPainter& painter, const Frame& frame, const QRectF& box, Qt::Alignment align, const QString& text,
           bool bold = false) {
  painter.setFont(frame.font(kLabelSize, bold));
  painter.setPen(QColor(kInk));
  painter.drawText(frame.rect(box.x(), box.y(), box.width(), box.height()), align | Qt::TextWordWrap, text);
}

}  // namespace

void drawTopView(QPainter& painter, const Frame& frame, const Plan& plan, const QRectF& area) {
  const Unit unit = plan.unit;
  const Boom& boom = plan.boom(unit);
  const Assembly& assembly = plan.assembly(unit);
  label(painter, frame, {area.x(), area.y(), area.width(), kTitleRoom}, Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("From above, to scale: the boom with each element at its mark"), true);
  double widest = 0;
  for (const Piece& piece : assembly.pieces) widest = std::max(widest, piece.leg ? 0.0 : piece.cut);
  const QRectF room = area.adjusted(0, kTitleRoom, 0, -kNameRoom);
  const double scale = std::min(room.width() / boom.cut, room.height() / widest);
  const double left = room.x() + (room.width() - boom.cut * scale) / 2;
  const double middle = room.center().y();
  const auto at = [&](double along, double across) {
    return frame.point(left + along * scale, middle - across * scale);
  };

  painter.setPen(frame.pen(kInk, kHairline));
  painter.setBrush(QColor(kBoomFill));
  painter.drawRect(QRectF(frame.point(left, middle - kBoomWidth / 2),
                          frame.point(left + boom.cut * scale, middle + kBoomWidth / 2)));
  painter.setPen(frame.pen(kInk, kTubeWidth));
  for (std::size_t i = 0; i < boom.marks.size(); ++i) {
    const ElementSize& size = SizeOf(int(i));
    double half = 0;
    for (const Piece& piece : assembly.pieces)
      if (piece.box == size.horizontal) half = piece.cut / 2;
    painter.drawLine(at(boom.marks[i], half), at(boom.marks[i], -half));
    // Names alternate between two lines, so that close ones stay apart.
    const QPointF foot = at(boom.marks[i], -half);
    const double x = left + boom.marks[i] * scale;
    const double y = (foot.y() - frame.point(0, 0).y()) / frame.length(1) + 2 + (i % 2) * kLabelHeight;
    // Kept inside the area: the reflector's name at the page's edge.
    const double nameLeft = std::clamp(x - kNameWidth / 2, area.left(), area.right() - kNameWidth);
    label(
        painter, frame, {nameLeft, y, kNameWidth, kLabelHeight}, Qt::AlignHCenter | Qt::AlignTop,
        QString::fromStdString(assembly.boom[i].name == "Driven element" ? "Driven" : assembly.boom[i].name));
  }
  // The fed corner: seen from the reflector towards the directors it is on
  // the right, which from above is the tube's end away from the viewer's
  // left, drawn below the boom.
  double drivenHalf = 0;
  for (const Piece& piece : assembly.pieces)
    if (piece.box == SizeOf(1).horizontal) drivenHalf = piece.cut / 2;
  painter.setBrush(QColor(kCoaxColour));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(at(boom.marks[1], -drivenHalf), frame.length(kDotRadius), frame.length(kDotRadius));
  // The mast clamp: a triangle under the boom at the balance point.
  const double mastX = left + boom.mastPoint * scale;
  QPolygonF mast;
  mast << frame.point(mastX, middle + kBoomWidth / 2)
       << frame.point(mastX - kMastSize / 2, middle + kBoomWidth / 2 + kMastSize)
       << frame.point(mastX + kMastSize / 2, middle + kBoomWidth / 2 + kMastSize);
  painter.setBrush(QColor(kInk));
  painter.drawPolygon(mast);
  // On white, so that a tube passing behind it does not strike it out.
  const QString mastWord = QStringLiteral("mast");
  painter.setFont(frame.font(kLabelSize));
  const QRectF mastLabel(frame.point(mastX + kMastSize / 2 + 1, middle + kBoomWidth / 2 + 1),
                         QFontMetricsF(painter.font(), painter.device()).size(0, mastWord));
  painter.fillRect(mastLabel, Qt::white);
  painter.setPen(QColor(kInk));
  painter.drawText(mastLabel, Qt::AlignLeft | Qt::AlignTop, mastWord);
  painter.setBrush(Qt::NoBrush);
}

void drawFeedCorner(QPainter& painter, const Frame& frame, const Plan& plan, const QRectF& area) {
  const Assembly& assembly = plan.assembly(plan.unit);
  double tube = 0, leg = 0;
  for (const Piece& piece : assembly.pieces) {
    if (piece.box == SizeOf(1).horizontal) tube = piece.length;
    if (piece.box == SizeOf(1).vertical) leg = piece.length;
  }
  label(painter, frame, {area.x(), area.y(), area.width(), kTitleRoom}, Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("The feed, seen from the reflector"), true);
  const QRectF room(area.x() + 10, area.y() + kTitleRoom + 14, area.width() * kElementShare,
                    area.height() * kElementHeightShare);
  const double scale = std::min(room.width() / tube, room.height() / leg);
  const double x0 = room.x(), x1 = room.x() + tube * scale, top = room.y(), foot = top + leg * scale;

  // The element: an upside-down U, the boom end-on at its middle.
  painter.setPen(frame.pen(kInk, kTubeWidth));
  painter.setBrush(Qt::NoBrush);
  QPainterPath element(frame.point(x0, foot));
  element.lineTo(frame.point(x0, top));
  element.lineTo(frame.point(x1 - kInsulatorSize, top));
  painter.drawPath(element);
  painter.drawLine(frame.point(x1, top + kInsulatorSize), frame.point(x1, foot));
  painter.setPen(frame.pen(kInk, kHairline));
  painter.setBrush(QColor(kBoomFill));
  const double middle = (x0 + x1) / 2;
  painter.drawRect(QRectF(frame.point(middle - 3, top), frame.point(middle + 3, top + 6)));
  // The insulator joins the tube to the leg at the fed corner.
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(frame.point(x1 - kInsulatorSize, top - kInsulatorSize / 2),
                          frame.point(x1 + kInsulatorSize / 2, top + kInsulatorSize)));
  label(painter, frame, {x0 - 10, top - 13, x1 - x0 + 20, kLabelHeight}, Qt::AlignRight | Qt::AlignTop,
        QStringLiteral("fed corner, with the insulator"));
  label(painter, frame, {middle - 20, top + 7, 40, kLabelHeight}, Qt::AlignHCenter | Qt::AlignTop,
        QStringLiteral("boom"));
  label(painter, frame, {x0 - 10, foot + 2, 40, kLabelHeight}, Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("left"));
  label(painter, frame, {x1 - 30, foot + 2, 40, kLabelHeight}, Qt::AlignRight | Qt::AlignTop,
        QStringLiteral("right"));

  // The coax leaves the corner outwards and droops away, then its choke.
  const double chokeX = x1 + 22, chokeTop = foot + 4;
  painter.setPen(frame.pen(kCoaxColour, kTubeWidth));
  painter.setBrush(Qt::NoBrush);
  QPainterPath coax(frame.point(x1 + kInsulatorSize / 2, top + 1));
  coax.cubicTo(frame.point(x1 + 20, top + 6), frame.point(chokeX, top + 20), frame.point(chokeX, chokeTop));
  painter.drawPath(coax);
  for (int turn = 0; turn < kChokeTurns; ++turn) {
    const double y = chokeTop + turn * kTurnHeight;
    painter.drawEllipse(QRectF(frame.point(chokeX - kChokeWidth / 2, y),
                               frame.point(chokeX + kChokeWidth / 2, y + 2 * kTurnHeight)));
  }
  const double chokeEnd = chokeTop + (kChokeTurns + 1) * kTurnHeight;
  QPainterPath on(frame.point(chokeX, chokeEnd));
  on.cubicTo(frame.point(chokeX, chokeEnd + 10), frame.point(chokeX - 20, chokeEnd + 14),
             frame.point(chokeX - 40, chokeEnd + 14));
  painter.drawPath(on);

  label(painter, frame, {chokeX + 4, top + 6, 40, kLabelHeight}, Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("coax"));
  label(painter, frame, {chokeX + kChokeWidth / 2 + 3, chokeTop + kTurnHeight, 40, kLabelHeight},
        Qt::AlignLeft | Qt::AlignTop, QStringLiteral("choke"));

  const double notesTop = std::max(foot + kLabelHeight, chokeEnd + 14) + 4;
  label(painter, frame, {area.x(), notesTop, area.width(), area.bottom() - notesTop},
        Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("Seen from the reflector towards the directors, the fed corner is on the right: on "
                       "the main window's drawing it is the driven element's left corner. Let the coax droop "
                       "away from the corner and the tube. Choke: 6 turns of the coax on a 6 in (15 cm) "
                       "form, on 2 m."));
}

}  // namespace quill::ui::plan
