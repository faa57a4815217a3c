#include "app/modelcommand.h"

#include <QCoreApplication>

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/neccommand.h"
#include "app/version.h"
#include "calc/necreport.h"
#include "io/program.h"

namespace quill::app {

int RunModelCommand(const Request& request, std::FILE* out, std::FILE* errors,
                    std::chrono::milliseconds limit) {
  int status = kExitDone;
  std::optional<nec::Model> made = ModelOfRequest(request, errors, status);
  if (!made) return status;

  // QProcess wants an event dispatcher; a QCoreApplication gives one without
  // loading any of the GUI.
  std::optional<QCoreApplication> core;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = QUILLCALC_NAME;
    static char* argv[] = {name, nullptr};
    core.emplace(argc, argv);
  }
  const io::NecOutcome outcome =
      io::RunNec({std::move(*made), nec::kReferenceOhms, io::ProgramAndVersion().toStdString()}, limit);
  if (!outcome.results) {
    SayOnStderr(AsClause(outcome.failure), errors);
    return kExitModelFailed;
  }
  const std::string text =
      Listing(request.format, *outcome.results, nec::ModelAsText, nec::ModelAsCsv, nec::ModelAsJson);
  if (std::fputs(text.c_str(), out) < 0 || std::fflush(out) != 0) {
    SayOnStderr(QStringLiteral("cannot write the model's results to standard output"), errors);
    return kExitOutputFailed;
  }
  return kExitDone;
}

}  // namespace quill::app
