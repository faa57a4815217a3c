#include "app/neccommand.h"

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/modelcommand.h"
#include "app/version.h"
#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "io/localenumber.h"
#include "io/necrun.h"
#include "io/tuning.h"

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

std::optional<nec::Model> ModelOfOptions(const QString& frequency, const std::optional<QString>& diameterText,
                                         const std::optional<QString>& elementsText, std::FILE* errors,
                                         int& status) {
  status = kExitBadUsage;
  std::optional<double> diameter;
  if (diameterText) {
    diameter = io::ReadLocaleNumber(*diameterText);
    if (!diameter) {
      SayOnStderr(QStringLiteral("--diameter: '%1' is not a number of millimetres").arg(*diameterText),
                  errors);
      return std::nullopt;
    }
  }
  int elements = kFewestElements;
  if (elementsText) {
    bool ok = false;
    elements = elementsText->trimmed().toInt(&ok);
    if (!ok) {
      SayOnStderr(QStringLiteral("--elements: '%1' is not a whole number from %2 to %3")
                      .arg(*elementsText)
                      .arg(kFewestElements)
                      .arg(kMostElements),
                  errors);
      return std::nullopt;
    }
  }
  nec::Outcome outcome = nec::BuildModel(frequency.toStdString(), diameter, elements);
  if (outcome.error) {
    SayOnStderr(ErrorLine(*outcome.error), errors);
    status = kExitCalculationFailed;
    return std::nullopt;
  }
  if (!outcome.model) {
    SayOnStderr(
        optionAt(outcome.problem) + QStringLiteral(": ") + AsClause(QString::fromStdString(outcome.message)),
        errors);
    return std::nullopt;
  }
  status = kExitDone;
  return std::move(outcome.model);
}

int RunNecCommand(const NecCommand& command, bool trim, std::FILE* errors) {
  int status = kExitDone;
  std::optional<nec::Model> model =
      ModelOfOptions(command.frequency, command.diameter, command.elements, errors, status);
  if (!model) return status;
  const std::string program = QUILLCALC_NAME " " QUILLCALC_VERSION;
  if (trim) {
    const CoreForRuns core;
    const io::NecJob job{*model, 50, program};
    const io::NecOutcome nominal = io::RunNec(job);
    io::TrimOutcome search;
    if (nominal.results) search = io::RunTrim(job, *nominal.results);
    const QString failure = nominal.results ? search.failure : nominal.failure;
    if (!failure.isEmpty()) {
      SayOnStderr(AsClause(failure), errors);
      return kExitModelFailed;
    }
    const nec::TrimAnswer answer = nec::ModelTrim(*model, search.probes, search.last);
    if (!answer.found) {
      SayOnStderr(AsClause(QString::fromStdString(answer.refusal)), errors);
      return kExitModelFailed;
    }
    model = nec::WithLegsChanged(*model, answer.legChangeMm);
  }

  const std::string deck = nec::Deck(*model, program);
  if (const QString failure = io::SaveNecDeck(command.file, deck); !failure.isEmpty()) {
    SayOnStderr(QStringLiteral("--nec: cannot write %1: %2").arg(FileInMessage(command.file), failure),
                errors);
    return kExitOutputFailed;
  }
  return kExitDone;
}

}  // namespace quill::app
