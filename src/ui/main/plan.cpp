#include "ui/main/plan.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

#include "calc/format.h"
#include "io/program.h"
#include "io/savefile.h"

namespace quill::ui {
namespace {

constexpr double kMarginMillimetres = 15;

std::optional<RunTimeError> calculate(float frequencyMHz, Unit unit, int elements,
                                      const std::string& separator,
                                      std::array<QString, kResultBoxCount>& texts, BoxValues& values,
                                      Assembly& assembly) {
  DesignValues scratch;
  const Calculation calculation = CalculateFrequency(scratch, frequencyMHz, unit);
  if (calculation.error) return calculation.error;
  const BoxTexts shown = FormatResults(calculation, separator);
  for (std::size_t box = 0; box < kResultBoxCount; ++box) texts[box] = QString::fromStdString(shown[box]);
  values = ValuesOf(calculation);
  assembly = Assemble(values, elements);
  return std::nullopt;
}

}  // namespace

std::optional<RunTimeError> MakePlan(float frequencyMHz, Unit unit, int elements, const QLocale& locale,
                                     Plan& out) {
  const std::string separator = locale.decimalPoint().toStdString();
  if (auto error = calculate(frequencyMHz, Unit::Inches, elements, separator, out.inches, out.inchValues,
                             out.inchAssembly))
    return error;
  if (auto error = calculate(frequencyMHz, Unit::Centimetres, elements, separator, out.centimetres,
                             out.centimetreValues, out.centimetreAssembly))
    return error;
  out.unit = unit;
  out.decimalSeparator = locale.decimalPoint();
  out.frequency = QString::fromStdString(FormatDimension(frequencyMHz, separator));
  out.title = QStringLiteral("Quillbeam for %1 MHz, %2 elements").arg(out.frequency).arg(out.elements());
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
