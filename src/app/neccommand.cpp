#include "app/neccommand.h"

#include "app/errors.h"
#include "app/exitstatus.h"
#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "io/necrun.h"
#include "io/program.h"

namespace quill::app {
namespace {

// The option whose value the model cannot take.
QString optionAt(nec::Problem problem) {
  switch (problem) {
    case nec::Problem::Diameter:
      return QStringLiteral("--diameter");
    case nec::Problem::Elements:
      return QStringLiteral("--elements");
    default:
      return QStringLiteral("--frequency");
  }
}

}  // namespace

std::optional<nec::Model> ModelOfRequest(const Request& request, std::FILE* errors, int& status) {
  status = kExitBadUsage;
  nec::Outcome outcome = nec::BuildModel(request.frequency, request.diameterMm, request.elements);
  if (outcome.error) {
    SayOnStderr(ErrorLine(*outcome.error), errors);
    status = kExitCalculationFailed;
    return std::nullopt;
  }
  if (!outcome.model) {
    SayOnStderr(UsageLine(optionAt(outcome.problem) + QStringLiteral(": ") +
                          AsClause(QString::fromStdString(outcome.message))),
                errors);
    return std::nullopt;
  }
  status = kExitDone;
  return std::move(outcome.model);
}

int RunNecCommand(const Request& request, std::FILE* errors) {
  int status = kExitDone;
  const std::optional<nec::Model> model = ModelOfRequest(request, errors, status);
  if (!model) return status;

  const std::string deck = nec::Deck(*model, io::ProgramAndVersion().toStdString());
  if (const QString failure = io::SaveNecDeck(request.necFile, deck); !failure.isEmpty()) {
    SayOnStderr(QStringLiteral("--nec: cannot write %1: %2").arg(FileInMessage(request.necFile), failure),
                errors);
    return kExitOutputFailed;
  }
  return kExitDone;
}

}  // namespace quill::app
