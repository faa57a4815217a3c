#include "app/neccommand.h"

#include "app/version.h"
#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "ui/main/necexport.h"

namespace quill::app {
namespace {

void say(std::FILE* errors, const QString& line) {
  std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), errors);
}

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

int RunNecCommand(const NecCommand& command, std::FILE* errors) {
  const QString program = QStringLiteral("quillcalc");
  std::optional<double> diameter;
  if (command.diameter) {
    bool ok = false;
    diameter = command.diameter->trimmed().toDouble(&ok);
    if (!ok) {
      say(errors, QStringLiteral("%1: --diameter: \"%2\" is not a number of millimetres.")
                      .arg(program, *command.diameter));
      return kNecBadInput;
    }
  }
  int elements = nec::kFewestElements;
  if (command.elements) {
    bool ok = false;
    elements = command.elements->trimmed().toInt(&ok);
    if (!ok) {
      say(errors, QStringLiteral("%1: --elements: \"%2\" is not a whole number from %3 to %4.")
                      .arg(program, *command.elements)
                      .arg(nec::kFewestElements)
                      .arg(nec::kMostElements));
      return kNecBadInput;
    }
  }

  const nec::Outcome outcome = nec::BuildModel(command.frequency.toStdString(), diameter, elements);
  if (outcome.error) {
    // As the window's message box says it, on one line.
    say(errors, QStringLiteral("Run-time error '%1': %2")
                    .arg(outcome.error->number)
                    .arg(QString::fromStdString(outcome.error->description)));
    return kNecRunTimeError;
  }
  if (!outcome.model) {
    say(errors, QStringLiteral("%1: %2: %3")
                    .arg(program, optionAt(outcome.problem), QString::fromStdString(outcome.message)));
    return kNecBadInput;
  }

  const std::string deck = nec::Deck(*outcome.model, "quillcalc " QUILLCALC_VERSION);
  if (const QString failure = ui::SaveNecDeck(command.file, deck); !failure.isEmpty()) {
    say(errors, QStringLiteral("%1: %2: %3").arg(program, command.file, failure));
    return kNecNotWritten;
  }
  return kNecWritten;
}

}  // namespace quill::app
