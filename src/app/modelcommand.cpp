#include "app/modelcommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/neccommand.h"
#include "app/version.h"
#include "calc/necreport.h"
#include "calc/tuningreport.h"
#include "io/localenumber.h"
#include "io/measurementfile.h"
#include "io/tuning.h"

namespace quill::app {
namespace {

// The SWR of every listing is on a 50 ohm line.
constexpr double kReferenceOhms = 50;

}  // namespace

CoreForRuns::CoreForRuns() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = QUILLCALC_NAME;
  static char* argv[] = {name, nullptr};
  core_.emplace(argc, argv);
}

namespace {

// The tolerance of --tolerance, or nothing after saying why not.
std::optional<double> toleranceOf(const QString& text, const nec::Model& model, std::FILE* errors) {
  const std::optional<double> mm = io::ReadLocaleNumber(text);
  const double largest = nec::LargestCutMm(model);
  if (!mm || !std::isfinite(*mm)) {
    SayOnStderr(QStringLiteral("--tolerance: '%1' is not a number of millimetres").arg(text), errors);
  } else if (*mm < 0) {
    SayOnStderr(QStringLiteral("--tolerance: %1 mm is below 0; give the cut's error either way, as 3 for "
                               "\u00b13 mm")
                    .arg(text),
                errors);
  } else if (*mm > largest) {
    SayOnStderr(QStringLiteral("--tolerance: %1 mm is more than a tenth of the shortest leg (%2 mm)")
                    .arg(text, QString::number(largest, 'f', 1)),
                errors);
  } else {
    return mm;
  }
  return std::nullopt;
}

}  // namespace

int RunModelCommand(const ModelCommand& command, const ModelTuning& tuning, std::FILE* out, std::FILE* errors,
                    std::chrono::milliseconds limit) {
  int status = kExitDone;
  std::optional<nec::Model> made =
      ModelOfOptions(command.frequency, command.diameter, command.elements, errors, status);
  if (!made) return status;
  std::optional<double> cut;
  if (tuning.tolerance && !(cut = toleranceOf(*tuning.tolerance, *made, errors))) return kExitBadUsage;
  std::optional<nec::MeasuredListing> measured;
  if (tuning.measured) {
    const io::MeasurementFile file = io::ReadMeasurementFile(*tuning.measured, *tuning.measured);
    if (!file.measurement) {
      SayOnStderr(file.problem, errors);
      return kExitBadUsage;
    }
    measured = nec::MeasuredListing{QFileInfo(*tuning.measured).fileName().toStdString(),
                                    touchstone::Measure(*file.measurement, kReferenceOhms)};
  }

  const CoreForRuns core;
  const io::NecJob job{std::move(*made), kReferenceOhms, QUILLCALC_NAME " " QUILLCALC_VERSION};
  const io::NecOutcome outcome = io::RunNec(job, limit);
  if (!outcome.results) {
    SayOnStderr(AsClause(outcome.failure), errors);
    return kExitModelFailed;
  }
  std::optional<nec::TrimAnswer> trim;
  if (tuning.trim) {
    const io::TrimOutcome search = io::RunTrim(job, *outcome.results, limit);
    if (!search.failure.isEmpty()) {
      SayOnStderr(AsClause(search.failure), errors);
      return kExitModelFailed;
    }
    trim = measured ? nec::MeasurementTrim(job.model, search.probes, measured->sweep.lowestSwr().frequencyMHz,
                                           measured->sweep.lowestSwr().swr, measured->sweep.minimumInside())
                    : nec::ModelTrim(job.model, search.probes, search.last);
  }
  std::optional<nec::Spread> spread;
  if (cut) spread = io::RunSpread(job, *cut, limit);

  const nec::TrimAnswer* trimmed = trim ? &*trim : nullptr;
  const nec::MeasuredListing* sweep = measured ? &*measured : nullptr;
  const nec::Spread* spreadOf = spread ? &*spread : nullptr;
  std::string text;
  switch (command.format) {
    case ListingFormat::Csv:
      text = nec::ModelAsCsv(*outcome.results) + nec::TuningAsCsv(trimmed, sweep, spreadOf);
      break;
    case ListingFormat::Json:
      text = nec::WithTuningJson(nec::ModelAsJson(*outcome.results), trimmed, sweep, spreadOf);
      break;
    case ListingFormat::Text:
      text = nec::ModelAsText(*outcome.results) + nec::TuningAsText(trimmed, sweep, spreadOf);
      break;
  }
  if (std::fputs(text.c_str(), out) < 0 || std::fflush(out) != 0) {
    SayOnStderr(QStringLiteral("cannot write the model's results to standard output"), errors);
    return kExitOutputFailed;
  }
  return kExitDone;
}

}  // namespace quill::app
