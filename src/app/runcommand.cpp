#include "app/runcommand.h"

#include <unistd.h>

#include <QGuiApplication>
#include <QLocale>
#include <cstdlib>

#include "app/commandline.h"
#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/modelcommand.h"
#include "app/neccommand.h"
#include "app/version.h"
#include "calc/format.h"
#include "calc/results.h"
#include "io/savefile.h"
#include "ui/common/forms.h"
#include "ui/main/dimension_names.h"
#include "ui/main/plan.h"

namespace quill::app {
namespace {

std::optional<EndAllowance> allowance(const Request& request) {
  if (!request.allowanceMm) return std::nullopt;
  return AllowanceMillimetres(*request.allowanceMm);
}

// The plan needs fonts and a paint engine, which need a QGuiApplication; the
// offscreen platform gives one without any display, so it works over ssh.
// Returns the run-time error or what kept the file from being written.
QString writePlan(const Request& request, float frequencyMHz, std::optional<RunTimeError>& error) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Over ssh there is often no XDG_RUNTIME_DIR; the plan needs none, and a
  // script should not hear about it.
  static const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
          previous(type, context, message);
      });
  static int argc = 1;
  static char name[] = QUILLCALC_NAME;
  static char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  application.setApplicationName(QStringLiteral(QUILLCALC_NAME));
  ui::installFontSubstitutes();
  ui::Plan plan;
  if (const auto failure =
          ui::MakePlan(frequencyMHz, request.unit, {request.elements, request.diameterMm, allowance(request)},
                       QLocale(), plan)) {
    error = failure->error;
    return failure->refusal;
  }
  return ui::WritePlanPdf(plan, request.planFile, QLocale());
}

int calculate(const Request& request) {
  // gzip, lpr and the like refuse to put binary data on a terminal too.
  if (request.planFile == QLatin1String("-") && isatty(STDOUT_FILENO)) {
    SayOnStderr(UsageLine(QStringLiteral(
        "--plan -: standard output is a terminal, which cannot show a PDF; send it to a file or a program")));
    return kExitBadUsage;
  }
  if (request.model) return RunModelCommand(request);
  // Both units' values are on the plan: the other one must not fail where
  // this one passed (an overflow in centimetres only), after the model was
  // written.
  if (!request.planFile.isEmpty()) {
    DesignValues scratch;
    for (const Unit unit : {Unit::Inches, Unit::Centimetres}) {
      if (const auto error = Calculate(scratch, request.frequency, unit).error) {
        SayOnStderr(ErrorLine(*error));
        return kExitCalculationFailed;
      }
    }
    if (const std::string refusal = FrequencyRefusal(scratch.FrequencyMHz); !refusal.empty()) {
      SayOnStderr(UsageLine(QStringLiteral("--frequency: ") + AsClause(QString::fromStdString(refusal))));
      return kExitBadUsage;
    }
  }
  // The model checks its own options first, then the frequency.
  if (!request.necFile.isEmpty()) {
    if (const int status = RunNecCommand(request); status != kExitDone) return status;
  }
  DesignValues record;
  const Calculation calculation = Calculate(record, request.frequency, request.unit);
  if (calculation.error) {
    SayOnStderr(ErrorLine(*calculation.error));
    return kExitCalculationFailed;
  }
  if (!request.planFile.isEmpty()) {
    std::optional<RunTimeError> error;
    const QString problem = writePlan(request, record.FrequencyMHz, error);
    if (error) {
      SayOnStderr(ErrorLine(*error));
      return kExitCalculationFailed;
    }
    if (!problem.isEmpty()) {
      SayOnStderr(
          QStringLiteral("--plan: cannot write %1: %2").arg(FileInMessage(request.planFile), problem));
      return kExitOutputFailed;
    }
  }
  if (request.printResults) {
    const std::string text = Listing(
        request.format,
        ListResults(record, request.unit, calculation, ui::form1::dimensionNames(), ".", request.elements,
                    allowance(request)),
        [](const ResultList& list) { return ResultsAsText(list); }, ResultsAsCsv, ResultsAsJson);
    const QString problem =
        io::SaveFile(QStringLiteral("-"), QByteArrayView(text.data(), qsizetype(text.size())));
    if (!problem.isEmpty()) {
      SayOnStderr(QStringLiteral("cannot write the results to standard output: %1").arg(problem));
      return kExitOutputFailed;
    }
  }
  return kExitDone;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const Request request = ParseCommandLine(arguments);
  switch (request.action) {
    case Request::Action::Windows:
      return std::nullopt;
    case Request::Action::Help:
    case Request::Action::Version: {
      const QByteArray reply = request.reply.toLocal8Bit();
      if (const QString problem = io::SaveFile(QStringLiteral("-"), reply); !problem.isEmpty()) {
        SayOnStderr(QStringLiteral("cannot write to standard output: %1").arg(problem));
        return kExitOutputFailed;
      }
      return kExitDone;
    }
    case Request::Action::BadUsage:
      SayOnStderr(UsageLine(request.problem));
      return kExitBadUsage;
    case Request::Action::Calculate:
      return calculate(request);
  }
  return std::nullopt;
}

}  // namespace quill::app
