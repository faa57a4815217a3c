#include "ui/main/plan.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

#include "calc/format.h"
#include "calc/necmodel.h"
#include "calc/results.h"
#include "io/program.h"
#include "io/savefile.h"

namespace quill::ui {
namespace {

constexpr double kMarginMillimetres = 15;

std::optional<RunTimeError> calculate(float frequencyMHz, Unit unit, int elements, double allowance,
                                      double boomEnd, const std::string& separator,
                                      std::array<QString, kResultBoxCount>& texts, BoxValues& values,
                                      Assembly& assembly, Boom& boom) {
  DesignValues scratch;
  const Calculation calculation = CalculateFrequency(scratch, frequencyMHz, unit);
  if (calculation.error) return calculation.error;
  const BoxTexts shown = FormatResults(calculation, separator);
  for (std::size_t box = 0; box < kResultBoxCount; ++box) texts[box] = QString::fromStdString(shown[box]);
  values = ValuesOf(calculation);
  assembly = Assemble(values, elements, allowance);
  boom = PlanBoom(assembly, boomEnd);
  return std::nullopt;
}

}  // namespace

QString PlanFileName(float frequencyMHz, int elements, Unit unit) {
  return QStringLiteral("quillbeam-%1-MHz-%2-el-%3.pdf")
      .arg(QString::number(frequencyMHz))
      .arg(elements)
      .arg(QString::fromLatin1(UnitSymbol(unit).data()));
}

std::optional<PlanFailure> MakePlan(float frequencyMHz, Unit unit, const PlanChoice& choice,
                                    const QLocale& locale, Plan& out) {
  const std::string separator = locale.decimalPoint().toStdString();
  out.allowance = choice.allowance.value_or(DefaultAllowance(unit));
  // One boom end and one allowance, each in the plan's unit, in both columns.
  const EndAllowance boomEnd{BoomEnd(unit), unit};
  for (const Unit each : {Unit::Inches, Unit::Centimetres}) {
    const bool inches = each == Unit::Inches;
    if (auto error = calculate(
            frequencyMHz, each, choice.elements, out.allowance.in(each), boomEnd.in(each), separator,
            inches ? out.inches : out.centimetres, inches ? out.inchValues : out.centimetreValues,
            inches ? out.inchAssembly : out.centimetreAssembly, inches ? out.inchBoom : out.centimetreBoom))
      return PlanFailure{error, {}};
  }
  if (const std::string refusal = FrequencyRefusal(frequencyMHz); !refusal.empty())
    return PlanFailure{std::nullopt, QString::fromStdString(refusal)};
  out.tubeDiameterMm = choice.tubeDiameterMm.value_or(nec::DefaultTubeDiameterMm(frequencyMHz));
  out.unit = unit;
  out.decimalSeparator = locale.decimalPoint();
  out.frequency = QString::fromStdString(FormatDimension(frequencyMHz, separator));
  out.title = QStringLiteral("Quillbeam for %1 MHz, %2 elements, in %3")
                  .arg(out.frequency)
                  .arg(out.elements())
                  .arg(QString::fromLatin1(UnitWord(unit).data()));
  out.byline =
      QStringLiteral("%1, %2").arg(io::ProgramAndVersion(), QDate::currentDate().toString(Qt::ISODate));
  return std::nullopt;
}

QMarginsF PlanMargins() {
  return {kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres};
}

QPageSize LocalePageSize(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

QByteArray PlanPdf(const Plan& plan, const QLocale& locale) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(plan.title);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageSize(LocalePageSize(locale));
    writer.setPageMargins(PlanMargins(), QPageLayout::Millimeter);
    PaintPlan(writer, plan);
  }  // the PDF is complete when the writer's painter has ended
  return pdf;
}

QString WritePlanPdf(const Plan& plan, const QString& path, const QLocale& locale) {
  return io::SaveFile(path, PlanPdf(plan, locale));
}

}  // namespace quill::ui
