#include "app/neccommand.h"

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/version.h"
#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "ui/main/necexport.h"

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

// The dialog's sentence in the command line's style: lower case, no full
// stop at the end.
QString asClause(const std::string& sentence) {
  QString clause = QString::fromStdString(sentence);
  if (clause.endsWith(QLatin1Char('.'))) clause.chop(1);
  if (!clause.isEmpty() && !(clause.size() > 1 && clause[1].isUpper()))
    clause[0] = clause[0].toLower();  // not NEC
  return clause;
}

}  // namespace

int RunNecCommand(const NecCommand& command, std::FILE* errors) {
  std::optional<double> diameter;
  if (command.diameter) {
    diameter = ui::ReadLocaleNumber(*command.diameter);
    if (!diameter) {
      SayOnStderr(QStringLiteral("--diameter: '%1' is not a number of millimetres").arg(*command.diameter),
                  errors);
      return kExitBadUsage;
    }
  }
  int elements = nec::kFewestElements;
  if (command.elements) {
    bool ok = false;
    elements = command.elements->trimmed().toInt(&ok);
    if (!ok) {
      SayOnStderr(QStringLiteral("--elements: '%1' is not a whole number from %2 to %3")
                      .arg(*command.elements)
                      .arg(nec::kFewestElements)
                      .arg(nec::kMostElements),
                  errors);
      return kExitBadUsage;
    }
  }

  const nec::Outcome outcome = nec::BuildModel(command.frequency.toStdString(), diameter, elements);
  if (outcome.error) {
    SayOnStderr(ErrorLine(*outcome.error), errors);
    return kExitCalculationFailed;
  }
  if (!outcome.model) {
    SayOnStderr(optionAt(outcome.problem) + QStringLiteral(": ") + asClause(outcome.message), errors);
    return kExitBadUsage;
  }

  const std::string deck = nec::Deck(*outcome.model, QUILLCALC_NAME " " QUILLCALC_VERSION);
  if (const QString failure = ui::SaveNecDeck(command.file, deck); !failure.isEmpty()) {
    SayOnStderr(QStringLiteral("--nec: cannot write %1: %2").arg(FileInMessage(command.file), failure),
                errors);
    return kExitOutputFailed;
  }
  return kExitDone;
}

}  // namespace quill::app
