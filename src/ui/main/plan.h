#pragma once

// The plan: one page to take to the workshop, with the drawing, the fourteen
// values at their boxes' places, a cut list with the pieces to cut and the
// boom's marks for the chosen number of elements, every value in inches and
// centimetres with the tape measure's readings beside it. Painted as vectors
// and text on any paged device: a printer, or a PDF.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "calc/build.h"
#include "calc/design.h"
#include "calc/elements.h"
#include "calc/workshop.h"

class QLocale;
class QMarginsF;
class QPageSize;
class QPagedPaintDevice;

namespace quill::ui {

struct Plan {
  QString title;   // "Quillbeam for 146 MHz, 5 elements"
  QString byline;  // the program, its version and the date (ISO 8601)
  QString frequency;
  QString decimalSeparator;  // the locale's, in every number
  Unit unit = Unit::Inches;  // the user's: on the drawing, first in the cut list
  // Each dimension as a box would show it, indexed by ResultBox.
  std::array<QString, kResultBoxCount> inches, centimetres;
  // The stored values behind them, for the tape readings.
  BoxValues inchValues{}, centimetreValues{};
  // The antenna of the chosen number of elements, in each unit.
  Assembly inchAssembly, centimetreAssembly;
  Boom inchBoom, centimetreBoom;
  double tubeDiameterMm = 0;  // what the plan is made for
  EndAllowance allowance;

  const std::array<QString, kResultBoxCount>& in(Unit which) const {
    return which == Unit::Inches ? inches : centimetres;
  }
  const BoxValues& values(Unit which) const { return which == Unit::Inches ? inchValues : centimetreValues; }
  const Assembly& assembly(Unit which) const {
    return which == Unit::Inches ? inchAssembly : centimetreAssembly;
  }
  const Boom& boom(Unit which) const { return which == Unit::Inches ? inchBoom : centimetreBoom; }
  int elements() const { return inchAssembly.elements; }
};

// What the builder chooses for a plan: without a diameter, the model's
// default for the frequency; without an allowance, the unit's default.
struct PlanChoice {
  int elements = kFewestElements;
  std::optional<double> tubeDiameterMm;
  std::optional<EndAllowance> allowance;
};

// Why no plan was made: the run-time error of either unit, or a frequency
// no antenna is built for (FrequencyRefusal's sentence).
struct PlanFailure {
  std::optional<RunTimeError> error;
  QString refusal;
};

// "quillbeam-146-MHz-5-el-in.pdf"
QString PlanFileName(float frequencyMHz, int elements, Unit unit);

// Works out the plan for `frequencyMHz` and `elements` in both units, each
// on a scratch record (the application's record of the last calculation is
// left alone), with `locale`'s decimal separator. The date is written as
// ISO 8601 whatever the locale, since the headings are English.
std::optional<PlanFailure> MakePlan(float frequencyMHz, Unit unit, const PlanChoice& choice,
                                    const QLocale& locale, Plan& out);

// Room left around the plan, in millimetres: most printers cannot print
// closer to the edge anyway.
QMarginsF PlanMargins();

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize LocalePageSize(const QLocale& locale);

// Paints the plan on the current page of `device`, scaled to fit its
// paintable area and centred across it.
void PaintPlan(QPagedPaintDevice& device, const Plan& plan);

// The plan as a one-page PDF in `locale`'s paper size.
QByteArray PlanPdf(const Plan& plan, const QLocale& locale);

// Writes PlanPdf() to `path` through io::SaveFile (io/savefile.h): made whole in
// memory first, so a regular file is replaced only by a complete plan, and
// "-", a FIFO or a device get it as Unix tools write them. Returns what went
// wrong, or an empty text.
QString WritePlanPdf(const Plan& plan, const QString& path, const QLocale& locale);

}  // namespace quill::ui
