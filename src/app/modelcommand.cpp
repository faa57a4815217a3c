#include "app/modelcommand.h"

#include <QCoreApplication>

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/neccommand.h"
#include "app/version.h"
#include "calc/necreport.h"
#include "io/savefile.h"

namespace quill::app {

int RunModelCommand(const ModelCommand& command, std::FILE* out, std::FILE* errors,
                    std::chrono::milliseconds limit) {
  int status = kExitDone;
  std::optional<nec::Model> made =
      ModelOfOptions(command.frequency, command.diameter, command.elements, errors, status);
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
      io::RunNec({std::move(*made), 50, QUILLCALC_NAME " " QUILLCALC_VERSION}, limit);
  if (!outcome.results) {
    SayOnStderr(AsClause(outcome.failure), errors);
    return kExitModelFailed;
  }
  std::string text;
  switch (command.format) {
    case ListingFormat::Csv:
      text = nec::ModelAsCsv(*outcome.results);
      break;
    case ListingFormat::Json:
      text = nec::ModelAsJson(*outcome.results);
      break;
    case ListingFormat::Text:
      text = nec::ModelAsText(*outcome.results);
      break;
  }
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
