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

std::optional<RunTimeError> calculate(float frequencyMHz, Unit unit, const std::string& separator,
                                      std::array<QString, kResultBoxCount>& texts) {
  DesignValues scratch;
  const Calculation calculation = CalculateFrequency(scratch, frequencyMHz, unit);
  if (calculation.error) return calculation.error;
  for (const BoxWrite& write : calculation) {
    texts[static_cast<std::size_t>(write.box)] =
        QString::fromStdString(FormatDimension(write.value, separator));
  }
  return std::nullopt;
}

}  // namespace

std::optional<RunTimeError> MakePlan(float frequencyMHz, Unit unit, const QLocale& locale, Plan& out) {
  const std::string separator = locale.decimalPoint().toStdString();
  if (auto error = calculate(frequencyMHz, Unit::Inches, separator, out.inches)) return error;
  if (auto error = calculate(frequencyMHz, Unit::Centimetres, separator, out.centimetres)) return error;
  out.unit = unit;
  out.decimalSeparator = locale.decimalPoint();
  out.frequency = QString::fromStdString(FormatDimension(frequencyMHz, separator));
  out.title = QStringLiteral("Quillbeam for %1 MHz").arg(out.frequency);
  out.byline = QStringLiteral("%1 %2, %3")
                   .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                        locale.toString(QDate::currentDate(), QLocale::LongFormat));
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
