#include "ui/main/plan.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "calc/format.h"

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
  for (const BoxWrite& write : calculation) {
    texts[static_cast<std::size_t>(write.box)] =
        QString::fromStdString(FormatDimension(write.value, separator));
  }
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
  out.byline = QStringLiteral("%1 %2, %3")
                   .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                        QDate::currentDate().toString(Qt::ISODate));
  return std::nullopt;
}

QMarginsF PlanMargins() {
  return {kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres};
}

QPageSize LocalePageSize(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

QString WritePlanPdf(const Plan& plan, const QString& path, const QLocale& locale) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter writer(&file);
    writer.setTitle(plan.title);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageSize(LocalePageSize(locale));
    writer.setPageMargins(PlanMargins(), QPageLayout::Millimeter);
    PaintPlan(writer, plan);
  }  // the PDF is complete when the writer's painter has ended
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace quill::ui
