// What to buy for the plan, and the notes that say what its numbers mean
// in the workshop.
#include <QLocale>
#include <QPainter>

#include "calc/workshop.h"
#include "ui/main/plan_paint.h"

namespace quill::ui::plan {
namespace {

// Three columns: what, its cut length in all, the stock to buy.
constexpr double kCutPoint = 88;
constexpr double kBuyLeft = 120;
constexpr double kGap = 8;
constexpr double kNoteSize = 7.5;

QString unitSymbol(Unit unit) { return unit == Unit::Inches ? QStringLiteral("in") : QStringLiteral("cm"); }

// "2 x 8 ft", then a line for each piece longer than every stock length.
QStringList stockLines(const Purchase& purchase, const Plan& plan) {
  QStringList parts;
  for (const auto& [stock, count] : purchase.lengths)
    parts << QStringLiteral("%1 \u00d7 %2").arg(count).arg(QString::fromStdString(stock.name));
  QStringList lines;
  if (!parts.isEmpty()) lines << parts.join(QStringLiteral(", "));
  for (const double piece : purchase.longer)
    lines << QStringLiteral("1 \u00d7 %1 %2").arg(sum(piece, plan), unitSymbol(plan.unit));
  return lines;
}

}  // namespace

void drawBuying(QPainter& painter, const Frame& frame, const Plan& plan, double left, double top) {
  const double right = kAreaWidth;
  top = drawHeading(painter, frame, left, top, right - left, QStringLiteral("To buy"));
  painter.setFont(frame.font(kTextSize, true));
  const Row heads{frame, top, left, right};
  heads.centred(painter, left + kCutPoint, 2 * (kBuyLeft - kCutPoint) - 4,
                QStringLiteral("Cut, %1").arg(unitSymbol(plan.unit)));
  heads.after(painter, left + kBuyLeft, QStringLiteral("Stock"));
  Row{frame, top + kRowHeight, left, right}.rule(painter);
  top += kRowHeight;
  painter.setFont(frame.font(kTextSize));

  const Assembly& assembly = plan.assembly(plan.unit);
  const Boom& boom = plan.boom(plan.unit);
  std::size_t line = 0;
  const auto drawLine = [&](const QString& what, double cut, const QStringList& buy) {
    for (qsizetype i = 0; i < std::max<qsizetype>(1, buy.size()); ++i) {
      const Row row{frame, top, left, right};
      if (line % 2) row.stripe(painter);
      if (i == 0) {
        row.after(painter, left + kNameLeft, what);
        if (cut > 0) {
          const QString text = sum(cut, plan);
          const qsizetype point = text.indexOf(plan.decimalSeparator);
          row.before(painter, left + kCutPoint, point < 0 ? text : text.left(point));
          if (point >= 0) row.after(painter, left + kCutPoint, text.mid(point));
        }
      }
      if (i < buy.size()) row.after(painter, left + kBuyLeft, buy[i]);
      top += kRowHeight;
    }
    ++line;
  };
  const QString diameter = QLocale().toString(plan.tubeDiameterMm, 'g', 3);
  drawLine(QStringLiteral("Tube, %1 mm").arg(diameter), assembly.tubeTotal,
           stockLines(BuyStock(CutLengths(assembly, false), plan.unit), plan));
  drawLine(QStringLiteral("Legs"), assembly.legTotal,
           stockLines(BuyStock(CutLengths(assembly, true), plan.unit), plan));
  drawLine(QStringLiteral("Boom"), boom.cut, stockLines(BuyStock({boom.cut}, plan.unit), plan));
  const Hardware hardware = HardwareFor(assembly.elements);
  drawLine(QStringLiteral("Bolts"), 0, {QString::number(hardware.bolts)});
  drawLine(QStringLiteral("Insulator"), 0, {QString::number(hardware.insulators)});
  drawLine(QStringLiteral("Boom clamps"), 0, {QString::number(hardware.clamps)});
  Row{frame, top, left, right}.rule(painter);

  const QString allowance =
      sum(plan.allowance.value, plan) + QLatin1Char(' ') + unitSymbol(plan.allowance.unit);
  const QString boomEnd = sum(boom.end, plan) + QLatin1Char(' ') + unitSymbol(plan.unit);
  painter.setFont(frame.font(kNoteSize));
  painter.drawText(
      frame.rect(left, top + kGap, right - left, kAreaHeight - top - kGap),
      Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
      QStringLiteral("The designed lengths and spacings run bolt centre to bolt centre. Each tube is cut "
                     "%1 longer at each end, the allowance past the bolt; each leg %1 longer at its top, "
                     "and its free end is its length from the bolt.\n"
                     "The boom is cut %2 longer at each end for the clamps; its marks are from its "
                     "reflector end. The mast point is where tubes, legs and boom of one material "
                     "balance.\n"
                     "Stock lengths hold the cut lengths end to end, leaving out the saw kerf; a piece "
                     "longer than any is given by its length, to buy as it is or join. Bolts: "
                     "one at each corner, and one more where the insulator joins the fed corner. The "
                     "legs may be smaller tube or solid rod.\n"
                     "Tape readings are rounded to the nearest 1/16 inch or millimetre.")
          .arg(allowance, boomEnd));
}

}  // namespace quill::ui::plan
