#include "app/modelcommand.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/neccommand.h"
#include "app/version.h"
#include "calc/necreport.h"
#include "calc/spread.h"
#include "calc/tuningreport.h"
#include "io/measurementfile.h"
#include "io/program.h"
#include "io/savefile.h"
#include "io/tuning.h"

namespace quill::app {

CoreForRuns::CoreForRuns() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = QUILLCALC_NAME;
  static char* argv[] = {name, nullptr};
  core_.emplace(argc, argv);
}

int RunModelCommand(const Request& request, std::FILE* out, std::FILE* errors,
                    std::chrono::milliseconds limit) {
  int status = kExitDone;
  std::optional<nec::Model> made = ModelOfRequest(request, errors, status);
  if (!made) return status;
  if (request.toleranceMm && *request.toleranceMm > nec::LargestCutMm(*made)) {
    SayOnStderr(
        UsageLine(QStringLiteral("--tolerance: %1 mm is more than a tenth of the shortest leg (%2 mm)")
                      .arg(QString::number(*request.toleranceMm),
                           QString::number(nec::LargestCutMm(*made), 'f', 1))),
        errors);
    return kExitBadUsage;
  }
  std::optional<nec::MeasuredListing> measured;
  if (!request.measuredFile.isEmpty()) {
    const io::MeasurementFile file = io::ReadMeasurementFile(request.measuredFile, request.measuredFile);
    if (!file.measurement) {
      SayOnStderr(file.problem, errors);
      return kExitBadUsage;
    }
    measured = nec::MeasuredListing{QFileInfo(request.measuredFile).fileName().toStdString(),
                                    touchstone::Measure(*file.measurement, nec::kReferenceOhms)};
  }

  const CoreForRuns core;
  const io::NecJob job{std::move(*made), nec::kReferenceOhms, io::ProgramAndVersion().toStdString()};
  const io::NecOutcome outcome = io::RunNec(job, limit);
  if (!outcome.results) {
    SayOnStderr(AsClause(outcome.failure), errors);
    return kExitModelFailed;
  }
  std::optional<nec::TrimAnswer> trim;
  if (request.trim) {
    const io::TrimOutcome search = io::RunTrim(job, *outcome.results, limit);
    if (!search.failure.isEmpty()) {
      SayOnStderr(AsClause(search.failure), errors);
      return kExitModelFailed;
    }
    const touchstone::MeasuredSweep* sweep = measured ? &measured->sweep : nullptr;
    trim = sweep ? nec::MeasurementTrim(job.model, search.probes, sweep->lowestSwr().frequencyMHz,
                                        sweep->lowestSwr().swr, sweep->minimumInside())
                 : nec::ModelTrim(job.model, search.probes, search.last);
  }
  std::optional<nec::Spread> spread;
  if (request.toleranceMm) spread = io::RunSpread(job, *request.toleranceMm, limit);

  const nec::TrimAnswer* trimmed = trim ? &*trim : nullptr;
  const nec::MeasuredListing* listed = measured ? &*measured : nullptr;
  const nec::Spread* spreadOf = spread ? &*spread : nullptr;
  const std::string text = Listing(
      request.format, *outcome.results,
      [&](const nec::Results& r) {
        return nec::ModelAsText(r) + nec::TuningAsText(trimmed, listed, spreadOf);
      },
      [&](const nec::Results& r) { return nec::ModelAsCsv(r) + nec::TuningAsCsv(trimmed, listed, spreadOf); },
      [&](const nec::Results& r) {
        return nec::WithTuningJson(nec::ModelAsJson(r), trimmed, listed, spreadOf);
      });
  // Standard output goes out as every file does, which knows it closed.
  const QString problem = out == stdout ? io::SaveFile(QStringLiteral("-"), QByteArrayView(text))
                          : std::fputs(text.c_str(), out) < 0 || std::fflush(out) != 0
                              ? QStringLiteral("write error")
                              : QString();
  if (!problem.isEmpty()) {
    SayOnStderr(QStringLiteral("cannot write the model's results to standard output: %1").arg(problem),
                errors);
    return kExitOutputFailed;
  }
  return kExitDone;
}

}  // namespace quill::app
