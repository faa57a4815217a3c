#include "app/modelcommand.h"

#include <QCoreApplication>

#include "app/exitstatus.h"
#include "app/version.h"
#include "calc/necreport.h"

namespace quill::app {
namespace {

const QString kProgram = QStringLiteral("quillcalc");

void say(std::FILE* errors, const QString& line) {
  std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), errors);
}

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

// The model of the command, or the exit status after saying why not.
std::optional<nec::Model> model(const ModelCommand& command, std::FILE* errors, int& status) {
  status = kExitBadUsage;
  std::optional<double> diameter;
  if (command.diameter) {
    bool ok = false;
    diameter = command.diameter->trimmed().toDouble(&ok);
    if (!ok) {
      say(errors, QStringLiteral("%1: --diameter: \"%2\" is not a number of millimetres.")
                      .arg(kProgram, *command.diameter));
      return std::nullopt;
    }
  }
  int elements = nec::kFewestElements;
  if (command.elements) {
    bool ok = false;
    elements = command.elements->trimmed().toInt(&ok);
    if (!ok) {
      say(errors, QStringLiteral("%1: --elements: \"%2\" is not a whole number from %3 to %4.")
                      .arg(kProgram, *command.elements)
                      .arg(nec::kFewestElements)
                      .arg(nec::kMostElements));
      return std::nullopt;
    }
  }
  nec::Outcome outcome = nec::BuildModel(command.frequency.toStdString(), diameter, elements);
  if (outcome.error) {
    say(errors, QStringLiteral("Run-time error '%1': %2")
                    .arg(outcome.error->number)
                    .arg(QString::fromStdString(outcome.error->description)));
    status = kExitCalculationFailed;
    return std::nullopt;
  }
  if (!outcome.model) {
    say(errors, QStringLiteral("%1: %2: %3")
                    .arg(kProgram, optionAt(outcome.problem), QString::fromStdString(outcome.message)));
    return std::nullopt;
  }
  status = kExitDone;
  return std::move(outcome.model);
}

}  // namespace

int RunModelCommand(const ModelCommand& command, std::FILE* out, std::FILE* errors,
                    std::chrono::milliseconds limit) {
  int status = kExitDone;
  std::optional<nec::Model> made = model(command, errors, status);
  if (!made) return status;

  // QProcess wants an event dispatcher; a QCoreApplication gives one without
  // loading any of the GUI.
  std::optional<QCoreApplication> core;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "quillcalc";
    static char* argv[] = {name, nullptr};
    core.emplace(argc, argv);
  }
  const ui::NecOutcome outcome = ui::RunNec({std::move(*made), 50, "quillcalc " QUILLCALC_VERSION}, limit);
  if (!outcome.results) {
    say(errors, kProgram + QStringLiteral(": ") + outcome.failure);
    return kExitModelFailed;
  }
  std::string text;
  if (command.format == QLatin1String("csv")) {
    text = nec::ModelAsCsv(*outcome.results);
  } else if (command.format == QLatin1String("json")) {
    text = nec::ModelAsJson(*outcome.results);
  } else {
    text = nec::ModelAsText(*outcome.results);
  }
  if (std::fputs(text.c_str(), out) < 0 || std::fflush(out) != 0) return kExitOutputFailed;
  return kExitDone;
}

}  // namespace quill::app
