// The plan's tables: the cut list of the fourteen values with the pieces to
// cut, and the boom's marks with the stock to buy, each value exact in both
// units with a tape measure's reading beside it.
#include <QPainter>

#include "calc/build.h"
#include "calc/format.h"
#include "ui/main/dimension_names.h"
#include "ui/main/plan_paint.h"

namespace quill::ui::plan {
namespace {

constexpr double kHeadingSize = 11;
constexpr double kHeadingHeight = 16;
constexpr double kRowHeight = 11.5;
constexpr double kTextSize = 8.5;
constexpr double kNameLeft = 4;
constexpr QRgb kStripeColour = qRgb(236, 236, 236);
constexpr QRgb kRuleColour = qRgb(0, 0, 0);
constexpr double kTablesGap = 8;

// A unit's columns: the exact value, with its decimal separator this far
// in, so that digits of the same place stand above each other; then the
// tape reading, its whole inches or millimetres ending this far in (a
// fraction follows after a space).
constexpr double kExactPoint = 42;
constexpr double kTapeEnd = 92;
constexpr double kFractionGap = 2;
constexpr double kUnitWidth = 125;

// The cut list: names, the number of pieces, then the user's unit and the
// other one.
constexpr double kCountCentre = 232;
constexpr double kCutUnits = 252;
// The spacings follow the ten element lengths, under a rule of their own.
constexpr std::size_t kElementRows = 10;

// The boom's table is narrower; the notes stand beside it.
constexpr double kBoomUnits = 84;
constexpr double kNotesLeft = kBoomUnits + 2 * kUnitWidth + 10;

Unit otherUnit(Unit unit) { return unit == Unit::Inches ? Unit::Centimetres : Unit::Inches; }

QString unitHeading(Unit unit) {
  return unit == Unit::Inches ? QStringLiteral("Inches") : QStringLiteral("Centimetres");
}
QString tapeHeading(Unit unit) {
  return unit == Unit::Inches ? QStringLiteral("Tape, 1/16") : QStringLiteral("Tape, mm");
}
QString tapeReading(Unit unit, double value) {
  return QString::fromStdString(unit == Unit::Inches ? TapeInches(value) : TapeMillimetres(value));
}

// One line of a table, `left` to `right` in points, from `top`.
struct Row {
  const Frame& frame;
  double top;
  double left;
  double right;

  QRectF cell(double x, double width) const { return frame.rect(x, top, width, kRowHeight); }
  // `text` ending at `x`, or starting there.
  void before(QPainter& painter, double x, const QString& text) const {
    painter.drawText(cell(left, x - left), Qt::AlignRight | Qt::AlignVCenter, text);
  }
  void after(QPainter& painter, double x, const QString& text) const {
    painter.drawText(cell(x, right - x), Qt::AlignLeft | Qt::AlignVCenter, text);
  }
  void centred(QPainter& painter, double x, double width, const QString& text) const {
    painter.drawText(cell(x - width / 2, width), Qt::AlignHCenter | Qt::AlignVCenter, text);
  }
  void stripe(QPainter& painter) const { painter.fillRect(cell(left, right - left), QColor(kStripeColour)); }
  void rule(QPainter& painter) const {
    painter.setPen(frame.pen(kRuleColour, kHairline));
    painter.drawLine(frame.point(left, top), frame.point(right, top));
  }
};

// The whole inches or millimetres of a tape reading: what stands before
// its column's end.
QString tapeWhole(const QString& text) {
  const qsizetype space = text.indexOf(QLatin1Char(' '));
  if (space < 0) return text.contains(QLatin1Char('/')) ? QString() : text;
  return text.left(space);
}

// An exact value with its decimal separator (else its exponent) at `x`,
// set smaller where its digits would run into what starts at `limit`
// (device units): a long exponent form beside its tape reading.
void drawExact(QPainter& painter, const Row& row, double x, double limit, const QString& text,
               const QString& separator) {
  qsizetype split = text.indexOf(separator);
  if (split < 0) split = text.indexOf(QLatin1Char('E'));
  if (split < 0) split = text.size();
  const QFont font = painter.font();
  const double room = limit - row.frame.point(x, 0).x();
  const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text.mid(split));
  if (width > room && room > 0) {
    QFont smaller = font;
    smaller.setPointSizeF(font.pointSizeF() * room / width);
    painter.setFont(smaller);
  }
  row.before(painter, x, text.left(split));
  row.after(painter, x, text.mid(split));
  painter.setFont(font);
}

// A tape reading: whole inches or millimetres ending at `x`, a fraction of
// an inch after them.
void drawTape(QPainter& painter, const Row& row, double x, const QString& text) {
  const QString whole = tapeWhole(text);
  row.before(painter, x, whole);
  const QString fraction = text.mid(whole.size()).trimmed();
  if (!fraction.isEmpty()) row.after(painter, x + kFractionGap, fraction);
}

// One value in both units: each exact, with its tape reading.
void drawBothUnits(QPainter& painter, const Row& row, double unitsLeft, const Plan& plan,
                   const std::array<QString, 2>& exact, const std::array<double, 2>& values) {
  const Unit units[] = {plan.unit, otherUnit(plan.unit)};
  const QFontMetricsF metrics(painter.font(), painter.device());
  for (int u = 0; u < 2; ++u) {
    const double left = unitsLeft + u * kUnitWidth;
    const QString tape = tapeReading(units[u], values[u]);
    const double tapeStart = row.frame.point(left + kTapeEnd - 2 * kFractionGap, 0).x() -
                             metrics.horizontalAdvance(tapeWhole(tape));
    drawExact(painter, row, left + kExactPoint, tapeStart, exact[u], plan.decimalSeparator);
    drawTape(painter, row, left + kTapeEnd, tape);
  }
}

// The heading above a table, and its column heads; returns the first row.
double drawHeads(QPainter& painter, const Frame& frame, const Plan& plan, double top, double unitsLeft,
                 double right, const QString& heading, const QString& nameHead, const QString& countHead) {
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kHeadingSize, true));
  painter.drawText(frame.rect(0, top, right, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
  const Row row{frame, top + kHeadingHeight, 0, right};
  painter.setFont(frame.font(kTextSize, true));
  row.after(painter, kNameLeft, nameHead);
  if (!countHead.isEmpty()) row.centred(painter, kCountCentre, 2 * (kCutUnits - kCountCentre), countHead);
  const Unit units[] = {plan.unit, otherUnit(plan.unit)};
  for (int u = 0; u < 2; ++u) {
    const double left = unitsLeft + u * kUnitWidth;
    row.centred(painter, left + kExactPoint, 2 * kExactPoint, unitHeading(units[u]));
    row.centred(painter, left + kTapeEnd, 2 * (kUnitWidth - kTapeEnd), tapeHeading(units[u]));
  }
  const Row next{frame, row.top + kRowHeight, 0, right};
  next.rule(painter);
  painter.setFont(frame.font(kTextSize));
  return next.top;
}

// How many pieces the box's length is cut for, or a dash where the antenna
// has no element of that size.
QString pieceCount(const Assembly& assembly, ResultBox box) {
  for (const Piece& piece : assembly.pieces) {
    if (piece.box == box) return QString::number(piece.count);
  }
  return QStringLiteral("\u2014");
}

// Every dimension by name, the pieces to cut for it, in the user's unit
// and then in the other; one sheet serves either tape measure.
double drawCutList(QPainter& painter, const Frame& frame, const Plan& plan, double top) {
  const double right = kCutUnits + 2 * kUnitWidth;
  top = drawHeads(painter, frame, plan, top, kCutUnits, right,
                  QStringLiteral("Cut list for %1 MHz, %2 elements").arg(plan.frequency).arg(plan.elements()),
                  QStringLiteral("Dimension"), QStringLiteral("Pieces"));
  const DimensionNames& names = form1::dimensionNames();
  const Unit other = otherUnit(plan.unit);
  for (std::size_t i = 0; i < ListedDimensions().size(); ++i, top += kRowHeight) {
    const Row row{frame, top, 0, right};
    const ResultBox box = ListedDimensions()[i].box;
    const auto b = static_cast<std::size_t>(box);
    if (i % 2) row.stripe(painter);
    if (i == kElementRows) row.rule(painter);
    painter.setPen(Qt::black);
    row.after(painter, kNameLeft, QString::fromStdString(names[b]));
    if (i < kElementRows) row.centred(painter, kCountCentre, 30, pieceCount(plan.assembly(plan.unit), box));
    drawBothUnits(painter, row, kCutUnits, plan, {plan.in(plan.unit)[b], plan.in(other)[b]},
                  {plan.values(plan.unit)[b], plan.values(other)[b]});
  }
  Row{frame, top, 0, right}.rule(painter);
  return top;
}

QString sum(double value, const Plan& plan) {
  return QString::fromStdString(FormatSignificant(value, plan.decimalSeparator.toStdString()));
}

// Where each element goes, measured from the reflector, the boom's length
// and the stock in all.
double drawBoom(QPainter& painter, const Frame& frame, const Plan& plan, double top) {
  const double right = kBoomUnits + 2 * kUnitWidth;
  top = drawHeads(painter, frame, plan, top, kBoomUnits, right,
                  QStringLiteral("Boom marks from the reflector"), QStringLiteral("Element"), QString());
  const Assembly& mine = plan.assembly(plan.unit);
  const Assembly& others = plan.assembly(otherUnit(plan.unit));
  std::size_t line = 0;
  const auto drawLine = [&](const QString& name, double value, double otherValue) {
    const Row row{frame, top, 0, right};
    if (line++ % 2) row.stripe(painter);
    painter.setPen(Qt::black);
    row.after(painter, kNameLeft, name);
    drawBothUnits(painter, row, kBoomUnits, plan, {sum(value, plan), sum(otherValue, plan)},
                  {value, otherValue});
    top += kRowHeight;
  };
  for (std::size_t i = 0; i < mine.boom.size(); ++i)
    drawLine(QString::fromStdString(mine.boom[i].name), mine.boom[i].position, others.boom[i].position);
  Row{frame, top, 0, right}.rule(painter);
  drawLine(QStringLiteral("Boom length"), mine.boomLength, others.boomLength);
  Row{frame, top, 0, right}.rule(painter);
  // Every element is one tube and two legs.
  drawLine(QStringLiteral("Tube, %1 pieces").arg(mine.elements), mine.tubeTotal, others.tubeTotal);
  drawLine(QStringLiteral("Legs, %1 pieces").arg(2 * mine.elements), mine.legTotal, others.legTotal);
  Row{frame, top, 0, right}.rule(painter);
  return top;
}

// What the numbers mean in the workshop, beside the boom's table.
void drawNotes(QPainter& painter, const Frame& frame, double top) {
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kTextSize));
  painter.drawText(frame.rect(kNotesLeft, top, kAreaWidth - kNotesLeft, kAreaHeight - top),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QStringLiteral("Mark each element at its distance from the reflector. The boom length "
                                  "runs from the reflector to the last director: add the overhang at each "
                                  "end for mounting.\n\n"
                                  "Tube and legs are the stock to cut, end to end, without saw cuts. The "
                                  "legs may be smaller tube or solid rod.\n\n"
                                  "Tape readings are rounded to the nearest 1/16 inch or millimetre.\n\n"
                                  "All lengths and spacings are measured to the center of the bolt. "
                                  "Small overhangs are allowed."));
}

}  // namespace

double drawTables(QPainter& painter, const Frame& frame, const Plan& plan, double top) {
  top = drawCutList(painter, frame, plan, top) + kTablesGap;
  drawNotes(painter, frame, top + kHeadingHeight);
  return drawBoom(painter, frame, plan, top);
}

}  // namespace quill::ui::plan
