// The plan's tables: the pieces to cut, bolt centre to bolt centre and as
// sawn, in both units with a tape measure's reading beside each value; the
// boom's marks from its own end with the mast point; the holes in the tubes.
#include <QPainter>

#include "calc/build.h"
#include "calc/format.h"
#include "ui/main/plan_paint.h"

namespace quill::ui::plan {
namespace {

constexpr QRgb kStripeColour = qRgb(236, 236, 236);
constexpr QRgb kRuleColour = qRgb(0, 0, 0);
constexpr double kFractionGap = 2;

// The cut list: the piece's name, how many, then four blocks: bolt centre
// to bolt centre and cut, each in the user's unit and the other.
constexpr double kCountCentre = 88;
constexpr double kCountWidth = 32;
constexpr double kCutBlocks = 104;
constexpr UnitBlock kWide{27, 78, 101.5};

// The boom's table: the element, the spacing in front of it, then its mark
// from the boom's end in both units.
constexpr double kSpacingPoint = 88;
constexpr double kMarkBlocks = 112;
constexpr UnitBlock kNarrow{26, 70, 94, true};
// The holes: three positions along a tube, as the user's tape reads them.
constexpr double kHoleBlocks = 90;
constexpr double kHoleWidth = 70;
constexpr double kHoleTapeEnd = 40;
constexpr double kGap = 8;

QString unitHeading(Unit unit, bool shortHeads) {
  if (shortHeads) return unit == Unit::Inches ? QStringLiteral("in") : QStringLiteral("cm");
  return unit == Unit::Inches ? QStringLiteral("Inches") : QStringLiteral("Centimetres");
}
QString tapeHeading(Unit unit) {
  return unit == Unit::Inches ? QStringLiteral("Tape") : QStringLiteral("Tape, mm");
}
QString tapeReading(Unit unit, double value) {
  return QString::fromStdString(unit == Unit::Inches ? TapeInches(value) : TapeMillimetres(value));
}

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

// The heads of a table's columns, in bold, and the rule under them;
// returns the first row.
double headsDone(QPainter& painter, const Frame& frame, double left, double right, double top) {
  const Row next{frame, top + kRowHeight, left, right};
  next.rule(painter);
  painter.setFont(frame.font(kTextSize));
  painter.setPen(Qt::black);
  return next.top;
}

}  // namespace

void Row::before(QPainter& painter, double x, const QString& text) const {
  painter.drawText(cell(left, x - left), Qt::AlignRight | Qt::AlignVCenter, text);
}
void Row::after(QPainter& painter, double x, const QString& text) const {
  painter.drawText(cell(x, right - x), Qt::AlignLeft | Qt::AlignVCenter, text);
}
void Row::centred(QPainter& painter, double x, double width, const QString& text) const {
  painter.drawText(cell(x - width / 2, width), Qt::AlignHCenter | Qt::AlignVCenter, text);
}
void Row::stripe(QPainter& painter) const {
  painter.fillRect(cell(left, right - left), QColor(kStripeColour));
}
void Row::rule(QPainter& painter) const {
  painter.setPen(frame.pen(kRuleColour, kHairline));
  painter.drawLine(frame.point(left, top), frame.point(right, top));
  painter.setPen(Qt::black);
}

Unit otherUnit(Unit unit) { return unit == Unit::Inches ? Unit::Centimetres : Unit::Inches; }

QString sum(double value, const Plan& plan) {
  return QString::fromStdString(FormatSignificant(value, plan.decimalSeparator.toStdString()));
}

void drawTape(QPainter& painter, const Row& row, double end, Unit unit, double value) {
  const QString tape = tapeReading(unit, value);
  const QString whole = tapeWhole(tape);
  row.before(painter, end, whole);
  const QString fraction = tape.mid(whole.size()).trimmed();
  if (!fraction.isEmpty()) row.after(painter, end + kFractionGap, fraction);
}

void drawValue(QPainter& painter, const Row& row, double left, const UnitBlock& block, Unit unit,
               const QString& exact, double value, const QString& separator) {
  const QString whole = tapeWhole(tapeReading(unit, value));
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double tapeStart =
      row.frame.point(left + block.tapeEnd - 2 * kFractionGap, 0).x() - metrics.horizontalAdvance(whole);
  drawExact(painter, row, left + block.point, tapeStart, exact, separator);
  drawTape(painter, row, left + block.tapeEnd, unit, value);
}

void drawUnitHeads(QPainter& painter, const Row& row, double left, const UnitBlock& block, Unit unit) {
  row.centred(painter, left + block.point, 2 * block.point, unitHeading(unit, block.shortHeads));
  row.centred(painter, left + block.tapeEnd, 2 * (block.width - block.tapeEnd), tapeHeading(unit));
}

double drawHeading(QPainter& painter, const Frame& frame, double left, double top, double width,
                   const QString& heading) {
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kHeadingSize, true));
  painter.drawText(frame.rect(left, top, width, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
  return top + kHeadingHeight;
}

// Every piece: how many, its length bolt centre to bolt centre and its cut
// length, each in the user's unit and then in the other; one sheet serves
// either tape measure.
double drawCutList(QPainter& painter, const Frame& frame, const Plan& plan, double top) {
  const double right = kCutBlocks + 4 * kWide.width;
  top = drawHeading(painter, frame, 0, top, right, QStringLiteral("Pieces to cut"));
  const Unit units[] = {plan.unit, otherUnit(plan.unit)};
  painter.setFont(frame.font(kTextSize, true));
  const Row groups{frame, top, 0, right};
  groups.centred(painter, kCutBlocks + kWide.width, 2 * kWide.width,
                 QStringLiteral("Bolt centre to bolt centre"));
  groups.centred(painter, kCutBlocks + 3 * kWide.width, 2 * kWide.width, QStringLiteral("Cut"));
  const Row heads{frame, top + kRowHeight, 0, right};
  heads.after(painter, kNameLeft, QStringLiteral("Piece"));
  heads.centred(painter, kCountCentre, kCountWidth, QStringLiteral("Pieces"));
  for (int b = 0; b < 4; ++b)
    drawUnitHeads(painter, heads, kCutBlocks + b * kWide.width, kWide, units[b % 2]);
  top = headsDone(painter, frame, 0, right, heads.top);

  const Assembly& mine = plan.assembly(units[0]);
  const Assembly& others = plan.assembly(units[1]);
  for (std::size_t i = 0; i < mine.pieces.size(); ++i, top += kRowHeight) {
    const Row row{frame, top, 0, right};
    if (i % 2) row.stripe(painter);
    const Piece& piece = mine.pieces[i];
    const Piece& other = others.pieces[i];
    row.after(painter, kNameLeft, QString::fromStdString(piece.name));
    row.centred(painter, kCountCentre, kCountWidth, QString::number(piece.count));
    const auto b = std::size_t(piece.box);
    const QString exact[] = {plan.in(units[0])[b], plan.in(units[1])[b], sum(piece.cut, plan),
                             sum(other.cut, plan)};
    const double values[] = {piece.length, other.length, piece.cut, other.cut};
    for (int c = 0; c < 4; ++c) {
      drawValue(painter, row, kCutBlocks + c * kWide.width, kWide, units[c % 2], exact[c], values[c],
                plan.decimalSeparator);
    }
  }
  Row{frame, top, 0, right}.rule(painter);
  return top;
}

// Where each element goes, measured from the reflector's end of the boom,
// the boom's cut length and the mast point; then where to drill the tubes.
double drawBoomAndHoles(QPainter& painter, const Frame& frame, const Plan& plan, double left, double top) {
  const double right = left + kMarkBlocks + 2 * kNarrow.width;
  const Unit units[] = {plan.unit, otherUnit(plan.unit)};
  const Boom& mine = plan.boom(units[0]);
  const Boom& others = plan.boom(units[1]);
  top =
      drawHeading(painter, frame, left, top, right - left, QStringLiteral("Boom marks from the boom's end"));
  painter.setFont(frame.font(kTextSize, true));
  const Row heads{frame, top, left, right};
  heads.after(painter, left + kNameLeft, QStringLiteral("Element"));
  heads.centred(painter, left + kSpacingPoint, 2 * (kMarkBlocks - kSpacingPoint), QStringLiteral("Spacing"));
  for (int u = 0; u < 2; ++u)
    drawUnitHeads(painter, heads, left + kMarkBlocks + u * kNarrow.width, kNarrow, units[u]);
  top = headsDone(painter, frame, left, right, top);

  std::size_t line = 0;
  const auto drawLine = [&](const QString& name, const QString& spacing, double value, double other) {
    const Row row{frame, top, left, right};
    if (line++ % 2) row.stripe(painter);
    row.after(painter, left + kNameLeft, name);
    if (!spacing.isEmpty()) {
      const qsizetype point = spacing.indexOf(plan.decimalSeparator);
      row.before(painter, left + kSpacingPoint, point < 0 ? spacing : spacing.left(point));
      if (point >= 0) row.after(painter, left + kSpacingPoint, spacing.mid(point));
    }
    for (int u = 0; u < 2; ++u) {
      drawValue(painter, row, left + kMarkBlocks + u * kNarrow.width, kNarrow, units[u],
                sum(u ? other : value, plan), u ? other : value, plan.decimalSeparator);
    }
    top += kRowHeight;
  };
  const Assembly& assembly = plan.assembly(units[0]);
  for (std::size_t i = 0; i < mine.marks.size(); ++i) {
    const QString spacing = i ? plan.in(units[0])[std::size_t(SizeOf(int(i)).spacing)] : QString();
    drawLine(QString::fromStdString(assembly.boom[i].name), spacing, mine.marks[i], others.marks[i]);
  }
  Row{frame, top, left, right}.rule(painter);
  line = 0;  // a stripe would cover the rule above it
  drawLine(QStringLiteral("Boom, cut"), QString(), mine.cut, others.cut);
  drawLine(QStringLiteral("Mast point"), QString(), mine.mastPoint, others.mastPoint);
  Row{frame, top, left, right}.rule(painter);

  // Holes, from one end of each cut tube: a bolt hole, the centre where it
  // is fixed to the boom, the other bolt hole.
  top = drawHeading(painter, frame, left, top + kGap, right - left,
                    units[0] == Unit::Inches
                        ? QStringLiteral("Holes in the tubes, from one end (tape, 1/16 in)")
                        : QStringLiteral("Holes in the tubes, from one end (tape, mm)"));
  painter.setFont(frame.font(kTextSize, true));
  const Row holeHeads{frame, top, left, right};
  holeHeads.after(painter, left + kNameLeft, QStringLiteral("Tube"));
  const QString columns[] = {QStringLiteral("Bolt hole"), QStringLiteral("Centre"),
                             QStringLiteral("Bolt hole")};
  for (int c = 0; c < 3; ++c)
    holeHeads.centred(painter, left + kHoleBlocks + c * kHoleWidth + kHoleTapeEnd, kHoleWidth, columns[c]);
  top = headsDone(painter, frame, left, right, top);
  line = 0;
  for (const Piece& piece : assembly.pieces) {
    if (piece.leg) continue;
    const Row row{frame, top, left, right};
    if (line++ % 2) row.stripe(painter);
    row.after(painter, left + kNameLeft, QString::fromStdString(piece.name));
    const double at[] = {assembly.allowance, piece.cut / 2, piece.cut - assembly.allowance};
    for (int c = 0; c < 3; ++c)
      drawTape(painter, row, left + kHoleBlocks + c * kHoleWidth + kHoleTapeEnd, units[0], at[c]);
    top += kRowHeight;
  }
  Row{frame, top, left, right}.rule(painter);
  return top;
}

}  // namespace quill::ui::plan
